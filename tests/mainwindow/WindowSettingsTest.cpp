// The window's settings: what is read and written when, and what a damaged value does.
#include "store/Settings.h"
#include "support/MainWindow.h"
#include "ui/Application.h"

#include <gtest/gtest.h>

namespace {

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
