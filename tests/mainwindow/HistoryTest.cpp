// Undo and redo of every kind of change, and the tree following changes other programs make.
#include "support/MainWindow.h"
#include "support/RunningSimulator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>


namespace {

const char* const Config = "[Main]\r\nUser Objects=Airplane\r\nMaximized=0\r\n[Sound]\r\nSOUND=1\r\n";

class HistoryTest : public ::testing::Test {
protected:
    void undo() { window.pressInWindow(window.tree(), 'Z', true); }
    void redo() { window.pressInWindow(window.tree(), 'Y', true); }
    std::string menuText(const char* verb) {
        for (const MenuItem& item : window.systemMenu()) {
            if (item.text.rfind(verb, 0) == 0) return item.text + (item.enabled ? "" : " (grey)");
        }
        return "<none>";
    }
    // The file after the change, after its undo and after its redo; the change is left undone.
    void expectSteps(const std::string& changed, const std::string& undone) {
        EXPECT_EQ(window.fileText(), changed);
        undo();
        EXPECT_EQ(window.fileText(), undone);
        redo();
        EXPECT_EQ(window.fileText(), changed);
        undo();
    }

    MainWindow window{Config};
};

TEST_F(HistoryTest, EveryKindOfChangeIsUndoneAndRedoneAndTheMenuNamesIt) {
    EXPECT_EQ(menuText("Undo"), "Undo (grey)");
    window.setValue("Main/Maximized", "1");
    EXPECT_EQ(menuText("Undo"), "Undo Set Value of [Main] Maximized\tCtrl+Z");
    expectSteps("[Main]\r\nUser Objects=Airplane\r\nMaximized=1\r\n[Sound]\r\nSOUND=1\r\n", Config);
    EXPECT_EQ(window.tree().selected(), window.node("Main/Maximized"));
    EXPECT_EQ(window.edit(ID_Edit3).text(), "0");
    EXPECT_EQ(menuText("Redo"), "Redo Set Value of [Main] Maximized\tCtrl+Y");

    window.addKey("Sound", "MUSIC", "0.5");
    EXPECT_EQ(menuText("Redo"), "Redo (grey)") << "a new change clears what could be redone";
    expectSteps("[Main]\r\nUser Objects=Airplane\r\nMaximized=0\r\n[Sound]\r\nSOUND=1\r\nMUSIC=0.5\r\n", Config);

    window.remove("Main/User Objects");
    const std::string keyBack = "[Main]\r\nMaximized=0\r\nUser Objects=Airplane\r\n[Sound]\r\nSOUND=1\r\n";
    expectSteps("[Main]\r\nMaximized=0\r\n[Sound]\r\nSOUND=1\r\n", keyBack);
    EXPECT_EQ(window.tree().selected(), window.node("Main/User Objects"));

    window.remove("Sound");
    expectSteps("[Main]\r\nMaximized=0\r\nUser Objects=Airplane\r\n", keyBack);

    window.addSection("Misc");
    expectSteps(keyBack + "[Misc]\r\n", keyBack);

    window.setValue("Main/Maximized", "2");
    window.remove("Sound/SOUND");
    undo();
    window.pressInWindow(window.tree(), 'Z', true, true);  // redo, as Ctrl+Y
    SendMessageA(window->handle(), WM_SYSCOMMAND, 0x0020, 0);  // the menu's Undo
    undo();
    EXPECT_EQ(window.fileText(), keyBack) << "as deep as the session";
}

// A value in quotes with blanks at its edges is put back as the file held it: it reads as before, and
// the step can be redone.
TEST_F(HistoryTest, AValueIsPutBackAsTheFileHeldIt) {
    writeFile(window.simPath(), "[Main]\r\nk=\" x \"\r\n");
    window.pressInWindow(window.tree(), VK_F5);
    window.setValue("Main/k", "y");
    expectSteps("[Main]\r\nk=y\r\n", "[Main]\r\nk=\" x \"\r\n");
    EXPECT_TRUE(window.prompts.messages.empty()) << window.prompts.messages.back().text;
}

TEST_F(HistoryTest, ARestoreFromCopyIsUndoneWhole) {
    writeFile(window.appDataPath() + "\\copy.cfg", "[Other]\r\nk=1\r\n");
    window.prompts.answers = {IDYES};
    window.prompts.chosenFiles = {window.appDataPath() + "\\copy.cfg"};
    window.button(ID_Button22).click();
    expectSteps("[Other]\r\nk=1\r\n", Config);
}

TEST_F(HistoryTest, AnUndoNeverOverwritesWhatAnotherProgramWroteThere) {
    window.setValue("Main/Maximized", "1");
    const std::string theirs = "[Main]\r\nUser Objects=Airplane\r\nMaximized=7\r\n[Sound]\r\nSOUND=1\r\n";
    writeFile(window.simPath(), theirs);
    undo();
    ASSERT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_EQ(window.prompts.messages[0].text,
              "Unable to undo Set Value of [Main] Maximized.\n\n[Main] Maximized has been changed in the file since, "
              "outside Brimlow; nothing was written.");
    EXPECT_EQ(window.fileText(), theirs);
}

// Every process of the prefix sees the stand-in simulator: suites named so take turns (tests/CMakeLists.txt).
// The question invites the user to close the simulator, which rewrites the file as it closes: the item
// is checked once the question is answered.
TEST(UndoSimulatorGuard, AnUndoWhileTheSimulatorRunsIsAskedAboutFirstAndChecksTheFileAfter) {
    MainWindow window(Config, nullptr, {false, "fsx.exe", ""});
    window.setValue("Main/Maximized", "1");
    RunningSimulator simulator;
    ASSERT_TRUE(simulator.started());
    window.prompts.answers = {IDNO, IDYES};
    window.pressInWindow(window.tree(), 'Z', true);
    EXPECT_THAT(window.fileText(), ::testing::HasSubstr("Maximized=1")) << "No";
    const std::string theirs = "[Main]\r\nUser Objects=Airplane\r\nMaximized=7\r\n[Sound]\r\nSOUND=1\r\n";
    window.prompts.whileAsked = [&] { writeFile(window.simPath(), theirs); };
    window.pressInWindow(window.tree(), 'Z', true);
    ASSERT_EQ(window.prompts.messages.size(), 3u);
    EXPECT_THAT(window.prompts.messages[2].text, ::testing::HasSubstr("has been changed in the file since"));
    EXPECT_EQ(window.fileText(), theirs);
}

// A step of several writes whose second fails (the value is longer than the system stores) leaves the
// file as it was and stays undoable; the reason is the write's.
TEST_F(HistoryTest, AStepIsUndoneWholeOrNotAtAll) {
    const std::string before = "[Main]\r\nMaximized=0\r\n[Sound]\r\nSOUND=1\r\nBig=" + std::string(40000, 'v') + "\r\n";
    writeFile(window.simPath(), before);
    window.pressInWindow(window.tree(), VK_F5);
    window.remove("Sound");
    const std::string removed = window.fileText();
    undo();
    ASSERT_EQ(window.prompts.messages.size(), 2u);
    EXPECT_THAT(window.prompts.messages[1].text, ::testing::HasSubstr("the value may not be longer"));
    EXPECT_EQ(window.fileText(), removed);
    EXPECT_EQ(menuText("Undo"), "Undo Delete Section [Sound]\tCtrl+Z");
}

TEST_F(HistoryTest, TheTreeFollowsAnotherProgramsChangesOnceTheUserIsDone) {
    window.tree().expand(window.node("Main"), TVE_EXPAND);
    ui::TreeNode before = window.node("Main/Maximized");
    window.setValue("Sound/SOUND", "2");
    EXPECT_FALSE(window.settle([&] { return window.node("Main/Maximized") != before; }, 1000))
        << "its own write reloads nothing";

    window.button(ID_Button10).click();  // the key panel, over the selected Sound
    writeFile(window.simPath(), "[Main]\r\nUser Objects=Glider\r\nMaximized=0\r\n[Sound]\r\nSOUND=0\r\nAMBIENT=1\r\n");
    EXPECT_FALSE(window.settle([&] { return window.node("Sound/AMBIENT") != nullptr; }, 1000)) << "not while it is open";
    window.button(ID_Button12).click();
    window.click("Sound/SOUND");
    ASSERT_TRUE(window.settle([&] { return window.node("Sound/AMBIENT") != nullptr; }));
    EXPECT_TRUE(window.tree().expanded(window.node("Main")));
    EXPECT_EQ(window.tree().selected(), window.node("Sound/SOUND"));
    EXPECT_EQ(window.edit(ID_Edit3).text(), "0");

    writeFile(window.simPath(), "[Main]\r\nMaximized=0\r\n[Sound]\r\nSOUND=0\r\nEXTRA=1\r\n");
    window.setValue("Sound/SOUND", "3");  // a write of its own, before the change is told
    ASSERT_TRUE(window.settle([&] { return window.node("Sound/EXTRA") != nullptr; }));

    DeleteFileA(window.simPath().c_str());
    ASSERT_TRUE(window.settle([&] { return window.tree().count() == 0; }));
    window.addSection("Misc");
    ASSERT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_EQ(window.prompts.messages[0].text, "Unable to write to " + window.simPath() + ".");
    EXPECT_FALSE(fileExists(window.simPath()));
}

}  // namespace
