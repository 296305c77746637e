// The per-user settings: what is read and written when, and what a damaged value does.
#include "app/Settings.h"
#include "support/MainWindow.h"
#include "ui/Application.h"
#include "ui/Error.h"

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
    } catch (const ui::Error& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'Top'");
    }
}

TEST_F(SettingsTest, AKeyTheUserMayOnlyReadIsReadAndAWriteToItReports) {
    key.setText("Top", "120");
    key.denyWrites();
    TRegIniFile readOnly(key.basePath());
    EXPECT_EQ(readOnly.ReadSettingInt("Brimlow", "Top", 40), 120);
    EXPECT_THROW(readOnly.WriteSettingText("Brimlow", "Top", "7"), ui::Error);
    EXPECT_EQ(key.text("Top"), "120");
}

void firstStart(TestRegistryKey&) {}

TEST(WindowSettings, TheFirstStartRecordsTheProgramOnlyAndOpensAtTheDefaults) {
    MainWindow window("[A]\r\n", firstStart);
    EXPECT_EQ(window.registry.valueCount(), 1);
    EXPECT_EQ(window.registry.text("Program"), ui::Application::exePath());
    RECT r = window->windowRect();
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.left, 60);
    EXPECT_EQ(window->view().load.InitialDir(), "");
    EXPECT_EQ(window->view().save.InitialDir(), "");
}

void storedPlace(TestRegistryKey& key) {
    key.setText("Top", "0x64");
    key.setText("Left", " 120");
    key.setText("Width", "9999");
    key.setText("Load", "C:\\Copies\\");
    key.setText("Save", "D:\\");
}

TEST(WindowSettings, CloseStoresAllSevenValuesAsTheWindowAndDialogsHoldThem) {
    MainWindow window("[A]\r\n", storedPlace);
    RECT r = window->windowRect();
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(window->view().load.InitialDir(), "C:\\Copies");
    EXPECT_EQ(window->view().save.InitialDir(), "D:\\");
    window->close();
    EXPECT_EQ(window.registry.valueCount(), 7);
    EXPECT_EQ(window.registry.text("Top"), "100");
    EXPECT_EQ(window.registry.text("Left"), "120");
    EXPECT_EQ(window.registry.text("Width"), std::to_string(r.right - r.left)) << "written, never read";
    EXPECT_EQ(window.registry.text("Height"), std::to_string(r.bottom - r.top));
    EXPECT_EQ(window.registry.text("Load"), "C:\\Copies");
    EXPECT_EQ(window.registry.text("Save"), "D:\\");
}

void damaged(TestRegistryKey& key) {
    key.setDword("Top", 300);
    key.setText("Left", "12a");
    key.setDword("Load", 1);
}

TEST(WindowSettings, ValuesOfTheWrongTypeOrFormReadAsTheirDefaults) {
    MainWindow window("[A]\r\nk=1\r\n", damaged);
    RECT r = window->windowRect();
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.left, 60);
    EXPECT_EQ(window->view().load.InitialDir(), "");
    EXPECT_TRUE(window.prompts.messages.empty()) << "the program simply starts";
    EXPECT_EQ(window.tree().count(), 2);
}

// Where the window opens for stored "Top" and "Left" texts, as (left, top).
std::pair<int, int> openedAt(const char* top, const char* left) {
    MainWindow window("[A]\r\n", [&](TestRegistryKey& key) {
        key.setText("Top", top);
        key.setText("Left", left);
    });
    RECT r = window->windowRect();
    return {r.left, r.top};
}

TEST(WindowSettings, APositionOffEveryMonitorFallsBackToTheDefaultsAndAPartlyVisibleOneIsKept) {
    EXPECT_EQ(openedAt("-5000", "30000"), std::make_pair(60, 40));
    EXPECT_EQ(openedAt("-20", "-30"), std::make_pair(-30, -20));
    EXPECT_EQ(openedAt("2147483648", "-20"), std::make_pair(-20, 40)) << "out of range: the default";
}

}  // namespace
