// A file's bytes as they stand on disk, kept before a change so that a change the disk could not hold
// can be taken back whole; and the space left on the disk that holds a file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class FileImage {
public:
    // The file's bytes; a file that does not exist is kept as absent. Nothing when the file exists but
    // can't be read (GetLastError says why).
    static std::optional<FileImage> read(const std::string& path);
    // A file that holds bytes.
    static FileImage of(std::string bytes);

    bool exists() const { return exists_; }
    std::uint64_t size() const { return bytes_.size(); }
    const std::string& bytes() const { return bytes_; }

    // Whether path holds exactly these bytes (or, for an absent file, does not exist).
    bool onDisk(const std::string& path) const;
    // Writes the bytes back over path (an absent file is deleted again); true when the disk then
    // holds exactly them, else GetLastError says why.
    bool putBack(const std::string& path) const;

private:
    bool exists_ = false;
    std::string bytes_;
};

// A count of bytes as messages give it: "1,048,576".
std::string withThousands(unsigned long long number);
// Bytes free to the user on the disk holding path's folder, or nothing when the system can't say.
std::optional<std::uint64_t> freeSpaceBeside(const std::string& path);
// The root of the disk holding path ("C:\"), or the path itself when the system can't say.
std::string driveOf(const std::string& path);
// Whether the disk holding path has no room left for another block.
bool diskFullBeside(const std::string& path);
