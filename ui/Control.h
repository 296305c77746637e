// A thin, non-copyable wrapper over one child window. The window itself is owned by its parent.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class Control {
public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    void attach(HWND hwnd) { hwnd_ = hwnd; }
    HWND handle() const { return hwnd_; }
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
        return SendMessageA(hwnd_, message, wParam, lParam);
    }

private:
    HWND hwnd_ = nullptr;
    bool redrawPaused_ = false;
};

}  // namespace ui
