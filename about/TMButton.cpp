#include "about/TMButton.h"

#include "platform/Error.h"
#include "ui/Window.h"

#include <windowsx.h>

#include <algorithm>

namespace {

const char* const ClassName = "TMButton";

void line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);  // up to, not including, the end point
    SelectObject(dc, old);
    DeleteObject(pen);
}

}  // namespace

TMButton::~TMButton() {
    if (handle()) {
        SetWindowLongPtrA(handle(), GWLP_USERDATA, 0);
        DestroyWindow(handle());
    }
    if (bitmap_) DeleteObject(bitmap_);
}

void TMButton::Create(HWND parent, int id, int left, int top, int width, int height) {
    ui::registerWindowClass(ClassName, windowProc, CS_HREDRAW | CS_VREDRAW, nullptr);
    CreateWindowExA(0, ClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, left, top, width, height, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), this);
    if (!handle()) throw platform::Error("Unable to create a picture button");
}

bool& TMButton::flag(int index) {
    switch (index) {
    case LatchFlag: return latch_;
    case DownFlag: return down_;
    case BorderFlag: return border_;
    case StretchFlag: return stretch_;
    case RockerLRFlag: return rockerLR_;
    case RockerUDFlag: return rockerUD_;
    case HighlightFlag: return highlight_;
    }
    throw platform::Error("No button property with the index " + std::to_string(index));
}

void TMButton::SetFlag(int index, bool value) {
    flag(index) = value;
    Redraw();
}

void TMButton::SetBitmap(HBITMAP bitmap) {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr;
    Redraw();
}

void TMButton::Redraw() {
    if (!handle()) return;
    InvalidateRect(handle(), nullptr, TRUE);
    UpdateWindow(handle());
}

SIZE TMButton::size() const {
    RECT r{};
    GetClientRect(handle(), &r);
    return {r.right, r.bottom};
}

void TMButton::MouseDown(UINT button, WPARAM /*keys*/, int x, int y) {
    downX_ = x;
    downY_ = y;
    if (button == WM_RBUTTONDOWN) return;
    down_ = latch_ ? !down_ : true;
    Redraw();
    if (DropDownMenu && down_) {
        POINT corner{0, size().cy};
        ClientToScreen(handle(), &corner);
        TrackPopupMenu(DropDownMenu, TPM_LEFTALIGN | TPM_TOPALIGN, corner.x, corner.y, 0, handle(), nullptr);
        down_ = false;
        ReleaseCapture();
        captured_ = false;
        Redraw();
    }
}

void TMButton::MouseUp(UINT button, WPARAM /*keys*/, int /*x*/, int /*y*/) {
    if (button == WM_RBUTTONUP) return;
    if (!latch_) down_ = false;
    ReleaseCapture();
    captured_ = false;
    Redraw();
}

// Leaving the button ends the capture taken for highlighting, except while a mouse button is held:
// then the capture stays, so that the release, wherever it happens, brings the button up.
void TMButton::MouseMove(WPARAM keys, int x, int y) {
    if (!highlight_) return;
    if (!captured_) {
        SetCapture(handle());
        captured_ = true;
        hoverPaint_ = true;
        Redraw();
        hoverPaint_ = false;
    }
    SIZE s = size();
    bool outside = x < 0 || y < 0 || x > s.cx || y > s.cy;
    if (outside && !(keys & (MK_LBUTTON | MK_MBUTTON))) {
        ReleaseCapture();
        captured_ = false;
        Redraw();
    }
}

void TMButton::Paint(HDC dc) {
    SIZE s = size();
    const int W = s.cx, H = s.cy;
    BITMAP info{};
    if (bitmap_) GetObjectA(bitmap_, sizeof info, &info);
    RECT picture = stretch_ ? RECT{2, 2, H - 4, H - 4}
                            : RECT{(W - info.bmWidth) / 2, (H - info.bmHeight) / 2, 0, 0};
    const COLORREF L = ColorLight, D = ColorDark;
    COLORREF c[8] = {L, L, L, L, D, D, D, D};
    if (down_ && rockerLR_) {
        clickLeft_ = downX_ < W / 2;
        const COLORREF left[8] = {D, D, D, L, D, D, D, L}, right[8] = {L, L, L, D, L, L, L, D};
        std::copy(clickLeft_ ? left : right, (clickLeft_ ? left : right) + 8, c);
    } else if (down_) {
        const COLORREF sunken[8] = {D, D, D, D, L, L, L, L};
        std::copy(sunken, sunken + 8, c);
    }
    if (!border_ && !hoverPaint_ && !down_) std::fill(c, c + 8, Color);
    const POINT points[9] = {{0, H - 1}, {0, H / 2}, {0, 0},         {W / 2, 0},    {W - 1, 0},
                             {W - 1, H / 2}, {W - 1, H - 1}, {W / 2, H - 1}, {0, H - 1}};
    for (int i = 0; i < 8; ++i) line(dc, points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, c[i]);
    if (!bitmap_) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    if (stretch_) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, picture.left, picture.top, picture.right - picture.left, picture.bottom - picture.top, source,
                   0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    } else {
        BitBlt(dc, picture.left, picture.top, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

LRESULT CALLBACK TMButton::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* button = static_cast<TMButton*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(button));
        button->attach(hwnd);
    }
    auto* button = reinterpret_cast<TMButton*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!button) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) button->attach(nullptr);
    return button->handleMessage(message, wParam, lParam);
}

LRESULT TMButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (message) {
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(handle(), &r);
        HBRUSH brush = CreateSolidBrush(Color);
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
        DeleteObject(brush);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(handle(), &ps);
        Paint(dc);
        EndPaint(handle(), &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (message == WM_LBUTTONDOWN) pressed_ = true;
        MouseDown(message, wParam, x, y);
        return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP: {
        SIZE s = size();
        bool over = x >= 0 && y >= 0 && x < s.cx && y < s.cy;
        bool click = message == WM_LBUTTONUP && pressed_ && over;
        if (message == WM_LBUTTONUP) pressed_ = false;
        if (click) {
            SendMessageA(GetParent(handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(handle()), BN_CLICKED),
                         reinterpret_cast<LPARAM>(handle()));
        }
        MouseUp(message, wParam, x, y);
        return 0;
    }
    case WM_MOUSEMOVE:
        MouseMove(wParam, x, y);
        return 0;
    }
    return DefWindowProcA(handle(), message, wParam, lParam);
}
