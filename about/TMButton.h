// TMButton: a push button showing a bitmap inside a thin two-colour frame it draws itself. It can
// latch, act as a left/right rocker, drop a menu down under itself, and show its frame only while
// the pointer is over it.
#pragma once

#include "ui/Control.h"

#include <windows.h>

class TMButton : public ui::Control {
public:
    TMButton() = default;
    ~TMButton() override;
    TMButton(const TMButton&) = delete;
    TMButton& operator=(const TMButton&) = delete;

    // Makes the button's window on parent. A click (the left button released over the button after
    // it went down there) reaches the parent as BN_CLICKED, before the button is drawn up again.
    void Create(HWND parent, int id, int left, int top, int width, int height);

    enum FlagIndex { LatchFlag = 1, DownFlag = 2, BorderFlag = 3, StretchFlag = 5, RockerLRFlag = 6,
                     RockerUDFlag = 7, HighlightFlag = 8 };
    void SetFlag(int index, bool value);
    bool Latch() const { return latch_; }
    bool Down() const { return down_; }
    bool Border() const { return border_; }
    bool Stretch() const { return stretch_; }
    bool RockerLR() const { return rockerLR_; }
    bool RockerUD() const { return rockerUD_; }
    bool Highlight() const { return highlight_; }
    bool ClickLeft() const { return clickLeft_; }

    // Copies the bitmap in (nullptr: empty), then redraws.
    void SetBitmap(HBITMAP bitmap);
    HMENU DropDownMenu = nullptr;
    COLORREF ColorDark = GetSysColor(COLOR_3DDKSHADOW);
    COLORREF ColorLight = GetSysColor(COLOR_3DLIGHT);
    COLORREF Color = GetSysColor(COLOR_WINDOW);

    void Redraw();
    void MouseDown(UINT button, WPARAM keys, int x, int y);
    void MouseMove(WPARAM keys, int x, int y);
    void MouseUp(UINT button, WPARAM keys, int x, int y);
    // Draws frame and bitmap (not the background) on dc, in the button's own coordinates.
    void Paint(HDC dc);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool& flag(int index);
    SIZE size() const;

    HBITMAP bitmap_ = nullptr;
    bool latch_ = false, down_ = false, border_ = true, stretch_ = true, rockerLR_ = false, rockerUD_ = false,
         highlight_ = true, clickLeft_ = false;
    bool hoverPaint_ = false;
    bool captured_ = false;
    bool pressed_ = false;  // the left button went down over the button and has not come up
    int downX_ = 0, downY_ = 0;
};
