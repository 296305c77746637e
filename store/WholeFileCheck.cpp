#include "store/WholeFileCheck.h"

#include "platform/Encoding.h"
#include "store/ProfileFormat.h"
#include "store/ProfileTokenizer.h"

#include <algorithm>
#include <vector>

namespace {

struct Line {
    std::wstring section;  // the section it stands in as names compare ("" before the first, or after "[]")
    std::wstring name;     // a key's name as names compare; empty for a header, a comment or other text
    std::wstring text;     // the line as the parser keeps it
    bool header;
    std::wstring sectionName;  // as the file spells it

    bool operator==(const Line& other) const { return section == other.section && text == other.text; }
};

// The header of a section without a name is left out: the writer leaves it out.
std::vector<Line> linesOf(const std::string& file) {
    ProfileTokens tokens = tokenized(file);
    std::vector<Line> lines;
    std::wstring section, sectionName;
    for (const ProfileLine& token : tokens.lines) {
        std::wstring name = tokens.of(token.name);
        if (token.kind == ProfileLine::Header) {
            section = profile::nameKey(name);
            sectionName = name;
            if (!name.empty()) lines.push_back({section, L"", L"[" + name + L"]", true, sectionName});
        } else if (token.kind == ProfileLine::Key && tokens.text[token.line.begin] != L';') {
            lines.push_back({section, profile::nameKey(name), name + L"=" + tokens.of(token.value), false, sectionName});
        } else {
            lines.push_back({section, L"", tokens.of(token.line), false, sectionName});
        }
    }
    return lines;
}

bool touched(const Line& line, const std::wstring& section, const std::wstring* key) {
    return line.section == section && (!key || line.header || (!line.name.empty() && line.name == *key));
}

std::vector<Line> untouched(const std::string& file, const ChangeScope& scope) {
    std::wstring section = profile::nameKey(scope.section), key = scope.key ? profile::nameKey(*scope.key) : L"";
    std::vector<Line> kept;
    for (Line& line : linesOf(file)) {
        if (!touched(line, section, scope.key ? &key : nullptr)) kept.push_back(std::move(line));
    }
    return kept;
}

// A line as a message can show it: control characters (a NUL ends a message) as "?", a long one cut.
std::string shown(std::wstring line) {
    const size_t Longest = 80;
    for (wchar_t& c : line) {
        if (c < 0x20) c = L'?';
    }
    return "\"" + platform::utf8(line.size() > Longest ? line.substr(0, Longest) + L"..." : line) + "\"";
}

std::string sectionShown(const Line& line) {
    return line.section.empty() ? "the section without a name" : "[" + platform::utf8(line.sectionName) + "]";
}

}  // namespace

std::optional<std::string> lossBesides(const std::string& before, const std::string& after, const ChangeScope& scope) {
    std::vector<Line> was = untouched(before, scope), is = untouched(after, scope);
    auto differ = std::mismatch(was.begin(), was.end(), is.begin(), is.end());
    if (differ.first != was.end() && differ.second != is.end() && differ.first->text == differ.second->text) {
        return "The line " + shown(differ.first->text) + " would have moved from " + sectionShown(*differ.first) +
               " to " + sectionShown(*differ.second);
    }
    if (differ.first != was.end()) return "The line " + shown(differ.first->text) + " would have been lost or changed";
    if (differ.second != is.end()) return "The line " + shown(differ.second->text) + " would have been added";
    return std::nullopt;
}
