#include "ui/Control.h"

#include "ui/Window.h"

namespace ui {

int Control::id() const { return GetDlgCtrlID(hwnd_); }

std::string Control::text() const { return windowText(hwnd_); }

void Control::setText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }

bool Control::enabled() const { return (GetWindowLongA(hwnd_, GWL_STYLE) & WS_DISABLED) == 0; }

void Control::setEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

bool Control::visible() const { return (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

void Control::setVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

RECT Control::bounds() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Control::setBounds(int left, int top, int width, int height) {
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Control::height() const {
    RECT r = bounds();
    return r.bottom - r.top;
}

void Control::setHeight(int height) {
    RECT r = bounds();
    setBounds(r.left, r.top, r.right - r.left, height);
}

void Control::pauseRedraw() {
    redrawPaused_ = visible();
    if (redrawPaused_) send(WM_SETREDRAW, FALSE);
}

void Control::resumeRedraw() {
    if (!redrawPaused_) return;
    redrawPaused_ = false;
    send(WM_SETREDRAW, TRUE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace ui
