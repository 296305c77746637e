#include "app/TempFolder.h"

#include <windows.h>

#include <vector>

std::string expandEnvironment(const std::string& text) {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD needed = ExpandEnvironmentStringsA(text.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (needed == 0) return text;
        if (needed <= buffer.size()) return std::string(buffer.data());
        buffer.resize(needed);
    }
}

std::string windowsFolder() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        UINT length = GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(length + 1);
    }
}

TTempFolder::TTempFolder() {
    folderPath_ = expandEnvironment("%temp%");
    if (folderPath_ == "%temp%") folderPath_ = expandEnvironment("%tmp%");
    if (folderPath_ == "%tmp%") envTempUsable_ = false;
    // With neither variable defined there is nothing to create: never a folder named "%tmp%".
    if (envTempUsable_) {
        CreateDirectoryA(folderPath_.c_str(), nullptr);
        if (GetFileAttributesA(folderPath_.c_str()) == INVALID_FILE_ATTRIBUTES) envTempUsable_ = false;
    }
    if (!envTempUsable_) {
        folderPath_ = windowsFolder() + "\\_temp";
        CreateDirectoryA(folderPath_.c_str(), nullptr);
    }
    if (folderPath_.empty() || folderPath_.back() != '\\') folderPath_ += '\\';
}
