#include "app/StartupProfile.h"

#include <windows.h>

#include <cstdio>
#include <utility>
#include <vector>

namespace startup {

namespace {

std::vector<std::pair<const char*, LONGLONG>>& marks() {
    static std::vector<std::pair<const char*, LONGLONG>> list;
    return list;
}

}  // namespace

void mark(const char* phase) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    marks().emplace_back(phase, now.QuadPart);
}

void finish() {
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("BRIMLOW_STARTUP_PROFILE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    if (FILE* file = std::fopen(path, "w")) {
        for (const auto& [phase, count] : marks()) std::fprintf(file, "%s\t%lld\n", phase, count);
        std::fclose(file);
    }
    marks().clear();
}

}  // namespace startup
