// The settings accessor: texts and numbers in the registry, and what a damaged value or a key the user
// may only read does.
#include "platform/Error.h"
#include "store/Settings.h"
#include "support/MainWindow.h"
#include "ui/Application.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingInt, ParsesDecimalAndHexadecimalTextStrictly) {
    struct Case {
        const char* text;
        bool parses;
        int value;
    } cases[] = {
        {"0x64", true, 100}, {"0X64", true, 100}, {"$64", true, 100},  {"x64", true, 100},
        {" 120", true, 120}, {"+7", true, 7},     {"-20", true, -20},  {"-2147483648", true, INT32_MIN},
        {"$FFFFFFFF", true, -1}, {"  0x10", true, 16},
        {"120 ", false, 0}, {"12a", false, 0}, {"2147483648", false, 0}, {"", false, 0}, {" ", false, 0},
        {"-$10", false, 0}, {"$", false, 0}, {"$100000000", false, 0}, {"1 2", false, 0},
    };
    for (const Case& c : cases) {
        int value = 12345;
        EXPECT_EQ(parseSettingInt(c.text, value), c.parses) << '"' << c.text << '"';
        if (c.parses) {
            EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        }
    }
}

class SettingsTest : public ::testing::Test {
protected:
    TestRegistryKey key;
    TRegIniFile settings{key.basePath()};
};

TEST_F(SettingsTest, TextsAndIntegersRoundTripAsText) {
    settings.WriteSettingText("Brimlow", "Load", "C:\\Copies");
    settings.WriteSettingInt("Brimlow", "Top", -20);
    EXPECT_EQ(key.text("Top"), "-20");
    EXPECT_EQ(settings.ReadSettingText("Brimlow", "Load", "d"), "C:\\Copies");
    EXPECT_EQ(settings.ReadSettingInt("Brimlow", "Top", 40), -20);
    EXPECT_EQ(settings.ReadSettingInt("Brimlow", "Missing", 40), 40);
    EXPECT_EQ(settings.ReadSettingText("Nowhere", "Load", "d"), "d");
    EXPECT_EQ(settings.BasePath(), key.basePath().substr(1));
}

TEST_F(SettingsTest, ANumberStoredAsANumberIsAnInvalidType) {
    settings.WriteSettingText("Brimlow", "Program", "x");
    key.setDword("Top", 120);
    try {
        settings.ReadSettingInt("Brimlow", "Top", 40);
        FAIL() << "no error";
    } catch (const platform::Error& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'Top'");
    }
}

TEST_F(SettingsTest, AKeyTheUserMayOnlyReadIsReadAndAWriteToItReports) {
    key.setText("Top", "120");
    key.denyWrites();
    TRegIniFile readOnly(key.basePath());
    EXPECT_EQ(readOnly.ReadSettingInt("Brimlow", "Top", 40), 120);
    EXPECT_THROW(readOnly.WriteSettingText("Brimlow", "Top", "7"), platform::Error);
    EXPECT_EQ(key.text("Top"), "120");
}

}  // namespace
