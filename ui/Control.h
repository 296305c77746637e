// A thin, non-copyable wrapper over one child window. The window itself is owned by its parent.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

class Control {
public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    void attach(HWND hwnd) { hwnd_ = hwnd; }
    // A control whose window is made only when first used: make() makes it, and attaches it.
    void makeWhenNeeded(std::function<void()> make) { make_ = std::move(make); }
    HWND handle() const {
        if (!hwnd_ && make_) make_();
        return hwnd_;
    }
    // Whether the window has been made (one made when first used has its layout's text until then).
    bool made() const { return hwnd_ || !make_; }
    int id() const;

    std::string text() const;
    void setText(const std::string& text);

    bool enabled() const;
    void setEnabled(bool enabled);
    // The control's own visibility, whatever its parents show.
    bool visible() const;
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    // Position and size inside the parent's client area.
    RECT bounds() const;
    void setBounds(int left, int top, int width, int height);
    int height() const;
    void setHeight(int height);

    // Repaint once after a run of changes. Only a shown control is paused: switching redraw on
    // again would show a hidden one.
    void pauseRedraw();
    void resumeRedraw();

protected:
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(handle(), message, wParam, lParam);
    }

private:
    HWND hwnd_ = nullptr;
    std::function<void()> make_;
    bool redrawPaused_ = false;
};

}  // namespace ui
