// What the user picked in the tree: a section, or a key of a section. Every command reads it from the
// tree when it runs; nothing else keeps it.
#pragma once

#include "ui/TreeView.h"

#include <string>

struct Selection {
    ui::TreeNode node = nullptr;
    ui::TreeNode sectionNode = nullptr;
    std::string section;
    std::string key;  // empty when a section is picked

    explicit operator bool() const { return node != nullptr; }
    bool isKey() const { return node && node != sectionNode; }
    bool isSection() const { return node && node == sectionNode; }
};

// The tree's selected node, as the section and key it stands for; empty when nothing is selected.
Selection selectionIn(const ui::TreeView& tree);
