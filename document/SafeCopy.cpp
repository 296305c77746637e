#include "document/SafeCopy.h"

#include "document/ProgramName.h"
#include "platform/Encoding.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "store/FileImage.h"
#include "store/FileSnapshot.h"

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
    std::wstring wideTo = platform::wide(to);
    if (!CopyFileW(platform::wide(from).c_str(), wideTo.c_str(), FALSE)) {
        error = GetLastError();
        return false;
    }
    // CopyFile gives the copy the file's attributes, read-only among them, and then no later copy could
    // replace it (learn.microsoft.com, "CopyFile function (winbase.h)", Remarks). Brimlow's copies stay writable.
    DWORD attributes = GetFileAttributesW(wideTo.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetFileAttributesW(wideTo.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    if (source->onDisk(to)) return true;
    error = ERROR_WRITE_FAULT;
    return false;
}

}  // namespace

bool copyOrSay(const std::string& from, const std::string& to, bool onlyIfMissing, SayWhen say) {
    if (onlyIfMissing && GetFileAttributesW(platform::wide(to).c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    FileSnapshot before(to);
    DWORD error = 0;
    if (copiedWhole(from, to, error)) return true;
    bool full = diskFull(error, to);
    std::string message = "Unable to copy " + from + " to " + to + ":\n" +
                          (full ? std::string("The disk is full") : platform::systemMessage(error)) + ".";
    if (std::optional<std::string> notPutBack = before.taken() ? before.putBack() : std::nullopt) {
        message += "\n" + to + ": " + *notPutBack + ".";
    }
    if (full || say == SayWhen::Failed) platform::prompts().messageBox(message, ProgramName, MB_ICONSTOP | MB_OK);
    return false;
}
