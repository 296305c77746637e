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

std::vector<unsigned long> processesNamed(const std::string& exeName) {
    std::vector<unsigned long> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, exeName.c_str()) == 0) ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

bool SimulatorGuard::allowsWrite() {
    if (agreed_ || processName_.empty() || processesNamed(processName_).empty()) return true;
    agreed_ = platform::confirmed(RunningQuestion, ProgramName);
    return agreed_;
}
