#include "platform/Prompts.h"

#include "platform/Encoding.h"
#include "platform/SystemLibrary.h"

#include <shellapi.h>

namespace platform {
namespace {

// The file dialogs' library is loaded when a dialog is first asked for: loading it at start costs
// more than a tenth of the start-up under Wine, and most sessions never open a dialog.
bool runFileDialog(const char* name, OPENFILENAMEW& dialog) {
    using Dialog = BOOL(WINAPI*)(LPOPENFILENAMEW);
    auto run = systemFunction<Dialog>("comdlg32.dll", name);
    return run && run(&dialog) != FALSE;
}

class SystemPrompts : public Prompts {
public:
    int messageBox(const std::string& text, const std::string& caption, UINT type) override {
        return MessageBoxW(GetFocus(), wide(text).c_str(), wide(caption).c_str(), type);
    }
    bool openFile(OPENFILENAMEW& dialog) override { return runFileDialog("GetOpenFileNameW", dialog); }
    bool saveFile(OPENFILENAMEW& dialog) override { return runFileDialog("GetSaveFileNameW", dialog); }
    int popupMenu(HMENU menu, HWND owner, POINT at) override {
        return static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
    }
    void shellExecute(HWND owner, const std::string& verb, const std::string& file,
                      const std::string& parameters) override {
        ShellExecuteW(owner, wide(verb).c_str(), wide(file).c_str(), wide(parameters).c_str(), nullptr, SW_SHOWNORMAL);
    }
};

SystemPrompts systemPrompts;
Prompts* current = &systemPrompts;

}  // namespace

Prompts& prompts() { return *current; }

bool confirmed(const std::string& question, const std::string& caption) {
    return prompts().messageBox(question, caption, MB_ICONWARNING | MB_YESNO) == IDYES;
}

ScopedPrompts::ScopedPrompts(Prompts& p) : previous_(current) { current = &p; }

ScopedPrompts::~ScopedPrompts() { current = previous_; }

}  // namespace platform
