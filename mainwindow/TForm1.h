// The main window: the section/key tree on the left, the commands on the right.
// Its handlers live with their concerns: app/ builds and closes it, editor/ holds the commands. Each
// handler keeps its layout name (Button11Click) and hands over to a method named for what it does
// (AddKey). Everything but loading a file is private: tests act through the messages a user's actions
// produce, and read what no control shows through view().
#pragma once

#include "document/ConfigDocument.h"
#include "document/ConfigLocation.h"
#include "document/SimulatorFiles.h"
#include "mainwindow/Selection.h"
#include "platform/FolderWatch.h"
#include "platform/TempFolder.h"
#include "store/Settings.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Events.h"
#include "ui/FileDialog.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Layout.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/Panel.h"
#include "ui/TreeView.h"

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class TAboutForm;

enum MainControlId : int {
    ID_Panel3 = 100, ID_GroupBox2, ID_Edit3, ID_Button6, ID_Button3, ID_Button10, ID_Panel2, ID_Edit5,
    ID_Button11, ID_Button12, ID_Edit6, ID_Label1, ID_Label2, ID_GroupBox3, ID_Button2, ID_Button7, ID_Panel1,
    ID_Edit4, ID_Button8, ID_Button9, ID_Button13, ID_Button15, ID_Button16, ID_Button14, ID_Button19,
    ID_Button21, ID_Button22, ID_Panel4, ID_Memo1, ID_TreeView1, ID_Button17, ID_Button18, ID_Button4, ID_Edit7,
    ID_Button20, ID_GroupBox1, ID_Edit2, ID_Edit1, ID_ListBox1, ID_ListBox2,
};

// What the main window's start-up takes from its surroundings; tests replace these.
struct Startup {
    std::function<std::optional<std::string>()> appDataFolder = GetAppDataFolder;
    std::function<std::optional<std::string>()> commonAppDataFolder = GetCommonAppDataFolder;
    std::string commandLine;  // empty: the process's own
    std::string settingsKey = "\\Software\\Pellam";
    std::string simulatorProcess = "fsx.exe";  // empty: never asked about; else the open file's simulator is
};

class TForm1 : public ui::Form {
public:
    TForm1() : TForm1(Startup()) {}
    explicit TForm1(const Startup& startup);
    ~TForm1() override;

    // Shows the file in the tree, with nothing selected (start-up, Reload and Restore do this).
    void LoadConfigFile(const std::string& path);

    // What the window keeps that no control shows.
    struct View {
        const std::string &currentPath, &simConfigPath, &bakPath, &orgPath, &programFolder, &addKeySection;
        const ui::FileDialog &load, &save;
        const TIniFile* iniFile;
    };
    View view() const {
        return {currentPath, simConfigPath, bakPath, orgPath, programFolder, addKeySection, load, save,
                document.accessor()};
    }

protected:
    void onEvent(int id, ui::Event event) override;
    void onKey(int id, ui::KeyEvent event, WPARAM& key) override;
    bool wantsKeys(int id) const override;
    void onShow() override { FormShow(); }
    void onClose() override { FormClose(); }
    bool onShortcut(WPARAM key, HWND focus) override;
    bool HoldsTyping(HWND box) const;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static const ui::ControlRow<TForm1> Layout[];
    static const ui::EventBinding<TForm1> Events[];
    static const ui::KeyBinding<TForm1> Keys[];
    static constexpr UINT_PTR ReloadTimer = 1;  // asks again for a reload the user's work put off

    // Controls, named as in the layout.
    ui::Panel Panel4, Panel3, Panel1, Panel2;
    ui::GroupBox GroupBox1, GroupBox2, GroupBox3;
    ui::TreeView TreeView1;
    ui::Memo Memo1;
    ui::Edit Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7;
    ui::Button Button2, Button3, Button4, Button6, Button7, Button8, Button9, Button10, Button11, Button12,
        Button13, Button14, Button15, Button16, Button17, Button18, Button19, Button20, Button21, Button22;
    ui::Label Label1, Label2;
    ui::ListBox ListBox1, ListBox2;
    // Components without a window.
    TTempFolder TempFolder1;
    ui::FileDialog load{ui::FileDialog::Kind::Open, "CFG file|*.cfg|INI file|*.ini|Any file|*.*", "cfg", 0};
    ui::FileDialog save{ui::FileDialog::Kind::Save, "CFG file|*.cfg|Any file|*.*", "cfg", OFN_OVERWRITEPROMPT};
    ui::FileDialog openOther{ui::FileDialog::Kind::Open, "Profile file|*.cfg;*.ini|Any file|*.*", "cfg", 0};

    // The controls that carry data, by what they carry. The two hidden fields show the selection's names;
    // no command reads them: the selection is the tree's (selectionIn).
    ui::TreeView& tree = TreeView1;
    ui::Edit &selectedSectionField = Edit2, &selectedKeyField = Edit1, &valueBox = Edit3;
    ui::Edit &keyNameBox = Edit5, &keyValueBox = Edit6, &sectionNameBox = Edit4, &findBox = Edit7;
    ui::Panel &keyPanel = Panel2, &sectionPanel = Panel1;
    ui::Memo& helpBox = Memo1;
    ui::Button &setValueButton = Button6, &deleteKeyButton = Button3, &addKeyButton = Button10;
    ui::Button &deleteSectionButton = Button2, &addSectionButton = Button7;

    // Fields. The document owns the accessor (iniFile), the original copy and the simulator guard.
    ConfigDocument document;
    std::string programFolder;
    std::string currentPath;
    std::string simConfigPath;
    std::string addKeySection;
    std::string bakPath;
    std::string orgPath;
    std::vector<std::string> pickedCopies;  // copies the changes report compared with, this session
    SystemFolders folders;                  // where the simulators keep their files
    HMENU openMenu = nullptr;               // the system menu's "Open"
    std::vector<FoundFile> offeredFiles;    // the files it offers, in its order
    std::set<std::string> copiedFiles;      // the files whose safety copies were made this session
    std::unique_ptr<TRegIniFile> settings;
    std::unique_ptr<TAboutForm> aboutForm;  // built when first asked for
    platform::FolderWatch folderWatch;            // the shown file's folder
    bool reloadPending = false;             // the file changed outside while the user was busy

    // Start-up and shutdown (app/).
    void CreateLayout();
    void LocateConfigFile(const Startup& startup);
    std::string StartFile() const;
    void RestoreSettings(const Startup& startup);
    void StoreSettings();
    void FormShow();
    void FormClose();

    // The tree (editor/SectionTree.cpp).
    void FillTree();
    void MarkChanges(ui::TreeNode section);
    std::string ChangeTip(ui::TreeNode node) const;
    void ClearValuePanel();
    void ResetValuePanel();
    void ShowSelectedNode();
    void TreeView1Click(ui::Control* sender);
    void TreeView1Change(ui::Control* sender);
    void Edit3Change(ui::Control* sender);

    // Editing values, keys and sections (editor/EditCommands.cpp).
    void SetValue();
    void DeleteKey();
    void DeleteSection();
    void OpenKeyPanel();
    void AddKey();
    void CloseKeyPanel();
    void OpenSectionPanel();
    void AddSection();
    void CloseSectionPanel();
    bool TakeNewName(ui::Edit& box, bool isSection, std::string& name);
    void PanelKey(WPARAM& key, void (TForm1::*confirm)(), void (TForm1::*cancel)());
    void Button6Click(ui::Control*) { SetValue(); }
    void Edit3KeyPress(ui::Control* sender, WPARAM& key);
    void Button3Click(ui::Control*) { DeleteKey(); }
    void Button2Click(ui::Control*) { DeleteSection(); }
    void Button10Click(ui::Control*) { OpenKeyPanel(); }
    void Button11Click(ui::Control*) { AddKey(); }
    void Button12Click(ui::Control*) { CloseKeyPanel(); }
    void Edit5KeyPress(ui::Control*, WPARAM& key) { PanelKey(key, &TForm1::AddKey, &TForm1::CloseKeyPanel); }
    void Button7Click(ui::Control*) { OpenSectionPanel(); }
    void Button8Click(ui::Control*) { AddSection(); }
    void Button9Click(ui::Control*) { CloseSectionPanel(); }
    void Edit4KeyPress(ui::Control*, WPARAM& key) { PanelKey(key, &TForm1::AddSection, &TForm1::CloseSectionPanel); }

    // The context menu of a tree item (editor/ContextMenu.cpp) and the keyboard (app/Shortcuts.cpp).
    void ShowContextMenu(POINT at);
    void RevertSelectedKey();
    void CopySelected();
    void DeleteSelected();
    void OpenContextMenuByKey();
    void OpenContextMenuByMouse();
    void BuildSystemMenu();
    void UpdateHistoryMenu();
    void FindAgain();
    void FocusFind();

    // Finding and arranging (editor/FindAndArrange.cpp).
    void FindNext(bool wrapAround);
    void SortTree();
    void SortChildren(ui::TreeNode parent);
    void ExpandAll(UINT action);
    void ExpandBelow(ui::TreeNode node, UINT action);
    std::vector<ui::TreeNode> NodesInTreeOrder() const;
    void Button20Click(ui::Control*) { FindNext(true); }
    void Edit7KeyDown(ui::Control* sender, WPARAM& key);
    void Button4Click(ui::Control*) { SortTree(); }
    void Button17Click(ui::Control*) { ExpandAll(TVE_EXPAND); }
    void Button18Click(ui::Control*) { ExpandAll(TVE_COLLAPSE); }
    void TreeView1KeyPress(ui::Control* sender, WPARAM& key);

    // Undo and redo (editor/HistoryCommands.cpp).
    void Undo() { StepHistory(true); }
    void Redo() { StepHistory(false); }
    void StepHistory(bool back);

    // Following the file as other programs change it (editor/FileFollowing.cpp).
    void WatchFile(const std::string& path);
    void FileChanged();
    void ReloadWhenIdle();
    void ShowFileAt(const std::string& section, const std::string& key);

    // Opening another file: from the system menu, the open dialog or a drop (mainwindow/OpenFiles.cpp).
    void OpenFile(const std::string& path);
    void UseFile(const std::string& path);
    void OpenOtherFile();
    void OpenDroppedFile(HDROP drop);
    void ShowCaption();
    void FillOpenMenu();
    void ShowChangesItem();
    bool RunMenuCommand(UINT id);

    // File commands and help (editor/FileCommands.cpp).
    void Reload() { LoadConfigFile(simConfigPath); }
    void SaveCopy();
    void RestoreFromCopy();
    void ViewInNotepad();
    void ToggleHelp();
    void ShowAbout();
    void ShowChangesReport();
    void Button13Click(ui::Control*) { Reload(); }
    void Button21Click(ui::Control*) { SaveCopy(); }
    void Button22Click(ui::Control*) { RestoreFromCopy(); }
    void Button19Click(ui::Control*) { ViewInNotepad(); }
    void Button16Click(ui::Control*) { ToggleHelp(); }
    void Button14Click(ui::Control*) { close(); }
    void Button15Click(ui::Control*) { ShowAbout(); }
};
