// Tells, through the message loop, when anything in a folder is written, renamed, created or deleted.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace platform {

class FolderWatch {
public:
    FolderWatch() = default;
    ~FolderWatch() { stop(); }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Watches the folder (UTF-8) instead of any other; changed runs when the system reports changes
    // there. The folder already watched keeps its notification; one that can't be watched (it is
    // missing) is not watched.
    void start(const std::string& folder, std::function<void()> changed);
    void stop();
    bool watching() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    void signalled();

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::string folder_;
    std::function<void()> changed_;
};

}  // namespace platform
