// Chores on plain windows, done once for the whole toolkit.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// The text of a window (a caption, an edit's content), whole.
std::string windowText(HWND hwnd);

// Whether the window is of the class named (without regard to case).
bool hasClass(HWND hwnd, const char* className);

// Registers a class of the program's own windows once for the running module, with the arrow cursor; a
// second call does nothing.
void registerWindowClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background, HICON icon = nullptr);

}  // namespace ui
