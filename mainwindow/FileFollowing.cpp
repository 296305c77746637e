// The tree follows the file: a change another program makes is shown once the user's hands are free.
#include "mainwindow/TForm1.h"
#include "platform/Paths.h"
#include "store/ProfileFormat.h"

#include <set>

namespace {

// ms: a burst of writes is one reload; the user's work is asked about again at this pace.
const UINT SettleTime = 50, RetryAfter = 250;

}  // namespace

void TForm1::WatchFile(const std::string& path) {
    folderWatch.start(platform::folderOf(path), [this] { FileChanged(); });
}

// Checked at once, since a write of Brimlow's own would take the change for its own; the reload
// itself comes as a timer message, through the window, where errors are shown.
void TForm1::FileChanged() {
    if (!document.changedOutside()) return;
    reloadPending = true;
    SetTimer(handle(), ReloadTimer, SettleTime, nullptr);
}

// Never under the user's hands: an open input panel, a value typed but not yet set, or a question or
// dialog open (it disables the window) put the reload off, and a timer asks again until they are gone.
void TForm1::ReloadWhenIdle() {
    if (!reloadPending) return;
    if (keyPanel.visible() || sectionPanel.visible() || setValueButton.enabled() || !IsWindowEnabled(handle())) {
        SetTimer(handle(), ReloadTimer, RetryAfter, nullptr);
        return;
    }
    KillTimer(handle(), ReloadTimer);
    reloadPending = false;
    Selection picked = selectionIn(tree);
    ShowFileAt(picked.section, picked.key);
}

// The file shown again as it now is, keeping what the user was looking at: the sections that were
// expanded, and the item at section and key selected if it still exists (else its section).
void TForm1::ShowFileAt(const std::string& section, const std::string& key) {
    std::set<std::string> expanded;
    for (ui::TreeNode node = tree.firstRoot(); node; node = tree.nextSibling(node)) {
        if (tree.expanded(node)) expanded.insert(tree.text(node));
    }
    LoadConfigFile(currentPath);
    if (!expanded.empty()) {
        platform::UpdateScope update(tree);
        for (ui::TreeNode node = tree.firstRoot(); node; node = tree.nextSibling(node)) {
            if (expanded.count(tree.text(node))) tree.expand(node, TVE_EXPAND);
        }
    }
    ui::TreeNode sectionNode = section.empty() ? nullptr : tree.childNamed(nullptr, section, profile::sameName);
    ui::TreeNode keyNode = sectionNode && !key.empty() ? tree.childNamed(sectionNode, key, profile::sameName) : nullptr;
    if (keyNode || sectionNode) tree.select(keyNode ? keyNode : sectionNode);
}
