#include "mainwindow/TForm1.h"
#include "platform/Encoding.h"
#include "platform/Paths.h"
#include "ui/Events.h"
#include "ui/Layout.h"

#include "resource.h"

using namespace ui;

#define ROW(name, ...) UI_EXPAND(UI_CONTROL_ROW(TForm1, name, ID_##name, __VA_ARGS__))

namespace {

const FormDef MainFormDef = {
    "TForm1", "Brimlow", 221, 315, 513, 467,
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN, IDI_MAINICON,
};

}  // namespace

// Parents before children; siblings in tab order. The command side comes before the tree side.
// The two input panels and the help box cover exactly what each lies over: the tree, and the command
// buttons below the panel's top. Hidden at start, they and what they hold are made when first used.
const ControlRow<TForm1> TForm1::Layout[] = {
    ROW(Panel3, Panel, 0, 297, 0, 216, 467, nullptr, nullptr, AlignRight),
    ROW(GroupBox2, GroupBox, ID_Panel3, 7, 4, 201, 157, "Key Value", nullptr, NoFlags),
    ROW(Edit3, Edit, ID_GroupBox2, 8, 24, 185, 21, nullptr, nullptr, Bold),
    ROW(Button6, Button, ID_GroupBox2, 16, 56, 169, 25, "<< Set new value", nullptr, Disabled),
    ROW(Button3, Button, ID_GroupBox2, 16, 88, 169, 25, "Delete Key", nullptr, Disabled),
    ROW(Button10, Button, ID_GroupBox2, 16, 120, 169, 25, "Add new Key", nullptr, NoFlags),
    ROW(Panel2, Panel, ID_GroupBox2, 8, 16, 185, 137, nullptr, nullptr, Hidden | OnTop),
    ROW(Edit5, Edit, ID_Panel2, 8, 16, 169, 21, nullptr, nullptr, NoFlags),
    ROW(Button11, Button, ID_Panel2, 8, 96, 81, 25, "Add", nullptr, NoFlags),
    ROW(Button12, Button, ID_Panel2, 96, 96, 81, 25, "Cancel", nullptr, NoFlags),
    ROW(Edit6, Edit, ID_Panel2, 8, 56, 169, 21, nullptr, nullptr, NoFlags),
    ROW(Label1, Label, ID_Panel2, 8, 40, 169, 17, "Key Name", nullptr, Centred),
    ROW(Label2, Label, ID_Panel2, 8, 80, 169, 17, "Key Value", nullptr, Centred),
    ROW(GroupBox3, GroupBox, ID_Panel3, 7, 168, 201, 121, "Sections", nullptr, NoFlags),
    ROW(Button2, Button, ID_GroupBox3, 16, 32, 169, 25, "Delete whole Section", nullptr, Disabled),
    ROW(Button7, Button, ID_GroupBox3, 16, 64, 169, 25, "Add new Section", nullptr, NoFlags),
    ROW(Panel1, Panel, ID_GroupBox3, 8, 16, 185, 98, "Section Name", nullptr, Hidden | OnTop),
    ROW(Edit4, Edit, ID_Panel1, 8, 16, 169, 21, nullptr, nullptr, NoFlags),
    ROW(Button8, Button, ID_Panel1, 8, 64, 81, 25, "Add", nullptr, NoFlags),
    ROW(Button9, Button, ID_Panel1, 96, 64, 81, 25, "Cancel", nullptr, NoFlags),
    ROW(Button13, Button, ID_Panel3, 15, 348, 185, 25, "Reload FSX cfg file", nullptr, NoFlags),
    ROW(Button15, Button, ID_Panel3, 15, 404, 90, 25, "About", nullptr, NoFlags),
    ROW(Button16, Button, ID_Panel3, 111, 404, 90, 25, "Help", "Display or Hide the Help text", NoFlags),
    ROW(Button14, Button, ID_Panel3, 151, 432, 49, 25, "Exit", nullptr, NoFlags),
    ROW(Button19, Button, ID_Panel3, 15, 376, 185, 25, "View in Notepad", nullptr, NoFlags),
    ROW(Button21, Button, ID_Panel3, 16, 292, 185, 25, "Save Copy", nullptr, NoFlags),
    ROW(Button22, Button, ID_Panel3, 16, 320, 185, 25, "Restore from Copy", nullptr, NoFlags),
    ROW(Panel4, Panel, 0, 0, 0, 297, 467, nullptr, nullptr, AlignClient),
    ROW(Memo1, Memo, ID_Panel4, 9, 8, 280, 377, nullptr, nullptr, Hidden | VScroll),
    ROW(TreeView1, Tree, ID_Panel4, 9, 8, 280, 377, nullptr, nullptr, NoFlags),
    ROW(Button17, Button, ID_Panel4, 8, 432, 81, 25, "Expand", "Expand the tree to show all  Keys", NoFlags),
    ROW(Button18, Button, ID_Panel4, 216, 432, 73, 25, "Collapse", "Callapse the tree so only Sections are displayed",
        NoFlags),
    ROW(Button4, Button, ID_Panel4, 95, 432, 114, 25, "Sort alphabetically", "Sort Sections and Keys alphabetically",
        NoFlags),
    ROW(Edit7, Edit, ID_Panel4, 40, 400, 153, 21, nullptr, nullptr, NoFlags),
    ROW(Button20, Button, ID_Panel4, 192, 398, 49, 25, "Find", "Find the text in Section or Key names", NoFlags),
    ROW(GroupBox1, GroupBox, 0, 72, 32, 201, 145, "Value", nullptr, Hidden),
    ROW(Edit2, Edit, ID_GroupBox1, 16, 24, 145, 21, nullptr, nullptr, NoFlags),
    ROW(Edit1, Edit, ID_GroupBox1, 16, 60, 145, 21, nullptr, nullptr, NoFlags),
    ROW(ListBox1, List, 0, 8, 8, 113, 57, nullptr, nullptr, Hidden),
    ROW(ListBox2, List, 0, 8, 72, 113, 57, nullptr, nullptr, Hidden),
};

const EventBinding<TForm1> TForm1::Events[] = {
    {ID_TreeView1, Event::Click, &TForm1::TreeView1Click},
    {ID_TreeView1, Event::Change, &TForm1::TreeView1Change},
    {ID_Edit3, Event::Change, &TForm1::Edit3Change},
    {ID_Button6, Event::Click, &TForm1::Button6Click},
    {ID_Button3, Event::Click, &TForm1::Button3Click},
    {ID_Button2, Event::Click, &TForm1::Button2Click},
    {ID_Button10, Event::Click, &TForm1::Button10Click},
    {ID_Button11, Event::Click, &TForm1::Button11Click},
    {ID_Button12, Event::Click, &TForm1::Button12Click},
    {ID_Button7, Event::Click, &TForm1::Button7Click},
    {ID_Button8, Event::Click, &TForm1::Button8Click},
    {ID_Button9, Event::Click, &TForm1::Button9Click},
    {ID_Button20, Event::Click, &TForm1::Button20Click},
    {ID_Button4, Event::Click, &TForm1::Button4Click},
    {ID_Button17, Event::Click, &TForm1::Button17Click},
    {ID_Button18, Event::Click, &TForm1::Button18Click},
    {ID_Button13, Event::Click, &TForm1::Button13Click},
    {ID_Button21, Event::Click, &TForm1::Button21Click},
    {ID_Button22, Event::Click, &TForm1::Button22Click},
    {ID_Button19, Event::Click, &TForm1::Button19Click},
    {ID_Button16, Event::Click, &TForm1::Button16Click},
    {ID_Button14, Event::Click, &TForm1::Button14Click},
    {ID_Button15, Event::Click, &TForm1::Button15Click},
};

const KeyBinding<TForm1> TForm1::Keys[] = {
    {ID_Edit3, KeyEvent::KeyPress, &TForm1::Edit3KeyPress},
    {ID_Edit4, KeyEvent::KeyPress, &TForm1::Edit4KeyPress},
    {ID_Edit5, KeyEvent::KeyPress, &TForm1::Edit5KeyPress},
    {ID_Edit6, KeyEvent::KeyPress, &TForm1::Edit5KeyPress},
    {ID_Edit7, KeyEvent::KeyDown, &TForm1::Edit7KeyDown},
    {ID_TreeView1, KeyEvent::KeyPress, &TForm1::TreeView1KeyPress},
};

void TForm1::CreateLayout() {
    createWindow(MainFormDef);
    createControls(*this, Layout, true);
    // Tips say what a changed key or section was in the original.
    SetWindowLongA(tree.handle(), GWL_STYLE, GetWindowLongA(tree.handle(), GWL_STYLE) | TVS_INFOTIP);
}

void TForm1::onEvent(int id, Event event) { dispatchEvent(*this, Events, id, event); }

void TForm1::onKey(int id, KeyEvent event, WPARAM& key) { dispatchKey(*this, Keys, id, event, key); }

bool TForm1::wantsKeys(int id) const { return hasKeyBinding(Keys, id); }

namespace {

// Below the system's own commands, low four bits clear; the files "Open" offers from FirstFileCommand on.
const UINT ChangesCommand = 0x0010, UndoCommand = 0x0020, RedoCommand = 0x0030, OtherFileCommand = 0x0040;
const UINT FirstFileCommand = 0x0100, FileCommandStep = 0x0010, MostFiles = 0xE00 / FileCommandStep;

std::string historyItem(const char* verb, const HistoryStep* step, const char* key) {
    return step ? std::string(verb) + " " + step->name() + "\t" + key : verb;
}

}  // namespace

// Undo and redo, then the changes report while there is an original to compare with, then "Open".
void TForm1::BuildSystemMenu() {
    HMENU menu = GetSystemMenu(handle(), FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, UndoCommand, "Undo");
    AppendMenuA(menu, MF_STRING, RedoCommand, "Redo");
    openMenu = CreatePopupMenu();
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(openMenu), "Open");
    ShowChangesItem();
    FillOpenMenu();
    UpdateHistoryMenu();
}

// "Changes Since the Original..." stands above "Open" while the open file has an original.
void TForm1::ShowChangesItem() {
    HMENU menu = GetSystemMenu(handle(), FALSE);
    DeleteMenu(menu, ChangesCommand, MF_BYCOMMAND);
    if (!document.original().available()) return;
    int open = GetMenuItemCount(menu) - 1;
    while (open > 0 && GetSubMenu(menu, open) != openMenu) --open;
    InsertMenuA(menu, static_cast<UINT>(open), MF_BYPOSITION | MF_STRING, ChangesCommand, "Changes Since the Original\x85");
}

// One item a simulator file found on this machine, the open one checked, then any other file. Filled
// whenever the menu opens: a file installed since is offered too.
void TForm1::FillOpenMenu() {
    while (GetMenuItemCount(openMenu) > 0) DeleteMenu(openMenu, 0, MF_BYPOSITION);
    offeredFiles = foundSimulatorFiles(folders);
    if (offeredFiles.size() > MostFiles) offeredFiles.resize(MostFiles);
    for (size_t i = 0; i < offeredFiles.size(); ++i) {
        bool open = !simConfigPath.empty() && platform::sameFile(offeredFiles[i].path, simConfigPath);
        AppendMenuW(openMenu, MF_STRING | (open ? MF_CHECKED : MF_UNCHECKED), FirstFileCommand + i * FileCommandStep,
                    platform::wide(offeredFiles[i].menuText()).c_str());
    }
    if (!offeredFiles.empty()) AppendMenuA(openMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(openMenu, MF_STRING, OtherFileCommand, "Other File\x85");
}

// Named after the step each would take, greyed when there is none.
void TForm1::UpdateHistoryMenu() {
    HMENU menu = GetSystemMenu(handle(), FALSE);
    const HistoryStep* undo = document.history().undoable();
    const HistoryStep* redo = document.history().redoable();
    ModifyMenuA(menu, UndoCommand, MF_BYCOMMAND | MF_STRING | (undo ? MF_ENABLED : MF_GRAYED), UndoCommand,
                historyItem("Undo", undo, "Ctrl+Z").c_str());
    ModifyMenuA(menu, RedoCommand, MF_BYCOMMAND | MF_STRING | (redo ? MF_ENABLED : MF_GRAYED), RedoCommand,
                historyItem("Redo", redo, "Ctrl+Y").c_str());
}

// The tree's tips and right-click, and the system menu's report, besides what every form handles.
LRESULT TForm1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->hwndFrom == tree.handle()) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == TVN_GETINFOTIPA) {
            auto* tip = reinterpret_cast<NMTVGETINFOTIPA*>(lParam);
            lstrcpynA(tip->pszText, ChangeTip(tip->hItem).c_str(), tip->cchTextMax);
            return 0;
        }
        if (header->code == NM_RCLICK) {
            OpenContextMenuByMouse();
            return 1;
        }
    }
    if (message == WM_DROPFILES) {
        OpenDroppedFile(reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    // The system menu's own items come as system commands; those of its "Open" submenu, a popup of
    // the program's, come as menu commands (lParam 0, notification 0).
    bool menuCommand = message == WM_COMMAND && lParam == 0 && HIWORD(wParam) == 0;
    if ((message == WM_SYSCOMMAND || menuCommand) && RunMenuCommand(static_cast<UINT>(wParam & 0xFFF0))) return 0;
    if (message == WM_INITMENU) {
        UpdateHistoryMenu();
        FillOpenMenu();
    }
    if (message == WM_TIMER && wParam == ReloadTimer) {
        ReloadWhenIdle();
        return 0;
    }
    return Form::handleMessage(message, wParam, lParam);
}

// The program's items of the system menu; false for any other command.
bool TForm1::RunMenuCommand(UINT id) {
    void (TForm1::*command)() = nullptr;
    switch (id) {
    case ChangesCommand: command = &TForm1::ShowChangesReport; break;
    case UndoCommand: command = &TForm1::Undo; break;
    case RedoCommand: command = &TForm1::Redo; break;
    case OtherFileCommand: command = &TForm1::OpenOtherFile; break;
    }
    if (command) {
        (this->*command)();
        return true;
    }
    size_t file = (id - FirstFileCommand) / FileCommandStep;
    if (id < FirstFileCommand || file >= offeredFiles.size()) return false;
    OpenFile(offeredFiles[file].path);
    return true;
}

// A right-click selects the item under the mouse, as the system's own lists do, and opens its menu there:
// where the click was, as its message says, not where the cursor may have moved since.
void TForm1::OpenContextMenuByMouse() {
    TVHITTESTINFO hit{};
    DWORD clicked = GetMessagePos();
    hit.pt = {static_cast<short>(LOWORD(clicked)), static_cast<short>(HIWORD(clicked))};
    POINT at = hit.pt;
    ScreenToClient(tree.handle(), &hit.pt);
    ui::TreeNode node = reinterpret_cast<ui::TreeNode>(SendMessageA(tree.handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (!node) return;
    tree.select(node);
    ShowContextMenu(at);
}
