// The main window's keys: they work wherever the focus is, never type into a box, and rest while an
// input panel is open.
#include "support/MainWindow.h"

#include <gtest/gtest.h>

namespace {

const char* const Config = "[Main]\r\nMaximized=0\r\n[Sound]\r\nSOUND=1\r\nMusic=0\r\n";

TEST(Keyboard, F5ReloadsCtrlFAndF3FindAndDeleteInTheTreeDeletes) {
    MainWindow window(Config);
    writeFile(window.simPath(), "[Other]\r\nk=1\r\n");
    window.pressInWindow(window.edit(ID_Edit3), VK_F5);
    ASSERT_NE(window.node("Other"), nullptr);

    writeFile(window.simPath(), Config);
    window.pressInWindow(window.tree(), VK_F5);
    window.pressInWindow(window.tree(), VK_F3);
    EXPECT_EQ(GetFocus(), window.edit(ID_Edit7).handle()) << "an empty find box takes the focus";
    window.edit(ID_Edit7).setText("s");
    window.pressInWindow(window.tree(), 'F', true);
    EXPECT_EQ(GetFocus(), window.edit(ID_Edit7).handle());
    DWORD selection = static_cast<DWORD>(SendMessageA(window.edit(ID_Edit7).handle(), EM_GETSEL, 0, 0));
    EXPECT_EQ(HIWORD(selection) - LOWORD(selection), 1) << "its text selected";
    EXPECT_EQ(window.edit(ID_Edit7).text(), "s") << "nothing typed";
    window.pressInWindow(window.edit(ID_Edit7), VK_F3);
    EXPECT_EQ(window.tree().selected(), window.node("Sound"));

    window.prompts.answers = {IDYES};
    window.pressInWindow(window.edit(ID_Edit7), VK_DELETE);
    EXPECT_TRUE(window.prompts.messages.empty()) << "Delete in a box is the box's own";
    window.pressInWindow(window.tree(), VK_DELETE);
    ASSERT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_EQ(window.prompts.messages[0].caption, "Sound");
    EXPECT_EQ(window.node("Sound"), nullptr);
}

// As in every text box, Ctrl+Z undoes typing not yet set; with nothing typed it undoes the file's change.
TEST(Keyboard, CtrlZInTheValueBoxUndoesTheTypingFirst) {
    MainWindow window(Config);
    window.setValue("Main/Maximized", "1");
    window.click("Sound/SOUND");
    window.type(window.edit(ID_Edit3), "9");
    window.pressInWindow(window.edit(ID_Edit3), 'Z', true);
    window.settle([&] { return window.edit(ID_Edit3).text() == "1"; }, 1000);
    EXPECT_EQ(window.edit(ID_Edit3).text(), "1") << "the typing undone";
    EXPECT_EQ(window.tree().selected(), window.node("Sound/SOUND"));
    EXPECT_NE(window.fileText().find("Maximized=1"), std::string::npos) << "the file's change stays";
    window.clickSelected();
    window.pressInWindow(window.edit(ID_Edit3), 'Z', true);
    EXPECT_EQ(window.fileText(), Config) << "with nothing typed, the file's change is undone";
}

TEST(Keyboard, AltWithAShortcutKeyDoesNothing) {
    MainWindow window(Config);
    window.select("Sound");
    window.edit(ID_Edit7).setText("music");
    writeFile(window.simPath(), "[Other]\r\nk=1\r\n");
    for (WPARAM key : {VK_F5, VK_F3, VK_DELETE}) window.pressInWindow(window.tree(), key, false, false, true);
    EXPECT_NE(window.node("Sound"), nullptr) << "neither reloaded nor deleted";
    EXPECT_EQ(window.tree().selected(), window.node("Sound")) << "nothing found";
    EXPECT_TRUE(window.prompts.messages.empty());
}

TEST(Keyboard, KeysRestWhileAnInputPanelIsOpenAndTheMenuKeysOpenTheContextMenu) {
    MainWindow window(Config);
    window.select("Main/Maximized");
    window.pressInWindow(window.tree(), VK_APPS);
    window.pressInWindow(window.tree(), VK_F10, false, true);
    EXPECT_EQ(window.prompts.menus.size(), 2u);

    window.click("Main");
    window.button(ID_Button10).click();
    writeFile(window.simPath(), "[Other]\r\nk=1\r\n");
    window.pressInWindow(window.edit(ID_Edit5), VK_F5);
    EXPECT_EQ(window.node("Other"), nullptr) << "no reload under the key panel";
}

}  // namespace
