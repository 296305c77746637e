#include "platform/Encoding.h"

#include <windows.h>

namespace platform {
namespace {

// Lengths are given, never looked for: lists of names hold nulls.
std::wstring toWide(UINT codePage, const std::string& text) {
    if (text.empty()) return std::wstring();
    int size = static_cast<int>(text.size());
    std::wstring result(static_cast<size_t>(MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, &result[0], static_cast<int>(result.size()));
    return result;
}

std::string fromWide(UINT codePage, const std::wstring& text) {
    if (text.empty()) return std::string();
    int size = static_cast<int>(text.size());
    std::string result(static_cast<size_t>(WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, &result[0], static_cast<int>(result.size()), nullptr, nullptr);
    return result;
}

}  // namespace

std::wstring wide(const std::string& utf8) { return toWide(CP_UTF8, utf8); }
std::string utf8(const std::wstring& text) { return fromWide(CP_UTF8, text); }
std::string utf8(const wchar_t* text) { return text ? utf8(std::wstring(text)) : std::string(); }
std::wstring wideFromAnsi(const std::string& ansi) { return toWide(CP_ACP, ansi); }
std::string ansiFromWide(const std::wstring& text) { return fromWide(CP_ACP, text); }
std::string utf8FromAnsi(const std::string& ansi) { return utf8(wideFromAnsi(ansi)); }
std::string ansiFromUtf8(const std::string& utf8) { return ansiFromWide(wide(utf8)); }

}  // namespace platform
