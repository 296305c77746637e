#include "platform/StartupProfile.h"

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

bool profilePath(wchar_t (&path)[MAX_PATH]) {
    DWORD length = GetEnvironmentVariableW(L"BRIMLOW_STARTUP_PROFILE", path, MAX_PATH);
    return length > 0 && length < MAX_PATH;
}

// The system hands out timer messages only when no paint is pending.
void CALLBACK afterPaint(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    mark("first paint");
    wchar_t path[MAX_PATH];
    if (!profilePath(path)) return;
    if (FILE* file = _wfopen(path, L"w")) {
        for (const auto& [phase, count] : marks()) std::fprintf(file, "%s\t%lld\n", phase, count);
        std::fclose(file);
    }
}

}  // namespace

void mark(const char* phase) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    marks().emplace_back(phase, now.QuadPart);
}

void finishAfterFirstPaint() {
    wchar_t path[MAX_PATH];
    if (profilePath(path)) SetTimer(nullptr, 0, 0, afterPaint);
}

}  // namespace startup
