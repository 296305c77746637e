#include "store/FileImage.h"

#include "platform/Encoding.h"
#include "platform/Paths.h"

#include <windows.h>

namespace {

// Reads the whole file; false when it can't be opened or read.
bool readWhole(const std::string& path, std::string& bytes) {
    HANDLE file = CreateFileW(platform::wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    char chunk[65536];
    DWORD got = 0;
    BOOL ok;
    while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr)) && got) bytes.append(chunk, got);
    DWORD error = GetLastError();
    CloseHandle(file);
    SetLastError(error);
    return ok != FALSE;
}

bool writeWhole(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(platform::wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = bytes.empty() || WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    DWORD error = ok ? ERROR_WRITE_FAULT : GetLastError();
    ok = CloseHandle(file) && ok && (bytes.empty() || written == bytes.size());
    if (!ok) SetLastError(error);
    return ok;
}

}  // namespace

std::optional<FileImage> FileImage::read(const std::string& path) {
    FileImage image;
    if (GetFileAttributesW(platform::wide(path).c_str()) == INVALID_FILE_ATTRIBUTES) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return image;
    }
    if (!readWhole(path, image.bytes_)) return std::nullopt;
    image.exists_ = true;
    return image;
}

FileImage FileImage::of(std::string bytes) {
    FileImage image;
    image.exists_ = true;
    image.bytes_ = std::move(bytes);
    return image;
}

bool FileImage::onDisk(const std::string& path) const {
    if (!exists_) return GetFileAttributesW(platform::wide(path).c_str()) == INVALID_FILE_ATTRIBUTES;
    std::string now;
    return readWhole(path, now) && now == bytes_;
}

// The error is the failing call's own, read before any other call.
bool FileImage::putBack(const std::string& path) const {
    bool done = exists_ ? writeWhole(path, bytes_) : DeleteFileW(platform::wide(path).c_str()) != FALSE;
    DWORD error = done ? ERROR_WRITE_FAULT : GetLastError();
    if (onDisk(path)) return true;
    SetLastError(error);
    return false;
}

std::string withThousands(unsigned long long number) {
    std::string digits = std::to_string(number);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
    return digits;
}

std::optional<std::uint64_t> freeSpaceBeside(const std::string& path) {
    ULARGE_INTEGER available;
    std::string folder = platform::folderOf(path);
    std::wstring wideFolder = platform::wide(folder);
    if (!GetDiskFreeSpaceExW(folder.empty() ? nullptr : wideFolder.c_str(), &available, nullptr, nullptr)) return std::nullopt;
    return available.QuadPart;
}

std::string driveOf(const std::string& path) {
    wchar_t root[MAX_PATH];
    return GetVolumePathNameW(platform::wide(path).c_str(), root, MAX_PATH) ? platform::utf8(root) : path;
}

bool diskFullBeside(const std::string& path) {
    std::optional<std::uint64_t> available = freeSpaceBeside(path);
    return available && *available < 4096;
}
