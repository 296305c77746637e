#include "mainwindow/Selection.h"

Selection selectionIn(const ui::TreeView& tree) {
    Selection picked;
    picked.node = tree.selected();
    if (!picked.node) return picked;
    ui::TreeNode parent = tree.parent(picked.node);
    picked.sectionNode = parent ? parent : picked.node;
    picked.section = tree.text(picked.sectionNode);
    if (parent) picked.key = tree.text(picked.node);
    return picked;
}
