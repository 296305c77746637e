#include "ui/WindowClass.h"

namespace ui {

void registerWindowClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background, HICON icon) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (GetClassInfoA(instance, name, &wc)) return;
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

}  // namespace ui
