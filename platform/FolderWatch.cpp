#include "platform/FolderWatch.h"

#include "platform/Encoding.h"
#include "platform/WatchedHandles.h"

namespace platform {

// One notification for the life of the watched folder: a load of a file in the same folder keeps it,
// so a change already signalled (a write of the program's own, say) is never lost with its handle.
void FolderWatch::start(const std::string& folder, std::function<void()> changed) {
    changed_ = std::move(changed);
    if (watching() && folder == folder_) return;
    stop();
    handle_ = FindFirstChangeNotificationW(wide(folder).c_str(), FALSE,
                                           FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE |
                                               FILE_NOTIFY_CHANGE_LAST_WRITE);
    if (handle_ == INVALID_HANDLE_VALUE) return;
    folder_ = folder;
    watch(handle_, [this] { signalled(); });
}

void FolderWatch::stop() {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    unwatch(handle_);
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

}  // namespace platform
