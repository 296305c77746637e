// Finding a text in section and key names, sorting, expanding and collapsing: the tree only.
#include "app/TForm1.h"

#include <cstdio>

namespace {

std::string lowerCase(std::string text) {
    if (!text.empty()) CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

// Every node in tree order: a section, its keys, the next section; collapsed ones included.
std::vector<ui::TreeNode> TForm1::NodesInTreeOrder() const {
    std::vector<ui::TreeNode> nodes;
    for (ui::TreeNode section = TreeView1.firstRoot(); section; section = TreeView1.nextSibling(section)) {
        nodes.push_back(section);
        for (ui::TreeNode key = TreeView1.firstChild(section); key; key = TreeView1.nextSibling(key)) {
            nodes.push_back(key);
        }
    }
    return nodes;
}

// Starts after the selected node; past the end it selects the first node and, when a user asked,
// searches once more from there, so repeated Finds walk all matches and start again at the top.
void TForm1::Button20Click(ui::Control* sender) {
    const std::string wanted = lowerCase(Edit7.text());
    if (wanted.empty()) return;
    const std::vector<ui::TreeNode> nodes = NodesInTreeOrder();
    if (nodes.empty()) return;
    size_t start = 0;
    if (ui::TreeNode selected = TreeView1.selected()) {
        for (size_t i = 0; i < nodes.size(); ++i) {
            if (nodes[i] == selected) start = i + 1;
        }
    }
    for (size_t i = start; i < nodes.size(); ++i) {
        if (lowerCase(TreeView1.text(nodes[i])).find(wanted) != std::string::npos) {
            TreeView1.select(nodes[i]);
            return;
        }
    }
    TreeView1.select(nodes.front());
    if (sender) Button20Click(nullptr);
}

void TForm1::Edit7KeyDown(ui::Control* sender, WPARAM& key) {
    if (key == VK_RETURN) Button20Click(sender);
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
    for (ui::TreeNode node = parent ? TreeView1.firstChild(parent) : TreeView1.firstRoot(); node;
         node = TreeView1.nextSibling(node)) {
        children.push_back(node);
        table.texts.push_back(TreeView1.text(node));
    }
    if (children.size() < 2) return;
    for (size_t i = 0; i < children.size(); ++i) TreeView1.setData(children[i], static_cast<LPARAM>(i));
    TreeView1.sortChildren(parent, compareTexts, reinterpret_cast<LPARAM>(&table));
    for (ui::TreeNode node : children) TreeView1.setData(node, 0);
}

void TForm1::Button4Click(ui::Control* /*sender*/) {
    SortChildren(nullptr);
    for (ui::TreeNode section = TreeView1.firstRoot(); section; section = TreeView1.nextSibling(section)) {
        SortChildren(section);
    }
}

void TForm1::ExpandBelow(ui::TreeNode node, UINT action) {
    for (ui::TreeNode child = TreeView1.firstChild(node); child; child = TreeView1.nextSibling(child)) {
        ExpandBelow(child, action);
    }
    TreeView1.expand(node, action);
}

void TForm1::Button17Click(ui::Control* /*sender*/) {
    for (ui::TreeNode node = TreeView1.firstRoot(); node; node = TreeView1.nextSibling(node)) {
        ExpandBelow(node, TVE_EXPAND);
    }
}

void TForm1::Button18Click(ui::Control* /*sender*/) {
    for (ui::TreeNode node = TreeView1.firstRoot(); node; node = TreeView1.nextSibling(node)) {
        ExpandBelow(node, TVE_COLLAPSE);
    }
}

void TForm1::TreeView1KeyPress(ui::Control* /*sender*/, WPARAM& key) {
    char caption[32];
    std::snprintf(caption, sizeof caption, "Key = %d", static_cast<int>(static_cast<signed char>(key)));
    setCaption(caption);
    if (key == 13) {
        if (ui::TreeNode node = TreeView1.selected()) ExpandBelow(node, TVE_EXPAND);
    }
}
