// Reload, copies, Notepad, help and exit.
#include "mainwindow/HelpText.h"
#include "support/MainWindow.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

const char* const Config = "[Main]\r\nMaximized=0\r\n[Sound]\r\nSOUND=1\r\n";

class FileCommandsTest : public ::testing::Test {
protected:
    std::string copies() { return window.appDataPath() + "\\Copies"; }
    MainWindow window{Config};
};

TEST_F(FileCommandsTest, SaveCopyWritesTheFileAndRemembersTheFolder) {
    makeFolders(copies());
    window.prompts.chosenFiles = {copies() + "\\copy.cfg"};
    window.button(ID_Button21).click();
    EXPECT_EQ(readFile(copies() + "\\copy.cfg"), Config);
    EXPECT_EQ(window->view().save.InitialDir(), copies());
    ASSERT_EQ(window.prompts.dialogs.size(), 1u);
    const AskedDialog& d = window.prompts.dialogs[0];
    EXPECT_TRUE(d.save);
    EXPECT_EQ(d.filter, "CFG file|*.cfg|Any file|*.*|");
    EXPECT_EQ(d.defaultExt, "cfg");
    EXPECT_TRUE(d.flags & OFN_OVERWRITEPROMPT);
    EXPECT_FALSE(d.flags & OFN_HIDEREADONLY);
    EXPECT_EQ(d.filterIndex, 1);
}

TEST_F(FileCommandsTest, SaveCopyOntoAnExistingFileReplacesIt) {
    makeFolders(copies());
    writeFile(copies() + "\\old.cfg", "old");
    window.prompts.chosenFiles = {copies() + "\\old.cfg"};
    window.button(ID_Button21).click();
    EXPECT_EQ(readFile(copies() + "\\old.cfg"), Config);
    EXPECT_TRUE(window.prompts.messages.empty());
}

TEST_F(FileCommandsTest, AFailedCopyIsReportedWithTheFileAndTheReason) {
    std::string target = window.appDataPath() + "\\missing\\copy.cfg";
    window.prompts.chosenFiles = {target};
    window.button(ID_Button21).click();
    ASSERT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_THAT(window.prompts.messages[0].text, HasSubstr(target));
    EXPECT_GT(window.prompts.messages[0].text.size(), target.size() + window.simPath().size() + 20) << "a reason";
    EXPECT_EQ(window.prompts.messages[0].caption, "Brimlow");
    EXPECT_EQ(window.prompts.messages[0].type, static_cast<UINT>(MB_ICONSTOP | MB_OK));
}

TEST_F(FileCommandsTest, TheFolderRuleKeepsADrivesBackslashOnly) {
    window.prompts.chosenFiles = {"D:\\Backups\\FSX.cfg", "D:\\FSX.cfg"};
    window.button(ID_Button21).click();
    EXPECT_EQ(window->view().save.InitialDir(), "D:\\Backups");
    window.button(ID_Button21).click();
    EXPECT_EQ(window->view().save.InitialDir(), "D:\\");
}

TEST_F(FileCommandsTest, RestoreAnsweredNoOpensNoDialog) {
    window.prompts.answers = {IDNO};
    window.button(ID_Button22).click();
    ASSERT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_EQ(window.prompts.messages[0].text,
              "This will replace the current CFG with the previous saved copy\n"
              "you select. It is recommended that you use the Save Copy option\n"
              "to save a backup copy of the current file before continuing in\n"
              "case you wish to revert back again\n\nAre you sure you wish to continue?\n");
    EXPECT_EQ(window.prompts.messages[0].caption, "Brimlow");
    EXPECT_EQ(window.prompts.messages[0].type, 0x34u);
    EXPECT_TRUE(window.prompts.dialogs.empty());
}

TEST(FileCommandsRestore, ACancelledRestoreChangesNothingButTheOpenDialogsFolder) {
    MainWindow window(Config, [](TestRegistryKey& key) { key.setText("Save", "C:\\Saved\\"); });
    window.select("Sound");
    window.prompts.answers = {IDYES};
    window.button(ID_Button22).click();
    ASSERT_EQ(window.prompts.dialogs.size(), 1u);
    EXPECT_FALSE(window.prompts.dialogs[0].save);
    EXPECT_EQ(window.prompts.dialogs[0].initialDir, "C:\\Saved");
    EXPECT_EQ(window.prompts.dialogs[0].filter, "CFG file|*.cfg|INI file|*.ini|Any file|*.*|");
    EXPECT_EQ(window->view().load.InitialDir(), "C:\\Saved");
    EXPECT_EQ(window.fileText(), Config);
    EXPECT_EQ(window.tree().selected(), window.node("Sound")) << "not reloaded";
}

TEST_F(FileCommandsTest, RestoreFromAnotherFileReplacesAndReloads) {
    writeFile(window.appDataPath() + "\\saved.cfg", "[Restored]\r\nk=1\r\n");
    window.prompts.answers = {IDYES};
    window.prompts.chosenFiles = {window.appDataPath() + "\\saved.cfg"};
    window.button(ID_Button22).click();
    EXPECT_EQ(window.fileText(), "[Restored]\r\nk=1\r\n");
    EXPECT_EQ(window.topLevelTexts(), std::vector<std::string>{"Restored"});
    EXPECT_EQ(window->view().load.InitialDir(), window.appDataPath());
    EXPECT_TRUE(window.prompts.messages.size() == 1u) << "only the question";
}

TEST_F(FileCommandsTest, RestoreFromTheFileItselfChangesNothingAndReloads) {
    window.button(ID_Button4).click();
    std::string spelt = window.simPath();
    CharUpperBuffA(&spelt[0], static_cast<DWORD>(spelt.size()));
    window.prompts.answers = {IDYES};
    window.prompts.chosenFiles = {spelt};
    window.button(ID_Button22).click();
    EXPECT_EQ(window.fileText(), Config);
    EXPECT_EQ(window.prompts.messages.size(), 1u) << "no error";
    EXPECT_EQ(window.topLevelTexts(), (std::vector<std::string>{"Main", "Sound"}));
}

TEST_F(FileCommandsTest, AFailedRestoreIsReportedAndTheFileKept) {
    window.prompts.answers = {IDYES};
    window.prompts.chosenFiles = {window.appDataPath() + "\\no such copy.cfg"};
    window.button(ID_Button22).click();
    ASSERT_EQ(window.prompts.messages.size(), 2u);
    EXPECT_THAT(window.prompts.messages[1].text, HasSubstr("no such copy.cfg"));
    EXPECT_EQ(window.fileText(), Config);
    ASSERT_NE(window->view().iniFile, nullptr);
}

TEST_F(FileCommandsTest, NotepadOpensTheLoadedFile) {
    window.button(ID_Button19).click();
    ASSERT_EQ(window.prompts.shellRequests.size(), 1u);
    EXPECT_EQ(window.prompts.shellRequests[0].verb, "Open");
    EXPECT_EQ(window.prompts.shellRequests[0].file, "notepad.exe");
    EXPECT_EQ(window.prompts.shellRequests[0].parameters, window.simPath());
    EXPECT_EQ(window.prompts.shellRequests[0].owner, window->handle());
}

TEST_F(FileCommandsTest, HelpTogglesTheTextOverTheTreeAndLeavesTheTreeAsItWas) {
    window.select("Sound/SOUND");
    window.button(ID_Button16).click();
    EXPECT_TRUE(window.edit(ID_Memo1).visible());
    EXPECT_EQ(window.edit(ID_Memo1).text().substr(0, 7), "Brimlow");
    window.button(ID_Button16).click();
    EXPECT_FALSE(window.edit(ID_Memo1).visible());
    EXPECT_EQ(window.tree().selected(), window.node("Sound/SOUND"));
    EXPECT_TRUE(window.tree().expanded(window.node("Sound")));
}

TEST(HelpText, HasItsBlocksAndLines) {
    const auto& lines = HelpText();
    ASSERT_EQ(lines.size(), 104u);
    EXPECT_EQ(lines[0].substr(0, 7), "Brimlow");
    EXPECT_EQ(lines[1].substr(0, 31), "Press Help button again to hide");
    EXPECT_EQ(lines.back(), "");
    int headings = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 59u);
        if (lines[i] == std::string(43, '=') && i + 2 < lines.size() && lines[i + 2] == std::string(43, '=')) {
            ++headings;
        }
        if (i + 1 < lines.size()) {
            EXPECT_FALSE(lines[i].empty() && lines[i + 1].empty()) << "one empty line at " << i;
        }
    }
    EXPECT_EQ(headings, 6);
    auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    EXPECT_TRUE(has("Adding a new Key "));
    EXPECT_TRUE(has("Adding a new Section "));
    EXPECT_TRUE(has("Note that any spaces in the key name you use will be "));
    EXPECT_TRUE(has("replaced with underscores."));
    EXPECT_TRUE(has("Note that any spaces in the Section name you use will "));
    EXPECT_TRUE(has("be replaced with underscores."));
}

TEST_F(FileCommandsTest, ExitClosesTheWindow) {
    window.button(ID_Button14).click();
    EXPECT_EQ(window->handle(), nullptr);
    EXPECT_EQ(window.registry.text("Top"), "40") << "the settings were stored on the way";
}

}  // namespace
