// Changes against the original copy: bold items, their tips, the context menu and the report.
#include "mainwindow/ChangesReport.h"
#include "support/MainWindow.h"
#include "support/RunningSimulator.h"
#include "ui/Application.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

const char* const Config = "[Main]\r\nUser Objects=Airplane\r\nMaximized=0\r\n[Sound]\r\nSOUND=1\r\n";

enum Command { Revert = 1, DeleteKey, DeleteSection, Copy };

void selectAllRows(HWND report) {
    LVITEMA item{};
    item.stateMask = item.state = LVIS_SELECTED;
    SendMessageA(GetDlgItem(report, ID_ReportList), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&item));
}

// The report's changes between the window's file and its original copy, as both stand on disk.
std::vector<Change> changesOnDisk(MainWindow& window) {
    ConfigDocument document{""};
    document.open(window.simPath());
    document.loadOriginal(window.simPath() + ".org");
    return changesSince(document.original(), document.file());
}

class ChangeMarksTest : public ::testing::Test {
protected:
    bool bold(const std::string& path) { return window.tree().bold(window.node(path)); }

    MainWindow window{Config};
};

TEST_F(ChangeMarksTest, WhatDiffersFromTheOriginalIsBoldWithItsOriginalInTheTip) {
    EXPECT_FALSE(bold("Main"));
    window.setValue("Main/Maximized", "1");
    EXPECT_TRUE(bold("Main/Maximized"));
    EXPECT_TRUE(bold("Main"));
    EXPECT_FALSE(bold("Main/User Objects"));
    EXPECT_EQ(window.tip("Main/Maximized"), "Original value: 0");
    EXPECT_EQ(window.tip("Main/User Objects"), "") << "unchanged items have no tip";
    EXPECT_EQ(window.tip("Main"), "1 key changed since the original.");

    window.click("Sound");
    window.button(ID_Button7).click();
    window.edit(ID_Edit4).setText("Extra");
    window.button(ID_Button8).click();
    EXPECT_TRUE(bold("Extra"));
    EXPECT_EQ(window.tip("Extra"), "The original file has no such section.");

    window.setValue("Main/Maximized", "0");
    EXPECT_FALSE(bold("Main/Maximized")) << "the same value again is no change";
    EXPECT_FALSE(bold("Main"));

    window.setValue("Sound/SOUND", "0");
    window.button(ID_Button13).click();  // reload
    EXPECT_TRUE(bold("Sound/SOUND"));
    window.button(ID_Button4).click();  // sort
    EXPECT_TRUE(bold("Sound/SOUND"));
}

// The context menu is opened by the mouse, and copies: the shared cursor and clipboard are taken in turn.
class ChangeMarksDesktop : public ChangeMarksTest {};

TEST_F(ChangeMarksDesktop, TheContextMenuRevertsDeletesAndCopies) {
    window.setValue("Main/Maximized", "1");
    window.prompts.menuChoices = {Copy, Revert};
    window.rightClick("Main/Maximized");
    ASSERT_EQ(window.prompts.menus.size(), 1u);
    std::vector<std::string> shown;
    for (const MenuItem& item : window.prompts.menus[0]) shown.push_back(item.text + (item.enabled ? "" : " (grey)"));
    EXPECT_THAT(shown, ElementsAre("Revert to Original Value", "-", "Delete Key", "Delete whole Section (grey)", "-",
                                   "Copy"));
    EXPECT_EQ(clipboardText(), "Maximized=1");
    window.rightClick("Main/Maximized");
    EXPECT_EQ(window.fileText(), Config);
    EXPECT_FALSE(bold("Main/Maximized"));
    EXPECT_EQ(window.edit(ID_Edit3).text(), "0") << "the value box shows the original again";

    window.prompts.menuChoices = {Copy, DeleteSection};
    window.prompts.answers = {IDYES};
    window.rightClick("Sound");
    EXPECT_EQ(clipboardText(), "[Sound]");
    EXPECT_FALSE(window.prompts.menus.back()[0].enabled) << "nothing to revert on a section";
    window.rightClick("Sound");
    EXPECT_EQ(window.prompts.messages.back().caption, "Sound");
    EXPECT_EQ(window.node("Sound"), nullptr);
}

TEST(ChangeMarksWithoutOriginal, NothingIsBoldAndNothingIsOffered) {
    MainWindow window(Config, nullptr, {true, "", ""});
    window.click("Main/Maximized");
    window.edit(ID_Edit3).setText("5");
    window.button(ID_Button6).click();
    EXPECT_FALSE(window.tree().bold(window.node("Main/Maximized")));
    EXPECT_EQ(window.tip("Main/Maximized"), "");
    window.pressInWindow(window.tree(), VK_APPS);
    ASSERT_EQ(window.prompts.menus.size(), 1u);
    EXPECT_FALSE(window.prompts.menus[0][0].enabled) << "Revert";
    HMENU system = GetSystemMenu(window->handle(), FALSE);
    for (int i = 0; i < GetMenuItemCount(system); ++i) {
        EXPECT_NE(GetMenuItemID(system, i), 0x0010u) << "no report offered";
    }
}

// A name the section holds twice reads as its first line: both nodes show that line's state, and the
// report has one row for the name.
TEST(ChangeMarksDuplicates, EveryNodeOfANameIsMarkedByWhatTheSystemReads) {
    MainWindow window("[A]\r\nk=1\r\nk=2\r\n");
    ui::TreeView& tree = window.tree();
    ui::TreeNode first = tree.firstChild(window.node("A")), second = tree.nextSibling(first);
    EXPECT_FALSE(tree.bold(second)) << "after loading";
    window.click("A/k");
    window.edit(ID_Edit3).setText("5");
    window.button(ID_Button6).click();
    EXPECT_TRUE(tree.bold(first));
    EXPECT_TRUE(tree.bold(second));
    std::vector<Change> changes = changesOnDisk(window);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].now, "5");
}

// A section is matched with the original's whatever the case of its name: the key it lost is reported
// once, under the original's name, and none of its keys is taken for added.
TEST(ChangesReportCase, ASectionMatchesTheOriginalWhateverTheCaseOfItsName) {
    MainWindow window(Config);
    writeFile(window.simPath(), "[MAIN]\r\nUser Objects=Airplane\r\n[sound]\r\nSOUND=2\r\n");
    std::vector<Change> changes = changesOnDisk(window);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].kind, Change::Removed);
    EXPECT_EQ(changes[0].section + "/" + changes[0].key + "=" + changes[0].original, "Main/Maximized=0");
    EXPECT_EQ(changes[1].kind, Change::Changed);
    EXPECT_EQ(changes[1].section + "/" + changes[1].key + "=" + changes[1].now, "sound/SOUND=2");
}

// The report over a file changed in every way: a value, a new key, a lost key, a lost section.
class ChangesReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(folder / "FSX.cfg.org", "[Main]\r\nA=1\r\nB=2\r\nC=3\r\n[Gone]\r\nG=7\r\n");
        writeFile(folder / "FSX.cfg", "[Main]\r\nA=1\r\nB=20\r\nD=4\r\n");
        document.open(folder / "FSX.cfg");
        document.loadOriginal(folder / "FSX.cfg.org");
    }
    std::vector<std::string> rows(ChangesReport& report) {
        ui::ListView list;
        list.attach(GetDlgItem(report.handle(), ID_ReportList));
        std::vector<std::string> texts;
        for (int row = 0; row < list.count(); ++row) {
            texts.push_back(list.text(row, 0) + "|" + list.text(row, 1) + "|" + list.text(row, 2) + "|" +
                            list.text(row, 3));
        }
        return texts;
    }
    void click(ChangesReport& report, int id) { SendMessageA(GetDlgItem(report.handle(), id), BM_CLICK, 0, 0); }
    // The copy at index chosen in the list, as the mouse or the keyboard chooses it.
    void choose(ChangesReport& report, int index) {
        HWND list = GetDlgItem(report.handle(), ID_ReportCopyChoice);
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(report.handle(), WM_COMMAND, MAKEWPARAM(ID_ReportCopyChoice, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    }

    ScriptedPrompts prompts;
    ScratchFolder folder;
    ConfigDocument document{""};
    std::string org = folder / "FSX.cfg.org", bak = folder / "FSX.cfg.bak", pickFrom = folder.path();
    std::vector<std::string> picked;
    ReportCopies copies{org, bak, pickFrom, picked};
};

class ChangesReportDesktop : public ChangesReportTest {};

TEST_F(ChangesReportDesktop, ListsChangedAddedAndRemovedKeysInFileOrder) {
    ChangesReport report(document, copies);
    EXPECT_THAT(rows(report), ElementsAre("Main|B|2|20", "Main|D|(none)|4", "Main|C|3|(removed)",
                                          "Gone|G|7|(removed)"));
    click(report, ID_ReportCopy);
    EXPECT_EQ(clipboardText(), "Section\tKey\tOriginal\tNow\r\nMain\tB\t2\t20\r\nMain\tD\t(none)\t4\r\n"
                               "Main\tC\t3\t(removed)\r\nGone\tG\t7\t(removed)\r\n");
}

TEST_F(ChangesReportTest, RevertingTheSelectionAsksOnceAndBringsBackTheOriginal) {
    ChangesReport report(document, copies);
    selectAllRows(report.handle());
    prompts.answers = {IDYES};
    click(report, ID_ReportRevert);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].caption, "Brimlow");
    EXPECT_TRUE(report.reverted());
    EXPECT_TRUE(changesSince(document.original(), document.file()).empty());
    EXPECT_THAT(rows(report), ElementsAre("No changes since the original.|||"));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(report.handle(), ID_ReportRevert)));
}

// The copy holds [SOUND] twice and a quoted value: the reader reads the first section of a name, so each
// key is one row; Revert writes the value back as the copy holds it, so that it reads as it did.
TEST_F(ChangesReportTest, ACopyIsReadAsTheReaderReadsItAndItsValuesAreWrittenBackAsItHoldsThem) {
    writeFile(org, "[SOUND]\r\nA=1\r\nB=\" 2 \"\r\n[MAIN]\r\nM=1\r\n[SOUND]\r\nC=3\r\n");
    writeFile(folder / "FSX.cfg", "[SOUND]\r\nA=1\r\n[MAIN]\r\nM=1\r\n");
    document.open(folder / "FSX.cfg");
    document.loadOriginal(org);
    ChangesReport report(document, copies);
    EXPECT_THAT(rows(report), ElementsAre("SOUND|B| 2 |(removed)"));
    selectAllRows(report.handle());
    prompts.answers = {IDYES};
    click(report, ID_ReportRevert);
    EXPECT_EQ(prompts.messages.size(), 1u) << prompts.messages.back().text;
    EXPECT_EQ(readFile(folder / "FSX.cfg"), "[SOUND]\r\nA=1\r\nB=\" 2 \"\r\n[MAIN]\r\nM=1\r\n");
    EXPECT_THAT(rows(report), ElementsAre("No changes since the original.|||"));
}

// The stand-in simulator runs (suites named so take turns). Its question comes before any row is checked,
// since the simulator may rewrite the file while the user closes it; a No names the rows not written.
class ChangesReportSimulatorGuard : public ChangesReportTest {};

TEST_F(ChangesReportSimulatorGuard, TheSimulatorIsAskedAboutFirstAndANoNamesTheRowsNotWritten) {
    ConfigDocument guarded("fsx.exe");
    guarded.open(folder / "FSX.cfg");
    guarded.loadOriginal(org);
    RunningSimulator simulator;
    ASSERT_TRUE(simulator.started());
    ChangesReport report(guarded, copies);
    selectAllRows(report.handle());
    const std::string before = readFile(folder / "FSX.cfg");
    prompts.answers = {IDYES, IDNO};
    click(report, ID_ReportRevert);
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[2].text,
              "The simulator is running, so these rows were not written:\n\n[Main] B\n[Main] D\n[Main] C\n[Gone] G");
    EXPECT_EQ(readFile(folder / "FSX.cfg"), before);

    const std::string theirs = "[Main]\r\nA=1\r\nB=21\r\nD=4\r\n";
    selectAllRows(report.handle());
    prompts.answers = {IDYES, IDYES};
    prompts.whileAsked = [&] { prompts.whileAsked = [&] { writeFile(folder / "FSX.cfg", theirs); }; };  // at the second
    click(report, ID_ReportRevert);
    EXPECT_THAT(prompts.messages.back().text, ::testing::HasSubstr("[Main] B has been changed in the file since"));
    EXPECT_EQ(readFile(folder / "FSX.cfg"), theirs);
}

// The file at start differs from the file in a key added and a key lost, a copy saved elsewhere in a
// value; a folder is no copy.
TEST_F(ChangesReportTest, ComparesWithTheCopyChosenRevertsToItAndRefusesWhatIsNoCopy) {
    writeFile(bak, "[Main]\r\nA=1\r\nB=20\r\nC=3\r\n");
    writeFile(folder / "tweak.cfg", "[Main]\r\nA=9\r\nB=20\r\nD=4\r\n");
    makeFolders(folder / "folder.cfg");
    ChangesReport report(document, copies);
    choose(report, 1);
    EXPECT_THAT(rows(report), ElementsAre("Main|D|(none)|4", "Main|C|3|(removed)"));
    ui::ListView list;
    list.attach(GetDlgItem(report.handle(), ID_ReportList));
    list.select(1, true);
    prompts.answers = {IDYES};
    click(report, ID_ReportRevert);
    EXPECT_THAT(prompts.messages.back().text, ::testing::HasSubstr("write back the values it had at start"));
    EXPECT_EQ(readFile(folder / "FSX.cfg"), "[Main]\r\nA=1\r\nB=20\r\nD=4\r\nC=3\r\n");
    EXPECT_THAT(rows(report), ElementsAre("Main|D|(none)|4"));
    EXPECT_TRUE(document.undo());
    EXPECT_EQ(readFile(folder / "FSX.cfg"), "[Main]\r\nA=1\r\nB=20\r\nD=4\r\n");

    prompts.chosenFiles = {folder / "tweak.cfg"};
    choose(report, 2);
    EXPECT_EQ(prompts.dialogs.back().initialDir, folder.path()) << "where Save Copy last saved";
    EXPECT_THAT(rows(report), ElementsAre("Main|A|9|1"));
    EXPECT_THAT(picked, ElementsAre(folder / "tweak.cfg")) << "kept for the session";
    const std::string theirs = "[Main]\r\nA=2\r\nB=20\r\nD=4\r\n";
    writeFile(folder / "FSX.cfg", theirs);
    list.select(0, true);
    prompts.answers = {IDYES};
    click(report, ID_ReportRevert);
    EXPECT_THAT(prompts.messages.back().text, ::testing::StartsWith("Unable to revert [Main] A.\n\n[Main] A has been changed"));
    EXPECT_EQ(readFile(folder / "FSX.cfg"), theirs) << "another program's change is not written over";
    prompts.chosenFiles = {folder / "folder.cfg"};
    choose(report, 3);
    EXPECT_THAT(prompts.messages.back().text, ::testing::StartsWith("Unable to compare with " + (folder / "folder.cfg") +
                                                                     ".\n\nIt is a folder, not a file"));
    EXPECT_THAT(rows(report), ElementsAre("Main|A|9|2")) << "the report stays on its choice";
    EXPECT_EQ(SendMessageA(GetDlgItem(report.handle(), ID_ReportCopyChoice), CB_GETCURSEL, 0, 0), 2);
}

// The report opened from the system menu and closed with Escape, as a user would.
void CALLBACK revertAllAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND report = ownWindow("TChangesReport");
    if (!report || !IsWindowVisible(report)) return;
    KillTimer(nullptr, timer);
    selectAllRows(report);
    SendMessageA(GetDlgItem(report, ID_ReportRevert), BM_CLICK, 0, 0);
    MSG escape{GetDlgItem(report, ID_ReportList), WM_KEYDOWN, VK_ESCAPE, 1, 0, {0, 0}};
    ui::Application::processMessage(escape);
}

TEST(ChangesReportWindow, RevertsMadeThereShowInTheTreeOnceItCloses) {
    MainWindow window(Config);
    window.click("Main/Maximized");
    window.edit(ID_Edit3).setText("1");
    window.button(ID_Button6).click();
    window.prompts.answers = {IDYES};
    SetTimer(nullptr, 0, 10, revertAllAndClose);
    SendMessageA(window->handle(), WM_SYSCOMMAND, 0x0010, 0);
    EXPECT_EQ(window.fileText(), Config);
    EXPECT_FALSE(window.tree().bold(window.node("Main/Maximized")));
}

}  // namespace
