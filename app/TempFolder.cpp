#include "app/TempFolder.h"

#include "ui/GrowingText.h"

#include <windows.h>

#include <cstring>

// Both calls answer a buffer too small with the size they need, the terminating null included.
std::string expandEnvironment(const std::string& text) {
    bool failed = false;
    std::string expanded = ui::growingText(MAX_PATH, [&](char* buffer, size_t size) {
        DWORD needed = ExpandEnvironmentStringsA(text.c_str(), buffer, static_cast<DWORD>(size));
        failed = needed == 0;
        return needed <= size ? strlen(buffer) : needed;
    });
    return failed ? text : expanded;
}

std::string windowsFolder() {
    return ui::growingText(MAX_PATH, [](char* buffer, size_t size) {
        return static_cast<size_t>(GetWindowsDirectoryA(buffer, static_cast<UINT>(size)));
    });
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
