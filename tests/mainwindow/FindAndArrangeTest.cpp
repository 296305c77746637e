// Finding in names, sorting, expanding and collapsing, and the tree's keys.
#include "support/MainWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

const char* const Config =
    "[zeta]\r\nwind=1\r\nAlpha=ground\r\n"
    "[Graphics]\r\nTEXTURE_MAX_LOAD=1024\r\nNUM_LIGHTS=8\r\n"
    "[beta]\r\ntexture_quality=3\r\n"
    "[Betamax]\r\nBeta=1\r\nalpha=1\r\n";

class FindTest : public ::testing::Test {
protected:
    std::string find(const std::string& text) {
        window.edit(ID_Edit7).setText(text);
        window.button(ID_Button20).click();
        return selectedPath();
    }
    std::string selectedPath() {
        ui::TreeView& tree = window.tree();
        ui::TreeNode node = tree.selected();
        if (!node) return "<none>";
        ui::TreeNode parent = tree.parent(node);
        return parent ? tree.text(parent) + "/" + tree.text(node) : tree.text(node);
    }

    MainWindow window{Config};
};

TEST_F(FindTest, MatchesAnyPartOfANameWithoutRegardToCaseButNeverValues) {
    EXPECT_EQ(find("TEXTURE"), "Graphics/TEXTURE_MAX_LOAD");
    EXPECT_EQ(window.edit(ID_Edit3).text(), "1024") << "the found key is shown as if clicked";
    EXPECT_EQ(find("ure_q"), "beta/texture_quality");
    EXPECT_EQ(find("ground"), "zeta") << "no name matches: the first node";
}

TEST_F(FindTest, StartsAfterTheSelectionAndWrapsToTheFirstMatch) {
    window.select("Graphics/TEXTURE_MAX_LOAD");
    EXPECT_EQ(find("_"), "Graphics/NUM_LIGHTS") << "the next key of the same section first";
    EXPECT_EQ(find("alpha"), "Betamax/alpha");
    EXPECT_EQ(find("alpha"), "zeta/Alpha") << "past the end: from the top";
    EXPECT_EQ(find("alpha"), "Betamax/alpha");
}

TEST_F(FindTest, EnterInTheFindBoxFinds) {
    window.edit(ID_Edit7).setText("lights");
    window.keyDown(window.edit(ID_Edit7), VK_RETURN);
    EXPECT_EQ(selectedPath(), "Graphics/NUM_LIGHTS");
}

TEST_F(FindTest, TheOnlyMatchBeingTheFirstNodeStaysSelected) {
    EXPECT_EQ(find("zet"), "zeta");
    EXPECT_EQ(find("zet"), "zeta");
}

TEST_F(FindTest, AnEmptyTextDoesNothing) {
    window.select("beta");
    EXPECT_EQ(find(""), "beta");
}

TEST(FindEmpty, AnEmptyTreeDoesNothingAndSaysNothing) {
    MainWindow window(nullptr);
    window.edit(ID_Edit7).setText("x");
    window.button(ID_Button20).click();
    EXPECT_TRUE(window.prompts.messages.empty());
    EXPECT_EQ(window.tree().selected(), nullptr);
}

TEST_F(FindTest, SortOrdersAlphabeticallyAndReloadRestoresTheFileOrder) {
    window.button(ID_Button4).click();
    EXPECT_THAT(window.topLevelTexts(), ElementsAre("beta", "Betamax", "Graphics", "zeta"))
        << "letters before case, unlike a byte order";
    ui::TreeView& tree = window.tree();
    ui::TreeNode zeta = window.node("zeta");
    EXPECT_EQ(tree.text(tree.firstChild(zeta)), "Alpha");
    EXPECT_EQ(window.fileText(), Config) << "the file keeps its order";
    window.button(ID_Button13).click();
    EXPECT_THAT(window.topLevelTexts(), ElementsAre("zeta", "Graphics", "beta", "Betamax"));
}

TEST_F(FindTest, ExpandAndCollapseAll) {
    window.button(ID_Button17).click();
    for (const char* s : {"zeta", "Graphics", "beta", "Betamax"}) EXPECT_TRUE(window.tree().expanded(window.node(s)));
    window.button(ID_Button18).click();
    for (const char* s : {"zeta", "Graphics", "beta", "Betamax"}) EXPECT_FALSE(window.tree().expanded(window.node(s)));
}

TEST_F(FindTest, TypingInTheTreeShowsTheKeyCodeAndEnterExpands) {
    window.select("Graphics");
    window.press(window.tree(), 'a');
    EXPECT_EQ(window->caption(), "Key = 97");
    window.press(window.tree(), static_cast<char>(233));
    EXPECT_EQ(window->caption(), "Key = -23");
    window.select("Graphics");
    window.press(window.tree(), '\r');
    EXPECT_TRUE(window.tree().expanded(window.node("Graphics")));
    EXPECT_EQ(window->caption(), "Key = 13");
}

}  // namespace
