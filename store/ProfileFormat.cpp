#include "store/ProfileFormat.h"

#include "platform/Encoding.h"

namespace profile {

const char* textProblem(const std::string& text) {
    if (text.find_first_of("\r\n") != std::string::npos) return "may not hold a line break";
    if (text.size() > MaxTextLength) return "may not be longer than 32,766 characters";
    return nullptr;
}

const char* sectionNameProblem(const std::string& name) {
    if (const char* problem = textProblem(name)) return problem;
    if (name.find(']') != std::string::npos) return "may not hold \"]\"";
    return nullptr;
}

const char* keyNameProblem(const std::string& name) {
    if (const char* problem = textProblem(name)) return problem;
    if (name.find('=') != std::string::npos) return "may not hold \"=\"";
    if (!name.empty() && (name[0] == ';' || name[0] == '[')) return "may not start with \";\" or \"[\"";
    return nullptr;
}

std::wstring nameKey(std::wstring name) {
    for (wchar_t& c : name) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return name;
}

std::wstring nameKey(const std::string& ansiName) { return nameKey(platform::wideFromAnsi(ansiName)); }

bool sameName(const std::string& a, const std::string& b) { return a == b || nameKey(a) == nameKey(b); }

std::string asRead(const std::string& value) {
    const char* const blanks = " \t\v\f";
    size_t first = value.find_first_not_of(blanks);
    if (first == std::string::npos) return "";
    std::string text = value.substr(first, value.find_last_not_of(blanks) - first + 1);
    if (text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0]) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

}  // namespace profile
