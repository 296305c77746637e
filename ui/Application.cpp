#include "ui/Application.h"

#include "platform/Encoding.h"
#include "platform/GrowingText.h"
#include "platform/Prompts.h"
#include "platform/WatchedHandles.h"
#include "ui/Form.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

Form* theMainForm = nullptr;
std::vector<Form*> forms;

// A path that fills the buffer was cut.
std::string moduleFileName() {
    return platform::utf8(platform::growingText<wchar_t>(MAX_PATH, [](wchar_t* buffer, size_t size) {
        return static_cast<size_t>(GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(size)));
    }));
}

}  // namespace

void Application::initialize() {
    static bool done = false;
    if (done) return;
    done = true;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

void Application::setMainForm(Form* form) { theMainForm = form; }

Form* Application::mainForm() { return theMainForm; }

void Application::addForm(Form* form) { forms.push_back(form); }

void Application::removeForm(Form* form) {
    forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
    if (theMainForm == form) theMainForm = nullptr;
}

std::string titleFromExePath(const std::string& path) {
    std::wstring name = platform::wide(path.substr(path.find_last_of("\\/:") + 1));
    name = name.substr(0, name.find(L'.'));
    if (name.size() > 1) CharLowerBuffW(&name[1], static_cast<DWORD>(name.size() - 1));
    return platform::utf8(name);
}

std::string Application::exePath() { return moduleFileName(); }

std::string Application::title() { return titleFromExePath(moduleFileName()); }

void Application::showError(const std::string& message) {
    platform::prompts().messageBox(message + ".", title(), MB_ICONSTOP | MB_OK);
}

bool Application::processMessage(const MSG& message) {
    if (message.message == WM_QUIT) return false;
    for (Form* form : forms) {
        if (form->preTranslate(message)) return true;
    }
    MSG copy = message;
    TranslateMessage(&copy);
    DispatchMessageA(&copy);
    return true;
}

int Application::run() {
    MSG message;
    for (;;) {
        platform::waitAndServe(INFINITE);
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!processMessage(message)) return 0;
        }
    }
}

}  // namespace ui
