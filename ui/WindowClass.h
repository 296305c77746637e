// The window classes of the program's own windows (forms, containers, picture buttons).
#pragma once

#include <windows.h>

namespace ui {

// Registers the class once for the running module, with the arrow cursor; a second call does nothing.
void registerWindowClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background, HICON icon = nullptr);

}  // namespace ui
