// TTempFolder settles, when created, on a folder for short-lived files and makes sure it exists:
// TEMP, else TMP, else the Windows folder's "_temp". Path always ends in a backslash.
#pragma once

#include <string>

class TTempFolder {
public:
    TTempFolder();
    const std::string& Path() const { return folderPath_; }

private:
    std::string folderPath_;
    bool envTempUsable_ = true;
};

// The text with %NAME% references replaced by the environment's values (names without regard to case).
std::string expandEnvironment(const std::string& text);
std::string windowsFolder();
