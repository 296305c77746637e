#include "ui/Clipboard.h"

#include <cstring>

namespace ui {

bool copyToClipboard(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    bool done = false;
    if (void* data = memory ? GlobalLock(memory) : nullptr) {
        std::memcpy(data, text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        done = SetClipboardData(CF_TEXT, memory) != nullptr;
    }
    if (!done && memory) GlobalFree(memory);
    CloseClipboard();
    return done;
}

}  // namespace ui
