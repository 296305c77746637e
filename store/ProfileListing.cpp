#include "store/ProfileListing.h"

#include "platform/Encoding.h"
#include "store/ProfileFormat.h"
#include "store/ProfileTokenizer.h"

#include <map>

namespace {

// A section's header and key lines, as indexes into the tokens' lines.
struct Section {
    Span name;
    std::vector<const ProfileLine*> lines;
};

// As the narrow calls give the text; plain ASCII, which every ANSI code page holds as it is, at once.
std::string ansi(const std::wstring& text, Span span) {
    std::string narrow(span.end - span.begin, '\0');
    for (size_t at = span.begin; at < span.end; ++at) {
        if (text[at] >= 0x80) return platform::ansiFromWide(text.substr(span.begin, span.end - span.begin));
        narrow[at - span.begin] = static_cast<char>(text[at]);
    }
    return narrow;
}

std::vector<Section> sectionsOf(const ProfileTokens& tokens) {
    std::vector<Section> sections(1);  // the lines before the first section, which no listing shows
    for (const ProfileLine& line : tokens.lines) {
        if (line.kind == ProfileLine::Header) sections.push_back({line.name, {}});
        else sections.back().lines.push_back(&line);
    }
    return sections;
}

// What the reader lists of a section: keys with a value and a name, comments left out, up to the first
// key whose name is empty (a list of names ends at an empty one).
ProfileEntries entriesOf(const ProfileTokens& tokens, const Section& section) {
    ProfileEntries entries;
    for (const ProfileLine* line : section.lines) {
        Span name = tokens.upToNul(line->name);
        if (line->kind != ProfileLine::Key || (!name.empty() && tokens.text[name.begin] == L';')) continue;
        if (name.empty()) break;
        entries.emplace_back(ansi(tokens.text, name), profile::asRead(ansi(tokens.text, tokens.upToNul(line->value))));
    }
    return entries;
}

}  // namespace

std::vector<ListedSection> listingOf(const std::string& fileBytes) {
    const ProfileTokens tokens = tokenized(fileBytes);
    std::vector<Section> sections = sectionsOf(tokens);
    std::map<std::wstring, const Section*> firstNamed;
    std::vector<ListedSection> listing;
    for (const Section& section : sections) {
        Span name = tokens.upToNul(section.name);
        if (name.empty()) continue;
        const Section* first = firstNamed.emplace(profile::nameKey(tokens.of(name)), &section).first->second;
        listing.push_back({ansi(tokens.text, name), entriesOf(tokens, *first)});
    }
    return listing;
}
