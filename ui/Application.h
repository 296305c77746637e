// The application object: the main form, the message loop and the error box.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

class Form;

class Application {
public:
    // Common controls and anything else the windows need; every form calls it; the first call counts.
    static void initialize();
    static void setMainForm(Form* form);
    static Form* mainForm();
    // Forms whose keyboard navigation the loop serves. A form removed (it is being destroyed) is no
    // longer the main form either.
    static void addForm(Form* form);
    static void removeForm(Form* form);

    // The executable's file name by the error box's rule: no folder, nothing from the first ".",
    // every character after the first in lower case.
    static std::string title();
    // The full path of the running program.
    static std::string exePath();
    // The error box: stop icon, OK, the message followed by ".".
    static void showError(const std::string& message);

    // Runs the message loop (which waits on the watched handles too, platform/WatchedHandles) until the main form is destroyed; returns the exit code.
    static int run();
    // Dispatches one message; false when it was WM_QUIT.
    static bool processMessage(const MSG& message);
};

std::string titleFromExePath(const std::string& path);

}  // namespace ui
