// Owns a GDI object (font, brush, bitmap, region) and deletes it with its owner. Windows of a form are
// destroyed without the form seeing their messages, so nothing may wait for WM_DESTROY to free them.
#pragma once

#include <windows.h>

namespace ui {

template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle_; }
    void reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

// The forms' 8-point font (11 pixels high) of the face named.
inline HFONT makeFont(const char* face, int weight = FW_NORMAL, DWORD pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE) {
    return CreateFontA(-11, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily, face);
}

}  // namespace ui
