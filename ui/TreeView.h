// A tree-view control. Nodes are the control's own items; they carry nothing but their text.
#pragma once

#include "ui/Control.h"

#include <commctrl.h>

#include <string>

namespace ui {

using TreeNode = HTREEITEM;

class TreeView : public Control {
public:
    void clear();
    // Adds a node with the text as the last child of parent (the last top-level node for nullptr).
    TreeNode addLast(TreeNode parent, const std::string& text, bool bold = false);
    bool bold(TreeNode node) const { return (send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(node), TVIS_BOLD) & TVIS_BOLD) != 0; }
    void setBold(TreeNode node, bool bold);
    void remove(TreeNode node) { send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node)); }

    TreeNode selected() const { return next(nullptr, TVGN_CARET); }
    void select(TreeNode node) { send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node)); }
    TreeNode parent(TreeNode node) const { return next(node, TVGN_PARENT); }
    TreeNode firstChild(TreeNode node) const { return next(node, TVGN_CHILD); }
    TreeNode nextSibling(TreeNode node) const { return next(node, TVGN_NEXT); }
    TreeNode firstRoot() const { return next(nullptr, TVGN_ROOT); }
    // The first child of parent (of the top level for nullptr) whose text same() takes for name, or nullptr.
    using SameText = bool (*)(const std::string& text, const std::string& name);
    TreeNode childNamed(TreeNode parent, const std::string& name, SameText same) const;
    std::string text(TreeNode node) const;

    // The node's text rectangle in the tree's client area; empty when the node is not shown.
    RECT itemRect(TreeNode node) const;
    void expand(TreeNode node, UINT action) { send(TVM_EXPAND, action, reinterpret_cast<LPARAM>(node)); }
    void setData(TreeNode node, LPARAM data);
    void sortChildren(TreeNode parent, PFNTVCOMPARE compare, LPARAM context);

    int count() const { return static_cast<int>(send(TVM_GETCOUNT)); }
    bool expanded(TreeNode node) const;
    void beginUpdate() { pauseRedraw(); }
    void endUpdate() { resumeRedraw(); }

private:
    TreeNode next(TreeNode node, UINT relation) const {
        return reinterpret_cast<TreeNode>(send(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(node)));
    }
};

}  // namespace ui
