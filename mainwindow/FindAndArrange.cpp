// Finding a text in section and key names, sorting, expanding and collapsing: the tree only.
#include "mainwindow/TForm1.h"

#include <windows.h>

#include <cstdio>

namespace {

// Finding ignores case as a user reads it, in any script of the code page.
std::string lowerCase(std::string text) {
    if (!text.empty()) CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

// Every node in tree order: a section, its keys, the next section; collapsed ones included.
std::vector<ui::TreeNode> TForm1::NodesInTreeOrder() const {
    std::vector<ui::TreeNode> nodes;
    for (ui::TreeNode section = tree.firstRoot(); section; section = tree.nextSibling(section)) {
        nodes.push_back(section);
        for (ui::TreeNode key = tree.firstChild(section); key; key = tree.nextSibling(key)) nodes.push_back(key);
    }
    return nodes;
}

// Starts after the selected node; past the end it selects the first node and, when wrapAround,
// searches once more from there, so repeated Finds walk all matches and start again at the top.
void TForm1::FindNext(bool wrapAround) {
    const std::string wanted = lowerCase(findBox.text());
    if (wanted.empty()) return;
    const std::vector<ui::TreeNode> nodes = NodesInTreeOrder();
    if (nodes.empty()) return;
    size_t start = 0;
    if (ui::TreeNode selected = tree.selected()) {
        for (size_t i = 0; i < nodes.size(); ++i) {
            if (nodes[i] == selected) start = i + 1;
        }
    }
    for (size_t i = start; i < nodes.size(); ++i) {
        if (lowerCase(tree.text(nodes[i])).find(wanted) != std::string::npos) {
            tree.select(nodes[i]);
            return;
        }
    }
    tree.select(nodes.front());
    if (wrapAround) FindNext(false);
}

void TForm1::Edit7KeyDown(ui::Control* /*sender*/, WPARAM& key) {
    if (key == VK_RETURN) FindNext(true);
}

namespace {

struct SortTexts {
    std::vector<std::string> texts;
};

int CALLBACK compareTexts(LPARAM a, LPARAM b, LPARAM table) {
    const auto& texts = reinterpret_cast<const SortTexts*>(table)->texts;
    return lstrcmpA(texts[static_cast<size_t>(a)].c_str(), texts[static_cast<size_t>(b)].c_str());
}

}  // namespace

// The control's sort compares item data, so each child is numbered for the sort by its text's
// place in a table, and the numbers are cleared again afterwards: nodes carry nothing but text.
void TForm1::SortChildren(ui::TreeNode parent) {
    SortTexts table;
    std::vector<ui::TreeNode> children;
    for (ui::TreeNode node = parent ? tree.firstChild(parent) : tree.firstRoot(); node; node = tree.nextSibling(node)) {
        children.push_back(node);
        table.texts.push_back(tree.text(node));
    }
    if (children.size() < 2) return;
    for (size_t i = 0; i < children.size(); ++i) tree.setData(children[i], static_cast<LPARAM>(i));
    tree.sortChildren(parent, compareTexts, reinterpret_cast<LPARAM>(&table));
    for (ui::TreeNode node : children) tree.setData(node, 0);
}

void TForm1::SortTree() {
    SortChildren(nullptr);
    for (ui::TreeNode section = tree.firstRoot(); section; section = tree.nextSibling(section)) SortChildren(section);
}

void TForm1::ExpandBelow(ui::TreeNode node, UINT action) {
    for (ui::TreeNode child = tree.firstChild(node); child; child = tree.nextSibling(child)) ExpandBelow(child, action);
    tree.expand(node, action);
}

void TForm1::ExpandAll(UINT action) {
    for (ui::TreeNode node = tree.firstRoot(); node; node = tree.nextSibling(node)) ExpandBelow(node, action);
}

void TForm1::TreeView1KeyPress(ui::Control* /*sender*/, WPARAM& key) {
    char caption[32];
    std::snprintf(caption, sizeof caption, "Key = %d", static_cast<int>(static_cast<signed char>(key)));
    setCaption(caption);
    if (key == VK_RETURN) {
        if (ui::TreeNode node = tree.selected()) ExpandBelow(node, TVE_EXPAND);
    }
}
