#include "about/TBMShapedForm.h"

#include "platform/Error.h"

#include <algorithm>
#include <map>

namespace {

// The shaped-form components on each window, so that a second one on a form can be refused.
std::multimap<HWND, const TBMShapedForm*>& placed() {
    static std::multimap<HWND, const TBMShapedForm*> map;
    return map;
}

void unplace(const TBMShapedForm* component) {
    auto& map = placed();
    for (auto it = map.begin(); it != map.end();) it = it->second == component ? map.erase(it) : std::next(it);
}

}  // namespace

TBMShapedForm::~TBMShapedForm() {
    unplace(this);
    DropOutline();
    if (picture_) DeleteObject(picture_);
}

void TBMShapedForm::SetParent(HWND parent) {
    unplace(this);
    parent_ = parent;
    if (!parent) return;
    bool othersThere = placed().count(parent) > 0;
    placed().emplace(parent, this);
    if (GetWindowLongA(parent, GWL_STYLE) & WS_CHILD) throw platform::Error("Please Drop on a Form");
    if (othersThere) throw platform::Error("Please Drop only one TBMShapedForm per Form");
}

void TBMShapedForm::SetPicture(HBITMAP picture) {
    if (picture_) DeleteObject(picture_);
    picture_ = picture ? static_cast<HBITMAP>(CopyImage(picture, IMAGE_BITMAP, 0, 0, 0)) : nullptr;
    PictureChanged();
}

SIZE TBMShapedForm::PictureSize() const {
    BITMAP info{};
    if (!picture_ || !GetObjectA(picture_, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

void TBMShapedForm::Loaded() {
    loading_ = false;
    BuildOutline();
    ApplyOutline();
}

void TBMShapedForm::SetBounds(int left, int top, int width, int height) {
    bounds_ = {left, top, left + width, top + height};
    if (!loading_ && parent_) PictureChanged();
}

// An outline that was never handed over is ours to delete; one the window owns is only forgotten.
void TBMShapedForm::DropOutline() {
    if (outline_ && !handedOver_) DeleteObject(outline_);
    outline_ = nullptr;
}

void TBMShapedForm::PictureChanged() {
    DropOutline();
    if (AutoSize && parent_ && picture_) {
        SIZE size = PictureSize();
        RECT r{0, 0, size.cx, size.cy};
        AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(parent_, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongA(parent_, GWL_EXSTYLE)));
        SetWindowPos(parent_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        sourceWidth_ = size.cx;
        sourceHeight_ = size.cy;
    } else {
        sourceWidth_ = bounds_.right - bounds_.left;
        sourceHeight_ = bounds_.bottom - bounds_.top;
    }
    BuildOutline();
    ApplyOutline();
}

// Where the client area's top-left corner lies in the window: the frame and caption bar.
POINT TBMShapedForm::ClientOffset() const {
    POINT client{0, 0};
    ClientToScreen(parent_, &client);
    RECT window{};
    GetWindowRect(parent_, &window);
    return {client.x - window.left, client.y - window.top};
}

// The picture drawn at the source size into a bitmap of the display's format, read back as 32-bit
// pixels, top row first; key and pixels then compare alike at any colour depth.
std::vector<DWORD> TBMShapedForm::SamplePicture() const {
    std::vector<DWORD> pixels(static_cast<size_t>(sourceWidth_) * static_cast<size_t>(sourceHeight_));
    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    HDC source = CreateCompatibleDC(screen);
    HBITMAP work = CreateCompatibleBitmap(screen, sourceWidth_, sourceHeight_);
    HGDIOBJ oldTarget = SelectObject(target, work);
    HGDIOBJ oldSource = SelectObject(source, picture_);
    SIZE size = PictureSize();
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, 0, 0, sourceWidth_, sourceHeight_, source, 0, 0, size.cx, size.cy, SRCCOPY);
    SelectObject(target, oldTarget);
    SelectObject(source, oldSource);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = sourceWidth_;
    info.bmiHeader.biHeight = -sourceHeight_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(target, work, 0, static_cast<UINT>(sourceHeight_), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(work);
    DeleteDC(source);
    DeleteDC(target);
    ReleaseDC(nullptr, screen);
    return pixels;
}

void TBMShapedForm::BuildOutline() {
    if (!parent_ || !picture_) return;
    if (outline_) {
        if (sourceWidth_ == builtWidth_ && sourceHeight_ == builtHeight_) return;
        DropOutline();
    }
    builtWidth_ = bounds_.right - bounds_.left;
    builtHeight_ = bounds_.bottom - bounds_.top;
    if (sourceWidth_ <= 0 || sourceHeight_ <= 0) return;
    const std::vector<DWORD> pixels = SamplePicture();
    const DWORD key = pixels[static_cast<size_t>(sourceHeight_ - 1) * static_cast<size_t>(sourceWidth_)] & 0xFFFFFF;
    outline_ = CreateRectRgn(0, 0, 0, 0);
    handedOver_ = false;
    for (int y = 0; y < sourceHeight_; ++y) {
        const DWORD* row = &pixels[static_cast<size_t>(y) * static_cast<size_t>(sourceWidth_)];
        for (int x = 0; x < sourceWidth_;) {
            if ((row[x] & 0xFFFFFF) == key) {
                ++x;
                continue;
            }
            int x0 = x;
            while (x < sourceWidth_ && (row[x] & 0xFFFFFF) != key) ++x;
            AddRun(x0, x - 1, y);
        }
    }
    POINT offset = ClientOffset();
    OffsetRgn(outline_, offset.x, offset.y);
}

void TBMShapedForm::AddRun(int x0, int x1, int y) {
    HRGN run = CreateRectRgn(x0, y, x1 + 1, y + 1);
    CombineRgn(outline_, outline_, run, RGN_OR);
    DeleteObject(run);
}

void TBMShapedForm::ApplyOutline() {
    if (!outline_ || handedOver_) return;
    SetWindowRgn(parent_, outline_, TRUE);
    handedOver_ = true;
    InvalidateRect(parent_, nullptr, TRUE);
}

// Exactly one of AutoSize and Stretch stays on, the one changed last winning.
void TBMShapedForm::Paint(HDC dc) {
    if (!picture_) return;
    if (AutoSize != lastAutoSize_) {
        if (!AutoSize && !Stretch) Stretch = lastStretch_ = true;
        else if (AutoSize && Stretch) Stretch = lastStretch_ = false;
    }
    if (Stretch != lastStretch_) {
        if (Stretch && AutoSize) AutoSize = false;
        else if (!Stretch && !AutoSize) AutoSize = true;
    }
    if (AutoSize && Stretch) Stretch = false;
    if (!AutoSize && !Stretch) AutoSize = true;
    lastStretch_ = Stretch;
    lastAutoSize_ = AutoSize;

    SIZE size = PictureSize();
    int width = bounds_.right - bounds_.left, height = bounds_.bottom - bounds_.top;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, picture_);
    if (Stretch) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, bounds_.left, bounds_.top, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
    } else {
        int x = Center ? (width - size.cx) / 2 : 0, y = Center ? (height - size.cy) / 2 : 0;
        BitBlt(dc, bounds_.left + x, bounds_.top + y, size.cx, size.cy, source, 0, 0, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

void TBMShapedForm::MouseDown(int x, int y) {
    dragX_ = x;
    dragY_ = y;
    dragging_ = true;
}

// Only the left button alone drags: no other button, and neither Shift, Ctrl nor Alt.
void TBMShapedForm::MouseMove(WPARAM keys, int x, int y) {
    bool leftAlone = (keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL)) == MK_LBUTTON &&
                     GetKeyState(VK_MENU) >= 0;
    if (!Moveable || !dragging_ || !leftAlone) return;
    RECT window{};
    GetWindowRect(parent_, &window);
    SetWindowPos(parent_, nullptr, window.left + x - dragX_, window.top + y - dragY_, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(parent_);
}

void TBMShapedForm::MouseUp() { dragging_ = false; }
