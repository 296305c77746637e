#include "ui/Application.h"

#include "ui/Encoding.h"
#include "ui/Form.h"
#include "ui/GrowingText.h"
#include "ui/Prompts.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

Form* theMainForm = nullptr;
std::vector<Form*> forms;
std::vector<std::pair<HANDLE, std::function<void()>>> watched;

// Waits for a message or a watched handle; runs the handle's action. False when only messages wait.
bool waitAndServe(DWORD timeout) {
    std::vector<HANDLE> handles;
    for (const auto& entry : watched) handles.push_back(entry.first);
    DWORD count = static_cast<DWORD>(handles.size());
    DWORD woken = MsgWaitForMultipleObjects(count, handles.data(), FALSE, timeout, QS_ALLINPUT);
    if (woken >= WAIT_OBJECT_0 + count) return false;
    HANDLE handle = handles[woken - WAIT_OBJECT_0];
    for (const auto& entry : watched) {
        if (entry.first != handle) continue;
        std::function<void()> signalled = entry.second;  // the action may unwatch its own handle
        signalled();
        break;
    }
    return true;
}

// A path that fills the buffer was cut.
std::string moduleFileName() {
    return utf8(growingText<wchar_t>(MAX_PATH, [](wchar_t* buffer, size_t size) {
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
    std::wstring name = wide(path.substr(path.find_last_of("\\/:") + 1));
    name = name.substr(0, name.find(L'.'));
    if (name.size() > 1) CharLowerBuffW(&name[1], static_cast<DWORD>(name.size() - 1));
    return utf8(name);
}

std::string Application::exePath() { return moduleFileName(); }

std::string Application::title() { return titleFromExePath(moduleFileName()); }

void Application::showError(const std::string& message) {
    prompts().messageBox(message + ".", title(), MB_ICONSTOP | MB_OK);
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

void Application::watch(HANDLE handle, std::function<void()> signalled) {
    unwatch(handle);
    watched.emplace_back(handle, std::move(signalled));
}

void Application::unwatch(HANDLE handle) {
    watched.erase(std::remove_if(watched.begin(), watched.end(), [&](const auto& entry) { return entry.first == handle; }),
                  watched.end());
}

void Application::serveSignalled() {
    while (waitAndServe(0)) {
    }
}

int Application::run() {
    MSG message;
    for (;;) {
        waitAndServe(INFINITE);
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!processMessage(message)) return 0;
        }
    }
}

}  // namespace ui
