// Taking a change back: the file's bytes put back whole, or kept beside it when the file can't take them.
#include "store/FileSnapshot.h"
#include "support/TestFiles.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

TEST(FileSnapshot, TheBytesArePutBackOrKeptBesideTheFileAndTheUserToldWhere) {
    ScratchFolder folder;
    const std::string path = folder / "FSX.cfg", held = "[A]\r\nk=1\r\n";
    writeFile(path, held);
    FileSnapshot before(path);
    writeFile(path, "[A]\r\nk=cu");
    EXPECT_EQ(before.putBack(), std::nullopt);
    EXPECT_EQ(readFile(path), held);

    writeFile(path, "[A]\r\nk=cu");
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    std::optional<std::string> problem = before.putBack();
    CloseHandle(reader);
    ASSERT_TRUE(problem);
    EXPECT_THAT(*problem, ::testing::StartsWith("The file could not be put back as it was: "));
    EXPECT_THAT(*problem, ::testing::EndsWith("The bytes it held are kept in " + path + ".brimlow-rescue"));
    EXPECT_EQ(readFile(path + ".brimlow-rescue"), held);
}

}  // namespace
