// Functions of libraries that are not among the system's Known DLLs. Such a library is loaded at run time
// from the system folder only, never by the usual search, which looks in the exe's own folder first: a
// planted copy beside a downloaded exe must not run inside it.
#pragma once

#include <windows.h>

namespace platform {

// The library named `library` from the system folder, or null. It stays loaded.
HMODULE systemLibrary(const char* library);

// One of its functions, or null when the library or the function is missing.
template <class Function>
Function systemFunction(const char* library, const char* name) {
    HMODULE module = systemLibrary(library);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// Whether the system is Wine, whose profile parser's rules the program knows (see store/ProfileListing.h).
bool systemIsWine();

}  // namespace platform
