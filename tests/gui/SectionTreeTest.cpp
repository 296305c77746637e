// The tree as a user meets it: what loading shows, and what selecting a node shows and enables.
#include "support/MainWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

const char* const Config =
    "[Main]\r\nUser Objects=Airplane, Helicopter\r\nMaximized=0\r\n"
    "[Empty]\r\n"
    "[DISPLAY]\r\nBlank=\r\nTEXTURE_BANDWIDTH_MULT=40\r\n"
    "[Main]\r\nLate=1\r\n";

struct RightSide {
    std::string section, key, value;
    bool valueBox, deleteSection, deleteKey, setValue, addSection, addKey;
    bool operator==(const RightSide& o) const {
        return section == o.section && key == o.key && value == o.value && valueBox == o.valueBox &&
               deleteSection == o.deleteSection && deleteKey == o.deleteKey && setValue == o.setValue &&
               addSection == o.addSection && addKey == o.addKey;
    }
};

std::ostream& operator<<(std::ostream& out, const RightSide& r) {
    return out << "section=" << r.section << " key=" << r.key << " value=" << r.value << " valueBox=" << r.valueBox
               << " delSection=" << r.deleteSection << " delKey=" << r.deleteKey << " set=" << r.setValue
               << " addSection=" << r.addSection << " addKey=" << r.addKey;
}

class SectionTreeTest : public ::testing::Test {
protected:
    RightSide rightSide() {
        TForm1& f = window.form();
        return {f.Edit2.text(),     f.Edit1.text(),     f.Edit3.text(),     f.Edit3.enabled(), f.Button2.enabled(),
                f.Button3.enabled(), f.Button6.enabled(), f.Button7.enabled(), f.Button10.enabled()};
    }
    const RightSide reset{"", "", "", false, false, false, false, false, false};

    MainWindow window{Config};
};

TEST_F(SectionTreeTest, LoadingShowsSectionsInFileOrderCollapsedWithNothingSelected) {
    EXPECT_THAT(window.topLevelTexts(), ElementsAre("Main", "Empty", "DISPLAY", "Main")) << "a duplicate as listed";
    TForm1& f = window.form();
    EXPECT_EQ(f.TreeView1.selected(), nullptr);
    for (ui::TreeNode s = f.TreeView1.firstRoot(); s; s = f.TreeView1.nextSibling(s)) {
        EXPECT_FALSE(f.TreeView1.expanded(s));
    }
    EXPECT_EQ(rightSide(), reset);
    EXPECT_EQ(f.currentPath, window.simPath());
}

TEST_F(SectionTreeTest, KeysAreChildrenInFileOrderAndAnEmptySectionHasNone) {
    TForm1& f = window.form();
    std::vector<std::string> keys;
    for (ui::TreeNode k = f.TreeView1.firstChild(window.node("Main")); k; k = f.TreeView1.nextSibling(k)) {
        keys.push_back(f.TreeView1.text(k));
    }
    EXPECT_THAT(keys, ElementsAre("User Objects", "Maximized"));
    EXPECT_EQ(f.TreeView1.firstChild(window.node("Empty")), nullptr);
    EXPECT_EQ(f.TreeView1.count(), 4 + 2 + 2 + 2) << "the duplicate section shows the keys listed for its name";
}

TEST_F(SectionTreeTest, SelectingASectionShowsItsNameAndEnablesTheSectionCommands) {
    window.select("DISPLAY");
    EXPECT_EQ(rightSide(), (RightSide{"DISPLAY", "", "", false, true, false, false, true, true}));
}

TEST_F(SectionTreeTest, SelectingAKeyShowsItsValueReadyToEditButNotToSet) {
    window.click("Main/User Objects");
    EXPECT_EQ(rightSide(), (RightSide{"Main", "User Objects", "Airplane, Helicopter", true, false, true, false, false,
                                      false}));
    window.type(window->Edit3, "!");
    EXPECT_EQ(window->Edit3.text(), "Airplane, Helicopter!");
    EXPECT_TRUE(window->Button6.enabled()) << "a changed value can be set";
}

TEST_F(SectionTreeTest, AKeyWithAnEmptyValueShowsAnEmptyEnabledBox) {
    window.select("DISPLAY/Blank");
    EXPECT_EQ(rightSide(), (RightSide{"DISPLAY", "Blank", "", true, false, true, false, false, false}));
}

TEST_F(SectionTreeTest, ClickingTheSelectedKeyAgainReadsTheFileAgain) {
    window.click("DISPLAY/TEXTURE_BANDWIDTH_MULT");
    window.type(window->Edit3, "0");
    EXPECT_EQ(window->Edit3.text(), "400");
    window.clickSelected();
    EXPECT_EQ(window->Edit3.text(), "40") << "an unsaved edit is replaced";
    writeFile(window.simPath(), "[DISPLAY]\r\nTEXTURE_BANDWIDTH_MULT=80\r\n");
    window.clickSelected();
    EXPECT_EQ(window->Edit3.text(), "80");
    EXPECT_FALSE(window->Button6.enabled());
}

TEST_F(SectionTreeTest, MovingToAnotherNodeDiscardsAnEditWithoutWriting) {
    window.select("Main/Maximized");
    window.type(window->Edit3, "1");
    window.select("DISPLAY");
    EXPECT_EQ(rightSide(), (RightSide{"DISPLAY", "", "", false, true, false, false, true, true}));
    EXPECT_EQ(window.fileText(), Config);
    EXPECT_TRUE(window.prompts.messages.empty());
}

TEST_F(SectionTreeTest, ReloadingResetsTheSelectionAndTheRightSide) {
    window.select("Main/Maximized");
    window->LoadConfigFile(window.simPath());
    EXPECT_EQ(window->TreeView1.selected(), nullptr);
    EXPECT_EQ(rightSide(), reset);
}

TEST(SectionTreeMissing, AMissingFileShowsAnEmptyTreeWithoutAMessage) {
    MainWindow window(nullptr);
    EXPECT_EQ(window->TreeView1.count(), 0);
    EXPECT_TRUE(window.prompts.messages.empty());
}

}  // namespace
