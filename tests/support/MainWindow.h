// The main window built in the test process (never shown) over a scratch application-data folder,
// with a scripted Prompts, and the user's actions as the messages they produce.
#pragma once

#include "app/TForm1.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"
#include "support/TestRegistry.h"

#include <functional>
#include <memory>
#include <string>

class MainWindow {
public:
    // The simulator's file holds content (nothing is written when content is null). The settings
    // live in a private key; prepare lets a test fill it before the window is built.
    explicit MainWindow(const char* content, const std::function<void(TestRegistryKey&)>& prepare = nullptr);

    TForm1& form() { return *form_; }
    TForm1* operator->() { return form_.get(); }
    const std::string& simPath() const { return simPath_; }
    std::string fileText() const { return readFile(simPath_); }

    // The node at "Section" or "Section/Key"; nullptr when there is none.
    ui::TreeNode node(const std::string& path);
    // Selecting a node as the keyboard or a program does; clicking raises the click as well.
    void select(const std::string& path);
    void click(const std::string& path);
    void clickSelected();
    void type(ui::Control& control, const std::string& text);
    void press(ui::Control& control, char key);
    void keyDown(ui::Control& control, WPARAM key);
    void click(ui::Button& button) { button.click(); }
    std::vector<std::string> topLevelTexts();

    const std::string& appDataPath() const { return appData_.path(); }

    TestRegistryKey registry;
    ScriptedPrompts prompts;

private:
    ScratchFolder appData_;
    std::string simPath_;
    std::unique_ptr<TForm1> form_;
};
