// A disk with no room left: a change is refused before it is written, or taken back whole when the
// system's writer cut the file short; either is said, and the same change is made once room is freed.
// The test runner mounts a small disk for these; without one they are skipped.
#include "support/MainWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

// Lines ended the Unix way: the system's writer ends each with CR LF, so any change makes the file
// grow, here past the one page of the disk it fills (3,990 bytes, 4,180 rewritten).
std::string unixConfig() {
    std::string text = "[Main]\nValue=a long value\n[Sound]\n";
    for (int n = 0; text.size() < 3960; ++n) text += "Key_" + std::to_string(1000 + n) + "=v" + std::to_string(n % 10) + "\n";
    return text;
}

const char* const Full = "The disk is full";
const char* const NoRoom = "bytes free; this change needs";

class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (smallDisk().empty()) GTEST_SKIP() << "no small disk is mounted at " << BRIMLOW_SMALL_DISK << " (make test mounts one as root)";
    }
    void open() {
        window = std::make_unique<MainWindow>(unixConfig().c_str(), nullptr, WindowOptions{false, "", smallDisk()});
    }
    // The change, made on the full disk, leaves the file as it was byte for byte and says why; made
    // again once there is room, it is done.
    void refusedThenDone(const std::function<void()>& change, const char* reason) {
        const std::string before = window->fileText();
        filler.fill();
        size_t said = window->prompts.messages.size();
        change();
        EXPECT_EQ(window->fileText(), before);
        ASSERT_GT(window->prompts.messages.size(), said);
        EXPECT_THAT(window->prompts.messages.back().text, StartsWith("Unable to"));
        EXPECT_THAT(window->prompts.messages.back().text, HasSubstr(reason));
        filler.free();
        said = window->prompts.messages.size();
        change();
        EXPECT_NE(window->fileText(), before);
        for (size_t m = said; m < window->prompts.messages.size(); ++m) {
            EXPECT_THAT(window->prompts.messages[m].text, Not(StartsWith("Unable"))) << "done without an error";
        }
    }

    DiskFiller filler{smallDisk() + "\\filler"};
    std::unique_ptr<MainWindow> window;
};

TEST_F(FullDisk, ASetValueCutShortIsPutBack) {
    open();
    refusedThenDone([&] { window->setValue("Sound/Key_1000", "v9"); }, Full);
    EXPECT_EQ(window->edit(ID_Edit3).text(), "v9");
}

TEST_F(FullDisk, ADeleteCutShortIsPutBackAndTheTreeKeepsTheKey) {
    open();
    refusedThenDone([&] {
        window->click("Sound/Key_1001");
        window->prompts.answers = {IDYES};
        window->button(ID_Button3).click();
    }, Full);
    EXPECT_EQ(window->node("Sound/Key_1001"), nullptr);
}

TEST_F(FullDisk, ChangesThatGrowTheFileAreRefusedBeforeTheyAreWritten) {
    open();
    window->setValue("Sound/Key_1000", "v9");  // the file is now ended the system's way
    refusedThenDone([&] { window->setValue("Main/Value", std::string(1500, 'x')); }, NoRoom);
    refusedThenDone([&] {
        window->click("Sound");
        window->button(ID_Button10).click();
        window->edit(ID_Edit5).setText("New key");
        window->edit(ID_Edit6).setText(std::string(500, 'y'));
        window->button(ID_Button11).click();
    }, NoRoom);
    refusedThenDone([&] {
        window->click("Sound");
        window->button(ID_Button7).click();
        window->edit(ID_Edit4).setText("Section_" + std::to_string(GetTickCount()));
        window->button(ID_Button8).click();
    }, NoRoom);
    window->setValue("Main/Value", "x");
    refusedThenDone([&] {
        window->click("Main/Value");
        window->prompts.menuChoices = {1};  // Revert to Original Value
        window->pressInWindow(window->tree(), VK_APPS);
    }, NoRoom);
    filler.fill();
    window->click("Sound");
    window->prompts.answers = {IDYES};
    window->button(ID_Button2).click();
    EXPECT_EQ(window->node("Sound"), nullptr) << "a change that shrinks the file is made on a full disk";
    EXPECT_EQ(window->fileText().find("[Sound]"), std::string::npos);
}

TEST_F(FullDisk, ARestoreTheDiskCannotHoldPutsTheFileBack) {
    open();
    std::string copy = window->appDataPath() + "\\bigger.cfg";
    writeFile(copy, unixConfig() + std::string(5000, ';') + "\n");
    refusedThenDone([&] {
        window->prompts.answers = {IDYES};
        window->prompts.chosenFiles = {copy};
        window->button(ID_Button22).click();
    }, Full);
}

TEST_F(FullDisk, SafetyCopiesTheDiskCannotHoldAreSaidAndLeftOut) {
    ScratchFolder appData(smallDisk());
    makeFolders(appData / "Microsoft\\FSx");
    std::string sim = appData / "Microsoft\\FSx\\FSX.cfg";
    writeFile(sim, unixConfig());
    filler.fill();
    ScriptedPrompts prompts;
    TestRegistryKey registry;
    TForm1 form(testStartup(appData.path(), registry));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_THAT(prompts.messages[0].text, StartsWith("Unable to copy " + sim + " to " + sim + ".org:\nThe disk is full"));
    EXPECT_FALSE(fileExists(sim + ".org")) << "no copy cut short";
    EXPECT_FALSE(fileExists(sim + ".bak"));
    EXPECT_EQ(readFile(sim), unixConfig());
}

}  // namespace
