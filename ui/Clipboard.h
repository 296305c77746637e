// Text on the clipboard.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// Puts the text on the clipboard for owner; false when the clipboard can't be had.
bool copyToClipboard(HWND owner, const std::string& text);

}  // namespace ui
