#include "ui/FolderWatch.h"

#include "ui/Application.h"
#include "ui/Encoding.h"

namespace ui {

// With BRIMLOW_NO_FOLDER_WATCH set, nothing is watched: for systems whose change notifications can't
// be ended safely (see the README).
void FolderWatch::start(const std::string& folder, std::function<void()> changed) {
    stop();
    if (GetEnvironmentVariableW(L"BRIMLOW_NO_FOLDER_WATCH", nullptr, 0)) return;
    handle_ = FindFirstChangeNotificationW(wide(folder).c_str(), FALSE,
                                           FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE |
                                               FILE_NOTIFY_CHANGE_LAST_WRITE);
    if (handle_ == INVALID_HANDLE_VALUE) return;
    changed_ = std::move(changed);
    Application::watch(handle_, [this] { signalled(); });
}

void FolderWatch::stop() {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    Application::unwatch(handle_);
    FindCloseChangeNotification(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

// Re-armed before the action runs, so a change the action causes is reported too; a folder that has
// gone can't be re-armed, and is no longer watched.
void FolderWatch::signalled() {
    std::function<void()> changed = changed_;
    if (!FindNextChangeNotification(handle_)) stop();
    changed();
}

}  // namespace ui
