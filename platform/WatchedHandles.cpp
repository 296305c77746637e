#include "platform/WatchedHandles.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace platform {
namespace {

std::vector<std::pair<HANDLE, std::function<void()>>> watched;

}  // namespace

void watch(HANDLE handle, std::function<void()> signalled) {
    unwatch(handle);
    watched.emplace_back(handle, std::move(signalled));
}

void unwatch(HANDLE handle) {
    watched.erase(std::remove_if(watched.begin(), watched.end(), [&](const auto& entry) { return entry.first == handle; }),
                  watched.end());
}

bool waitAndServe(DWORD timeout) {
    std::vector<HANDLE> handles;
    for (const auto& entry : watched) handles.push_back(entry.first);
    DWORD count = static_cast<DWORD>(handles.size());
    DWORD woken = MsgWaitForMultipleObjects(count, handles.data(), FALSE, timeout, QS_ALLINPUT);
    if (woken >= WAIT_OBJECT_0 + count) return false;
    HANDLE handle = handles[woken - WAIT_OBJECT_0];
    for (const auto& entry : watched) {
        if (entry.first != handle) continue;
        std::function<void()> signalled = entry.second;  // the action may unwatch its own handle
        signalled();
        break;
    }
    return true;
}

void serveSignalled() {
    while (waitAndServe(0)) {
    }
}

}  // namespace platform
