// The window's position and the dialogs' folders, kept in the settings between runs.
#include "document/ProgramName.h"
#include "mainwindow/TForm1.h"
#include "platform/Error.h"
#include "ui/Application.h"

namespace {

const int DefaultTop = 40;
const int DefaultLeft = 60;

// Whether any part of the window would lie on a monitor.
bool visibleAt(const RECT& window) { return MonitorFromRect(&window, MONITOR_DEFAULTTONULL) != nullptr; }

}  // namespace

// A value the settings can't give as expected reads as its default: the program starts whatever the
// registry holds. A failed write is shown and start-up goes on.
void TForm1::RestoreSettings(const Startup& startup) {
    settings = std::make_unique<TRegIniFile>(startup.settingsKey);
    try {
        settings->WriteSettingText(ProgramName, "Program", ui::Application::exePath());
    } catch (const platform::Error& error) {
        ui::Application::showError(error.what());
    }
    auto readInt = [this](const char* name, int def) {
        try {
            return settings->ReadSettingInt(ProgramName, name, def);
        } catch (const platform::Error&) {
            return def;
        }
    };
    auto readText = [this](const char* name) {
        try {
            return settings->ReadSettingText(ProgramName, name, "");
        } catch (const platform::Error&) {
            return std::string();
        }
    };
    int top = readInt("Top", DefaultTop);
    int left = readInt("Left", DefaultLeft);
    RECT r = windowRect();
    RECT placed{left, top, left + (r.right - r.left), top + (r.bottom - r.top)};
    if (!visibleAt(placed)) {
        top = DefaultTop;
        left = DefaultLeft;
    }
    setPosition(left, top);
    load.SetInitialDir(readText("Load"));
    save.SetInitialDir(readText("Save"));
}

// The restored (not maximised) geometry is kept, so the window opens where it was last placed.
void TForm1::StoreSettings() {
    RECT r = windowRect();
    try {
        settings->WriteSettingInt(ProgramName, "Width", r.right - r.left);
        settings->WriteSettingInt(ProgramName, "Height", r.bottom - r.top);
        settings->WriteSettingInt(ProgramName, "Top", r.top);
        settings->WriteSettingInt(ProgramName, "Left", r.left);
        settings->WriteSettingText(ProgramName, "Load", load.InitialDir());
        settings->WriteSettingText(ProgramName, "Save", save.InitialDir());
    } catch (const platform::Error& error) {
        ui::Application::showError(error.what());
    }
}
