// Start-up as the window goes through it: the file found, its safety copies made, the command line read.
#include "mainwindow/TForm1.h"
#include "support/MainWindow.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"
#include "support/TestRegistry.h"
#include "ui/Application.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

namespace {

class StartupTest : public ::testing::Test {
protected:
    std::string simFolder() const { return appData.path() + "\\Microsoft\\FSx"; }
    std::string sim() const { return simFolder() + "\\FSX.cfg"; }
    std::unique_ptr<TForm1> start(const std::string& commandLine = "Brimlow.exe") {
        Startup startup = testStartup(appData.path(), registry);
        startup.commandLine = commandLine;
        return std::make_unique<TForm1>(startup);
    }

    TestRegistryKey registry;
    ScratchFolder appData;
};

TEST_F(StartupTest, TheFirstStartMakesBothCopies) {
    makeFolders(simFolder());
    writeFile(sim(), "[A]\r\nk=1\r\n");
    auto form = start();
    EXPECT_EQ(form->view().simConfigPath, sim());
    EXPECT_EQ(form->view().bakPath, sim() + ".bak");
    EXPECT_EQ(form->view().orgPath, sim() + ".org");
    EXPECT_EQ(readFile(sim() + ".org"), "[A]\r\nk=1\r\n");
    EXPECT_EQ(readFile(sim() + ".bak"), "[A]\r\nk=1\r\n");
}

// The user made the file read-only, so that the simulator keeps their tweaks: the copies stay writable.
TEST_F(StartupTest, ALaterStartKeepsTheOrgCopyAndRenewsTheBakCopy) {
    makeFolders(simFolder());
    writeFile(sim(), "first");
    SetFileAttributesA(sim().c_str(), FILE_ATTRIBUTE_READONLY);
    start();
    for (const char* copy : {".org", ".bak"}) {
        EXPECT_FALSE(GetFileAttributesA((sim() + copy).c_str()) & FILE_ATTRIBUTE_READONLY) << copy;
    }
    SetFileAttributesA(sim().c_str(), FILE_ATTRIBUTE_NORMAL);
    writeFile(sim(), "second");
    start();
    EXPECT_EQ(readFile(sim() + ".org"), "first");
    EXPECT_EQ(readFile(sim() + ".bak"), "second");
    DeleteFileA((sim() + ".org").c_str());
    writeFile(sim(), "third");
    start();
    EXPECT_EQ(readFile(sim() + ".org"), "third") << "made again after the user deleted it";
}

TEST_F(StartupTest, AMissingFileMakesNoCopiesAndLeavesOldOnesAlone) {
    makeFolders(simFolder());
    writeFile(sim() + ".bak", "old bak");
    auto form = start();
    EXPECT_FALSE(fileExists(sim() + ".org"));
    EXPECT_EQ(readFile(sim() + ".bak"), "old bak");
    SendMessageA(form->handle(), WM_SHOWWINDOW, TRUE, 0);
    EXPECT_EQ(SendMessageA(childWithId(form->handle(), ID_TreeView1), TVM_GETCOUNT, 0, 0), 0);
}

TEST_F(StartupTest, CopiesThatCanNotBeMadeButForAFullDiskAreQuietAndTheFileIsShown) {
    makeFolders(simFolder());
    writeFile(sim(), "[A]\r\nk=1\r\n");
    makeFolders(sim() + ".org");
    makeFolders(sim() + ".bak");
    ScriptedPrompts prompts;
    auto form = start();
    SendMessageA(form->handle(), WM_SHOWWINDOW, TRUE, 0);
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages[0].text;
    EXPECT_EQ(SendMessageA(childWithId(form->handle(), ID_TreeView1), TVM_GETCOUNT, 0, 0), 2);
}

TEST_F(StartupTest, ACommandLineArgumentHasNoLastingEffect) {
    makeFolders(simFolder());
    writeFile(sim(), "[Shown]\r\nk=1\r\n");
    writeFile(appData / "other.cfg", "[Other]\r\nk=1\r\n");
    auto form = start("Brimlow.exe \"" + (appData / "other.cfg") + "\"");
    EXPECT_EQ(form->view().currentPath, appData / "other.cfg") << "read at start";
    SendMessageA(form->handle(), WM_SHOWWINDOW, TRUE, 0);
    EXPECT_EQ(form->view().currentPath, sim());
    ui::TreeView tree;
    tree.attach(childWithId(form->handle(), ID_TreeView1));
    EXPECT_EQ(tree.text(tree.firstRoot()), "Shown");
}

TEST_F(StartupTest, WithoutAnArgumentTheFirstPathIsBesideTheProgram) {
    auto form = start("Brimlow.exe");
    EXPECT_EQ(form->view().programFolder, platform::folderOf(ui::Application::exePath()));
    EXPECT_EQ(form->view().currentPath, form->view().programFolder + "fs2002.cfg");
}

TEST(StartupWithoutFolder, GoesOnWithAnEmptyTreeAndNoCopies) {
    TestRegistryKey registry;
    TForm1 form(testStartup(std::nullopt, registry));
    SendMessageA(form.handle(), WM_SHOWWINDOW, TRUE, 0);
    EXPECT_EQ(form.view().simConfigPath, "");
    EXPECT_EQ(SendMessageA(childWithId(form.handle(), ID_TreeView1), TVM_GETCOUNT, 0, 0), 0);
}

}  // namespace
