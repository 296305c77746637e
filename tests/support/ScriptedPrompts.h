// Answers message boxes and file dialogs from a script, and records what was asked.
#pragma once

#include "platform/Prompts.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct AskedMessage {
    std::string text;
    std::string caption;
    UINT type;
};

struct AskedDialog {
    bool save;
    std::string initialDir;
    std::string filter;
    std::string defaultExt;
    DWORD flags;
    int filterIndex;
};

struct MenuItem {
    std::string text;  // "-" for a separator
    bool enabled;
    UINT id;
    bool checked;
    std::vector<MenuItem> items;  // a submenu's
};

// A menu's items as it reads now.
std::vector<MenuItem> menuItems(HMENU menu);

struct ShellRequest {
    HWND owner;
    std::string verb, file, parameters;
};

class ScriptedPrompts : public platform::Prompts {
public:
    ScriptedPrompts() : install_(*this) {}

    int messageBox(const std::string& text, const std::string& caption, UINT type) override;
    bool openFile(OPENFILENAMEW& dialog) override { return runDialog(dialog, false); }
    bool saveFile(OPENFILENAMEW& dialog) override { return runDialog(dialog, true); }
    int popupMenu(HMENU menu, HWND owner, POINT at) override;
    void shellExecute(HWND owner, const std::string& verb, const std::string& file,
                      const std::string& parameters) override {
        shellRequests.push_back({owner, verb, file, parameters});
    }

    std::deque<int> answers;             // message box answers; IDOK when none is left
    std::function<void()> whileAsked;    // done once, while the next message box is open
    std::deque<std::string> chosenFiles;  // a dialog's choice; "" or none left: cancelled
    std::vector<AskedMessage> messages;
    std::vector<AskedDialog> dialogs;
    std::vector<ShellRequest> shellRequests;
    std::deque<int> menuChoices;           // a popup menu's command; 0 or none left: dismissed
    std::vector<std::vector<MenuItem>> menus;  // every popup menu shown, as it read

private:
    bool runDialog(OPENFILENAMEW& dialog, bool save);
    platform::ScopedPrompts install_;
};
