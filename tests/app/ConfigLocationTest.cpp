// Finding the simulator's file and its safety copies, and the pieces of start-up around it.
#include "app/ConfigLocation.h"
#include "app/TForm1.h"
#include "support/MainWindow.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"
#include "support/TestRegistry.h"
#include "ui/Application.h"
#include "ui/Encoding.h"
#include "ui/Paths.h"

#include <gtest/gtest.h>

#include <cwchar>

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

TEST(ConfigPaths, AreComposedBelowTheApplicationDataFolder) {
    ConfigPaths paths = configPathsIn("C:\\Users\\pilot\\AppData\\Roaming");
    EXPECT_EQ(paths.simConfigPath, "C:\\Users\\pilot\\AppData\\Roaming\\Microsoft\\FSx\\FSX.cfg");
    EXPECT_EQ(paths.bakPath, paths.simConfigPath + ".bak");
    EXPECT_EQ(paths.orgPath, paths.simConfigPath + ".org");
}

// The user's shell folder value moved for as long as the object lives; one test alone uses it.
class MovedRoamingFolder {
public:
    explicit MovedRoamingFolder(const std::string& folder) {
        DWORD size = sizeof saved_;
        had_ = RegGetValueW(HKEY_CURRENT_USER, Key, L"AppData", RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                            &type_, saved_, &size) == ERROR_SUCCESS;
        set(REG_EXPAND_SZ, ui::wide(folder).c_str());
    }
    ~MovedRoamingFolder() { set(type_, had_ ? saved_ : nullptr); }

private:
    static constexpr const wchar_t* Key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    // Nothing: the value removed.
    void set(DWORD type, const wchar_t* text) {
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, Key, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
        text ? RegSetValueExW(key, L"AppData", 0, type, reinterpret_cast<const BYTE*>(text),
                              static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)))
             : RegDeleteValueW(key, L"AppData");
        RegCloseKey(key);
    }
    DWORD type_ = REG_EXPAND_SZ;
    bool had_ = false;
    wchar_t saved_[MAX_PATH] = {};
};

TEST(ConfigPaths, TheSystemNamesTheRoamingFolderWhateverItsName) {
    std::optional<std::string> folder = GetAppDataFolder();
    ASSERT_TRUE(folder);
    wchar_t expected[MAX_PATH] = {};
    GetEnvironmentVariableW(L"APPDATA", expected, MAX_PATH);
    EXPECT_EQ(*folder, ui::utf8(expected));

    ScratchFolder users;
    std::string roaming = users / "\xC5\x81ukasz";
    makeFolders(roaming);
    std::optional<std::string> moved = [&] {
        MovedRoamingFolder move(roaming);
        return GetAppDataFolder();
    }();
    EXPECT_EQ(moved, roaming);
}

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

TEST_F(StartupTest, ALaterStartKeepsTheOrgCopyAndRenewsTheBakCopy) {
    makeFolders(simFolder());
    writeFile(sim(), "first");
    start();
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
    EXPECT_EQ(form->view().programFolder, ui::folderOf(ui::Application::exePath()));
    EXPECT_EQ(form->view().currentPath, form->view().programFolder + "fs2002.cfg");
}

TEST(StartupWithoutFolder, GoesOnWithAnEmptyTreeAndNoCopies) {
    TestRegistryKey registry;
    TForm1 form(testStartup(std::nullopt, registry));
    SendMessageA(form.handle(), WM_SHOWWINDOW, TRUE, 0);
    EXPECT_EQ(form.view().simConfigPath, "");
    EXPECT_EQ(SendMessageA(childWithId(form.handle(), ID_TreeView1), TVM_GETCOUNT, 0, 0), 0);
}

TEST(CommandLine, SplitsOnBlanksAndControlCharactersAndDropsQuotes) {
    EXPECT_EQ(commandLineArgument("prog.exe", 1), "");
    EXPECT_EQ(commandLineArgument("prog.exe   first second", 1), "first");
    EXPECT_EQ(commandLineArgument("\"C:\\Program Files\\b.exe\" \"D:\\My Files\\x.cfg\" y", 1), "D:\\My Files\\x.cfg");
    EXPECT_EQ(commandLineArgument("\"C:\\Program Files\\b.exe\" a", 0), "C:\\Program Files\\b.exe");
    EXPECT_EQ(commandLineArgument("p\t\x01 a\"b c\"d", 1), "ab cd");
}

TEST(FolderOf, KeepsTheLastSeparator) {
    EXPECT_EQ(ui::folderOf("C:\\Tools\\Brimlow.exe"), "C:\\Tools\\");
    EXPECT_EQ(ui::folderOf("D:\\Brimlow.exe"), "D:\\");
    EXPECT_EQ(ui::folderOf("D:Brimlow.exe"), "D:");
    EXPECT_EQ(ui::folderOf("Brimlow.exe"), "");
}

TEST(Title, IsTheExeNameUpToItsFirstDotLowerCasedAfterTheFirstLetter) {
    EXPECT_EQ(ui::titleFromExePath("C:\\Tools\\BRIMLOW.EXE"), "Brimlow");
    EXPECT_EQ(ui::titleFromExePath("C:\\x.y\\my.tool.exe"), "my");
    EXPECT_EQ(ui::titleFromExePath("Z:\\build\\App_Tests.exe"), "App_tests");
}

}  // namespace
