// The section/key tree: loading a file into it, and what selecting a node shows.
#include "mainwindow/TForm1.h"

#include <optional>

void TForm1::LoadConfigFile(const std::string& path) {
    document.open(path);
    currentPath = path;
    WatchFile(path);
    FillTree();
    ResetValuePanel();
}

// A key whose value differs from the original copy, or that the copy lacks, is bold; so is a section
// that holds one or that the copy lacks. The file is read once, every key with its value.
// Every section node is added before any key node: Wine's tree looks a parent up among the nodes in the
// order they were made, so parents made first keep that search short.
void TForm1::FillTree() {
    const ComparedCopy& original = document.original();
    const std::vector<ListedSection> listing = document.file().readAll();
    platform::UpdateScope update(tree);
    tree.clear();
    std::vector<std::vector<char>> changed(listing.size());
    std::vector<ui::TreeNode> sectionNodes;
    for (size_t s = 0; s < listing.size(); ++s) {
        const ListedSection& section = listing[s];
        ReadValues now = readValues(section.keys);
        bool sectionChanged = original.available() && !original.hasSection(section.name);
        for (const auto& key : section.keys) {
            changed[s].push_back(original.differs(section.name, key.first, now));
            sectionChanged = sectionChanged || changed[s].back();
        }
        sectionNodes.push_back(tree.addLast(nullptr, section.name, sectionChanged));
    }
    for (size_t s = 0; s < listing.size(); ++s) {
        for (size_t k = 0; k < listing[s].keys.size(); ++k) tree.addLast(sectionNodes[s], listing[s].keys[k].first, changed[s][k]);
    }
}

// After a change in the section: its keys and itself marked again against the file as it now is.
void TForm1::MarkChanges(ui::TreeNode section) {
    const ComparedCopy& original = document.original();
    if (!section || !original.available()) return;
    const std::string name = tree.text(section);
    ReadValues now = readValues(document.file().readSection(name));
    bool sectionChanged = !original.hasSection(name);
    for (ui::TreeNode key = tree.firstChild(section); key; key = tree.nextSibling(key)) {
        bool changed = original.differs(name, tree.text(key), now);
        tree.setBold(key, changed);
        sectionChanged = sectionChanged || changed;
    }
    tree.setBold(section, sectionChanged);
}

// What a bold node's tip says; nothing for the others.
std::string TForm1::ChangeTip(ui::TreeNode node) const {
    const ComparedCopy& original = document.original();
    if (!node || !tree.bold(node)) return "";
    ui::TreeNode parent = tree.parent(node);
    if (parent) {
        std::optional<std::string> was = original.value(tree.text(parent), tree.text(node));
        return was ? "Original value: " + *was : "The original file has no such key.";
    }
    if (!original.hasSection(tree.text(node))) return "The original file has no such section.";
    int count = 0;
    for (ui::TreeNode key = tree.firstChild(node); key; key = tree.nextSibling(key)) count += tree.bold(key) ? 1 : 0;
    return std::to_string(count) + (count == 1 ? " key" : " keys") + " changed since the original.";
}

// A click (a sender) shows the selected node; without one, the right-hand side is reset and the tree
// left with nothing selected, so that it never highlights what the right-hand side doesn't show.
void TForm1::TreeView1Click(ui::Control* sender) {
    if (!sender) {
        ResetValuePanel();
        return;
    }
    ClearValuePanel();
    ShowSelectedNode();
}

void TForm1::ResetValuePanel() {
    ClearValuePanel();
    // Deselecting raises the selection change, which shows nothing on a cleared side.
    if (tree.selected()) tree.select(nullptr);
}

// The hidden selection fields are made when a selection is first shown; until then they are empty.
void TForm1::ClearValuePanel() {
    for (ui::Control* field : {&selectedKeyField, &selectedSectionField}) {
        if (field->made()) field->setText("");
    }
    valueBox.setText("");
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &valueBox, &deleteSectionButton, &deleteKeyButton, &setValueButton, &addSectionButton, &addKeyButton}) {
        control->setEnabled(false);
    }
}

void TForm1::ShowSelectedNode() {
    Selection picked = selectionIn(tree);
    if (!picked) return;
    selectedSectionField.setText(picked.section);
    if (picked.isSection()) {
        deleteSectionButton.setEnabled(true);
        addSectionButton.setEnabled(true);
        addKeyButton.setEnabled(true);
        return;
    }
    selectedKeyField.setText(picked.key);
    deleteKeyButton.setEnabled(true);
    valueBox.setText(document.file().readValue(picked.section, picked.key, ""));
    valueBox.setEnabled(true);
    // Showing the value raised the value box's change event, which enabled the button: a value just
    // shown can't be set until the user changes it.
    setValueButton.setEnabled(false);
}

void TForm1::TreeView1Change(ui::Control* /*sender*/) { TreeView1Click(&tree); }

void TForm1::Edit3Change(ui::Control* /*sender*/) { setValueButton.setEnabled(true); }
