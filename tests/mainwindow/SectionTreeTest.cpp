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
        return {window.edit(ID_Edit2).text(),     window.edit(ID_Edit1).text(),     window.edit(ID_Edit3).text(),     window.edit(ID_Edit3).enabled(), window.button(ID_Button2).enabled(),
                window.button(ID_Button3).enabled(), window.button(ID_Button6).enabled(), window.button(ID_Button7).enabled(), window.button(ID_Button10).enabled()};
    }
    const RightSide reset{"", "", "", false, false, false, false, false, false};

    MainWindow window{Config};
};

TEST_F(SectionTreeTest, LoadingShowsSectionsInFileOrderCollapsedWithNothingSelected) {
    EXPECT_THAT(window.topLevelTexts(), ElementsAre("Main", "Empty", "DISPLAY", "Main")) << "a duplicate as listed";
    EXPECT_EQ(window.tree().selected(), nullptr);
    for (ui::TreeNode s = window.tree().firstRoot(); s; s = window.tree().nextSibling(s)) {
        EXPECT_FALSE(window.tree().expanded(s));
    }
    EXPECT_EQ(rightSide(), reset);
    EXPECT_EQ(window->view().currentPath, window.simPath());
}

TEST_F(SectionTreeTest, KeysAreChildrenInFileOrderAndAnEmptySectionHasNone) {
    std::vector<std::string> keys;
    for (ui::TreeNode k = window.tree().firstChild(window.node("Main")); k; k = window.tree().nextSibling(k)) {
        keys.push_back(window.tree().text(k));
    }
    EXPECT_THAT(keys, ElementsAre("User Objects", "Maximized"));
    EXPECT_EQ(window.tree().firstChild(window.node("Empty")), nullptr);
    EXPECT_EQ(window.tree().count(), 4 + 2 + 2 + 2) << "the duplicate section shows the keys listed for its name";
}

TEST_F(SectionTreeTest, SelectingASectionShowsItsNameAndEnablesTheSectionCommands) {
    window.select("DISPLAY");
    EXPECT_EQ(rightSide(), (RightSide{"DISPLAY", "", "", false, true, false, false, true, true}));
}

TEST_F(SectionTreeTest, SelectingAKeyShowsItsValueReadyToEditButNotToSet) {
    window.click("Main/User Objects");
    EXPECT_EQ(rightSide(), (RightSide{"Main", "User Objects", "Airplane, Helicopter", true, false, true, false, false,
                                      false}));
    window.type(window.edit(ID_Edit3), "!");
    EXPECT_EQ(window.edit(ID_Edit3).text(), "Airplane, Helicopter!");
    EXPECT_TRUE(window.button(ID_Button6).enabled()) << "a changed value can be set";
}

TEST_F(SectionTreeTest, AKeyWithAnEmptyValueShowsAnEmptyEnabledBox) {
    window.select("DISPLAY/Blank");
    EXPECT_EQ(rightSide(), (RightSide{"DISPLAY", "Blank", "", true, false, true, false, false, false}));
}

TEST_F(SectionTreeTest, ClickingTheSelectedKeyAgainReadsTheFileAgain) {
    window.click("DISPLAY/TEXTURE_BANDWIDTH_MULT");
    window.type(window.edit(ID_Edit3), "0");
    EXPECT_EQ(window.edit(ID_Edit3).text(), "400");
    window.clickSelected();
    EXPECT_EQ(window.edit(ID_Edit3).text(), "40") << "an unsaved edit is replaced";
    writeFile(window.simPath(), "[DISPLAY]\r\nTEXTURE_BANDWIDTH_MULT=80\r\n");
    window.clickSelected();
    EXPECT_EQ(window.edit(ID_Edit3).text(), "80");
    EXPECT_FALSE(window.button(ID_Button6).enabled());
}

TEST_F(SectionTreeTest, MovingToAnotherNodeDiscardsAnEditWithoutWriting) {
    window.select("Main/Maximized");
    window.type(window.edit(ID_Edit3), "1");
    window.select("DISPLAY");
    EXPECT_EQ(rightSide(), (RightSide{"DISPLAY", "", "", false, true, false, false, true, true}));
    EXPECT_EQ(window.fileText(), Config);
    EXPECT_TRUE(window.prompts.messages.empty());
}

TEST_F(SectionTreeTest, ReloadingResetsTheSelectionAndTheRightSide) {
    window.select("Main/Maximized");
    window->LoadConfigFile(window.simPath());
    EXPECT_EQ(window.tree().selected(), nullptr);
    EXPECT_EQ(rightSide(), reset);
}

TEST(SectionTreeMissing, AMissingFileShowsAnEmptyTreeWithoutAMessage) {
    MainWindow window(nullptr);
    EXPECT_EQ(window.tree().count(), 0);
    EXPECT_TRUE(window.prompts.messages.empty());
}

}  // namespace
