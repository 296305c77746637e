// The main window as built: every control against the layout a user sees.
#include "support/MainWindow.h"
#include "ui/Application.h"

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace {

struct Expected {
    const char* name;
    const char* windowClass;
    const char* parent;  // "" for the window
    int left, top, width, height;
    const char* text;  // nullptr: not a caption
    const char* hint;
    bool enabled;
    bool visible;
};

// After construction: the input panels and the help box have their working heights.
const Expected Layout[] = {
    {"Panel4", "TPanel", "", 0, 0, 297, 467, "", "", true, true},
    {"TreeView1", "SysTreeView32", "Panel4", 9, 8, 280, 377, nullptr, "", true, true},
    {"Memo1", "Edit", "Panel4", 9, 8, 280, 377, nullptr, "", true, false},
    {"Edit7", "Edit", "Panel4", 40, 400, 153, 21, "", "", true, true},
    {"Button20", "Button", "Panel4", 192, 398, 49, 25, "Find", "Find the text in Section or Key names", true, true},
    {"Button17", "Button", "Panel4", 8, 432, 81, 25, "Expand", "Expand the tree to show all  Keys", true, true},
    {"Button4", "Button", "Panel4", 95, 432, 114, 25, "Sort alphabetically", "Sort Sections and Keys alphabetically",
     true, true},
    {"Button18", "Button", "Panel4", 216, 432, 73, 25, "Collapse", "Callapse the tree so only Sections are displayed",
     true, true},
    {"Panel3", "TPanel", "", 297, 0, 216, 467, "", "", true, true},
    {"GroupBox2", "TGroupBox", "Panel3", 7, 4, 201, 157, "Key Value", "", true, true},
    {"Edit3", "Edit", "GroupBox2", 8, 24, 185, 21, "", "", false, true},
    {"Button6", "Button", "GroupBox2", 16, 56, 169, 25, "<< Set new value", "", false, true},
    {"Button3", "Button", "GroupBox2", 16, 88, 169, 25, "Delete Key", "", false, true},
    {"Button10", "Button", "GroupBox2", 16, 120, 169, 25, "Add new Key", "", false, true},
    {"Panel2", "TPanel", "GroupBox2", 8, 16, 185, 137, "", "", true, false},
    {"Edit5", "Edit", "Panel2", 8, 16, 169, 21, "", "", true, true},
    {"Label1", "Static", "Panel2", 8, 40, 169, 17, "Key Name", "", true, true},
    {"Edit6", "Edit", "Panel2", 8, 56, 169, 21, "", "", true, true},
    {"Label2", "Static", "Panel2", 8, 80, 169, 17, "Key Value", "", true, true},
    {"Button11", "Button", "Panel2", 8, 96, 81, 25, "Add", "", true, true},
    {"Button12", "Button", "Panel2", 96, 96, 81, 25, "Cancel", "", true, true},
    {"GroupBox3", "TGroupBox", "Panel3", 7, 168, 201, 121, "Sections", "", true, true},
    {"Button2", "Button", "GroupBox3", 16, 32, 169, 25, "Delete whole Section", "", false, true},
    {"Button7", "Button", "GroupBox3", 16, 64, 169, 25, "Add new Section", "", false, true},
    {"Panel1", "TPanel", "GroupBox3", 8, 16, 185, 98, "Section Name", "", true, false},
    {"Edit4", "Edit", "Panel1", 8, 16, 169, 21, "", "", true, true},
    {"Button8", "Button", "Panel1", 8, 64, 81, 25, "Add", "", true, true},
    {"Button9", "Button", "Panel1", 96, 64, 81, 25, "Cancel", "", true, true},
    {"Button21", "Button", "Panel3", 16, 292, 185, 25, "Save Copy", "", true, true},
    {"Button22", "Button", "Panel3", 16, 320, 185, 25, "Restore from Copy", "", true, true},
    {"Button13", "Button", "Panel3", 15, 348, 185, 25, "Reload FSX cfg file", "", true, true},
    {"Button19", "Button", "Panel3", 15, 376, 185, 25, "View in Notepad", "", true, true},
    {"Button15", "Button", "Panel3", 15, 404, 90, 25, "About", "", true, true},
    {"Button16", "Button", "Panel3", 111, 404, 90, 25, "Help", "Display or Hide the Help text", true, true},
    {"Button14", "Button", "Panel3", 151, 432, 49, 25, "Exit", "", true, true},
    {"GroupBox1", "TGroupBox", "", 72, 32, 201, 145, "Value", "", true, false},
    {"Edit2", "Edit", "GroupBox1", 16, 24, 145, 21, "", "", true, true},
    {"Edit1", "Edit", "GroupBox1", 16, 60, 145, 21, "", "", true, true},
    {"ListBox1", "ListBox", "", 8, 8, 113, 57, "", "", true, false},
    {"ListBox2", "ListBox", "", 8, 72, 113, 57, "", "", true, false},
};

class MainLayoutTest : public ::testing::Test {
protected:
    ui::Control& control(const std::string& name) { return *controls.at(name); }
    std::string windowClass(HWND hwnd) {
        char name[64] = {};
        GetClassNameA(hwnd, name, sizeof name);
        return name;
    }
    std::string nameOf(HWND hwnd) {
        for (const auto& [name, c] : controls) {
            if (c->handle() == hwnd) return name;
        }
        return hwnd == window->handle() ? "" : "?";
    }

    MainWindow window{"[Main]\r\nk=1\r\n"};
    std::map<std::string, ui::Control*> controls = {
        {"Panel4", &window.control(ID_Panel4)}, {"Panel3", &window.control(ID_Panel3)}, {"Panel1", &window.control(ID_Panel1)}, {"Panel2", &window.control(ID_Panel2)},
        {"GroupBox1", &window.control(ID_GroupBox1)}, {"GroupBox2", &window.control(ID_GroupBox2)}, {"GroupBox3", &window.control(ID_GroupBox3)},
        {"TreeView1", &window.tree()}, {"Memo1", &window.control(ID_Memo1)}, {"Edit1", &window.control(ID_Edit1)}, {"Edit2", &window.control(ID_Edit2)},
        {"Edit3", &window.control(ID_Edit3)}, {"Edit4", &window.control(ID_Edit4)}, {"Edit5", &window.control(ID_Edit5)}, {"Edit6", &window.control(ID_Edit6)}, {"Edit7", &window.control(ID_Edit7)},
        {"Button2", &window.control(ID_Button2)}, {"Button3", &window.control(ID_Button3)}, {"Button4", &window.control(ID_Button4)}, {"Button6", &window.control(ID_Button6)},
        {"Button7", &window.control(ID_Button7)}, {"Button8", &window.control(ID_Button8)}, {"Button9", &window.control(ID_Button9)}, {"Button10", &window.control(ID_Button10)},
        {"Button11", &window.control(ID_Button11)}, {"Button12", &window.control(ID_Button12)}, {"Button13", &window.control(ID_Button13)},
        {"Button14", &window.control(ID_Button14)}, {"Button15", &window.control(ID_Button15)}, {"Button16", &window.control(ID_Button16)},
        {"Button17", &window.control(ID_Button17)}, {"Button18", &window.control(ID_Button18)}, {"Button19", &window.control(ID_Button19)},
        {"Button20", &window.control(ID_Button20)}, {"Button21", &window.control(ID_Button21)}, {"Button22", &window.control(ID_Button22)},
        {"Label1", &window.control(ID_Label1)}, {"Label2", &window.control(ID_Label2)}, {"ListBox1", &window.control(ID_ListBox1)}, {"ListBox2", &window.control(ID_ListBox2)},
    };
};

TEST_F(MainLayoutTest, EveryControlHasItsKindParentPlaceTextHintAndState) {
    ASSERT_EQ(std::size(Layout), controls.size());
    for (const Expected& e : Layout) {
        ui::Control& c = control(e.name);
        EXPECT_EQ(windowClass(c.handle()), e.windowClass);
        EXPECT_EQ(nameOf(GetParent(c.handle())), e.parent);
        RECT r = c.bounds();
        EXPECT_EQ(r.left, e.left);
        EXPECT_EQ(r.top, e.top);
        EXPECT_EQ(r.right - r.left, e.width);
        EXPECT_EQ(r.bottom - r.top, e.height);
        if (e.text) {
            EXPECT_EQ(c.text(), e.text);
        }
        EXPECT_EQ(window->hintOf(c.handle()), e.hint);
        EXPECT_EQ(c.enabled(), e.enabled);
        EXPECT_EQ(c.visible(), e.visible);
        if (HasFailure()) {
            ADD_FAILURE() << "the first control not as laid out: " << e.name;
            return;
        }
    }
}

TEST_F(MainLayoutTest, TabWalksTheCommandSideBeforeTheTreeSide) {
    std::vector<std::string> order;
    for (HWND hwnd : window->tabOrder()) order.push_back(nameOf(hwnd));
    EXPECT_THAT(order, ::testing::ElementsAre(
                           "Edit3", "Button6", "Button3", "Button10", "Edit5", "Button11", "Button12", "Edit6",
                           "Button2", "Button7", "Edit4", "Button8", "Button9", "Button13", "Button15", "Button16",
                           "Button14", "Button19", "Button21", "Button22", "Memo1", "TreeView1", "Button17",
                           "Button18", "Button4", "Edit7", "Button20", "Edit2", "Edit1", "ListBox1", "ListBox2"));
}

// The window is brought to the foreground, which every process on the display shares.
class MainLayoutDesktop : public MainLayoutTest {};

TEST_F(MainLayoutDesktop, TabAndShiftTabSkipWhatIsDisabledOrHidden) {
    window->show();
    SetForegroundWindow(window->handle());
    auto tab = [&](bool shift) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG message{GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {0, 0}};
        ui::Application::processMessage(message);
        return nameOf(GetFocus());
    };
    SetFocus(window.control(ID_Button22).handle());
    EXPECT_EQ(tab(false), "TreeView1") << "the hidden help box is skipped";
    EXPECT_EQ(tab(false), "Button17");
    EXPECT_EQ(tab(true), "TreeView1");
    window.select("Main/k");
    SetFocus(window.control(ID_Button20).handle());
    EXPECT_EQ(tab(false), "Edit3") << "round to the command side, to the value box a key enables";
    EXPECT_EQ(tab(false), "Button3");
    EXPECT_EQ(tab(true), "Edit3");
}

// The form's own tips window: the one it owns that holds the layout's five hints.
struct HintsSearch {
    HWND form, found;
};

BOOL CALLBACK findHints(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<HintsSearch*>(param);
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    bool tips = lstrcmpiA(name, TOOLTIPS_CLASSA) == 0 && GetWindow(hwnd, GW_OWNER) == search->form;
    if (tips && SendMessageA(hwnd, TTM_GETTOOLCOUNT, 0, 0) == 5) search->found = hwnd;
    return search->found ? FALSE : TRUE;
}

HWND hintsWindow(HWND form) {
    HintsSearch search{form, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), findHints, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Shown, the window gives the focus to the first control that takes it, makes its hints once it has
// painted without anyone asking, and gives the focus back to the last control when it is active again.
TEST_F(MainLayoutDesktop, ShownItFocusesTheFirstControlMakesItsHintsAndComesBackToTheLastFocus) {
    EXPECT_EQ(hintsWindow(window->handle()), nullptr) << "no hints before the window is shown";
    window->show();
    SetForegroundWindow(window->handle());
    EXPECT_TRUE(window.settle([&] { return hintsWindow(window->handle()) != nullptr; }));
    EXPECT_EQ(nameOf(GetFocus()), "Button13") << "the key and section buttons are disabled at start";
    SetFocus(window.control(ID_Button20).handle());
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(other);
    EXPECT_NE(GetActiveWindow(), window->handle());
    SetForegroundWindow(window->handle());
    EXPECT_EQ(nameOf(GetFocus()), "Button20");
    DestroyWindow(other);
}

TEST_F(MainLayoutTest, TheWindowHasAFixedBorderAndItsClientSize) {
    LONG style = GetWindowLongA(window->handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_MAXIMIZEBOX);
    RECT client;
    GetClientRect(window->handle(), &client);
    EXPECT_EQ(client.right, 513);
    EXPECT_EQ(client.bottom, 467);
    EXPECT_EQ(window->caption(), "Brimlow");
    EXPECT_TRUE(SendMessageA(window->handle(), WM_GETICON, ICON_BIG, 0) ||
                GetClassLongPtrA(window->handle(), GCLP_HICON));
}

TEST_F(MainLayoutTest, ControlsUseMsSansSerif8AndTheValueBoxIsBold) {
    for (const char* name : {"Edit3", "Button6", "TreeView1", "Label1"}) {
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control(name).handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif") << name;
        EXPECT_EQ(font.lfHeight, -11) << name;
        EXPECT_EQ(font.lfWeight, std::string(name) == "Edit3" ? FW_BOLD : FW_NORMAL) << name;
    }
}

TEST_F(MainLayoutTest, TheTreeHasButtonsLinesAndReadOnlyLabels) {
    LONG style = GetWindowLongA(window.tree().handle(), GWL_STYLE);
    EXPECT_EQ(style & (TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS),
              TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS);
    EXPECT_FALSE(style & TVS_EDITLABELS);
    EXPECT_EQ(SendMessageA(window.tree().handle(), TVM_GETINDENT, 0, 0), 19);
}

TEST_F(MainLayoutTest, TheInputPanelsLieAboveWhatTheyCover) {
    auto above = [](HWND top, HWND below) {
        for (HWND h = GetWindow(top, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT)) {
            if (h == below) return true;
        }
        return false;
    };
    EXPECT_TRUE(above(window.control(ID_Panel2).handle(), window.control(ID_Edit3).handle()));
    EXPECT_TRUE(above(window.control(ID_Panel2).handle(), window.control(ID_Button10).handle()));
    EXPECT_TRUE(above(window.control(ID_Panel1).handle(), window.control(ID_Button7).handle()));
    EXPECT_TRUE(above(window.control(ID_Memo1).handle(), window.tree().handle()));
}

// What is hidden at start is made when first used, a panel with all it holds; the rest waits on.
TEST(MainLayoutStart, HiddenControlsAreMadeWhenFirstUsed) {
    MainWindow window("[Main]\r\nk=1\r\n");
    HWND form = window->handle();
    for (int id : {ID_Panel1, ID_Edit4, ID_Panel2, ID_Memo1, ID_ListBox1}) EXPECT_EQ(childWithId(form, id), nullptr) << id;
    window.click("Main");
    window.button(ID_Button7).click();
    EXPECT_TRUE(GetWindowLongA(childWithId(form, ID_Panel1), GWL_STYLE) & WS_VISIBLE);
    EXPECT_NE(childWithId(form, ID_Edit4), nullptr);
    EXPECT_NE(childWithId(form, ID_Button9), nullptr);
    EXPECT_EQ(childWithId(form, ID_Panel2), nullptr) << "the key panel waits for its own first use";
}

TEST_F(MainLayoutTest, AWiderWindowKeepsTheCommandSideAtTheRightEdge) {
    RECT r = window->windowRect();
    SetWindowPos(window->handle(), nullptr, 0, 0, r.right - r.left + 300, r.bottom - r.top + 100,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT panel3 = window.control(ID_Panel3).bounds(), panel4 = window.control(ID_Panel4).bounds();
    EXPECT_EQ(panel3.left, 513 + 300 - 216);
    EXPECT_EQ(panel3.right - panel3.left, 216);
    EXPECT_EQ(panel3.bottom, 467 + 100);
    EXPECT_EQ(panel4.right, panel3.left);
    RECT button = window.control(ID_Button14).bounds();
    EXPECT_EQ(button.left, 151) << "controls keep their place inside their panel";
}

}  // namespace
