// The files of every simulator of the family: found, opened from the system menu, from the open dialog
// or dropped on the window, each with the same safety as FSX.cfg.
#include "mainwindow/TForm1.h"
#include "platform/Encoding.h"
#include "platform/Paths.h"
#include "support/MainWindow.h"
#include "support/RunningSimulator.h"
#include "support/TestRegistry.h"

#include <shlobj.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const char* const Config = "[Main]\r\nMaximized=0\r\n";

// A file of the simulators' own, below the roaming folder or all users' folder of the window's machine.
std::string place(const std::string& path, const std::string& fixtureName) {
    makeFolders(platform::folderOf(path));
    writeFile(path, fixture(fixtureName));
    return path;
}

std::vector<MenuItem> openMenu(MainWindow& window) {
    for (const MenuItem& item : window.systemMenu()) {
        if (item.text == "Open") return item.items;
    }
    return {};
}

std::vector<std::string> texts(const std::vector<MenuItem>& items) {
    std::vector<std::string> texts;
    for (const MenuItem& item : items) texts.push_back(item.text + (item.checked ? " (checked)" : ""));
    return texts;
}

std::string undoItem(MainWindow& window) {
    for (const MenuItem& item : window.systemMenu()) {
        if (item.text.rfind("Undo", 0) == 0) return item.text;
    }
    return "";
}

std::string caption(MainWindow& window) {
    char text[256] = {};
    GetWindowTextA(window->handle(), text, sizeof text);
    return text;
}

// What the shell hands a window that files are dropped on.
void drop(MainWindow& window, const std::string& path) {
    std::wstring name = platform::wide(path);
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), name.c_str(), name.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageA(window->handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// A machine with the boxed FSX, the Steam edition and Prepar3D v5's scenery library: each opened from
// the menu is the file of every command, with its copies, its original, its history.
TEST(SimulatorFiles, EachFileIsOpenedFromTheMenuWithTheSameSafety) {
    MainWindow window(Config);
    const std::string roaming = window.appDataPath(), common = roaming + "\\ProgramData";
    const std::string se = place(roaming + "\\Microsoft\\FSX-SE\\fsx_se.cfg", "fsx_se.cfg");
    const std::string scenery = place(common + "\\Lockheed Martin\\Prepar3D v5\\scenery.cfg", "scenery.cfg");
    EXPECT_THAT(texts(openMenu(window)), ElementsAre("FSX: FSX.cfg (checked)", "FSX Steam Edition: fsx_se.cfg",
                                                     "Prepar3D v5: scenery library", "-", "Other File\x85"));

    window.chooseFromSystemMenu("Open/FSX Steam Edition: fsx_se.cfg");
    EXPECT_EQ(caption(window), "Brimlow - fsx_se.cfg");
    EXPECT_NE(window.node("STEAM/AppID"), nullptr);
    EXPECT_EQ(readFile(se + ".org"), fixture("fsx_se.cfg"));
    EXPECT_EQ(readFile(se + ".bak"), fixture("fsx_se.cfg"));
    window.setValue("GRAPHICS/NUM_LIGHTS", "4");
    EXPECT_THAT(readFile(se), HasSubstr("\r\nNUM_LIGHTS=4\r\n"));
    EXPECT_EQ(window.fileText(), Config) << "FSX.cfg untouched";
    EXPECT_TRUE(window.tree().bold(window.node("GRAPHICS/NUM_LIGHTS"))) << "against its own original";
    EXPECT_THAT(texts(openMenu(window))[1], "FSX Steam Edition: fsx_se.cfg (checked)");

    window.chooseFromSystemMenu("Open/FSX: FSX.cfg");
    EXPECT_EQ(caption(window), "Brimlow");
    EXPECT_EQ(undoItem(window), "Undo") << "FSX.cfg has no changes";
    window.chooseFromSystemMenu("Open/FSX Steam Edition: fsx_se.cfg");
    EXPECT_EQ(undoItem(window), "Undo Set Value of [GRAPHICS] NUM_LIGHTS\tCtrl+Z");
    window.pressInWindow(window.tree(), 'Z', true);
    EXPECT_THAT(readFile(se), HasSubstr("\r\nNUM_LIGHTS=8\r\n")) << "its history came back with it";

    window.chooseFromSystemMenu("Open/Prepar3D v5: scenery library");
    EXPECT_EQ(caption(window), "Brimlow - scenery.cfg");
    EXPECT_NE(window.node("Area.006/Local"), nullptr);
    EXPECT_EQ(readFile(scenery + ".org"), fixture("scenery.cfg"));

    const std::string aircraft = place(roaming + "\\SimObjects\\aircraft.cfg", "scenery.cfg");
    window.prompts.chosenFiles = {aircraft};
    window.chooseFromSystemMenu("Open/Other File\x85");
    EXPECT_EQ(window.prompts.dialogs.back().initialDir, common + "\\Lockheed Martin\\Prepar3D v5") << "the open file's folder";
    EXPECT_EQ(caption(window), "Brimlow - aircraft.cfg");
    EXPECT_THAT(texts(openMenu(window)), ::testing::Not(::testing::Contains(HasSubstr("checked"))));
    drop(window, roaming);
    EXPECT_THAT(window.prompts.messages.back().text, HasSubstr("It is a folder, not a file"));
    EXPECT_EQ(caption(window), "Brimlow - aircraft.cfg");
}

// The stand-in simulator is fsx.exe (suites named so take turns): the guard asks while a file of FSX's
// is open, or a file of no known simulator, and not while Prepar3D's is.
TEST(SimulatorFilesSimulatorGuard, TheGuardAsksWhileTheOpenFilesSimulatorRuns) {
    MainWindow window(Config, nullptr, {false, "fsx.exe", ""});
    const std::string p3d = place(window.appDataPath() + "\\Lockheed Martin\\Prepar3D v5\\Prepar3D.cfg", "Prepar3D.cfg");
    const std::string other = place(window.appDataPath() + "\\addon.ini", "scenery.cfg");
    RunningSimulator simulator;
    ASSERT_TRUE(simulator.started());
    window.chooseFromSystemMenu("Open/Prepar3D v5: Prepar3D.cfg");
    window.setValue("SOUND/PANEL", "0.5");
    EXPECT_TRUE(window.prompts.messages.empty()) << "Prepar3D does not run";
    drop(window, other);
    EXPECT_EQ(caption(window), "Brimlow - addon.ini");
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
    EXPECT_EQ(readFile(v5 + ".org"), fixture("Prepar3D.cfg"));
    EXPECT_EQ(readFile(v5 + ".bak"), fixture("Prepar3D.cfg"));
    char text[256] = {};
    GetWindowTextA(form.handle(), text, sizeof text);
    EXPECT_STREQ(text, "Brimlow - Prepar3D.cfg");
}

}  // namespace
