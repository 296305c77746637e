#include "ui/Prompts.h"

#include <shellapi.h>

namespace ui {
namespace {

class SystemPrompts : public Prompts {
public:
    int messageBox(const std::string& text, const std::string& caption, UINT type) override {
        return MessageBoxA(GetFocus(), text.c_str(), caption.c_str(), type);
    }
    bool openFile(OPENFILENAMEA& dialog) override { return GetOpenFileNameA(&dialog) != FALSE; }
    bool saveFile(OPENFILENAMEA& dialog) override { return GetSaveFileNameA(&dialog) != FALSE; }
    void shellExecute(HWND owner, const std::string& verb, const std::string& file,
                      const std::string& parameters) override {
        ShellExecuteA(owner, verb.c_str(), file.c_str(), parameters.c_str(), nullptr,
                      SW_SHOWNORMAL);
    }
};

SystemPrompts systemPrompts;
Prompts* current = &systemPrompts;

}  // namespace

Prompts& prompts() { return *current; }

ScopedPrompts::ScopedPrompts(Prompts& p) : previous_(current) { current = &p; }

ScopedPrompts::~ScopedPrompts() { current = previous_; }

}  // namespace ui
