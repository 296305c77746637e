// TBMShapedForm gives the form it lies on the outline of its picture: every pixel in the colour of
// the picture's bottom-left pixel is cut out of the window, caption bar and frame included. It fills
// the form's client area, paints the picture as the form's background and lets the form be dragged
// by it. It has no window of its own: the form hands it its paint and mouse messages.
#pragma once

#include <windows.h>

#include <vector>

class TBMShapedForm {
public:
    TBMShapedForm() = default;
    ~TBMShapedForm();
    TBMShapedForm(const TBMShapedForm&) = delete;
    TBMShapedForm& operator=(const TBMShapedForm&) = delete;

    // The window it lies on; raises platform::Error when that is not a form, or the form has one already.
    void SetParent(HWND parent);
    HWND Parent() const { return parent_; }
    // Takes a copy of the bitmap (nullptr: empty), then rebuilds the outline.
    void SetPicture(HBITMAP picture);
    HBITMAP Picture() const { return picture_; }

    bool AutoSize = false;
    bool Stretch = false;
    bool Center = false;
    bool Moveable = true;

    // The form has finished loading: build and apply the outline if it is not current.
    void Loaded();
    // The control's place in the form's client area (it fills it); every change rebuilds the outline.
    void SetBounds(int left, int top, int width, int height);
    void Paint(HDC dc);
    void MouseDown(int x, int y);
    void MouseMove(WPARAM keys, int x, int y);
    void MouseUp();

    HRGN Outline() const { return outline_; }
    bool HandedOver() const { return handedOver_; }

private:
    void PictureChanged();
    void BuildOutline();
    void ApplyOutline();
    void AddRun(int x0, int x1, int y);
    void DropOutline();
    SIZE PictureSize() const;
    std::vector<DWORD> SamplePicture() const;
    POINT ClientOffset() const;

    HWND parent_ = nullptr;
    HBITMAP picture_ = nullptr;
    bool loading_ = true;
    RECT bounds_{};
    HRGN outline_ = nullptr;
    bool handedOver_ = false;
    int sourceWidth_ = 0, sourceHeight_ = 0;
    int builtWidth_ = 0, builtHeight_ = 0;
    bool lastStretch_ = false, lastAutoSize_ = false;
    bool dragging_ = false;
    int dragX_ = 0, dragY_ = 0;
};
