#include "store/ProfileLines.h"

#include "platform/Encoding.h"
#include "store/ProfileListing.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

struct Line {
    std::string section;  // the section it stands in ("" before the first)
    std::string name;     // a key's name; empty for a header, a comment or a line without "="
    std::string text;     // the line as the parser keeps it
};

// The parser's blanks, Ctrl+Z among them.
bool blank(char c) { return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == 0x20; }

std::string trimmed(const std::string& text, size_t from, size_t to) {
    while (from < to && blank(text[from])) ++from;
    while (to > from && blank(text[to - 1])) --to;
    return text.substr(from, to - from);
}

// A file written in UTF-16 is compared as UTF-8; the lines' shape is the same.
std::string asBytes(const std::string& file) {
    bool utf16 = file.compare(0, 2, "\xFF\xFE") == 0 || file.compare(0, 2, "\xFE\xFF") == 0;
    return utf16 ? platform::utf8(profileText(file)) : file;
}

std::vector<Line> linesOf(const std::string& file) {
    const std::string text = asBytes(file);
    std::vector<Line> lines;
    std::string section;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos) end = text.size();
        std::string line = trimmed(text, at, end);
        at = end + 1;
        if (line.empty()) continue;
        size_t close = line.rfind(']');
        if (line[0] == '[' && close != std::string::npos) {
            section = trimmed(line, 1, close);
            if (!section.empty()) lines.push_back({section, "", "[" + section + "]"});
            continue;
        }
        size_t equals = line[0] == ';' ? std::string::npos : line.find('=');
        if (equals == std::string::npos) {
            lines.push_back({section, "", line});
        } else {
            std::string name = trimmed(line, 0, equals);
            lines.push_back({section, name, name + "=" + trimmed(line, equals + 1, line.size())});
        }
    }
    return lines;
}

bool sameName(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

bool touched(const Line& line, const ChangeScope& scope) {
    if (!sameName(line.section, scope.section)) return false;
    bool header = line.name.empty() && line.text[0] == '[';
    return !scope.key || header || (!line.name.empty() && sameName(line.name, *scope.key));
}

std::vector<std::string> untouched(const std::string& file, const ChangeScope& scope) {
    std::vector<std::string> kept;
    for (const Line& line : linesOf(file)) {
        if (!touched(line, scope)) kept.push_back(line.text);
    }
    return kept;
}

// A line as a message can show it: control bytes (a NUL ends a message) as "?", a long one cut.
std::string shown(std::string line) {
    const size_t Longest = 80;
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20) c = '?';
    }
    return line.size() > Longest ? line.substr(0, Longest) + "..." : line;
}

}  // namespace

std::optional<std::string> lossBesides(const std::string& before, const std::string& after, const ChangeScope& scope) {
    std::vector<std::string> was = untouched(before, scope), is = untouched(after, scope);
    auto differ = std::mismatch(was.begin(), was.end(), is.begin(), is.end());
    if (differ.first != was.end()) return "The line \"" + shown(*differ.first) + "\" would have been lost or changed";
    if (differ.second != is.end()) return "The line \"" + shown(*differ.second) + "\" would have been added";
    return std::nullopt;
}
