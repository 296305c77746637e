#include "ui/Window.h"

#include <vector>

namespace ui {

std::string windowText(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    int copied = GetWindowTextA(hwnd, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(copied));
}

bool hasClass(HWND hwnd, const char* className) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return lstrcmpiA(name, className) == 0;
}

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
