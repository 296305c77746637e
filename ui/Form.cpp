#include "ui/Form.h"

#include "platform/Error.h"
#include "ui/Application.h"
#include "ui/GdiObject.h"
#include "ui/Panel.h"
#include "ui/Window.h"

#include <commctrl.h>

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace ui {

namespace {

// A key reaching a subclassed control, handed to its form. Registered, so that it can't be taken for a
// WM_APP message of a control the form hosts.
UINT controlKeyMessage() {
    static const UINT message = RegisterWindowMessageA("Brimlow.ControlKey");
    return message;
}

// A key pressed anywhere in a form, offered to it as a shortcut before the focused control sees it.
UINT shortcutMessage() {
    static const UINT message = RegisterWindowMessageA("Brimlow.Shortcut");
    return message;
}

const DWORD childStyle = WS_CHILD | WS_CLIPSIBLINGS;

struct WindowKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
    bool tabStop;
};

WindowKind windowKind(Kind kind, unsigned flags) {
    DWORD scroll = (flags & VScroll) ? WS_VSCROLL : 0;
    switch (kind) {
    case Kind::Panel: return {Panel::className(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, false};
    case Kind::GroupBox: return {GroupBox::className(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, false};
    case Kind::Tree:
        return {WC_TREEVIEWA, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                WS_EX_CLIENTEDGE, true};
    case Kind::Memo:
        return {"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | scroll, WS_EX_CLIENTEDGE, true};
    case Kind::Edit: return {"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, true};
    case Kind::Button: return {"BUTTON", BS_PUSHBUTTON, 0, true};
    case Kind::Label: return {"STATIC", static_cast<DWORD>((flags & Centred) ? SS_CENTER : SS_LEFT), 0, false};
    case Kind::List:
        return {"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | ((flags & Sorted) ? LBS_SORT : 0u),
                WS_EX_CLIENTEDGE, true};
    case Kind::Combo:
        return {"COMBOBOX",
                static_cast<DWORD>(((flags & DropDownList) ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL) | WS_VSCROLL),
                0, true};
    case Kind::ListView: return {WC_LISTVIEWA, LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE, true};
    }
    return {"STATIC", 0, 0, false};
}

// The event a control's notification stands for; false when it stands for none. Notification codes
// overlap between kinds (LBN_SELCHANGE and CBN_SELCHANGE are both 1), so the kind decides.
bool commandEvent(HWND control, WORD code, Event& event) {
    if (hasClass(control, "ComboBox")) {
        event = Event::Change;
        return code == CBN_SELCHANGE || code == CBN_EDITCHANGE;
    }
    if (hasClass(control, "ListBox")) {
        event = Event::Click;
        return code == LBN_SELCHANGE;
    }
    if (hasClass(control, "Edit")) {
        event = Event::Change;
        return code == EN_CHANGE;
    }
    event = Event::Click;
    return code == BN_CLICKED;
}

}  // namespace

struct Form::KeyMessage {
    int id;
    KeyEvent event;
    WPARAM key;
};

Form::~Form() {
    Application::removeForm(this);
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (font_) DeleteObject(font_);
    if (boldFont_) DeleteObject(boldFont_);
}

void Form::createWindow(const FormDef& def) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    Application::initialize();
    registerContainerClasses();
    registerWindowClass(def.className, windowProc, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                        def.iconId ? LoadIconA(instance, MAKEINTRESOURCEA(def.iconId)) : nullptr);
    RECT r{0, 0, def.clientWidth, def.clientHeight};
    AdjustWindowRectEx(&r, def.style, FALSE, WS_EX_CONTROLPARENT);
    font_ = makeFont("MS Sans Serif");
    boldFont_ = makeFont("MS Sans Serif", FW_BOLD);
    CreateWindowExA(WS_EX_CONTROLPARENT, def.className, def.caption, def.style, def.left, def.top,
                    r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, this);
    if (!hwnd_) throw platform::Error("Unable to create the window " + std::string(def.className));
    Application::addForm(this);
}

// A hidden row waits when asked to, and so does every row inside a waiting one: a window costs about a
// millisecond to make under Wine, and the input panels and hidden boxes are seldom or never shown.
void Form::createRows(bool hiddenWhenNeeded) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const ControlDef& def = *rows_[i].def;
        controls_[def.id] = rows_[i].control;
        bool parentWaits = def.parent && !rows_[rowOf(def.parent)].made;
        if (hiddenWhenNeeded && ((def.flags & Hidden) || parentWaits)) {
            rows_[i].control->makeWhenNeeded([this, id = def.id] { makeWaiting(id); });
        } else {
            make(i);
        }
    }
    for (const Row& row : rows_) {
        if (row.made) raiseIfOnTop(*row.def);
    }
    layoutAligned();
}

// The first use of a waiting control makes it, its waiting parents and everything inside them, each
// placed among its siblings and in the tab order as if it had been made with them.
void Form::makeWaiting(int id) {
    const ControlDef& def = *rows_[rowOf(id)].def;
    if (def.parent && !rows_[rowOf(def.parent)].made) return makeWaiting(def.parent);
    for (std::size_t i = rowOf(id); i < rows_.size(); ++i) {
        if (rows_[i].made || !inside(i, id)) continue;
        make(i);
        placeAmongSiblings(i);
        raiseIfOnTop(*rows_[i].def);
    }
}

std::vector<HWND> Form::tabOrder() {
    for (const Row& row : rows_) row.control->handle();
    return madeTabStops();
}

std::vector<HWND> Form::madeTabStops() const {
    std::vector<HWND> stops;
    for (std::size_t row : tabRows_) stops.push_back(rows_[row].control->handle());
    return stops;
}

std::size_t Form::rowOf(int id) const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].def->id == id) return i;
    }
    throw platform::Error("No control with the id " + std::to_string(id));
}

bool Form::inside(std::size_t row, int id) const {
    for (const ControlDef* def = rows_[row].def;; def = rows_[rowOf(def->parent)].def) {
        if (def->id == id) return true;
        if (!def->parent) return false;
    }
}

// Made later than its siblings, a window would lie below them all: it goes right below the last one
// laid out before it, or on top.
void Form::placeAmongSiblings(std::size_t row) {
    HWND above = HWND_TOP;
    for (std::size_t i = 0; i < row; ++i) {
        const ControlDef& sibling = *rows_[i].def;
        if (rows_[i].made && sibling.parent == rows_[row].def->parent && !(sibling.flags & OnTop)) {
            above = rows_[i].control->handle();
        }
    }
    SetWindowPos(rows_[row].control->handle(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::make(std::size_t row) {
    rows_[row].made = true;
    const ControlDef& def = *rows_[row].def;
    Control& control = *rows_[row].control;
    WindowKind kind = windowKind(def.kind, def.flags);
    DWORD style = childStyle | kind.style | (kind.tabStop ? WS_TABSTOP : 0);
    if (!(def.flags & Hidden)) style |= WS_VISIBLE;
    if (def.flags & Disabled) style |= WS_DISABLED;
    HWND parent = def.parent ? controlById(def.parent)->handle() : hwnd_;
    HWND hwnd = CreateWindowExA(kind.exStyle, kind.className, def.text ? def.text : "", style, def.left, def.top,
                                def.width, def.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(def.id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) throw platform::Error(std::string("Unable to create the control ") + def.name);
    control.attach(hwnd);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>((def.flags & Bold) ? boldFont_ : font_), FALSE);
    if (wantsKeys(def.id)) subclass(hwnd);
    if (def.kind == Kind::Tree) SendMessageA(hwnd, TVM_SETINDENT, 19, 0);
    if (kind.tabStop) {
        tabRows_.insert(std::upper_bound(tabRows_.begin(), tabRows_.end(), row), row);
    }
    if (def.flags & (AlignClient | AlignRight)) aligned_.emplace_back(hwnd, def.flags);
    if (def.hint) addHint(hwnd, def.hint);
}

void Form::raiseIfOnTop(const ControlDef& def) {
    if (def.flags & OnTop) {
        SetWindowPos(controlById(def.id)->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// The tips window and its hints wait until the form has been shown and painted: nobody can point at a
// control before that, and the window costs as much to make as a few controls.
void Form::addHint(HWND control, const char* hint) {
    if (!tooltip_) {
        pendingHints_.emplace_back(control, hint);
        return;
    }
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<char*>(hint);
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void Form::makeTips() {
    if (tooltip_) return;
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd_,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    for (const auto& [control, hint] : pendingHints_) addHint(control, hint);
    pendingHints_.clear();
}

std::string Form::hintOf(HWND control) {
    makeTips();
    char text[1024] = {};
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    info.hwnd = GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = text;
    SendMessageA(tooltip_, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    return text;
}

Control* Form::controlById(int id) const {
    auto found = controls_.find(id);
    if (found == controls_.end()) throw platform::Error("No control with the id " + std::to_string(id));
    return found->second;
}

std::string Form::caption() const { return windowText(hwnd_); }

void Form::setCaption(const std::string& caption) { SetWindowTextA(hwnd_, caption.c_str()); }

RECT Form::windowRect() const {
    if (IsZoomed(hwnd_)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(hwnd_, &placement);
        return placement.rcNormalPosition;
    }
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r;
}

void Form::setPosition(int left, int top) {
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::layoutAligned() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    int right = client.right;
    for (const auto& [hwnd, flags] : aligned_) {
        if (!(flags & AlignRight)) continue;
        RECT r{};
        GetWindowRect(hwnd, &r);
        int width = r.right - r.left;
        right -= width;
        SetWindowPos(hwnd, nullptr, right, 0, width, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (const auto& [hwnd, flags] : aligned_) {
        if (flags & AlignClient) {
            SetWindowPos(hwnd, nullptr, 0, 0, right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void Form::showModal(HWND owner) {
    modalOwner_ = owner;
    modal_ = true;
    SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    if (owner) EnableWindow(owner, FALSE);
    show();
    SetForegroundWindow(hwnd_);
    MSG message;
    while (modal_ && hwnd_) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        Application::processMessage(message);
    }
    if (owner) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
}

void Form::endModal() {
    modal_ = false;
    if (modalOwner_) EnableWindow(modalOwner_, TRUE);
    ShowWindow(hwnd_, SW_HIDE);
}

// Shortcuts run through the window procedure, where errors are caught; a key taken as one is never
// translated into a character.
bool Form::preTranslate(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
    if (SendMessageA(hwnd_, shortcutMessage(), message.wParam, reinterpret_cast<LPARAM>(message.hwnd))) return true;
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0) return false;
    moveFocus(GetFocus(), GetKeyState(VK_SHIFT) < 0);
    return true;
}

bool Form::moveFocus(HWND from, bool backwards) {
    const std::vector<HWND> stops = madeTabStops();
    if (stops.empty()) return false;
    auto at = std::find_if(stops.begin(), stops.end(), [from](HWND h) { return h == from || IsChild(h, from); });
    int count = static_cast<int>(stops.size());
    int index = at == stops.end() ? (backwards ? 0 : count - 1) : static_cast<int>(at - stops.begin());
    for (int step = 1; step <= count; ++step) {
        HWND next = stops[static_cast<size_t>(((index + (backwards ? -step : step)) % count + count) % count)];
        if (IsWindowVisible(next) && IsWindowEnabled(next)) {
            SetFocus(next);
            if (hasClass(next, "Edit")) SendMessageA(next, EM_SETSEL, 0, -1);
            return true;
        }
    }
    return false;
}

void Form::onActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
        return;
    }
    if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
    } else if (!moveFocus(hwnd_, false)) {  // the first control that takes the focus
        SetFocus(hwnd_);
    }
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == shortcutMessage()) return onShortcut(wParam, reinterpret_cast<HWND>(lParam)) ? 1 : 0;
    if (message == controlKeyMessage()) {
        auto* key = reinterpret_cast<KeyMessage*>(lParam);
        onKey(key->id, key->event, key->key);
        return 0;
    }
    switch (message) {
    case WM_COMMAND:
    {
        Event event;
        if (lParam && commandEvent(reinterpret_cast<HWND>(lParam), HIWORD(wParam), event)) onEvent(LOWORD(wParam), event);
        return 0;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == NM_CLICK) onEvent(static_cast<int>(header->idFrom), Event::Click);
        if (header->code == TVN_SELCHANGEDA || header->code == TVN_SELCHANGEDW) {
            onEvent(static_cast<int>(header->idFrom), Event::Change);
        }
        return 0;
    }
    case WM_SHOWWINDOW:
        if (wParam) {
            onShow();
            if (!tooltip_) SetTimer(hwnd_, TipsTimer, 0, nullptr);
        }
        break;
    case WM_TIMER:
        if (wParam != TipsTimer) break;
        KillTimer(hwnd_, TipsTimer);
        makeTips();
        return 0;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_SIZE:
        layoutAligned();
        return 0;
    case WM_CLOSE:
        onClose();
        afterClose();
        return 0;
    case WM_DESTROY:
        if (Application::mainForm() == this) PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Form::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        form->hwnd_ = nullptr;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    try {
        return form->handleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        Application::showError(error.what());
    } catch (...) {
        Application::showError("Unexpected error");
    }
    return 0;
}

// Controls with key handlers are subclassed the classic way: the system's own subclassing helpers
// cost a window-property lookup per message, which makes filling a large tree very slow under Wine.
void Form::subclass(HWND control) {
    subclasses()[control] = {reinterpret_cast<WNDPROC>(
                                 SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc))),
                             this};
}

std::unordered_map<HWND, Form::Subclass>& Form::subclasses() {
    static std::unordered_map<HWND, Subclass> map;
    return map;
}

LRESULT CALLBACK Form::controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Subclass sub = subclasses().at(hwnd);
    if (message == WM_NCDESTROY) subclasses().erase(hwnd);
    if (message == WM_CHAR || message == WM_KEYDOWN) {
        KeyMessage key{GetDlgCtrlID(hwnd), message == WM_CHAR ? KeyEvent::KeyPress : KeyEvent::KeyDown, wParam};
        SendMessageA(sub.form->hwnd_, controlKeyMessage(), 0, reinterpret_cast<LPARAM>(&key));
        if (key.key == 0) return 0;
        wParam = key.key;
    }
    return CallWindowProcA(sub.original, hwnd, message, wParam, lParam);
}

}  // namespace ui
