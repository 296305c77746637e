// Text on the clipboard.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// Puts the text on the clipboard for owner. The text is made ready before the clipboard is emptied, so
// a copy that fails leaves what was there; it raises platform::Error saying why.
void copyToClipboard(HWND owner, const std::string& text);

}  // namespace ui
