// The section/key tree: loading a file into it, and what selecting a node shows.
#include "app/TForm1.h"

#include <map>
#include <optional>

void TForm1::LoadConfigFile(const std::string& path) {
    iniFile = std::make_unique<TIniFile>(path);
    currentPath = path;
    FillTree();
    ResetValuePanel();
}

// The names are listed into plain string lists rather than the hidden list boxes: under Wine a list
// box fill costs about a millisecond per section, more than the system's own listing.
// A key that differs from the original copy, or that the copy lacks, is bold; so is a section that holds
// one or that the copy lacks. Each section is read in one call, its keys with their values.
void TForm1::FillTree() {
    ui::VectorStringList sections;
    ui::UpdateScope update(tree);
    tree.clear();
    iniFile->listSections(sections);
    for (const std::string& section : sections.items) {
        TIniFile::Entries keys = iniFile->readSection(section);
        std::vector<char> changed(keys.size());
        bool sectionChanged = original.available() && !original.hasSection(section);
        for (size_t i = 0; i < keys.size(); ++i) {
            changed[i] = original.differs(section, keys[i].first, keys[i].second);
            sectionChanged = sectionChanged || changed[i];
        }
        ui::TreeNode sectionNode = tree.addLast(nullptr, section, sectionChanged);
        for (size_t i = 0; i < keys.size(); ++i) tree.addLast(sectionNode, keys[i].first, changed[i]);
    }
}

// After a change in the section: its keys and itself marked again against the file as it now is.
void TForm1::MarkChanges(ui::TreeNode section) {
    if (!section || !original.available()) return;
    const std::string name = tree.text(section);
    std::map<std::string, std::string> now;
    for (const auto& [key, value] : iniFile->readSection(name)) now.emplace(lowerCase(key), value);
    bool sectionChanged = !original.hasSection(name);
    for (ui::TreeNode key = tree.firstChild(section); key; key = tree.nextSibling(key)) {
        bool changed = original.differs(name, tree.text(key), now[lowerCase(tree.text(key))]);
        tree.setBold(key, changed);
        sectionChanged = sectionChanged || changed;
    }
    tree.setBold(section, sectionChanged);
}

// What a bold node's tip says; nothing for the others.
std::string TForm1::ChangeTip(ui::TreeNode node) const {
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

// A click (a sender) shows the selected node on a right-hand side reset first.
void TForm1::TreeView1Click(ui::Control* sender) {
    ResetValuePanel();
    if (sender) ShowSelectedNode();
}

void TForm1::ResetValuePanel() {
    selectedKeyField.setText("");
    selectedSectionField.setText("");
    valueBox.setText("");
    for (ui::Control* control : std::initializer_list<ui::Control*>{&valueBox, &Button2, &Button3, &Button6, &Button7,
                                                                    &Button10}) {
        control->setEnabled(false);
    }
}

void TForm1::ShowSelectedNode() {
    ui::TreeNode node = tree.selected();
    if (!node) return;
    ui::TreeNode parent = tree.parent(node);
    if (!parent) {
        selectedSectionField.setText(tree.text(node));
        Button2.setEnabled(true);
        Button7.setEnabled(true);
        Button10.setEnabled(true);
        return;
    }
    selectedSectionField.setText(tree.text(parent));
    selectedKeyField.setText(tree.text(node));
    Button3.setEnabled(true);
    valueBox.setText(iniFile->readValue(selectedSectionField.text(), selectedKeyField.text(), ""));
    valueBox.setEnabled(true);
    // Showing the value raised the value box's change event, which enabled the button: a value just
    // shown can't be set until the user changes it.
    Button6.setEnabled(false);
}

void TForm1::TreeView1Change(ui::Control* /*sender*/) { TreeView1Click(&TreeView1); }

void TForm1::Edit3Change(ui::Control* /*sender*/) { Button6.setEnabled(true); }
