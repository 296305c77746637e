// Setting values, deleting and adding keys and sections: each written to the file at once, then
// shown in the tree in place.
#include "document/ProgramName.h"
#include "mainwindow/TForm1.h"
#include "platform/Encoding.h"
#include "platform/Prompts.h"
#include "store/ProfileFormat.h"

namespace {

const char* const DeleteKeyQuestion = "This will remove the selected key from the file\n\nAre you sure you wish to continue?\n";
const char* const DeleteSectionQuestion =
    "This will remove the whole section from the\nfile. All Keys in this section will be lost\n\n"
    "Are you sure you wish to continue?\n";
const char* const NoName = "No Section Name defined!";

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

// Should the placeholder key's removal fail, the file holds the section with it, and so does the tree.
void writeEmptySection(ConfigDocument& document, ui::TreeView& tree, const std::string& section) {
    try {
        document.addSection(section);
    } catch (...) {
        if (document.file().findValue(section, ConfigDocument::Placeholder)) {
            tree.addLast(tree.addLast(nullptr, section), ConfigDocument::Placeholder);
        }
        throw;
    }
}

}  // namespace

// Every command acts on the tree's selection as it is when the command runs. Each write first asks
// the simulator guard; a write it refuses leaves everything as it was.
void TForm1::SetValue() {
    Selection picked = selectionIn(tree);
    if (!picked.isKey() || !document.writeValue(picked.section, picked.key, valueBox.text())) return;
    setValueButton.setEnabled(false);
    MarkChanges(picked.sectionNode);
}

// Enter sets the value even while the button is disabled; it is not typed into the box.
void TForm1::Edit3KeyPress(ui::Control* /*sender*/, WPARAM& key) {
    if (key != VK_RETURN) return;
    key = 0;
    SetValue();
}

void TForm1::DeleteKey() {
    Selection picked = selectionIn(tree);
    if (!picked.isKey() || !platform::confirmed(DeleteKeyQuestion, platform::utf8FromAnsi(picked.key))) return;
    if (!document.removeKey(picked.section, picked.key)) return;
    tree.remove(picked.node);
    MarkChanges(picked.sectionNode);
    ResetValuePanel();
}

void TForm1::DeleteSection() {
    Selection picked = selectionIn(tree);
    if (!picked.isSection() || !platform::confirmed(DeleteSectionQuestion, platform::utf8FromAnsi(picked.section))) return;
    if (!document.removeSection(picked.section)) return;
    tree.remove(picked.node);
    ResetValuePanel();
}

void TForm1::OpenKeyPanel() {
    Selection picked = selectionIn(tree);
    if (!picked) return;
    keyNameBox.setText("");
    keyValueBox.setText("");
    keyPanel.show();
    addKeySection = picked.section;
    tree.setEnabled(false);
    ResetValuePanel();
}

// The name typed in box with its spaces made underscores (shown back in the box); false, after
// saying why, when the file can't take it. The panel stays open then.
bool TForm1::TakeNewName(ui::Edit& box, bool isSection, std::string& name) {
    if (box.text().empty()) {
        platform::prompts().messageBox(NoName, ProgramName, MB_OK);
        return false;
    }
    box.setText(spacesToUnderscores(box.text()));
    name = box.text();
    if (const char* problem = isSection ? profile::sectionNameProblem(name) : profile::keyNameProblem(name)) {
        platform::prompts().messageBox(std::string(isSection ? "A section name " : "A key name ") + problem + ".",
                                 ProgramName, MB_OK);
        return false;
    }
    return true;
}

// The key goes under the section it was written to, once, whatever the selection became meanwhile.
void TForm1::AddKey() {
    std::string key;
    if (!TakeNewName(keyNameBox, false, key) || !document.allowsWrite()) return;
    keyPanel.hide();
    writeReEnabling(tree, [&] { document.writeValue(addKeySection, key, keyValueBox.text()); });
    tree.setEnabled(true);
    ui::TreeNode section = tree.childNamed(nullptr, addKeySection, profile::sameName);
    if (!section) section = tree.addLast(nullptr, addKeySection);
    if (!tree.childNamed(section, key, profile::sameName)) tree.addLast(section, key);
    MarkChanges(section);
    ResetValuePanel();
}

void TForm1::CloseKeyPanel() {
    keyPanel.hide();
    tree.setEnabled(true);
    ResetValuePanel();
}

// Enter confirms, Escape cancels; neither is typed into the box.
void TForm1::PanelKey(WPARAM& key, void (TForm1::*confirm)(), void (TForm1::*cancel)()) {
    if (key != VK_RETURN && key != VK_ESCAPE) return;
    auto command = key == VK_RETURN ? confirm : cancel;
    key = 0;
    (this->*command)();
}

void TForm1::OpenSectionPanel() {
    sectionPanel.show();
    ResetValuePanel();
    tree.setEnabled(false);
}

// An existing section (names compare without regard to case) is left as it is: the placeholder
// key would otherwise remove a real key of that name from it.
void TForm1::AddSection() {
    std::string section;
    if (!TakeNewName(sectionNameBox, true, section)) return;
    platform::VectorStringList existing;
    document.file().listSections(existing);
    bool exists = false;
    for (const std::string& name : existing.items) exists = exists || profile::sameName(name, section);
    if (!exists && !document.allowsWrite()) return;
    sectionPanel.hide();
    if (!exists) writeReEnabling(tree, [&] { writeEmptySection(document, tree, section); });
    tree.setEnabled(true);
    if (!tree.childNamed(nullptr, section, profile::sameName)) MarkChanges(tree.addLast(nullptr, section));
}

void TForm1::CloseSectionPanel() {
    sectionPanel.hide();
    tree.setEnabled(true);
}
