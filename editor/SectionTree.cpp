// The section/key tree: loading a file into it, and what selecting a node shows.
#include "app/TForm1.h"

void TForm1::LoadConfigFile(const std::string& path) {
    iniFile = std::make_unique<TIniFile>(path);
    currentPath = path;
    FillTree();
    ResetValuePanel();
}

// The names are listed into plain string lists rather than the hidden list boxes: under Wine a list
// box fill costs about a millisecond per section, more than the system's own listing.
void TForm1::FillTree() {
    ui::VectorStringList sections, keys;
    ui::UpdateScope update(tree);
    tree.clear();
    iniFile->listSections(sections);
    for (const std::string& section : sections.items) {
        ui::TreeNode sectionNode = tree.addLast(nullptr, section);
        iniFile->listKeys(section, keys);
        for (const std::string& key : keys.items) tree.addLast(sectionNode, key);
    }
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
