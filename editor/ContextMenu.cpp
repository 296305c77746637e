// The context menu of a tree item: revert a changed key, delete, copy.
#include "app/TForm1.h"
#include "ui/Clipboard.h"
#include "ui/Prompts.h"

#include <optional>

namespace {

enum MenuCommand : int { RevertCommand = 1, DeleteKeyCommand, DeleteSectionCommand, CopyCommand };

void addItem(HMENU menu, int command, const char* text, bool enabled) {
    AppendMenuA(menu, MF_STRING | (enabled ? 0u : MF_GRAYED), static_cast<UINT_PTR>(command), text);
}

}  // namespace

// For the selected item; items that don't apply to it are greyed.
void TForm1::ShowContextMenu(POINT at) {
    ui::TreeNode node = tree.selected();
    if (!node) return;
    ui::TreeNode section = tree.parent(node);
    bool revertable = section && tree.bold(node) && original.value(tree.text(section), tree.text(node));
    HMENU menu = CreatePopupMenu();
    addItem(menu, RevertCommand, "Revert to Original Value", revertable);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    addItem(menu, DeleteKeyCommand, "Delete Key", section != nullptr);
    addItem(menu, DeleteSectionCommand, "Delete whole Section", section == nullptr);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    addItem(menu, CopyCommand, "Copy", true);
    int command = ui::prompts().popupMenu(menu, handle(), at);
    DestroyMenu(menu);
    switch (command) {
    case RevertCommand: RevertSelectedKey(); break;
    case DeleteKeyCommand: DeleteKey(); break;
    case DeleteSectionCommand: DeleteSection(); break;
    case CopyCommand: CopySelected(); break;
    }
}

void TForm1::RevertSelectedKey() {
    ui::TreeNode node = tree.selected();
    ui::TreeNode section = node ? tree.parent(node) : nullptr;
    if (!section) return;
    std::optional<std::string> was = original.value(tree.text(section), tree.text(node));
    if (!was || !guard.allowsWrite()) return;
    iniFile->writeValue(tree.text(section), tree.text(node), *was);
    MarkChanges(section);
    TreeView1Click(&TreeView1);
}

// A key as "name=value", a section as "[name]".
void TForm1::CopySelected() {
    ui::TreeNode node = tree.selected();
    if (!node) return;
    ui::TreeNode section = tree.parent(node);
    std::string text = section ? tree.text(node) + "=" + iniFile->readValue(tree.text(section), tree.text(node), "")
                               : "[" + tree.text(node) + "]";
    ui::copyToClipboard(handle(), text);
}

// Delete on the tree: the key or the section selected, each with its question.
void TForm1::DeleteSelected() {
    if (Button3.enabled()) DeleteKey();
    else if (Button2.enabled()) DeleteSection();
}
