#include "store/ProfileListing.h"

#include "platform/Encoding.h"
#include "store/ProfileFormat.h"

#include <windows.h>

#include <map>

namespace {

// A stretch of the decoded text.
struct Span {
    size_t begin = 0, end = 0;
};

struct Key {
    Span name;
    bool hasValue;
    Span value;
};

struct Section {
    Span name;
    std::vector<Key> keys;
};

// The parser's blanks, Ctrl+Z among them.
bool blank(wchar_t c) { return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == 0x20; }

Span trimmed(const std::wstring& text, size_t begin, size_t end) {
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    return {begin, end};
}

// Names and values are C strings to the reader: a NUL in the file ends them.
Span upToNul(const std::wstring& text, Span span) {
    for (size_t at = span.begin; at < span.end; ++at) {
        if (text[at] == L'\0') return {span.begin, at};
    }
    return span;
}

// As the narrow calls give the text; plain ASCII, which every ANSI code page holds as it is, at once.
std::string ansi(const std::wstring& text, Span span) {
    std::string narrow(span.end - span.begin, '\0');
    for (size_t at = span.begin; at < span.end; ++at) {
        if (text[at] >= 0x80) return platform::ansiFromWide(text.substr(span.begin, span.end - span.begin));
        narrow[at - span.begin] = static_cast<char>(text[at]);
    }
    return narrow;
}

// A "[" line with a "]" in it opens a section named by what stands between the first "[" and the last
// "]", blanks trimmed; any other line is a key, with a value after its first "=".
void addLine(std::vector<Section>& sections, const std::wstring& text, Span line) {
    if (text[line.begin] == L'[') {
        for (size_t close = line.end - 1; close > line.begin; --close) {
            if (text[close] == L']') {
                sections.push_back({trimmed(text, line.begin + 1, close), {}});
                return;
            }
        }
    }
    for (size_t equals = line.begin; equals < line.end; ++equals) {
        if (text[equals] == L'=') {
            Span name = trimmed(text, line.begin, equals), value = trimmed(text, equals + 1, line.end);
            sections.back().keys.push_back({name, true, value});
            return;
        }
    }
    sections.back().keys.push_back({line, false, {}});
}

std::vector<Section> parsed(const std::wstring& text) {
    std::vector<Section> sections(1);  // the lines before the first section, which no listing shows
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find_first_of(L"\r\n", at);
        if (end == std::wstring::npos) end = text.size();
        Span line = trimmed(text, at, end);
        at = text.find_first_not_of(L"\r\n", end);
        if (at == std::wstring::npos) at = text.size();
        if (line.begin < line.end) addLine(sections, text, line);
    }
    return sections;
}

// The reader matches names without regard to the case of ASCII letters; other letters must match exactly.
std::wstring folded(const std::wstring& text, Span span) {
    std::wstring name = text.substr(span.begin, span.end - span.begin);
    for (wchar_t& c : name) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return name;
}

// What the reader lists of a section: keys with a value and a name, comments left out, up to the first
// key whose name is empty (a list of names ends at an empty one).
ProfileEntries entriesOf(const std::wstring& text, const Section& section) {
    ProfileEntries entries;
    for (const Key& key : section.keys) {
        Span name = upToNul(text, key.name);
        if (!key.hasValue || (name.begin < name.end && text[name.begin] == L';')) continue;
        if (name.begin == name.end) break;
        entries.emplace_back(ansi(text, name), profile::asRead(ansi(text, upToNul(text, key.value))));
    }
    return entries;
}

}  // namespace

std::wstring profileText(const std::string& bytes) {
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return platform::wide(bytes.substr(3));
    bool little = bytes.compare(0, 2, "\xFF\xFE") == 0, big = bytes.compare(0, 2, "\xFE\xFF") == 0;
    if (!little && !big) return platform::wideFromAnsi(bytes);
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned a = static_cast<unsigned char>(bytes[2 + 2 * i]), b = static_cast<unsigned char>(bytes[3 + 2 * i]);
        text[i] = static_cast<wchar_t>(little ? a | (b << 8) : (a << 8) | b);
    }
    return text;
}

std::vector<ListedSection> listingOf(const std::string& fileBytes) {
    const std::wstring text = profileText(fileBytes);
    std::vector<Section> sections = parsed(text);
    std::map<std::wstring, const Section*> firstNamed;
    std::vector<ListedSection> listing;
    for (const Section& section : sections) {
        Span name = upToNul(text, section.name);
        if (name.begin == name.end) continue;
        const Section* first = firstNamed.emplace(folded(text, name), &section).first->second;
        listing.push_back({ansi(text, name), entriesOf(text, *first)});
    }
    return listing;
}
