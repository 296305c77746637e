// A top-level window built from a layout table. Its window procedure is the one place where the
// program's errors are caught: they are shown in the application's error box and the form goes on.
#pragma once

#include "ui/Control.h"
#include "ui/Events.h"
#include "ui/Layout.h"

#include <windows.h>

#include <cstddef>
#include <map>
#include <unordered_map>
#include <string>
#include <vector>

namespace ui {

struct FormDef {
    const char* className;  // the window class, named after the form's class
    const char* caption;
    int left, top;
    int clientWidth, clientHeight;
    DWORD style;
    int iconId;  // 0: none
};

class Form {
public:
    Form() = default;
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND handle() const { return hwnd_; }
    Control* controlById(int id) const;
    // Every control that can take the focus, in the order Tab walks them (all of them made first).
    std::vector<HWND> tabOrder();
    std::string hintOf(HWND control);

    std::string caption() const;
    void setCaption(const std::string& caption);
    // The window's rectangle on the screen; the restored one while maximised.
    RECT windowRect() const;
    void setPosition(int left, int top);
    void show() { ShowWindow(hwnd_, SW_SHOW); }
    void hide() { ShowWindow(hwnd_, SW_HIDE); }
    void close() { SendMessageA(hwnd_, WM_CLOSE, 0, 0); }
    bool visible() const { return IsWindowVisible(hwnd_) != FALSE; }

    // Shows the form over owner, which is disabled meanwhile, and runs the messages until the form is
    // ended (see endModal) or destroyed; owner is active again afterwards.
    void showModal(HWND owner);

    // Keyboard navigation for the message loop; true when the message was used.
    bool preTranslate(const MSG& message);

protected:
    void createWindow(const FormDef& def);
    // With hiddenWhenNeeded, a hidden row and the rows inside it are made when first used.
    template <class F, std::size_t N>
    void createControls(F& self, const ControlRow<F> (&rows)[N], bool hiddenWhenNeeded = false) {
        for (const auto& row : rows) rows_.push_back({&row.def, &row.member(self), false});
        createRows(hiddenWhenNeeded);
    }

    // A control made outside the layout (a custom one), known to the form by its id from now on.
    void adoptControl(int id, Control& control) { controls_[id] = &control; }
    void addHint(HWND control, const char* hint);
    virtual void onEvent(int /*id*/, Event /*event*/) {}
    virtual void onKey(int /*id*/, KeyEvent /*event*/, WPARAM& /*key*/) {}
    virtual bool wantsKeys(int /*id*/) const { return false; }
    // A key pressed while focus is in the form (in the window focus); true when it was a shortcut.
    virtual bool onShortcut(WPARAM /*key*/, HWND /*focus*/) { return false; }
    virtual void onShow() {}
    virtual void onClose() {}
    // Called after onClose; the default destroys the window.
    virtual void afterClose() { DestroyWindow(hwnd_); }
    // Ends a modal showing: the owner is enabled first, so that it takes the activation, then the form hides.
    void endModal();
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct KeyMessage;
    struct Row {
        const ControlDef* def;
        Control* control;
        bool made;
    };
    struct Subclass {
        WNDPROC original;
        Form* form;
    };
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static std::unordered_map<HWND, Subclass>& subclasses();
    void subclass(HWND control);
    void createRows(bool hiddenWhenNeeded);
    void make(std::size_t row);
    void makeWaiting(int id);
    std::size_t rowOf(int id) const;
    bool inside(std::size_t row, int id) const;
    void placeAmongSiblings(std::size_t row);
    void raiseIfOnTop(const ControlDef& def);
    void makeTips();
    // The system hands out timer messages once the paints are done.
    static constexpr UINT_PTR TipsTimer = 0x7105;
    void layoutAligned();
    // Focuses the next control in the tab order after from (from the start when from is none of them).
    bool moveFocus(HWND from, bool backwards);
    std::vector<HWND> madeTabStops() const;
    void onActivate(bool active);

    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    std::vector<std::pair<HWND, const char*>> pendingHints_;
    HWND lastFocus_ = nullptr;
    HWND modalOwner_ = nullptr;
    bool modal_ = false;
    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
    std::map<int, Control*> controls_;
    std::vector<Row> rows_;
    std::vector<std::size_t> tabRows_;  // the rows of the tab stops made so far, in layout order
    std::vector<std::pair<HWND, unsigned>> aligned_;
};

}  // namespace ui
