// A file's bytes taken before a change, so that a change that fails can be taken back whole: the one
// put-back of the program, for a value's write, a step of several writes and a copy over a file. What
// can't be put back is not lost: the bytes are kept beside the file, and the user is told where.
#pragma once

#include "store/FileImage.h"

#include <optional>
#include <string>

class FileSnapshot {
public:
    // Reads the file as it is now (a file that does not exist is taken as absent).
    explicit FileSnapshot(std::string path);

    // Whether the file could be read; else why not (UTF-8).
    bool taken() const { return image_.has_value(); }
    const std::string& whyNotTaken() const { return whyNot_; }
    const FileImage& image() const { return *image_; }

    // Puts the bytes back unless the file still holds them. Nothing when it then holds them; else what
    // the user must know (UTF-8): that it could not, why, and where its bytes are kept.
    std::optional<std::string> putBack() const;

    // Where bytes that can't be put back are kept: beside the file.
    static std::string rescuePath(const std::string& path) { return path + ".brimlow-rescue"; }

private:
    std::string path_;
    std::optional<FileImage> image_;
    std::string whyNot_;
};
