#include "document/SafeCopy.h"

#include "document/ProgramName.h"
#include "platform/Encoding.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "store/FileImage.h"

#include <windows.h>

#include <optional>

namespace {

// A cut copy may not say that the disk is full.
bool diskFull(DWORD error, const std::string& to) {
    return diskFullBeside(to) || error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
}

bool copiedWhole(const std::string& from, const std::string& to, DWORD& error) {
    std::optional<FileImage> source = FileImage::read(from);
    if (!source || !source->exists()) {
        error = source ? ERROR_FILE_NOT_FOUND : GetLastError();
        return false;
    }
    if (!CopyFileW(platform::wide(from).c_str(), platform::wide(to).c_str(), FALSE)) {
        error = GetLastError();
        return false;
    }
    if (source->onDisk(to)) return true;
    error = ERROR_WRITE_FAULT;
    return false;
}

}  // namespace

bool copyOrSay(const std::string& from, const std::string& to, bool onlyIfMissing, SayWhen say) {
    if (onlyIfMissing && GetFileAttributesW(platform::wide(to).c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    std::optional<FileImage> before = FileImage::read(to);
    DWORD error = 0;
    if (copiedWhole(from, to, error)) return true;
    bool full = diskFull(error, to);
    std::string message = "Unable to copy " + from + " to " + to + ":\n" +
                          (full ? std::string("The disk is full") : platform::systemMessage(error)) + ".";
    if (before && !before->onDisk(to) && !before->putBack(to)) message += "\n" + to + " could not be put back as it was.";
    if (full || say == SayWhen::Failed) platform::prompts().messageBox(message, ProgramName, MB_ICONSTOP | MB_OK);
    return false;
}
