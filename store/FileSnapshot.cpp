#include "store/FileSnapshot.h"

#include "platform/Paths.h"

#include <windows.h>

namespace {

// The reason the last call failed, as a message says it.
std::string lastReason(const std::string& path) {
    DWORD error = GetLastError();
    return diskFullBeside(path) ? "The disk is full" : platform::systemMessage(error);
}

}  // namespace

FileSnapshot::FileSnapshot(std::string path) : path_(std::move(path)), image_(FileImage::read(path_)) {
    if (!image_) whyNot_ = platform::systemMessage(GetLastError());
}

std::optional<std::string> FileSnapshot::putBack() const {
    if (!image_) return "The file could not be read before the change, so it could not be put back: " + whyNot_;
    if (image_->onDisk(path_) || image_->putBack(path_)) return std::nullopt;
    std::string problem = "The file could not be put back as it was: " + lastReason(path_) + ".\n";
    if (!image_->exists()) return problem + "It did not exist before the change";
    std::string rescue = rescuePath(path_);
    if (!image_->putBack(rescue)) return problem + "Its bytes could not be kept in " + rescue + " either: " + lastReason(rescue);
    return problem + "The bytes it held are kept in " + rescue;
}
