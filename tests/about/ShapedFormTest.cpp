// The shaped form's outline, its parent checks and dragging.
#include "about/TBMShapedForm.h"
#include "platform/Error.h"
#include "ui/Form.h"
#include "ui/Panel.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class PlainForm : public ui::Form {
public:
    explicit PlainForm(int clientWidth = 40, int clientHeight = 30) {
        createWindow({"TTestShapedForm", "Shaped", 100, 100, clientWidth, clientHeight,
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0});
    }
    SIZE clientSize() const {
        RECT r;
        GetClientRect(handle(), &r);
        return {r.right, r.bottom};
    }
};

// A bitmap from rows of pixels, top row first.
HBITMAP picture(const std::vector<std::vector<COLORREF>>& rows) {
    int height = static_cast<int>(rows.size()), width = static_cast<int>(rows[0].size());
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            COLORREF c = rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
            pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    return bitmap;
}

struct Shaped {
    explicit Shaped(const std::vector<std::vector<COLORREF>>& rows, bool autoSize = true) {
        int width = static_cast<int>(rows[0].size()), height = static_cast<int>(rows.size());
        form = std::make_unique<PlainForm>(width, height);
        shaped.SetParent(form->handle());
        shaped.AutoSize = autoSize;
        shaped.SetBounds(0, 0, width, height);
        HBITMAP bitmap = picture(rows);
        shaped.SetPicture(bitmap);
        DeleteObject(bitmap);
        shaped.Loaded();
    }
    // The window's region, moved back to client coordinates.
    HRGN clientRegion() {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(form->handle(), region);
        POINT client{0, 0};
        ClientToScreen(form->handle(), &client);
        RECT window;
        GetWindowRect(form->handle(), &window);
        OffsetRgn(region, window.left - client.x, window.top - client.y);
        return region;
    }
    std::unique_ptr<PlainForm> form;
    TBMShapedForm shaped;
};

HRGN runs(std::initializer_list<RECT> rects) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (const RECT& r : rects) {
        HRGN run = CreateRectRgnIndirect(&r);
        CombineRgn(region, region, run, RGN_OR);
        DeleteObject(run);
    }
    return region;
}

const COLORREF K = RGB(0, 0, 0), W = RGB(255, 255, 255), R = RGB(200, 0, 0);

TEST(ShapedForm, TheOutlineIsEveryPixelNotInTheBottomLeftColour) {
    Shaped s({{W, W, K, R, R},
              {K, R, K, K, W},
              {K, W, W, W, K}});
    HRGN expected = runs({{0, 0, 2, 1}, {3, 0, 5, 1}, {1, 1, 2, 2}, {4, 1, 5, 2}, {1, 2, 4, 3}});
    HRGN actual = s.clientRegion();
    EXPECT_TRUE(EqualRgn(expected, actual));
    EXPECT_TRUE(s.shaped.HandedOver());
    DeleteObject(expected);
    DeleteObject(actual);
}

TEST(ShapedForm, TheFrameAndCaptionAreCutAway) {
    Shaped s({{W, W}, {K, W}});
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(s.form->handle(), region);
    POINT client{0, 0};
    ClientToScreen(s.form->handle(), &client);
    RECT window;
    GetWindowRect(s.form->handle(), &window);
    EXPECT_FALSE(PtInRegion(region, 0, 0)) << "the caption bar's corner";
    EXPECT_TRUE(PtInRegion(region, client.x - window.left, client.y - window.top)) << "the client's first pixel";
    DeleteObject(region);
}

TEST(ShapedForm, AColourOneBitAwayFromTheKeyStays) {
    Shaped s({{RGB(11, 20, 30), RGB(10, 20, 30), RGB(10, 20, 31)},
              {RGB(10, 20, 30), RGB(10, 21, 30), RGB(10, 20, 30)}});
    HRGN expected = runs({{0, 0, 1, 1}, {2, 0, 3, 1}, {1, 1, 2, 2}});
    HRGN actual = s.clientRegion();
    EXPECT_TRUE(EqualRgn(expected, actual));
    DeleteObject(expected);
    DeleteObject(actual);
}

TEST(ShapedForm, APictureWhollyInTheKeyColourCutsTheWholeWindowAway) {
    Shaped s({{R, R, R}, {R, R, R}});
    HRGN region = CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(GetWindowRgn(s.form->handle(), region), NULLREGION);
    DeleteObject(region);
}

TEST(ShapedForm, AutoSizeGivesTheClientAreaThePicturesSize) {
    PlainForm form(300, 200);
    TBMShapedForm shaped;
    shaped.SetParent(form.handle());
    shaped.AutoSize = true;
    HBITMAP bitmap = CreateBitmap(480, 360, 1, 32, nullptr);
    shaped.SetPicture(bitmap);
    DeleteObject(bitmap);
    EXPECT_EQ(form.clientSize().cx, 480);
    EXPECT_EQ(form.clientSize().cy, 360);
}

TEST(ShapedForm, OnlyOnePerFormAndOnlyOnAForm) {
    PlainForm form;
    TBMShapedForm first, second, onPanel;
    first.SetParent(form.handle());
    try {
        second.SetParent(form.handle());
        FAIL() << "a second one was taken";
    } catch (const platform::Error& error) {
        EXPECT_STREQ(error.what(), "Please Drop only one TBMShapedForm per Form");
    }
    ui::registerContainerClasses();
    HWND panel = CreateWindowExA(0, ui::Panel::className(), "", WS_CHILD, 0, 0, 10, 10, form.handle(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    try {
        onPanel.SetParent(panel);
        FAIL() << "a panel was taken";
    } catch (const platform::Error& error) {
        EXPECT_STREQ(error.what(), "Please Drop on a Form");
    }
}

TEST(ShapedForm, TheLeftButtonAloneDragsTheFormByTheMouseDelta) {
    Shaped s({{W, W}, {W, K}});
    auto position = [&] {
        RECT r;
        GetWindowRect(s.form->handle(), &r);
        return POINT{r.left, r.top};
    };
    POINT start = position();
    s.shaped.MouseDown(5, 5);
    s.shaped.MouseMove(MK_LBUTTON, 15, 10);
    EXPECT_EQ(position().x, start.x + 10);
    EXPECT_EQ(position().y, start.y + 5);
    s.shaped.MouseMove(MK_LBUTTON | MK_CONTROL, 25, 25);
    s.shaped.MouseMove(MK_RBUTTON, 25, 25);
    EXPECT_EQ(position().x, start.x + 10) << "not with Ctrl or another button";
    s.shaped.MouseUp();
    s.shaped.MouseMove(MK_LBUTTON, 30, 30);
    EXPECT_EQ(position().x, start.x + 10) << "not after the button came up";
    s.shaped.Moveable = false;
    s.shaped.MouseDown(5, 5);
    s.shaped.MouseMove(MK_LBUTTON, 15, 10);
    EXPECT_EQ(position().x, start.x + 10);
}

}  // namespace
