#include "platform/TempFolder.h"

#include "platform/Encoding.h"
#include "platform/GrowingText.h"

#include <windows.h>

#include <cwchar>

// Both calls answer a buffer too small with the size they need, the terminating null included.
std::string expandEnvironment(const std::string& text) {
    bool failed = false;
    std::wstring wideText = platform::wide(text);
    std::wstring expanded = platform::growingText<wchar_t>(MAX_PATH, [&](wchar_t* buffer, size_t size) {
        DWORD needed = ExpandEnvironmentStringsW(wideText.c_str(), buffer, static_cast<DWORD>(size));
        failed = needed == 0;
        return needed <= size ? wcslen(buffer) : needed;
    });
    return failed ? text : platform::utf8(expanded);
}

std::string windowsFolder() {
    return platform::utf8(platform::growingText<wchar_t>(MAX_PATH, [](wchar_t* buffer, size_t size) {
        return static_cast<size_t>(GetWindowsDirectoryW(buffer, static_cast<UINT>(size)));
    }));
}

TTempFolder::TTempFolder() {
    folderPath_ = expandEnvironment("%temp%");
    if (folderPath_ == "%temp%") folderPath_ = expandEnvironment("%tmp%");
    if (folderPath_ == "%tmp%") envTempUsable_ = false;
    // With neither variable defined there is nothing to create: never a folder named "%tmp%".
    if (envTempUsable_) {
        CreateDirectoryW(platform::wide(folderPath_).c_str(), nullptr);
        if (GetFileAttributesW(platform::wide(folderPath_).c_str()) == INVALID_FILE_ATTRIBUTES) envTempUsable_ = false;
    }
    if (!envTempUsable_) {
        folderPath_ = windowsFolder() + "\\_temp";
        CreateDirectoryW(platform::wide(folderPath_).c_str(), nullptr);
    }
    if (folderPath_.empty() || folderPath_.back() != '\\') folderPath_ += '\\';
}
