// Path helpers; paths are UTF-8.
#pragma once

#include <string>

namespace platform {

// Everything up to and including the last "\" or ":"; empty when there is neither.
std::string folderOf(const std::string& path);
// What follows the folder: the file's own name.
std::string fileNameOf(const std::string& path);

// A folder as a dialog keeps it: one trailing "\" dropped, unless it follows ":" (D:\ stays).
std::string withoutTrailingBackslash(const std::string& folder);

// Whether two paths name the same existing file, whatever their spelling.
bool sameFile(const std::string& a, const std::string& b);

// The system's text for an error code, without its line break.
std::string systemMessage(unsigned long error);

}  // namespace platform
