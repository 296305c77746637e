// Every command acts on what the tree shows selected, whichever way it is started; after a reset the
// tree highlights nothing.
#include "support/MainWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

const char* const Config =
    "; my own notes about this file\r\n\r\n"
    "[SCENERY]\r\nLENSFLARE=0\r\n[SOUND]\r\nSOUND=1\r\nSOUND_LOD=1\r\n[SIM]\r\nSYSCLOCK=1\r\n[WEATHER]\r\nX=1\r\n";

enum Command { DeleteKey = 2, DeleteSection, Copy };

// The mouse and the clipboard are the display's, shared with other test processes.
class SelectionDesktop : public ::testing::Test {
protected:
    MainWindow window{Config};
};

// A key, then a section: deleted with its button, then the next one deleted from its context menu.
TEST_F(SelectionDesktop, AfterADeleteNothingIsHighlightedAndTheMenuActsOnTheItemClicked) {
    struct Case {
        const char *deleted, *clicked, *caption, *gone;
        int button, command;
    } cases[] = {{"SOUND/SOUND", "SOUND/SOUND_LOD", "SOUND_LOD", "SOUND_LOD", ID_Button3, DeleteKey},
                 {"SIM", "WEATHER", "WEATHER", "[WEATHER]", ID_Button2, DeleteSection}};
    for (const Case& c : cases) {
        window.click(c.deleted);
        window.prompts.answers = {IDYES};
        window.button(c.button).click();
        EXPECT_EQ(window.tree().selected(), nullptr) << c.deleted;
        window.prompts.menuChoices = {c.command};
        window.prompts.answers = {IDYES};
        window.rightClick(c.clicked);
        EXPECT_EQ(window.prompts.messages.back().caption, c.caption);
        EXPECT_THAT(window.fileText(), Not(HasSubstr(c.gone)));
    }
    EXPECT_THAT(window.fileText(), StartsWith("; my own notes about this file\r\n"));
}

TEST_F(SelectionDesktop, ACopyTheClipboardRefusesSaysSoAndKeepsWhatWasThere) {
    setClipboardText("mine");
    window.select("SOUND/SOUND");
    HWND holder = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    OpenClipboard(holder);
    window.prompts.menuChoices = {Copy};
    window.pressInWindow(window.tree(), VK_APPS);
    CloseClipboard();
    DestroyWindow(holder);
    ASSERT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_THAT(window.prompts.messages[0].text, StartsWith("Unable to copy to the clipboard"));
    EXPECT_EQ(clipboardText(), "mine");
}

}  // namespace
