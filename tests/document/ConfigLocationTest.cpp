// Where the simulator's file is, and the command line read at start.
#include "document/ConfigLocation.h"
#include "platform/Encoding.h"
#include "support/TestFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>

namespace {

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
        set(REG_EXPAND_SZ, platform::wide(folder).c_str());
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
    EXPECT_EQ(*folder, platform::utf8(expected));

    ScratchFolder users;
    std::string roaming = users / "\xC5\x81ukasz";
    makeFolders(roaming);
    std::optional<std::string> moved = [&] {
        MovedRoamingFolder move(roaming);
        return GetAppDataFolder();
    }();
    EXPECT_EQ(moved, roaming);
}

TEST(CommandLine, SplitsOnBlanksAndControlCharactersAndDropsQuotes) {
    EXPECT_EQ(commandLineArgument("prog.exe", 1), "");
    EXPECT_EQ(commandLineArgument("prog.exe   first second", 1), "first");
    EXPECT_EQ(commandLineArgument("\"C:\\Program Files\\b.exe\" \"D:\\My Files\\x.cfg\" y", 1), "D:\\My Files\\x.cfg");
    EXPECT_EQ(commandLineArgument("\"C:\\Program Files\\b.exe\" a", 0), "C:\\Program Files\\b.exe");
    EXPECT_EQ(commandLineArgument("p\t\x01 a\"b c\"d", 1), "ab cd");
}

}  // namespace
