// Changing the file through the window: every confirmed change is in the file at once.
#include "support/MainWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const char* const Config =
    "[Main]\r\nUser Objects=Airplane\r\nMaximized=0\r\n"
    "[Sound]\r\nSOUND=1\r\n"
    "[Misc]\r\nDummy=7\r\nCom_Rate=7\r\n";

class EditCommandsTest : public ::testing::Test {
protected:
    std::vector<std::string> children(const std::string& section) {
        std::vector<std::string> keys;
        ui::TreeView& tree = window.tree();
        for (ui::TreeNode k = tree.firstChild(window.node(section)); k; k = tree.nextSibling(k)) {
            keys.push_back(tree.text(k));
        }
        return keys;
    }
    void openKeyPanel(const std::string& section) {
        window.click(section);
        window.button(ID_Button10).click();
    }

    MainWindow window{Config};
};

TEST_F(EditCommandsTest, SetValueByButtonWritesAndDisablesTheButton) {
    window.click("Main/Maximized");
    window.type(window.edit(ID_Edit3), "1");
    window.button(ID_Button6).click();
    EXPECT_EQ(window.fileText(), "[Main]\r\nUser Objects=Airplane\r\nMaximized=01\r\n[Sound]\r\nSOUND=1\r\n"
                                 "[Misc]\r\nDummy=7\r\nCom_Rate=7\r\n");
    EXPECT_FALSE(window.button(ID_Button6).enabled());
    EXPECT_EQ(window.edit(ID_Edit1).text(), "Maximized") << "the key stays shown";
}

TEST_F(EditCommandsTest, EnterInTheValueBoxWritesEvenWithTheButtonDisabled) {
    window.click("Sound/SOUND");
    ASSERT_FALSE(window.button(ID_Button6).enabled());
    writeFile(window.simPath(), "[Sound]\r\nSOUND=0\r\n");  // changed behind the window's back
    window.press(window.edit(ID_Edit3), '\r');
    EXPECT_EQ(window.fileText(), "[Sound]\r\nSOUND=1\r\n");
    EXPECT_EQ(window.edit(ID_Edit3).text(), "1") << "Enter is not typed into the box";
}

TEST_F(EditCommandsTest, DeletingAKeyAsksAndNoChangesNothing) {
    window.click("Main/User Objects");
    window.prompts.answers = {IDNO};
    window.button(ID_Button3).click();
    EXPECT_EQ(window.fileText(), Config);
    ASSERT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_EQ(window.prompts.messages[0].text,
              "This will remove the selected key from the file\n\nAre you sure you wish to continue?\n");
    EXPECT_EQ(window.prompts.messages[0].caption, "User Objects");
    EXPECT_EQ(window.prompts.messages[0].type, 0x34u);
    window.prompts.answers = {IDCANCEL};  // Escape, as Wine answers it
    window.button(ID_Button3).click();
    EXPECT_EQ(window.fileText(), Config) << "only Yes deletes";

    window.prompts.answers = {IDYES};
    window.button(ID_Button3).click();
    EXPECT_THAT(window.fileText(), ::testing::Not(HasSubstr("User Objects")));
    EXPECT_THAT(children("Main"), ElementsAre("Maximized"));
    EXPECT_EQ(window.edit(ID_Edit1).text(), "");
    EXPECT_FALSE(window.button(ID_Button3).enabled());
}

TEST_F(EditCommandsTest, DeletingTheLastKeyKeepsTheSection) {
    window.click("Sound/SOUND");
    window.prompts.answers = {IDYES};
    window.button(ID_Button3).click();
    EXPECT_THAT(window.fileText(), HasSubstr("[Sound]\r\n"));
    ASSERT_NE(window.node("Sound"), nullptr);
    EXPECT_TRUE(children("Sound").empty());
}

TEST_F(EditCommandsTest, DeletingASectionAsksWithItsNameAndRemovesItWhole) {
    window.click("Misc");
    window.prompts.answers = {IDNO, IDYES};
    window.button(ID_Button2).click();
    EXPECT_EQ(window.fileText(), Config);
    window.button(ID_Button2).click();
    EXPECT_EQ(window.prompts.messages[0].caption, "Misc");
    EXPECT_EQ(window.prompts.messages[0].text,
              "This will remove the whole section from the\nfile. All Keys in this section will be lost\n\n"
              "Are you sure you wish to continue?\n");
    EXPECT_EQ(window.fileText(), "[Main]\r\nUser Objects=Airplane\r\nMaximized=0\r\n[Sound]\r\nSOUND=1\r\n");
    EXPECT_THAT(window.topLevelTexts(), ElementsAre("Main", "Sound"));
    EXPECT_FALSE(window.button(ID_Button2).enabled());
}

TEST_F(EditCommandsTest, TheKeyPanelOpensOverAResetRightSideWithTheTreeDisabled) {
    window.click("Sound");
    window.button(ID_Button10).click();
    EXPECT_TRUE(window.panel(ID_Panel2).visible());
    EXPECT_FALSE(window.tree().enabled());
    EXPECT_EQ(window->view().addKeySection, "Sound");
    EXPECT_EQ(window.edit(ID_Edit2).text(), "");
    EXPECT_EQ(window.tree().selected(), nullptr) << "nothing highlighted beside the reset right-hand side";
    EXPECT_FALSE(window.button(ID_Button10).enabled());
    EXPECT_TRUE(window.button(ID_Button13).enabled()) << "controls outside the panel stay usable";
}

TEST_F(EditCommandsTest, AddingAKeyTurnsSpacesIntoUnderscoresAndAddsItLast) {
    window.addKey("Sound", " Panel volume level ", "0.5");
    EXPECT_EQ(window.edit(ID_Edit5).text(), "_Panel_volume_level_");
    EXPECT_THAT(window.fileText(), HasSubstr("[Sound]\r\nSOUND=1\r\n_Panel_volume_level_=0.5\r\n"));
    EXPECT_THAT(children("Sound"), ElementsAre("SOUND", "_Panel_volume_level_"));
    EXPECT_FALSE(window.panel(ID_Panel2).visible());
    EXPECT_TRUE(window.tree().enabled());
    EXPECT_EQ(window.edit(ID_Edit2).text(), "") << "the right-hand side is reset";
}

TEST_F(EditCommandsTest, AKeyWithAnEmptyValueIsWrittenWithNothingAfterTheEqualsSign) {
    openKeyPanel("Misc");
    window.type(window.edit(ID_Edit5), "Empty");
    window.press(window.edit(ID_Edit6), '\r');
    EXPECT_THAT(window.fileText(), HasSubstr("Com_Rate=7\r\nEmpty=\r\n"));
    EXPECT_FALSE(window.panel(ID_Panel2).visible());
}

TEST_F(EditCommandsTest, EscapeInEitherBoxCancelsTheKey) {
    for (ui::Edit* box : {&window.edit(ID_Edit5), &window.edit(ID_Edit6)}) {
        openKeyPanel("Misc");
        window.type(window.edit(ID_Edit5), "Never");
        window.press(*box, 27);
        EXPECT_FALSE(window.panel(ID_Panel2).visible());
        EXPECT_TRUE(window.tree().enabled());
    }
    EXPECT_EQ(window.fileText(), Config);
}

TEST_F(EditCommandsTest, AnExistingKeyGetsItsNewValueButNoSecondNode) {
    window.addKey("Main", "maximized", "1");
    EXPECT_THAT(window.fileText(), HasSubstr("Maximized=1\r\n"));
    EXPECT_THAT(children("Main"), ElementsAre("User Objects", "Maximized"));
}

TEST_F(EditCommandsTest, AKeyConfirmedAfterTheSelectionMovedGoesUnderItsOwnSection) {
    openKeyPanel("Sound");
    window.edit(ID_Edit7).setText("Com_Rate");
    window.button(ID_Button20).click();  // Find moves the selection while the panel is open
    window.type(window.edit(ID_Edit5), "AMBIENT");
    window.type(window.edit(ID_Edit6), "0");
    window.button(ID_Button11).click();
    EXPECT_THAT(window.fileText(), HasSubstr("[Sound]\r\nSOUND=1\r\nAMBIENT=0\r\n"));
    EXPECT_THAT(children("Sound"), ElementsAre("SOUND", "AMBIENT"));
    EXPECT_THAT(children("Misc"), ElementsAre("Dummy", "Com_Rate"));
}

TEST_F(EditCommandsTest, AnEmptyNameIsRefusedAndThePanelStaysOpen) {
    openKeyPanel("Main");
    window.button(ID_Button11).click();
    ASSERT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_EQ(window.prompts.messages[0].text, "No Section Name defined!");
    EXPECT_EQ(window.prompts.messages[0].caption, "Brimlow");
    EXPECT_EQ(window.prompts.messages[0].type, static_cast<UINT>(MB_OK));
    EXPECT_TRUE(window.panel(ID_Panel2).visible());
}

TEST_F(EditCommandsTest, NamesTheFileCannotHoldAreRefusedWithTheReason) {
    struct Case {
        bool section;
        const char* name;
        const char* reason;
    } cases[] = {
        {false, "a=b", "\"=\""}, {false, ";comment", "\";\" or \"[\""}, {false, "[head", "\";\" or \"[\""},
        {true, "Bad]Name", "\"]\""},
    };
    for (const Case& c : cases) {
        window.prompts.messages.clear();
        if (c.section) {
            window.addSection(c.name);
        } else {
            window.addKey("Main", c.name, "1");
        }
        ASSERT_EQ(window.prompts.messages.size(), 1u) << c.name;
        EXPECT_THAT(window.prompts.messages[0].text, HasSubstr(c.reason)) << c.name;
        EXPECT_EQ(window.prompts.messages[0].caption, "Brimlow") << c.name;
        EXPECT_TRUE((c.section ? window.panel(ID_Panel1) : window.panel(ID_Panel2)).visible()) << c.name;
        EXPECT_FALSE(window.tree().enabled()) << c.name;
        (c.section ? window.button(ID_Button9) : window.button(ID_Button12)).click();
    }
    EXPECT_EQ(window.fileText(), Config);
}

TEST_F(EditCommandsTest, ANewSectionIsAnEmptyHeaderAtTheEndNotSelected) {
    window.click("Main");
    window.button(ID_Button7).click();
    EXPECT_TRUE(window.panel(ID_Panel1).visible());
    EXPECT_FALSE(window.tree().enabled());
    window.type(window.edit(ID_Edit4), "New Place");
    window.press(window.edit(ID_Edit4), '\r');
    EXPECT_EQ(window.edit(ID_Edit4).text(), "New_Place");
    EXPECT_THAT(window.fileText(), ::testing::EndsWith("[New_Place]\r\n"));
    EXPECT_THAT(window.topLevelTexts(), ElementsAre("Main", "Sound", "Misc", "New_Place"));
    EXPECT_EQ(window.tree().selected(), nullptr) << "the right-hand side is reset, and nothing highlighted";
    EXPECT_FALSE(window.panel(ID_Panel1).visible());
    EXPECT_TRUE(window.tree().enabled());
    EXPECT_FALSE(window.button(ID_Button7).enabled()) << "the commands wait for a new selection";

    window.button(ID_Button7).click();
    EXPECT_EQ(window.edit(ID_Edit4).text(), "New_Place") << "the last name is kept";
    window.press(window.edit(ID_Edit4), 27);
    EXPECT_FALSE(window.panel(ID_Panel1).visible());
}

TEST_F(EditCommandsTest, AnExistingSectionKeepsItsDummyKeyAndGetsNoSecondNode) {
    window.addSection("misc");
    EXPECT_EQ(window.fileText(), Config);
    EXPECT_THAT(window.topLevelTexts(), ElementsAre("Main", "Sound", "Misc"));
}

TEST_F(EditCommandsTest, AFailedWriteShowsTheErrorAndEnablesTheTreeAgain) {
    std::string folder = window.simPath().substr(0, window.simPath().rfind('\\'));
    DeleteFileA(window.simPath().c_str());
    DeleteFileA((window.simPath() + ".bak").c_str());
    DeleteFileA((window.simPath() + ".org").c_str());
    ASSERT_TRUE(RemoveDirectoryA(folder.c_str()));
    window.addSection("Lost");
    ASSERT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_EQ(window.prompts.messages[0].text, "Unable to write to " + window.simPath() + ".");
    EXPECT_EQ(window.prompts.messages[0].type, static_cast<UINT>(MB_ICONSTOP | MB_OK));
    EXPECT_TRUE(window.tree().enabled());
    EXPECT_THAT(window.topLevelTexts(), ElementsAre("Main", "Sound", "Misc"));

    window.addKey("Main", "Lost", "1");
    EXPECT_EQ(window.prompts.messages.size(), 2u);
    EXPECT_TRUE(window.tree().enabled());
    EXPECT_THAT(children("Main"), ElementsAre("User Objects", "Maximized"));
}

TEST_F(EditCommandsTest, AFailedSetValueLeavesTheButtonEnabled) {
    window.click("Main/Maximized");
    window.type(window.edit(ID_Edit3), "5");
    std::string folder = window.simPath().substr(0, window.simPath().rfind('\\'));
    for (const char* suffix : {"", ".bak", ".org"}) DeleteFileA((window.simPath() + suffix).c_str());
    RemoveDirectoryA(folder.c_str());
    window.button(ID_Button6).click();
    EXPECT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_TRUE(window.button(ID_Button6).enabled());
}

TEST_F(EditCommandsTest, ALockedFileIsReportedAndLeftAsItWas) {
    window.click("Main/Maximized");
    window.type(window.edit(ID_Edit3), "9");
    HANDLE lock = CreateFileA(window.simPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    window.button(ID_Button6).click();
    CloseHandle(lock);
    ASSERT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_THAT(window.prompts.messages[0].text, StartsWith("Unable to write to " + window.simPath() + ".\n\n"))
        << "with the system's reason";
    EXPECT_EQ(window.fileText(), Config);
    EXPECT_TRUE(window.button(ID_Button6).enabled()) << "the value can be set again once the file is free";
}

TEST_F(EditCommandsTest, ARemovalTheFileRefusesIsReportedAndTheTreeKeepsTheNode) {
    HANDLE lock = CreateFileA(window.simPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    window.click("Main/Maximized");
    window.prompts.answers = {IDYES};
    window.button(ID_Button3).click();
    window.click("Misc");
    window.prompts.answers = {IDYES};
    window.button(ID_Button2).click();
    CloseHandle(lock);
    ASSERT_EQ(window.prompts.messages.size(), 4u);
    EXPECT_THAT(window.prompts.messages[1].text, StartsWith("Unable to write to " + window.simPath() + "."));
    EXPECT_THAT(window.prompts.messages[3].text, StartsWith("Unable to write to " + window.simPath() + "."));
    EXPECT_EQ(window.fileText(), Config);
    EXPECT_THAT(children("Main"), ElementsAre("User Objects", "Maximized"));
    EXPECT_THAT(window.topLevelTexts(), ElementsAre("Main", "Sound", "Misc"));
}

TEST_F(EditCommandsTest, TextsLongerThanTheFileHoldsAreRefusedWithTheLimit) {
    std::string tooLong(32767, 'x');
    window.click("Main/Maximized");
    window.edit(ID_Edit3).setText(tooLong);
    window.button(ID_Button6).click();
    openKeyPanel("Misc");
    window.edit(ID_Edit5).setText(tooLong);
    window.button(ID_Button11).click();
    ASSERT_EQ(window.prompts.messages.size(), 2u);
    EXPECT_EQ(window.prompts.messages[0].text,
              "Unable to write to " + window.simPath() + ": the value may not be longer than 32,766 characters.");
    EXPECT_EQ(window.prompts.messages[1].text, "A key name may not be longer than 32,766 characters.");
    EXPECT_TRUE(window.panel(ID_Panel2).visible()) << "the name can be mended";
    EXPECT_EQ(window.fileText(), Config);
}

TEST_F(EditCommandsTest, LongNamesAreKeptWhole) {
    std::string name(300, 'k');
    window.addKey("Misc", name, "v");
    EXPECT_THAT(window.fileText(), HasSubstr(name + "=v\r\n"));
    EXPECT_THAT(children("Misc"), ElementsAre("Dummy", "Com_Rate", name));
}

}  // namespace
