// TRegIniFile: the per-user settings in the registry, presented as sections holding named values.
// A section is a key below the base key; a value is a text (REG_SZ) in it.
#pragma once

#include <windows.h>

#include <string>

class TRegIniFile {
public:
    // Opens (creating it if needed) the key path below HKEY_CURRENT_USER; never fails: without it,
    // sections are taken from the hive's root. A leading "\" means the path starts at the root.
    explicit TRegIniFile(const std::string& keyPath);
    ~TRegIniFile();
    TRegIniFile(const TRegIniFile&) = delete;
    TRegIniFile& operator=(const TRegIniFile&) = delete;

    // Raise platform::Error: "Failed to create key %s", "Failed to set data for '%s'".
    void WriteSettingText(const std::string& section, const std::string& name, const std::string& text);
    void WriteSettingInt(const std::string& section, const std::string& name, int value);
    // Raise platform::Error: "Failed to get data for '%s'", "Invalid data type for '%s'" (not a text).
    std::string ReadSettingText(const std::string& section, const std::string& name, const std::string& def);
    int ReadSettingInt(const std::string& section, const std::string& name, int def);

    const std::string& BasePath() const { return basePath_; }

private:
    HKEY parentOf(const std::string& path, std::string& relative) const;
    // The value's text; false when the section key can't be opened or the value is missing.
    bool readText(const std::string& section, const std::string& name, std::string& text);

    HKEY baseKey_ = nullptr;
    std::string basePath_;
};

// The integer a settings text holds, by the settings' rules (decimal, or hexadecimal after "$",
// "x", "X", "0x" or "0X"; leading spaces allowed, nothing after the digits); false when none.
bool parseSettingInt(std::string text, int& value);
