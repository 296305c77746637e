// Handles the message loop waits on besides the messages: each time one is signalled, its action runs
// on this thread, between two messages.
#pragma once

#include <windows.h>

#include <functional>

namespace platform {

// Watches handle until unwatch.
void watch(HANDLE handle, std::function<void()> signalled);
void unwatch(HANDLE handle);
// Waits up to timeout ms for a message or a watched handle, and runs the action of a signalled one;
// false when a message came first, or nothing in time.
bool waitAndServe(DWORD timeout);
// Runs the action of every watched handle that is signalled now, without waiting.
void serveSignalled();

}  // namespace platform
