// Which folder the temporary-folder component settles on, from the environment.
#include "platform/TempFolder.h"
#include "support/Environment.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

class TempFolderTest : public ::testing::Test {
protected:
    std::string fallback() const { return windowsFolder() + "\\_temp\\"; }
    ScopedEnvironment env;
    ScratchFolder scratch;
};

TEST_F(TempFolderTest, TempNamesAnExistingFolder) {
    env.set("TEMP", scratch.path());
    EXPECT_EQ(TTempFolder().Path(), scratch.path() + "\\");
    env.set("TEMP", scratch.path() + "\\");
    EXPECT_EQ(TTempFolder().Path(), scratch.path() + "\\") << "no second backslash";
}

TEST_F(TempFolderTest, TmpIsUsedOnlyWhenTempIsUndefined) {
    env.set("TEMP", std::nullopt);
    env.set("TMP", scratch.path());
    EXPECT_EQ(TTempFolder().Path(), scratch.path() + "\\");
}

TEST_F(TempFolderTest, AMissingFolderWhoseParentExistsIsCreated) {
    env.set("TEMP", scratch / "made");
    EXPECT_EQ(TTempFolder().Path(), scratch / "made\\");
    EXPECT_TRUE(GetFileAttributesA((scratch / "made").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(TempFolderTest, AnUncreatableFolderFallsBackToTheWindowsFolderWhateverTmpHolds) {
    env.set("TEMP", scratch / "missing\\parent\\child");
    env.set("TMP", scratch.path());
    EXPECT_EQ(TTempFolder().Path(), fallback());
    EXPECT_FALSE(fileExists(scratch / "missing"));
}

TEST_F(TempFolderTest, APlainFileIsAcceptedAsItsName) {
    writeFile(scratch / "plain", "x");
    env.set("TEMP", scratch / "plain");
    EXPECT_EQ(TTempFolder().Path(), scratch / "plain\\");
}

TEST_F(TempFolderTest, NeitherVariableDefinedUsesTheFallbackAndMakesNoStrayFolder) {
    env.set("TEMP", std::nullopt);
    env.set("TMP", std::nullopt);
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    SetCurrentDirectoryA(scratch.path().c_str());
    std::string path = TTempFolder().Path();
    SetCurrentDirectoryA(current);
    EXPECT_EQ(path, fallback());
    EXPECT_TRUE(GetFileAttributesA(fallback().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(fileExists(scratch / "%tmp%"));
}

TEST_F(TempFolderTest, VariableNamesAreMatchedWithoutRegardToCaseAndLongValuesKeptWhole) {
    std::string deep = scratch.path();
    while (deep.size() < 300) deep += "\\a_rather_long_folder_name";
    env.set("TEMP", std::nullopt);
    env.set("tmp", scratch.path());
    EXPECT_EQ(TTempFolder().Path(), scratch.path() + "\\");
    EXPECT_EQ(expandEnvironment("%TMP%\\x"), scratch.path() + "\\x");
    env.set("BRIMLOW_LONG", deep);
    EXPECT_EQ(expandEnvironment("%brimlow_long%"), deep);
}

}  // namespace
