// Paths as the program takes them apart.
#include "platform/Paths.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderOf, KeepsTheLastSeparator) {
    EXPECT_EQ(platform::folderOf("C:\\Tools\\Brimlow.exe"), "C:\\Tools\\");
    EXPECT_EQ(platform::folderOf("D:\\Brimlow.exe"), "D:\\");
    EXPECT_EQ(platform::folderOf("D:Brimlow.exe"), "D:");
    EXPECT_EQ(platform::folderOf("Brimlow.exe"), "");
}

}  // namespace
