// Files and folders for tests: a scratch folder removed afterwards, and whole-file reads and writes.
#pragma once

#include <string>
#include <utility>

class ScratchFolder {
public:
    // A new folder in base, or in the temporary folder when base is empty.
    explicit ScratchFolder(const std::string& base = "");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
void makeFolders(const std::string& path);
// Moves the file's write time into the past, so that a cached copy of it is known to be stale.
void ageFile(const std::string& path, int seconds = 60);
std::string fixture(const std::string& name);

// The small disk the test runner mounts for the full-disk tests ("" when it has none), and a file that
// takes all the room left on it until freed.
std::string smallDisk();
class DiskFiller {
public:
    explicit DiskFiller(std::string path) : path_(std::move(path)) {}
    ~DiskFiller() { free(); }
    void fill();
    void free();

private:
    std::string path_;
};
