// The text of a window (a caption, an edit's content), whole.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

std::string windowText(HWND hwnd);

}  // namespace ui
