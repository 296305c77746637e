// Setting values, deleting and adding keys and sections: each written to the file at once, then
// shown in the tree in place.
#include "app/ProgramName.h"
#include "app/TForm1.h"
#include "store/ProfileFormat.h"
#include "ui/Prompts.h"

namespace {

const char* const DeleteKeyQuestion = "This will remove the selected key from the file\n\nAre you sure you wish to continue?\n";
const char* const DeleteSectionQuestion =
    "This will remove the whole section from the\nfile. All Keys in this section will be lost\n\n"
    "Are you sure you wish to continue?\n";
const char* const NoName = "No Section Name defined!";
const WPARAM EnterKey = 13;
const WPARAM EscapeKey = 27;

std::string spacesToUnderscores(std::string name) {
    for (char& c : name) {
        if (c == ' ') c = '_';
    }
    return name;
}

// The tree must not stay disabled when a write after the panel has closed fails.
template <class Write>
void writeReEnabling(ui::TreeView& tree, Write write) {
    try {
        write();
    } catch (...) {
        tree.setEnabled(true);
        throw;
    }
}

// The system writes no empty section: a placeholder key is written and removed. Should the removal
// fail, the file holds the section with its placeholder, and so does the tree.
void writeEmptySection(const TIniFile& ini, ui::TreeView& tree, const std::string& section) {
    ini.writeValue(section, "Dummy", "0");
    try {
        ini.removeKey(section, "Dummy");
    } catch (...) {
        tree.addLast(tree.addLast(nullptr, section), "Dummy");
        throw;
    }
}

}  // namespace

void TForm1::SetValue() {
    iniFile->writeValue(Edit2.text(), Edit1.text(), Edit3.text());
    Button6.setEnabled(false);
}

void TForm1::Button6Click(ui::Control* /*sender*/) { SetValue(); }

void TForm1::Edit3KeyPress(ui::Control* /*sender*/, WPARAM& key) {
    if (key != EnterKey) return;
    key = 0;
    SetValue();
}

void TForm1::Button3Click(ui::Control* /*sender*/) {
    if (ui::prompts().messageBox(DeleteKeyQuestion, Edit1.text(), MB_ICONWARNING | MB_YESNO) == IDNO) return;
    iniFile->removeKey(Edit2.text(), Edit1.text());
    TreeView1.remove(TreeView1.selected());
    TreeView1Click(nullptr);
}

void TForm1::Button2Click(ui::Control* /*sender*/) {
    if (ui::prompts().messageBox(DeleteSectionQuestion, Edit2.text(), MB_ICONWARNING | MB_YESNO) == IDNO) return;
    iniFile->removeSection(Edit2.text());
    TreeView1.remove(TreeView1.selected());
    TreeView1Click(nullptr);
}

void TForm1::Button10Click(ui::Control* /*sender*/) {
    Edit5.setText("");
    Edit6.setText("");
    Panel2.show();
    addKeySection = Edit2.text();
    TreeView1.setEnabled(false);
    TreeView1Click(nullptr);
}

// The name typed in box with its spaces made underscores (shown back in the box); false, after
// saying why, when the file can't take it. The panel stays open then.
bool TForm1::TakeNewName(ui::Edit& box, bool isSection, std::string& name) {
    if (box.text().empty()) {
        ui::prompts().messageBox(NoName, ProgramName, MB_OK);
        return false;
    }
    box.setText(spacesToUnderscores(box.text()));
    name = box.text();
    if (const char* problem = isSection ? profile::sectionNameProblem(name) : profile::keyNameProblem(name)) {
        ui::prompts().messageBox(std::string(isSection ? "A section name " : "A key name ") + problem + ".",
                                 ProgramName, MB_OK);
        return false;
    }
    return true;
}

ui::TreeNode TForm1::SectionNode(const std::string& section) const {
    for (ui::TreeNode node = TreeView1.firstRoot(); node; node = TreeView1.nextSibling(node)) {
        if (lstrcmpiA(TreeView1.text(node).c_str(), section.c_str()) == 0) return node;
    }
    return nullptr;
}

ui::TreeNode TForm1::KeyNode(ui::TreeNode sectionNode, const std::string& key) const {
    for (ui::TreeNode node = TreeView1.firstChild(sectionNode); node; node = TreeView1.nextSibling(node)) {
        if (lstrcmpiA(TreeView1.text(node).c_str(), key.c_str()) == 0) return node;
    }
    return nullptr;
}

// The key goes under the section it was written to, once, whatever the selection became meanwhile.
void TForm1::Button11Click(ui::Control* /*sender*/) {
    std::string key;
    if (!TakeNewName(Edit5, false, key)) return;
    Panel2.hide();
    writeReEnabling(TreeView1, [&] { iniFile->writeValue(addKeySection, key, Edit6.text()); });
    TreeView1.setEnabled(true);
    ui::TreeNode section = SectionNode(addKeySection);
    if (!section) section = TreeView1.addLast(nullptr, addKeySection);
    if (!KeyNode(section, key)) TreeView1.addLast(section, key);
    TreeView1Click(nullptr);
}

void TForm1::Button12Click(ui::Control* /*sender*/) {
    Panel2.hide();
    TreeView1.setEnabled(true);
    TreeView1Click(nullptr);
}

// Enter confirms, Escape cancels; neither is typed into the box.
void TForm1::PanelKey(WPARAM& key, void (TForm1::*confirm)(ui::Control*), void (TForm1::*cancel)(ui::Control*),
                      ui::Control* sender) {
    if (key != EnterKey && key != EscapeKey) return;
    auto command = key == EnterKey ? confirm : cancel;
    key = 0;
    (this->*command)(sender);
}

void TForm1::Edit5KeyPress(ui::Control* sender, WPARAM& key) {
    PanelKey(key, &TForm1::Button11Click, &TForm1::Button12Click, sender);
}

void TForm1::Button7Click(ui::Control* /*sender*/) {
    Panel1.show();
    TreeView1Click(nullptr);
    TreeView1.setEnabled(false);
}

// An existing section (names compare without regard to case) is left as it is: the placeholder
// key would otherwise remove a real key of that name from it.
void TForm1::Button8Click(ui::Control* /*sender*/) {
    std::string section;
    if (!TakeNewName(Edit4, true, section)) return;
    Panel1.hide();
    ui::VectorStringList existing;
    iniFile->listSections(existing);
    bool exists = false;
    for (const std::string& name : existing.items) exists = exists || lstrcmpiA(name.c_str(), section.c_str()) == 0;
    if (!exists) {
        writeReEnabling(TreeView1, [&] { writeEmptySection(*iniFile, TreeView1, section); });
    }
    TreeView1.setEnabled(true);
    if (!SectionNode(section)) TreeView1.addLast(nullptr, section);
}

void TForm1::Button9Click(ui::Control* /*sender*/) {
    Panel1.hide();
    TreeView1.setEnabled(true);
}

void TForm1::Edit4KeyPress(ui::Control* sender, WPARAM& key) {
    PanelKey(key, &TForm1::Button8Click, &TForm1::Button9Click, sender);
}
