// The application's own name, as its error box shows it.
#include "ui/Application.h"

#include <gtest/gtest.h>

namespace {

TEST(Title, IsTheExeNameUpToItsFirstDotLowerCasedAfterTheFirstLetter) {
    EXPECT_EQ(ui::titleFromExePath("C:\\Tools\\BRIMLOW.EXE"), "Brimlow");
    EXPECT_EQ(ui::titleFromExePath("C:\\x.y\\my.tool.exe"), "my");
    EXPECT_EQ(ui::titleFromExePath("Z:\\build\\App_Tests.exe"), "App_tests");
}

}  // namespace
