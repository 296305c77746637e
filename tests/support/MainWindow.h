// The main window built in the test process (never shown) over a scratch application-data folder,
// with a scripted Prompts, and the user's actions as the messages they produce.
#pragma once

#include "mainwindow/TForm1.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"
#include "support/TestRegistry.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The child window (at any depth) with the control id, or null.
HWND childWithId(HWND parent, int id);
// A top-level window of this test's own thread with the class name, or null: tests run side by side.
HWND ownWindow(const char* className);

// The text on the clipboard, which every process on the display shares: only tests that hold the
// desktop's lock use it.
std::string clipboardText();
void setClipboardText(const std::string& text);

// The start-up of a window in a test: the application-data folder (none: the system names none), the
// settings below registry's key.
Startup testStartup(const std::optional<std::string>& appData, const TestRegistryKey& registry);

struct WindowOptions {
    bool noOriginal = false;       // the ".org" copy can't be read (it is a folder)
    std::string simulatorProcess;  // the guard looks for this process; empty: never
    std::string appDataIn;         // where the application-data folder is made; empty: the temporary folder
};

class MainWindow {
public:

    // The simulator's file holds content (nothing is written when content is null). The settings
    // live in a private key; prepare lets a test fill it before the window is built.
    explicit MainWindow(const char* content, const std::function<void(TestRegistryKey&)>& prepare = nullptr,
                        const WindowOptions& options = {});

    TForm1& form() { return *form_; }
    TForm1* operator->() { return form_.get(); }

    // The window's controls by their ids, through wrappers of the test's own over their windows.
    ui::Control& control(int id) { return wrapper<ui::Control>(id); }
    ui::Button& button(int id) { return wrapper<ui::Button>(id); }
    ui::Edit& edit(int id) { return wrapper<ui::Edit>(id); }
    ui::Panel& panel(int id) { return wrapper<ui::Panel>(id); }
    ui::TreeView& tree() { return wrapper<ui::TreeView>(ID_TreeView1); }
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
    // A key pressed while control has the focus, as the message loop hands it on; ctrl, shift, alt held.
    void pressInWindow(ui::Control& control, WPARAM key, bool ctrl = false, bool shift = false, bool alt = false);
    // The right mouse button clicked on the node at path. It moves the one mouse cursor every test
    // shares: only tests that hold the desktop's lock use it.
    void rightClick(const std::string& path);
    // The tip the tree would show for the node at path.
    std::string tip(const std::string& path);
    void click(ui::Button& button) { button.click(); }
    // The commands as a user gives them: a value set by its button, a key added over section's key
    // panel, a section added (over Main) by its panel, an item deleted and the question answered Yes.
    void setValue(const std::string& path, const std::string& value);
    void addKey(const std::string& section, const std::string& name, const std::string& value);
    void addSection(const std::string& name);
    void remove(const std::string& path);
    std::vector<std::string> topLevelTexts();
    // The window's system menu as it reads when opened.
    std::vector<MenuItem> systemMenu();
    // The system menu's "Open" as it reads when opened (the checked item with " (checked)"), and its
    // item named text chosen, as a click does.
    std::vector<std::string> openMenu();
    void chooseToOpen(const std::string& text);
    // The file at path dropped on the window.
    void dropFile(const std::string& path);
    // The message loop's work (signalled handles, timers, posted messages) until done() or ms have passed;
    // false on time-out.
    bool settle(const std::function<bool()>& done, int ms = 3000);

    const std::string& appDataPath() const { return appData_.path(); }

    TestRegistryKey registry;
    ScriptedPrompts prompts;

private:
    std::vector<MenuItem> openItems();
    // A control hidden at start is made when first used: asking for it is a use.
    template <class C>
    C& wrapper(int id) {
        form_->controlById(id)->handle();
        auto made = std::make_unique<C>();
        made->attach(childWithId(form_->handle(), id));
        C& result = *made;
        wrappers_.push_back(std::move(made));
        return result;
    }

    std::vector<std::unique_ptr<ui::Control>> wrappers_;
    ScratchFolder appData_;
    std::string simPath_;
    std::unique_ptr<TForm1> form_;
};
