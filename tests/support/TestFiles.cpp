#include "support/TestFiles.h"

#include "platform/Encoding.h"
#include "store/FileImage.h"

#include <windows.h>

#include <stdexcept>

namespace {

void removeTree(const std::string& path) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(platform::wide(path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = platform::utf8(entry.cFileName);
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            SetFileAttributesW(platform::wide(child).c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(child);
            } else {
                DeleteFileW(platform::wide(child).c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(platform::wide(path).c_str());
}

}  // namespace

ScratchFolder::ScratchFolder(const std::string& base) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::string in = base.empty() ? platform::utf8(temp) : base + "\\";
    for (unsigned n = GetTickCount();; ++n) {
        path_ = in + "brimlow-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n);
        if (CreateDirectoryW(platform::wide(path_).c_str(), nullptr)) return;
    }
}

ScratchFolder::~ScratchFolder() { removeTree(path_); }

std::string readFile(const std::string& path) {
    std::optional<FileImage> image = FileImage::read(path);
    if (!image || !image->exists()) throw std::runtime_error("cannot read " + path);
    return image->bytes();
}

void writeFile(const std::string& path, const std::string& bytes) {
    if (!FileImage::of(bytes).putBack(path)) throw std::runtime_error("cannot write " + path);
    ageFile(path);
}

bool fileExists(const std::string& path) { return GetFileAttributesW(platform::wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

void makeFolders(const std::string& path) {
    for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1)) {
        CreateDirectoryW(platform::wide(path.substr(0, at)).c_str(), nullptr);
    }
    CreateDirectoryW(platform::wide(path).c_str(), nullptr);
}

void ageFile(const std::string& path, int seconds) {
    HANDLE file = CreateFileW(platform::wide(path).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
    static unsigned step = 0;
    t.QuadPart -= static_cast<ULONGLONG>(seconds + (++step % 50)) * 10000000ULL;
    FILETIME old{t.LowPart, t.HighPart};
    SetFileTime(file, nullptr, nullptr, &old);
    CloseHandle(file);
}

std::string fixture(const std::string& name) { return readFile(std::string(BRIMLOW_FIXTURES) + "/" + name); }

std::string smallDisk() {
    std::string path = BRIMLOW_SMALL_DISK;
    for (char& c : path) c = c == '/' ? '\\' : c;
    ULARGE_INTEGER total{};
    if (!GetDiskFreeSpaceExA((path + "\\").c_str(), nullptr, &total, nullptr)) return "";
    return total.QuadPart < 1024 * 1024 ? path : "";
}

// Whole pages first, then ever smaller pieces, until not one more byte fits.
void DiskFiller::fill() {
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path_);
    std::string chunk(4096, 'f');
    DWORD written = 0;
    for (DWORD size = 4096; size; size /= 2) {
        while (WriteFile(file, chunk.data(), size, &written, nullptr) && written == size) {
        }
    }
    CloseHandle(file);
}

void DiskFiller::free() { DeleteFileA(path_.c_str()); }
