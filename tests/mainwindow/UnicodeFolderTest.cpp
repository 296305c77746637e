// A user whose roaming folder is named with a letter the ANSI code page (1252) can't hold.
#include "store/Settings.h"
#include "support/MainWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

const char* const Config = "[Main]\r\nUser Objects=Airplane\r\n[Display]\r\nTitle=Caf\xE9\r\n";

WindowOptions below(const std::string& folder) {
    makeFolders(folder);
    WindowOptions options;
    options.appDataIn = folder;
    return options;
}

class UnicodeFolder : public ::testing::Test {
protected:
    std::string copies() { return window.appDataPath() + "\\Kopie \xC5\x81ukasza"; }

    ScratchFolder users;
    MainWindow window{Config, nullptr, below(users / "\xC5\x81ukasz\\AppData\\Roaming")};
};

TEST_F(UnicodeFolder, TheFileIsFoundEditedAndCopiedAndItsFolderRemembered) {
    EXPECT_THAT(window.simPath(), HasSubstr("\\\xC5\x81ukasz\\"));
    window.select("Display/Title");
    EXPECT_EQ(window.edit(ID_Edit3).text(), "Caf\xE9") << "the file's text as the system reads it";
    EXPECT_EQ(readFile(window.simPath() + ".org"), Config);
    EXPECT_EQ(readFile(window.simPath() + ".bak"), Config);

    window.setValue("Main/User Objects", "Glider");
    const std::string edited = "[Main]\r\nUser Objects=Glider\r\n[Display]\r\nTitle=Caf\xE9\r\n";
    EXPECT_EQ(window.fileText(), edited);

    window.prompts.chosenFiles = {copies() + "\\brak\\copy.cfg", copies() + "\\copy.cfg"};
    window.button(ID_Button21).click();
    EXPECT_THAT(window.prompts.messages.at(0).text, HasSubstr(copies() + "\\brak\\copy.cfg")) << "the path whole";
    makeFolders(copies());
    window.button(ID_Button21).click();
    EXPECT_EQ(readFile(copies() + "\\copy.cfg"), edited);

    window.button(ID_Button19).click();
    ASSERT_EQ(window.prompts.shellRequests.size(), 1u);
    EXPECT_EQ(window.prompts.shellRequests[0].parameters, window.simPath());

    window->close();
    EXPECT_EQ(TRegIniFile(window.registry.basePath()).ReadSettingText("Brimlow", "Save", ""), copies());
}

TEST_F(UnicodeFolder, ARestoreFromCopyReadsTheCopyThereAndRemembersItsFolder) {
    makeFolders(copies());
    writeFile(copies() + "\\copy.cfg", "[Other]\r\n");
    window.prompts.answers = {IDYES};
    window.prompts.chosenFiles = {copies() + "\\copy.cfg"};
    window.button(ID_Button22).click();
    EXPECT_EQ(window.fileText(), "[Other]\r\n");
    window->close();
    EXPECT_EQ(TRegIniFile(window.registry.basePath()).ReadSettingText("Brimlow", "Load", ""), copies());
}

}  // namespace
