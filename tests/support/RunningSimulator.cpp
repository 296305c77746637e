#include "support/RunningSimulator.h"

#include "platform/Paths.h"
#include "ui/Application.h"

#include <tlhelp32.h>

#include <string>

namespace {

bool listedByName(DWORD id) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry)) {
        found = entry.th32ProcessID == id && lstrcmpiA(entry.szExeFile, "fsx.exe") == 0;
    }
    CloseHandle(snapshot);
    return found;
}

}  // namespace

RunningSimulator::RunningSimulator() {
    std::string exe = platform::folderOf(ui::Application::exePath()) + "fsx.exe";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    started_ = CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_) != FALSE;
    // The system lists a process by its name only once it has started it, which under emulation takes
    // tens of seconds: until then the guard can't see it.
    for (DWORD begun = GetTickCount(); started_ && !listed_ && GetTickCount() - begun < 120000; Sleep(50)) {
        listed_ = listedByName(process_.dwProcessId);
    }
}

RunningSimulator::~RunningSimulator() {
    if (!started_) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}
