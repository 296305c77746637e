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

// The names are listed into plain string lists rather than the hidden list boxes: under Wine a list
// box fill costs about a millisecond per section, more than the system's own listing.
// A key whose value differs from the original copy, or that the copy lacks, is bold; so is a section
// that holds one or that the copy lacks. Each section is read in one call, its keys with their values.
void TForm1::FillTree() {
    const OriginalCopy& original = document.original();
    platform::VectorStringList sections;
    platform::UpdateScope update(tree);
    tree.clear();
    document.file().listSections(sections);
    for (const std::string& section : sections.items) {
        TIniFile::Entries keys = document.file().readSection(section);
        ReadValues now = readValues(keys);
        std::vector<char> changed(keys.size());
        bool sectionChanged = original.available() && !original.hasSection(section);
        for (size_t i = 0; i < keys.size(); ++i) {
            changed[i] = original.differs(section, keys[i].first, now);
            sectionChanged = sectionChanged || changed[i];
        }
        ui::TreeNode sectionNode = tree.addLast(nullptr, section, sectionChanged);
        for (size_t i = 0; i < keys.size(); ++i) tree.addLast(sectionNode, keys[i].first, changed[i]);
    }
}

// After a change in the section: its keys and itself marked again against the file as it now is.
void TForm1::MarkChanges(ui::TreeNode section) {
    const OriginalCopy& original = document.original();
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
    const OriginalCopy& original = document.original();
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

void TForm1::ClearValuePanel() {
    selectedKeyField.setText("");
    selectedSectionField.setText("");
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
