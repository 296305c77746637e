#include "ui/Panel.h"

#include "ui/Window.h"

#include <string>

namespace ui {
namespace {

const char* const LoweredColour = "TPanel.Lowered";

void paintPanel(HWND hwnd, HDC dc, RECT client, const std::string& caption) {
    if (HANDLE lowered = GetPropA(hwnd, LoweredColour)) {
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(lowered)) & 0xFFFFFF);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
    } else {
        DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
    }
    if (caption.empty()) return;
    DrawTextA(dc, caption.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void paintGroupBox(HDC dc, RECT client, const std::string& caption) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (caption.empty()) return;
    SIZE size{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    RECT text{8, 0, 8 + size.cx + 2, size.cy};
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    DrawTextA(dc, caption.c_str(), -1, &text, DT_CENTER | DT_SINGLELINE);
}

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    std::string caption = windowText(hwnd);
    if (hasClass(hwnd, GroupBox::className())) {
        paintGroupBox(dc, client, caption);
    } else {
        paintPanel(hwnd, dc, client, caption);
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK containerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return SendMessageA(GetParent(hwnd), message, wParam, lParam);
    case WM_SETFONT:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_PAINT:
        paint(hwnd);
        return 0;
    case WM_NCDESTROY:
        RemovePropA(hwnd, LoweredColour);
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

// The colour is kept with a marker bit so that black is a colour too.
void Panel::setLowered(COLORREF colour) {
    SetPropA(handle(), LoweredColour, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(colour | 0x1000000)));
    InvalidateRect(handle(), nullptr, TRUE);
}

void registerContainerClasses() {
    for (const char* name : {Panel::className(), GroupBox::className()}) {
        registerWindowClass(name, containerProc, CS_HREDRAW | CS_VREDRAW, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    }
}

}  // namespace ui
