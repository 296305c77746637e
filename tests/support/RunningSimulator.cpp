#include "support/RunningSimulator.h"

#include "ui/Application.h"
#include "ui/Paths.h"

#include <string>

RunningSimulator::RunningSimulator() {
    std::string exe = ui::folderOf(ui::Application::exePath()) + "fsx.exe";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    started_ = CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_) != FALSE;
}

RunningSimulator::~RunningSimulator() {
    if (!started_) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}
