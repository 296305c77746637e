// The one seam for everything modal that waits for the user: message boxes and file dialogs.
// The program uses the real system dialogs; tests install a scripted implementation.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

namespace platform {

class Prompts {
public:
    virtual ~Prompts() = default;
    // Texts are UTF-8. Owned by the window that has the keyboard focus; returns the button pressed (IDOK, IDYES, ...).
    virtual int messageBox(const std::string& text, const std::string& caption, UINT type) = 0;
    // Run a file dialog on the given structure; true when the user chose a file.
    virtual bool openFile(OPENFILENAMEW& dialog) = 0;
    virtual bool saveFile(OPENFILENAMEW& dialog) = 0;
    // Shows a popup menu at a point of the screen; the command chosen, or 0.
    virtual int popupMenu(HMENU menu, HWND owner, POINT at) = 0;
    // Hands a file or address to the shell (UTF-8); the result is not awaited.
    virtual void shellExecute(HWND owner, const std::string& verb, const std::string& file,
                              const std::string& parameters) = 0;
};

Prompts& prompts();

// Asks a question with a warning icon and Yes and No; true only for Yes (Wine answers Escape with
// IDCANCEL even where the box has no Cancel button: that is no consent).
bool confirmed(const std::string& question, const std::string& caption);

// Installs p for as long as the object lives; the previous one comes back afterwards.
class ScopedPrompts {
public:
    explicit ScopedPrompts(Prompts& p);
    ~ScopedPrompts();
    ScopedPrompts(const ScopedPrompts&) = delete;
    ScopedPrompts& operator=(const ScopedPrompts&) = delete;

private:
    Prompts* previous_;
};

}  // namespace platform
