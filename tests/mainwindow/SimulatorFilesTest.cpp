// The files of every simulator of the family: found, opened from the system menu, from the open dialog
// or dropped on the window, each with the same safety as FSX.cfg.
#include "mainwindow/TForm1.h"
#include "platform/Paths.h"
#include "support/MainWindow.h"
#include "support/RunningSimulator.h"
#include "support/TestRegistry.h"
#include "ui/Window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const char* const Config = "[Main]\r\nMaximized=0\r\n";

// A simulator's file below the window's roaming folder or all users' folder, from a fixture.
std::string place(const std::string& path, const std::string& fixtureName) {
    makeFolders(platform::folderOf(path));
    writeFile(path, fixture(fixtureName));
    return path;
}

// A machine with the boxed FSX, the Steam edition and Prepar3D v5's scenery library: each opened from
// the menu is the file of every command, with its copies, its original, its history.
TEST(SimulatorFiles, EachFileIsOpenedFromTheMenuWithTheSameSafety) {
    MainWindow window(Config);
    const std::string roaming = window.appDataPath(), common = roaming + "\\ProgramData";
    const std::string se = place(roaming + "\\Microsoft\\FSX-SE\\fsx_se.cfg", "fsx_se.cfg");
    place(common + "\\Lockheed Martin\\Prepar3D v5\\scenery.cfg", "scenery.cfg");
    EXPECT_THAT(window.openMenu(), ElementsAre("FSX: FSX.cfg (checked)", "FSX Steam Edition: fsx_se.cfg",
                                                      "Prepar3D v5: scenery library", "-", "Other File\x85"));

    window.chooseToOpen("FSX Steam Edition: fsx_se.cfg");
    EXPECT_EQ(ui::windowText(window->handle()), "Brimlow - fsx_se.cfg");
    EXPECT_EQ(readFile(se + ".org"), fixture("fsx_se.cfg"));
    window.setValue("GRAPHICS/NUM_LIGHTS", "4");
    EXPECT_THAT(readFile(se), HasSubstr("\r\nNUM_LIGHTS=4\r\n"));
    EXPECT_EQ(window.fileText(), Config) << "FSX.cfg untouched";
    EXPECT_TRUE(window.tree().bold(window.node("GRAPHICS/NUM_LIGHTS"))) << "against its own original";

    window.chooseToOpen("FSX: FSX.cfg");
    EXPECT_EQ(ui::windowText(window->handle()), "Brimlow");
    window.pressInWindow(window.tree(), 'Z', true);
    EXPECT_TRUE(window.prompts.messages.empty()) << "FSX.cfg's history has no step of fsx_se.cfg's";
    window.chooseToOpen("FSX Steam Edition: fsx_se.cfg");
    window.pressInWindow(window.tree(), 'Z', true);
    EXPECT_THAT(readFile(se), HasSubstr("\r\nNUM_LIGHTS=8\r\n")) << "its history came back with it";

    window.chooseToOpen("Prepar3D v5: scenery library");
    EXPECT_NE(window.node("Area.006/Local"), nullptr);

    window.prompts.chosenFiles = {place(roaming + "\\SimObjects\\aircraft.cfg", "scenery.cfg")};
    window.chooseToOpen("Other File\x85");
    EXPECT_EQ(window.prompts.dialogs.back().initialDir, common + "\\Lockheed Martin\\Prepar3D v5") << "the open file's folder";
    EXPECT_EQ(window->view().simConfigPath, roaming + "\\SimObjects\\aircraft.cfg");
    window.dropFile(roaming);
    EXPECT_THAT(window.prompts.messages.back().text, HasSubstr("It is a folder, not a file"));
}

// The stand-in simulator is fsx.exe (suites named so take turns): the guard asks while a file of FSX's
// is open, or a file of no known simulator, and not while Prepar3D's is.
TEST(SimulatorFilesSimulatorGuard, TheGuardAsksWhileTheOpenFilesSimulatorRuns) {
    MainWindow window(Config, nullptr, {false, "fsx.exe", ""});
    place(window.appDataPath() + "\\Lockheed Martin\\Prepar3D v5\\Prepar3D.cfg", "Prepar3D.cfg");
    const std::string other = place(window.appDataPath() + "\\addon.ini", "scenery.cfg");
    RunningSimulator simulator;
    ASSERT_TRUE(simulator.started());
    window.chooseToOpen("Prepar3D v5: Prepar3D.cfg");
    window.setValue("SOUND/PANEL", "0.5");
    EXPECT_TRUE(window.prompts.messages.empty()) << "Prepar3D does not run";
    window.dropFile(other);
    window.prompts.answers = {IDNO};
    window.setValue("General/Title", "Mine");
    ASSERT_EQ(window.prompts.messages.size(), 1u);
    EXPECT_THAT(window.prompts.messages[0].text, HasSubstr("It rewrites addon.ini when it closes"));
    EXPECT_EQ(readFile(other), fixture("scenery.cfg"));
}

// Only Prepar3D v5 and v6 are installed: start-up opens the first the table names, with its copies.
TEST(SimulatorFilesStartup, WithoutFsxCfgTheFirstSimulatorFileFoundIsOpened) {
    TestRegistryKey registry;
    ScratchFolder roaming;
    const std::string v5 = place(roaming / "Lockheed Martin\\Prepar3D v5\\Prepar3D.cfg", "Prepar3D.cfg");
    place(roaming / "Lockheed Martin\\Prepar3D v6\\Prepar3D.cfg", "Prepar3D.cfg");
    TForm1 form(testStartup(roaming.path(), registry));
    EXPECT_EQ(form.view().simConfigPath, v5);
    EXPECT_EQ(readFile(v5 + ".bak"), fixture("Prepar3D.cfg"));
}

}  // namespace
