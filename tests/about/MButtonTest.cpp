// The picture button as drawn, pixel by pixel, and its states.
#include "about/TMButton.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const COLORREF Light = RGB(250, 250, 250), Dark = RGB(20, 20, 20), Back = RGB(192, 192, 192);
const COLORREF BitmapColour = RGB(200, 0, 0);

struct Canvas {
    Canvas(int width, int height) : width(width), height(height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        dc = CreateCompatibleDC(nullptr);
        old = SelectObject(dc, bitmap);
        for (int i = 0; i < width * height; ++i) bits[i] = 0x00C0C0C0;  // the background the system clears to
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    COLORREF at(int x, int y) const {
        DWORD p = bits[y * width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int width, height;
    HBITMAP bitmap;
    DWORD* bits = nullptr;
    HDC dc;
    HGDIOBJ old;
};

class MButtonTest : public ::testing::Test {
protected:
    void make(int width, int height, int bitmapWidth = 0, int bitmapHeight = 0) {
        button.Create(parent, 1, 0, 0, width, height);
        button.ColorLight = Light;
        button.ColorDark = Dark;
        button.Color = Back;
        if (bitmapWidth) {
            Canvas picture(bitmapWidth, bitmapHeight);
            for (int i = 0; i < bitmapWidth * bitmapHeight; ++i) picture.bits[i] = 0x00C80000;
            SelectObject(picture.dc, picture.old);
            button.SetBitmap(picture.bitmap);
            picture.old = SelectObject(picture.dc, picture.bitmap);
        }
    }
    std::unique_ptr<Canvas> paint() {
        RECT r;
        GetClientRect(button.handle(), &r);
        auto canvas = std::make_unique<Canvas>(r.right, r.bottom);
        button.Paint(canvas->dc);
        return canvas;
    }
    // The eight edge colours at the start of each line: left-bottom, left-top, top-left, top-right,
    // right-top, right-bottom, bottom-right, bottom-left.
    std::vector<COLORREF> edges(const Canvas& c) {
        int W = c.width, H = c.height;
        return {c.at(0, H - 1), c.at(0, H / 2), c.at(0, 0), c.at(W / 2, 0),
                c.at(W - 1, 0), c.at(W - 1, H / 2), c.at(W - 1, H - 1), c.at(W / 2, H - 1)};
    }

    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    TMButton button;
};

using Colours = std::vector<COLORREF>;

TEST_F(MButtonTest, UpIsRaisedAndDownIsSunken) {
    make(60, 30);
    EXPECT_EQ(edges(*paint()), (Colours{Light, Light, Light, Light, Dark, Dark, Dark, Dark}));
    button.MouseDown(WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(edges(*paint()), (Colours{Dark, Dark, Dark, Dark, Light, Light, Light, Light}));
    button.MouseUp(WM_LBUTTONUP, 0, 10, 10);
    EXPECT_FALSE(button.Down());
}

TEST_F(MButtonTest, LinesStopShortOfTheirEndPoints) {
    make(60, 30);
    auto c = paint();
    EXPECT_EQ(c->at(59, 29), Dark) << "line 6 starts at the bottom-right corner";
    EXPECT_EQ(c->at(0, 29), Light) << "line 0 starts at the bottom-left corner; line 7 stops before it";
    EXPECT_EQ(c->at(1, 1), Back) << "nothing inside the frame";
}

TEST_F(MButtonTest, ARockerShowsWhichHalfWasPressed) {
    make(60, 30);
    button.SetFlag(TMButton::RockerLRFlag, true);
    button.MouseDown(WM_LBUTTONDOWN, MK_LBUTTON, 29, 5);
    EXPECT_EQ(edges(*paint()), (Colours{Dark, Dark, Dark, Light, Dark, Dark, Dark, Light}));
    EXPECT_TRUE(button.ClickLeft());
    button.MouseUp(WM_LBUTTONUP, 0, 29, 5);
    button.MouseDown(WM_LBUTTONDOWN, MK_LBUTTON, 30, 5);
    EXPECT_EQ(edges(*paint()), (Colours{Light, Light, Light, Dark, Light, Light, Light, Dark}));
    EXPECT_FALSE(button.ClickLeft());
}

TEST_F(MButtonTest, WithoutBorderTheUpFrameIsInTheBackgroundColour) {
    make(49, 41, 40, 32);
    button.SetFlag(TMButton::BorderFlag, false);
    button.SetFlag(TMButton::StretchFlag, false);
    auto c = paint();
    EXPECT_EQ(edges(*c), Colours(8, Back));
    EXPECT_EQ(c->at(4, 4), BitmapColour) << "a 40 x 32 bitmap centred on 49 x 41 lands at 4, 4";
    EXPECT_EQ(c->at(43, 35), BitmapColour);
    EXPECT_EQ(c->at(3, 4), Back);
    EXPECT_EQ(c->at(44, 36), Back);
    button.MouseDown(WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    EXPECT_EQ(edges(*paint())[0], Dark) << "pressed, the sunken frame shows";
}

TEST_F(MButtonTest, StretchFillsASquareAtTheLeft) {
    make(49, 25, 40, 32);
    auto c = paint();
    EXPECT_EQ(c->at(2, 2), BitmapColour);
    EXPECT_EQ(c->at(20, 20), BitmapColour);
    EXPECT_EQ(c->at(21, 10), Back) << "2,2 to 21,21, not the whole button";
    EXPECT_EQ(c->at(10, 21), Back);
}

TEST_F(MButtonTest, LatchTogglesOnEachPressAndTheRightButtonChangesNothing) {
    make(60, 30);
    button.SetFlag(TMButton::LatchFlag, true);
    button.MouseDown(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    button.MouseUp(WM_LBUTTONUP, 0, 5, 5);
    EXPECT_TRUE(button.Down());
    button.MouseDown(WM_RBUTTONDOWN, MK_RBUTTON, 5, 5);
    button.MouseUp(WM_RBUTTONUP, 0, 5, 5);
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(edges(*paint())[0], Dark);
    button.MouseDown(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    button.MouseUp(WM_LBUTTONUP, 0, 5, 5);
    EXPECT_FALSE(button.Down());
}

TEST_F(MButtonTest, AReleaseAwayFromTheButtonBringsItUp) {
    make(60, 30);
    SendMessageA(button.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(button.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button.handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 5));
    EXPECT_TRUE(button.Down());
    SendMessageA(button.handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
    EXPECT_FALSE(button.Down());
}

int downAtClick = -1;

LRESULT CALLBACK clickSpy(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_COMMAND && HIWORD(w) == BN_CLICKED) {
        downAtClick = reinterpret_cast<TMButton*>(GetWindowLongPtrA(h, GWLP_USERDATA))->Down() ? 1 : 0;
    }
    return DefWindowProcA(h, m, w, l);
}

TEST_F(MButtonTest, AClickIsReportedBeforeTheButtonComesUp) {
    make(60, 30);
    SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(clickSpy));
    SetWindowLongPtrA(parent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&button));
    SendMessageA(button.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button.handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(downAtClick, 1);
    EXPECT_FALSE(button.Down());
}

}  // namespace
