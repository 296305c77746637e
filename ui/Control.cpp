#include "ui/Control.h"

#include "ui/Window.h"

namespace ui {

int Control::id() const { return GetDlgCtrlID(handle()); }

std::string Control::text() const { return windowText(handle()); }

void Control::setText(const std::string& text) { SetWindowTextA(handle(), text.c_str()); }

bool Control::enabled() const { return (GetWindowLongA(handle(), GWL_STYLE) & WS_DISABLED) == 0; }

void Control::setEnabled(bool enabled) { EnableWindow(handle(), enabled ? TRUE : FALSE); }

// A control made when first used is hidden until then: asking does not make it.
bool Control::visible() const { return made() && (GetWindowLongA(handle(), GWL_STYLE) & WS_VISIBLE) != 0; }

void Control::setVisible(bool visible) { ShowWindow(handle(), visible ? SW_SHOW : SW_HIDE); }

RECT Control::bounds() const {
    RECT r{};
    GetWindowRect(handle(), &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(handle()), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Control::setBounds(int left, int top, int width, int height) {
    SetWindowPos(handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
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
    InvalidateRect(handle(), nullptr, TRUE);
}

}  // namespace ui
