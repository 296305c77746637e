#include "ui/Clipboard.h"

#include "platform/Error.h"
#include "platform/Paths.h"

#include <cstring>

namespace ui {

namespace {

HGLOBAL globalText(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    void* data = memory ? GlobalLock(memory) : nullptr;
    if (!data) {
        if (memory) GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(data, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    return memory;
}

[[noreturn]] void fail(DWORD error) {
    throw platform::Error("Unable to copy to the clipboard: " + (error ? platform::systemMessage(error) : "another program is using it"));
}

}  // namespace

void copyToClipboard(HWND owner, const std::string& text) {
    HGLOBAL memory = globalText(text);
    if (!memory) fail(GetLastError());
    if (!OpenClipboard(owner)) {
        DWORD error = GetLastError();
        GlobalFree(memory);
        fail(error);
    }
    bool done = EmptyClipboard() && SetClipboardData(CF_TEXT, memory) != nullptr;
    DWORD error = GetLastError();
    if (!done) GlobalFree(memory);
    CloseClipboard();
    if (!done) fail(error);
}

}  // namespace ui
