// Files and folders for tests: a scratch folder removed afterwards, and whole-file reads and writes.
#pragma once

#include <string>

class ScratchFolder {
public:
    ScratchFolder();
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
