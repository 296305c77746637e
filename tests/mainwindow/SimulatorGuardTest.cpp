// Writes while the simulator runs: asked about once a session, right before the write.
#include "support/MainWindow.h"
#include "support/RunningSimulator.h"

#include <gtest/gtest.h>

namespace {

const char* const Config = "[Main]\r\nMaximized=0\r\nWide=1\r\n";
const char* const Question =
    "The flight simulator is running. It rewrites FSX.cfg when it closes, which will undo this change.\n"
    "Write it anyway?";

TEST(SimulatorGuard, WhileItRunsAWriteIsAskedAboutNoWritesNothingAndYesEndsTheQuestions) {
    MainWindow window(Config, nullptr, {false, "fsx.exe", ""});
    window.setValue("Main/Maximized", "0");
    EXPECT_TRUE(window.prompts.messages.empty()) << "not running: nothing asked";
    RunningSimulator simulator;
    ASSERT_TRUE(simulator.started());
    window.prompts.answers = {IDNO};
    window.setValue("Main/Maximized", "5");
    ASSERT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_EQ(window.prompts.messages[0].text, Question);
    EXPECT_EQ(window.prompts.messages[0].caption, "Brimlow");
    EXPECT_EQ(window.prompts.messages[0].type, static_cast<UINT>(MB_ICONWARNING | MB_YESNO));
    EXPECT_EQ(window.fileText(), Config);
    EXPECT_TRUE(window.button(ID_Button6).enabled()) << "the value can still be set";

    window.click("Main/Wide");
    window.prompts.answers = {IDNO, IDYES, IDYES};
    window.button(ID_Button3).click();
    EXPECT_EQ(window.prompts.messages.size(), 2u) << "a delete cancelled asks nothing more";
    window.button(ID_Button3).click();
    ASSERT_EQ(window.prompts.messages.size(), 4u);
    EXPECT_EQ(window.prompts.messages[2].caption, "Wide") << "the delete question comes first";
    EXPECT_EQ(window.prompts.messages[3].text, Question);
    EXPECT_EQ(window.fileText(), "[Main]\r\nMaximized=0\r\n");

    window.setValue("Main/Maximized", "7");
    EXPECT_EQ(window.prompts.messages.size(), 4u) << "not asked again this session";
    EXPECT_EQ(window.fileText(), "[Main]\r\nMaximized=7\r\n");
}

}  // namespace
