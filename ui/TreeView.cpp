#include "ui/TreeView.h"

#include "platform/Encoding.h"
#include "platform/Error.h"
#include "platform/GrowingText.h"

#include <cstring>

namespace ui {

void TreeView::clear() { send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }

TreeNode TreeView::addLast(TreeNode parent, const std::string& text, bool bold) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_STATE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.state = bold ? TVIS_BOLD : 0;
    insert.item.stateMask = TVIS_BOLD;
    auto node = reinterpret_cast<TreeNode>(send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!node) throw platform::Error("Unable to add \"" + platform::utf8FromAnsi(text) + "\" to the tree");
    return node;
}

// The message takes the node in the rectangle it fills.
RECT TreeView::itemRect(TreeNode node) const {
    RECT rect{};
    std::memcpy(&rect, &node, sizeof node);
    if (!send(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect))) return RECT{};
    return rect;
}

void TreeView::setBold(TreeNode node, bool bold) {
    TVITEMA item{};
    item.mask = TVIF_STATE;
    item.hItem = node;
    item.state = bold ? TVIS_BOLD : 0;
    item.stateMask = TVIS_BOLD;
    send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

TreeNode TreeView::childNamed(TreeNode parent, const std::string& name, SameText same) const {
    for (TreeNode node = parent ? firstChild(parent) : firstRoot(); node; node = nextSibling(node)) {
        if (same(text(node), name)) return node;
    }
    return nullptr;
}

// The control copies as much as fits: a text that fills the buffer may have been cut.
std::string TreeView::text(TreeNode node) const {
    return platform::growingText(256, [&](char* buffer, size_t size) {
        TVITEMA item{};
        item.mask = TVIF_TEXT;
        item.hItem = node;
        item.pszText = buffer;
        item.cchTextMax = static_cast<int>(size);
        if (!send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return size_t(0);
        if (item.pszText != buffer) lstrcpynA(buffer, item.pszText, static_cast<int>(size));
        size_t length = strlen(buffer);
        return length + 1 < size ? length : size;
    });
}

void TreeView::setData(TreeNode node, LPARAM data) {
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = node;
    item.lParam = data;
    send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void TreeView::sortChildren(TreeNode parent, PFNTVCOMPARE compare, LPARAM context) {
    TVSORTCB sort{};
    sort.hParent = parent ? parent : TVI_ROOT;
    sort.lpfnCompare = compare;
    sort.lParam = context;
    send(TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

bool TreeView::expanded(TreeNode node) const {
    return (send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(node), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

}  // namespace ui
