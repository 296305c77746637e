#include "ui/TreeView.h"

#include "ui/Error.h"

#include <vector>

namespace ui {

void TreeView::clear() { send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }

TreeNode TreeView::addLast(TreeNode parent, const std::string& text) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text.c_str());
    auto node = reinterpret_cast<TreeNode>(send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!node) throw Error("Unable to add \"" + text + "\" to the tree");
    return node;
}

std::string TreeView::text(TreeNode node) const {
    // The control copies as much as fits: grow until the text is shorter than the buffer.
    for (size_t size = 256;; size *= 4) {
        std::vector<char> buffer(size);
        TVITEMA item{};
        item.mask = TVIF_TEXT;
        item.hItem = node;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        if (!send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return std::string();
        std::string result(item.pszText);
        if (result.size() + 1 < size) return result;
    }
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
