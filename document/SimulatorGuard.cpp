#include "document/SimulatorGuard.h"

#include "document/ProgramName.h"
#include "platform/Prompts.h"

#include <windows.h>
#include <tlhelp32.h>

namespace {

std::string runningQuestion(const std::string& fileName) {
    return "The flight simulator is running. It rewrites " + fileName + " when it closes, which will undo this change.\n"
           "Write it anyway?";
}

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

SimulatorGuard::SimulatorGuard(const std::string& processName) : asks_(!processName.empty()) {
    if (asks_) processNames_.push_back(processName);
}

void SimulatorGuard::lookFor(std::vector<std::string> processNames) {
    if (!asks_ || processNames == processNames_) return;
    processNames_ = std::move(processNames);
    agreed_ = false;
}

bool SimulatorGuard::allowsWrite(const std::string& fileName) {
    if (agreed_) return true;
    bool running = false;
    for (const std::string& name : processNames_) running = running || !processesNamed(name).empty();
    if (!running) return true;
    agreed_ = platform::confirmed(runningQuestion(fileName), ProgramName);
    return agreed_;
}
