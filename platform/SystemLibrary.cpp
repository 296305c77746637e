#include "platform/SystemLibrary.h"

#include "platform/Encoding.h"

#include <string>

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

namespace platform {

// Where the system has restricted searches (Windows 8, or 7 with its update), it loads from the system
// folder alone; elsewhere the full path in the system folder does the same.
HMODULE systemLibrary(const char* library) {
    if (GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories"))
        return LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    wchar_t folder[MAX_PATH];
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryW((std::wstring(folder) + L"\\" + wide(library)).c_str());
}

bool systemIsWine() {
    static const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

}  // namespace platform
