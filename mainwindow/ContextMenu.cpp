// The context menu of a tree item: revert a changed key, delete, copy.
#include "mainwindow/TForm1.h"
#include "platform/Prompts.h"
#include "ui/Clipboard.h"

#include <optional>

namespace {

enum MenuCommand : int { RevertCommand = 1, DeleteKeyCommand, DeleteSectionCommand, CopyCommand };

void addItem(HMENU menu, int command, const char* text, bool enabled) {
    AppendMenuA(menu, MF_STRING | (enabled ? 0u : MF_GRAYED), static_cast<UINT_PTR>(command), text);
}

}  // namespace

// For the selected item; items that don't apply to it are greyed.
void TForm1::ShowContextMenu(POINT at) {
    Selection picked = selectionIn(tree);
    if (!picked) return;
    bool revertable = picked.isKey() && tree.bold(picked.node) && document.original().value(picked.section, picked.key);
    HMENU menu = CreatePopupMenu();
    addItem(menu, RevertCommand, "Revert to Original Value", revertable);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    addItem(menu, DeleteKeyCommand, "Delete Key", picked.isKey());
    addItem(menu, DeleteSectionCommand, "Delete whole Section", picked.isSection());
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    addItem(menu, CopyCommand, "Copy", true);
    int command = platform::prompts().popupMenu(menu, handle(), at);
    DestroyMenu(menu);
    switch (command) {
    case RevertCommand: RevertSelectedKey(); break;
    case DeleteKeyCommand: DeleteKey(); break;
    case DeleteSectionCommand: DeleteSection(); break;
    case CopyCommand: CopySelected(); break;
    }
}

void TForm1::RevertSelectedKey() {
    Selection picked = selectionIn(tree);
    if (!picked.isKey()) return;
    std::optional<std::string> was = document.original().value(picked.section, picked.key);
    if (!was || !document.writeValue(picked.section, picked.key, *was)) return;
    MarkChanges(picked.sectionNode);
    TreeView1Click(&tree);
}

// A key as "name=value", a section as "[name]".
void TForm1::CopySelected() {
    Selection picked = selectionIn(tree);
    if (!picked) return;
    std::string text = picked.isKey() ? picked.key + "=" + document.file().readValue(picked.section, picked.key, "")
                                      : "[" + picked.section + "]";
    ui::copyToClipboard(handle(), text);
}

// Delete on the tree: the key or the section selected, each with its question.
void TForm1::DeleteSelected() {
    Selection picked = selectionIn(tree);
    if (picked.isKey()) DeleteKey();
    else if (picked.isSection()) DeleteSection();
}
