// The About window: version line, module list, pages and contact buttons.
#include "about/TAboutForm.h"
#include "support/MainWindow.h"
#include "ui/Application.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::StartsWith;

namespace {

class AboutFormTest : public ::testing::Test {
protected:
    void showing() { SendMessageA(about.handle(), WM_SHOWWINDOW, TRUE, 0); }
    std::vector<std::string> items(ui::ListBox& list) {
        std::vector<std::string> result;
        for (int i = 0; i < list.count(); ++i) result.push_back(list.item(i));
        return result;
    }
    void clickLine(int index) {
        about.ListBox1.select(index);
        SendMessageA(about.handle(), WM_COMMAND, MAKEWPARAM(ID_AboutListBox1, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(about.ListBox1.handle()));
    }
    void choosePage(int index) {
        about.ComboBox1.setItemIndex(index);
        SendMessageA(about.handle(), WM_COMMAND, MAKEWPARAM(ID_ComboBox1, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(about.ComboBox1.handle()));
    }
    std::vector<bool> pages() {
        return {about.Label1.visible(), about.ListBox1.visible(), about.Label3.visible(), about.Memo2.visible(),
                about.Panel1.visible()};
    }

    ScriptedPrompts prompts;
    TAboutForm about;
};

TEST(VersionFormat, ShowsTheMajorNumberAndTheWholeLowWord) {
    EXPECT_EQ(formatVersion(MAKELONG(0, 4), MAKELONG(3, 0)), "4.00.3");
    EXPECT_EQ(formatVersion(MAKELONG(2, 1), MAKELONG(4, 3)), "1.00.196612");
    EXPECT_EQ(formatVersion(MAKELONG(9, 7), 0), "7.00.0");
    EXPECT_EQ(formatVersion(MAKELONG(0, 1), 0xFFFFFFFF), "1.00.-1");
}

TEST_F(AboutFormTest, TheVersionLineIsTheProgramsOwnVersion) {
    showing();
    EXPECT_EQ(about.Label2.text(), "Version 4.00.3");
}

TEST_F(AboutFormTest, TheModuleListIsSortedWithItsVersionsAndNotFound) {
    showing();
    EXPECT_THAT(items(about.ListBox1),
                ElementsAre("drelk.dll    -   2.00.17", "drelkbs.dll  -   Not found", "drelkvd.dll  -   Not found",
                            "railx.dll    -   Not found", "railxbs.dll  -   Not found", "scanlnk.dll  -   Not found",
                            "scanx.exe    -   Not found", "surfx.dll    -   Not found", "surfxbs.dll  -   Not found",
                            "tolva.dll    -   Not found", "tolvix.dll   -   Not found"));
    for (const std::string& line : items(about.ListBox1)) EXPECT_EQ(line[13], '-') << line;
}

TEST_F(AboutFormTest, DescriptionsPairWithTheirLinesWhateverTheOrderAdded) {
    showing();
    about.AddModule("aaa.dll", "aaa.dll\r\n\r\nAdded last, sorted first");
    std::vector<std::string> lines = items(about.ListBox1), descriptions = items(about.ListBox2);
    ASSERT_EQ(lines.size(), descriptions.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string name = lines[i].substr(0, lines[i].find(' '));
        EXPECT_THAT(descriptions[i], StartsWith(name + "\r\n\r\n"));
    }
    clickLine(0);
    EXPECT_EQ(about.Label3.text(), "aaa.dll\r\n\r\nAdded last, sorted first");
}

TEST_F(AboutFormTest, ClickingALineShowsItsModulesDescription) {
    showing();
    clickLine(2);
    EXPECT_EQ(about.Label3.text(), "drelkvd.dll\r\n\r\nVisual Dialogs and functions module.\nUsed by some drelk.dll functions");
}

TEST_F(AboutFormTest, TheSelectorShowsOnePageAtATime) {
    showing();
    EXPECT_EQ(pages(), (std::vector<bool>{true, false, false, false, false}));
    EXPECT_EQ(about.Label1.text(), about.aboutText);
    choosePage(1);
    EXPECT_EQ(pages(), (std::vector<bool>{false, true, true, false, false}));
    choosePage(2);
    EXPECT_EQ(pages(), (std::vector<bool>{false, false, false, true, false}));
    EXPECT_EQ(about.Memo2.lineCount(), 21) << "20 lines and the end";
    choosePage(3);
    EXPECT_EQ(pages(), (std::vector<bool>{false, false, false, false, true}));
    choosePage(0);
    EXPECT_EQ(pages(), (std::vector<bool>{true, false, false, false, false}));
}

TEST_F(AboutFormTest, ASecondShowingShowsProgramInformationAndSaysSo) {
    showing();
    choosePage(3);
    showing();
    EXPECT_EQ(pages(), (std::vector<bool>{true, false, false, false, false}));
    EXPECT_EQ(about.ComboBox1.itemIndex(), 0);
}

TEST_F(AboutFormTest, TheContactButtonsHandTheirAddressToTheShellAndClose) {
    showing();
    SendMessageA(about.MButton3.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(about.MButton3.handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageA(about.MButton2.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(about.MButton2.handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(prompts.shellRequests.size(), 2u);
    EXPECT_EQ(prompts.shellRequests[0].file, "https://www.pellam.example.com/");
    EXPECT_EQ(prompts.shellRequests[1].file, "mailto:support@pellam.example.com");
    EXPECT_EQ(prompts.shellRequests[0].owner, about.handle());
    EXPECT_FALSE(about.visible());
    EXPECT_NE(about.handle(), nullptr) << "hidden, not destroyed";
    EXPECT_EQ(about.hintOf(about.MButton3.handle()), "Visit the Pellam Graphics Website");
    EXPECT_EQ(about.hintOf(about.MButton2.handle()), "Contact");
}

TEST_F(AboutFormTest, TheWindowHasTheOutlineOfItsPicture) {
    RECT client;
    GetClientRect(about.handle(), &client);
    EXPECT_EQ(client.right, 480);
    EXPECT_EQ(client.bottom, 360);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(about.handle(), region), COMPLEXREGION);
    POINT origin{0, 0};
    ClientToScreen(about.handle(), &origin);
    RECT window;
    GetWindowRect(about.handle(), &window);
    int dx = origin.x - window.left, dy = origin.y - window.top;
    EXPECT_FALSE(PtInRegion(region, dx + 0, dy + 359)) << "the key colour's corner";
    for (POINT p : {POINT{80, 20}, POINT{457, 48}, POINT{144, 232}, POINT{384, 296}}) {
        EXPECT_TRUE(PtInRegion(region, dx + p.x, dy + p.y)) << p.x << "," << p.y << " lies on the picture";
    }
    DeleteObject(region);
}

TEST(AboutLifetime, TheListFontAndThePanelBrushAreFreedWithTheWindow) {
    HGDIOBJ font, brush;
    {
        TAboutForm about;
        font = reinterpret_cast<HGDIOBJ>(SendMessageA(about.ListBox1.handle(), WM_GETFONT, 0, 0));
        HDC dc = GetDC(about.handle());
        brush = reinterpret_cast<HGDIOBJ>(SendMessageA(about.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(about.Label4.handle())));
        ReleaseDC(about.handle(), dc);
        ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
        ASSERT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_EQ(GetObjectType(brush), 0u);
}

// The About window, once the message loop shows it; it is closed as its user would.
HWND shownAbout = nullptr;

void CALLBACK closeShownAbout(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND about = ownWindow("TAboutForm");
    if (!about || !IsWindowVisible(about)) return;
    KillTimer(nullptr, timer);
    shownAbout = about;
    SendMessageA(about, WM_CLOSE, 0, 0);
}

TEST(AboutButton, BuildsTheWindowOnFirstUseAndOpensItOverTheMainWindowUntilItCloses) {
    MainWindow window("[A]\r\n");
    ui::Application::setMainForm(&window.form());
    EXPECT_EQ(ownWindow("TAboutForm"), nullptr) << "not built before it is asked for";
    for (int showing = 0; showing < 2; ++showing) {
        shownAbout = nullptr;
        SetTimer(nullptr, 0, 10, closeShownAbout);
        window.button(ID_Button15).click();
        ASSERT_NE(shownAbout, nullptr) << "shown, and closed by the timer";
        EXPECT_FALSE(IsWindowVisible(shownAbout));
        EXPECT_TRUE(IsWindowEnabled(window->handle()));
        RECT a, m;
        GetWindowRect(shownAbout, &a);
        m = window->windowRect();
        EXPECT_EQ(a.left, m.left);
        EXPECT_EQ(a.top, m.top);
        char text[200] = {};
        GetWindowTextA(GetDlgItem(shownAbout, ID_AboutLabel1), text, sizeof text);
        EXPECT_THAT(text, StartsWith("Brimlow\n\nProgram to allow the easy editing"));
    }
    EXPECT_EQ(ownWindow("TAboutForm"), shownAbout) << "built once, kept for the next showing";
    ui::Application::setMainForm(nullptr);
}

}  // namespace
