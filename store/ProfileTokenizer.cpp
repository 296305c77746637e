#include "store/ProfileTokenizer.h"

#include "platform/Encoding.h"

namespace {

// The parser's blanks, Ctrl+Z among them.
bool blank(wchar_t c) { return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == 0x20; }

Span trimmed(const std::wstring& text, std::size_t begin, std::size_t end) {
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    return {begin, end};
}

ProfileLine lineAt(const std::wstring& text, Span line) {
    if (text[line.begin] == L'[') {
        for (std::size_t close = line.end - 1; close > line.begin; --close) {
            if (text[close] == L']') return {ProfileLine::Header, line, trimmed(text, line.begin + 1, close), {}};
        }
    }
    for (std::size_t equals = line.begin; equals < line.end; ++equals) {
        if (text[equals] == L'=') {
            return {ProfileLine::Key, line, trimmed(text, line.begin, equals), trimmed(text, equals + 1, line.end)};
        }
    }
    return {ProfileLine::Text, line, {}, {}};
}

}  // namespace

std::wstring profileText(const std::string& bytes) {
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return platform::wide(bytes.substr(3));
    bool little = bytes.compare(0, 2, "\xFF\xFE") == 0, big = bytes.compare(0, 2, "\xFE\xFF") == 0;
    if (!little && !big) return platform::wideFromAnsi(bytes);
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned a = static_cast<unsigned char>(bytes[2 + 2 * i]), b = static_cast<unsigned char>(bytes[3 + 2 * i]);
        text[i] = static_cast<wchar_t>(little ? a | (b << 8) : (a << 8) | b);
    }
    return text;
}

Span ProfileTokens::upToNul(Span span) const {
    for (std::size_t at = span.begin; at < span.end; ++at) {
        if (text[at] == L'\0') return {span.begin, at};
    }
    return span;
}

ProfileTokens tokenized(const std::string& fileBytes) {
    ProfileTokens tokens{profileText(fileBytes), {}};
    const std::wstring& text = tokens.text;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find_first_of(L"\r\n", at);
        if (end == std::wstring::npos) end = text.size();
        Span line = trimmed(text, at, end);
        at = text.find_first_not_of(L"\r\n", end);
        if (at == std::wstring::npos) at = text.size();
        if (!line.empty()) tokens.lines.push_back(lineAt(text, line));
    }
    return tokens;
}
