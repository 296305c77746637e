#include "store/Settings.h"

#include "platform/Encoding.h"
#include "platform/Error.h"

#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

// An open registry key, closed when it goes.
using KeyHandle = std::unique_ptr<std::remove_pointer_t<HKEY>, decltype(&RegCloseKey)>;

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

int hexValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

bool parseDigits(const std::string& text, size_t at, bool hex, bool negative, int& value) {
    if (at >= text.size()) return false;
    int64_t result = 0;
    for (size_t i = at; i < text.size(); ++i) {
        char c = text[i];
        if (hex ? !isHexDigit(c) : !(c >= '0' && c <= '9')) return false;
        result = result * (hex ? 16 : 10) + (hex ? hexValue(c) : c - '0');
        if (result > (hex ? int64_t(0xFFFFFFFF) : int64_t(2147483648))) return false;
    }
    if (hex) {
        value = static_cast<int32_t>(static_cast<uint32_t>(result));
        return true;
    }
    if (negative) result = -result;
    if (result > 2147483647) return false;
    value = static_cast<int>(result);
    return true;
}

}  // namespace

bool parseSettingInt(std::string text, int& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
    size_t at = text.find_first_not_of(' ');
    if (at == std::string::npos) return false;
    char c = text[at];
    if (c == '$' || c == 'x' || c == 'X') return parseDigits(text, at + 1, true, false, value);
    if (c == '0' && at + 1 < text.size() && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        return parseDigits(text, at + 2, true, false, value);
    }
    bool negative = c == '-';
    if (c == '+' || c == '-') ++at;
    return parseDigits(text, at, false, negative, value);
}

// A base key the user may only read is still the base: its settings are read, and writes report.
TRegIniFile::TRegIniFile(const std::string& keyPath) {
    std::string relative;
    HKEY parent = parentOf(keyPath, relative);
    HKEY key = nullptr;
    std::wstring name = platform::wide(relative);
    if (RegCreateKeyExW(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                        &key, nullptr) == ERROR_SUCCESS ||
        RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        baseKey_ = key;
        basePath_ = relative;
    }
}

TRegIniFile::~TRegIniFile() {
    if (baseKey_) RegCloseKey(baseKey_);
}

HKEY TRegIniFile::parentOf(const std::string& path, std::string& relative) const {
    if (!path.empty() && path[0] == '\\') {
        relative = path.substr(1);
        return HKEY_CURRENT_USER;
    }
    relative = path;
    return baseKey_ ? baseKey_ : HKEY_CURRENT_USER;
}

void TRegIniFile::WriteSettingText(const std::string& section, const std::string& name, const std::string& text) {
    std::string relative;
    HKEY parent = parentOf(section, relative);
    HKEY created = nullptr;
    if (RegCreateKeyExW(parent, platform::wide(relative).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                        &created, nullptr) != ERROR_SUCCESS) {
        throw platform::Error("Failed to create key " + section);
    }
    KeyHandle key(created, RegCloseKey);
    std::wstring data = platform::wide(text);
    if (RegSetValueExW(key.get(), platform::wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS) {
        throw platform::Error("Failed to set data for '" + name + "'");
    }
}

void TRegIniFile::WriteSettingInt(const std::string& section, const std::string& name, int value) {
    WriteSettingText(section, name, std::to_string(value));
}

bool TRegIniFile::readText(const std::string& section, const std::string& name, std::string& text) {
    std::string relative;
    HKEY parent = parentOf(section, relative);
    HKEY opened = nullptr;
    if (RegOpenKeyExW(parent, platform::wide(relative).c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return false;
    KeyHandle key(opened, RegCloseKey);
    std::wstring valueName = platform::wide(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if (size == 0) {
        text.clear();
        return true;
    }
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1);
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS) {
        throw platform::Error("Failed to get data for '" + name + "'");
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw platform::Error("Invalid data type for '" + name + "'");
    std::wstring read(data.data(), size / sizeof(wchar_t));
    text = platform::utf8(read.substr(0, read.find(L'\0')));
    return true;
}

std::string TRegIniFile::ReadSettingText(const std::string& section, const std::string& name, const std::string& def) {
    std::string text;
    return readText(section, name, text) ? text : def;
}

int TRegIniFile::ReadSettingInt(const std::string& section, const std::string& name, int def) {
    std::string text;
    int value = def;
    if (!readText(section, name, text) || !parseSettingInt(text, value)) return def;
    return value;
}
