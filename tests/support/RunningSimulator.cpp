#include "support/RunningSimulator.h"

#include "document/SimulatorGuard.h"
#include "platform/Paths.h"
#include "ui/Application.h"

#include <algorithm>
#include <string>
#include <vector>

RunningSimulator::RunningSimulator() {
    std::string exe = platform::folderOf(ui::Application::exePath()) + "fsx.exe";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    started_ = CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_) != FALSE;
    // The system lists a process by its name only once it has started it, which under emulation takes
    // tens of seconds: until then the guard can't see it.
    for (DWORD begun = GetTickCount(); started_ && !listed_ && GetTickCount() - begun < 120000; Sleep(50)) {
        std::vector<unsigned long> listed = processesNamed("fsx.exe");
        listed_ = std::find(listed.begin(), listed.end(), process_.dwProcessId) != listed.end();
    }
}

RunningSimulator::~RunningSimulator() {
    if (!started_) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}
