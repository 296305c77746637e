// The section/key tree: loading a file into it, and what selecting a node shows.
#include "app/TForm1.h"

void TForm1::LoadConfigFile(const std::string& path) {
    iniFile = std::make_unique<TIniFile>(path);
    currentPath = path;
    FillTree();
    TreeView1Click(nullptr);
}

// The names are listed into plain string lists rather than the hidden list boxes: under Wine a list
// box fill costs about a millisecond per section, more than the system's own listing.
void TForm1::FillTree() {
    ui::VectorStringList sections, keys;
    ui::UpdateScope update(TreeView1);
    TreeView1.clear();
    iniFile->listSections(sections);
    for (const std::string& section : sections.items) {
        ui::TreeNode sectionNode = TreeView1.addLast(nullptr, section);
        iniFile->listKeys(section, keys);
        for (const std::string& key : keys.items) TreeView1.addLast(sectionNode, key);
    }
}

// With no sender only the right-hand side is reset; with one, the selected node is shown too.
void TForm1::TreeView1Click(ui::Control* sender) {
    Edit1.setText("");
    Edit2.setText("");
    Edit3.setText("");
    for (ui::Control* control : std::initializer_list<ui::Control*>{&Edit3, &Button2, &Button3, &Button6, &Button7,
                                                                    &Button10}) {
        control->setEnabled(false);
    }
    ui::TreeNode node = TreeView1.selected();
    if (!sender || !node) return;
    ui::TreeNode parent = TreeView1.parent(node);
    if (!parent) {
        Edit2.setText(TreeView1.text(node));
        Button2.setEnabled(true);
        Button7.setEnabled(true);
        Button10.setEnabled(true);
        return;
    }
    Edit2.setText(TreeView1.text(parent));
    Edit1.setText(TreeView1.text(node));
    Button3.setEnabled(true);
    Edit3.setText(iniFile->readValue(Edit2.text(), Edit1.text(), ""));
    Edit3.setEnabled(true);
    // Showing the value raised Edit3's change event, which enabled the button: a value just shown
    // can't be set until the user changes it.
    Button6.setEnabled(false);
}

void TForm1::TreeView1Change(ui::Control* /*sender*/) { TreeView1Click(&TreeView1); }

void TForm1::Edit3Change(ui::Control* /*sender*/) { Button6.setEnabled(true); }
