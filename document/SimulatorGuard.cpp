#include "document/SimulatorGuard.h"

#include "document/ProgramName.h"
#include "platform/Prompts.h"

#include <windows.h>
#include <tlhelp32.h>

namespace {

const char* const RunningQuestion =
    "The flight simulator is running. It rewrites FSX.cfg when it closes, which will undo this change.\n"
    "Write it anyway?";

}  // namespace

bool processRunning(const std::string& exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry)) {
        found = lstrcmpiA(entry.szExeFile, exeName.c_str()) == 0;
    }
    CloseHandle(snapshot);
    return found;
}

bool SimulatorGuard::allowsWrite() {
    if (agreed_ || processName_.empty() || !processRunning(processName_)) return true;
    agreed_ = platform::confirmed(RunningQuestion, ProgramName);
    return agreed_;
}
