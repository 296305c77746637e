// The main window's keyboard: keys that work wherever the focus is in the window. They are off while
// an input panel is open, and a key taken here is never typed into a box.
#include "mainwindow/TForm1.h"

namespace {

enum Modifier : unsigned { None = 0, Ctrl = 1, Shift = 2, Alt = 4 };

// Where a key acts: anywhere, in the tree only, or anywhere but in a box that holds typing of the
// user's (the box's own undo takes it there).
enum class Where { Anywhere, InTree, BesidesTyping };

struct Shortcut {
    WPARAM key;
    unsigned modifiers;
    Where where;
    void (TForm1::*command)();
};

}  // namespace

void TForm1::FindAgain() {
    if (findBox.text().empty()) {
        SetFocus(findBox.handle());
    } else {
        FindNext(true);
    }
}

void TForm1::FocusFind() {
    SetFocus(findBox.handle());
    SendMessageA(findBox.handle(), EM_SETSEL, 0, -1);
}

// The menu keys open the context menu below the selected item.
void TForm1::OpenContextMenuByKey() {
    ui::TreeNode node = tree.selected();
    if (!node) return;
    RECT item = tree.itemRect(node);
    POINT at{item.left, item.bottom};
    ClientToScreen(tree.handle(), &at);
    ShowContextMenu(at);
}

// The value box holds typing until it is set (the Set button is enabled then); the find box whenever
// it has something to undo, since nothing typed there is ever a change of the file.
bool TForm1::HoldsTyping(HWND box) const {
    if (box == valueBox.handle()) return setValueButton.enabled();
    return box == findBox.handle() && SendMessageA(box, EM_CANUNDO, 0, 0);
}

bool TForm1::onShortcut(WPARAM key, HWND focus) {
    static const Shortcut shortcuts[] = {
        {VK_F3, None, Where::Anywhere, &TForm1::FindAgain},
        {'F', Ctrl, Where::Anywhere, &TForm1::FocusFind},
        {VK_F5, None, Where::Anywhere, &TForm1::Reload},
        {VK_DELETE, None, Where::InTree, &TForm1::DeleteSelected},
        {VK_APPS, None, Where::InTree, &TForm1::OpenContextMenuByKey},
        {VK_F10, Shift, Where::InTree, &TForm1::OpenContextMenuByKey},
        {'Z', Ctrl, Where::BesidesTyping, &TForm1::Undo},
        {'Y', Ctrl, Where::BesidesTyping, &TForm1::Redo},
        {'Z', Ctrl | Shift, Where::BesidesTyping, &TForm1::Redo},
    };
    if (keyPanel.visible() || sectionPanel.visible()) return false;
    // Each key acts with exactly its own modifiers: Alt+F5 is not F5.
    unsigned modifiers = (GetKeyState(VK_CONTROL) < 0 ? Ctrl : None) | (GetKeyState(VK_SHIFT) < 0 ? Shift : None) |
                         (GetKeyState(VK_MENU) < 0 ? Alt : None);
    for (const Shortcut& shortcut : shortcuts) {
        if (shortcut.key != key || shortcut.modifiers != modifiers) continue;
        if (shortcut.where == Where::InTree && focus != tree.handle()) continue;
        if (shortcut.where == Where::BesidesTyping && HoldsTyping(focus)) continue;
        (this->*shortcut.command)();
        return true;
    }
    return false;
}
