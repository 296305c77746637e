// Tells, through the message loop, when anything in a folder is written, renamed, created or deleted.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

class FolderWatch {
public:
    FolderWatch() = default;
    ~FolderWatch() { stop(); }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Watches the folder (UTF-8) instead of any other; changed runs when the system reports changes
    // there. A folder that can't be watched (it is missing) is not watched, nor is any while the
    // environment variable BRIMLOW_NO_FOLDER_WATCH is set.
    void start(const std::string& folder, std::function<void()> changed);
    void stop();
    bool watching() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    void signalled();

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::function<void()> changed_;
};

}  // namespace ui
