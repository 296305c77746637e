// A copy of the configuration file that the file is compared with: its original copy (".org"), read
// once at load for the marks in the tree, or any copy chosen in the changes report. Read through the
// system's reader as the reader reads the file: a section name the copy holds twice counts once, with
// the keys of its first section; names compare as the reader matches them; values as it returns them.
#pragma once

#include "store/TIniFile.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// The largest copy compared, in bytes: the system's reader takes time that grows faster than the file.
inline constexpr unsigned long long LargestComparedCopy = 10ull * 1024 * 1024;

// Why the copy at path can't be compared with (UTF-8, for a message); nothing when it can: a file, not
// too large to read, that the system's reader finds sections in.
std::optional<std::string> whyNotComparable(const std::string& path);

// A section's values by name as names compare, as the reader gives them: a name the section holds
// twice reads as its first line, for both lines.
using ReadValues = std::map<std::wstring, std::string>;
ReadValues readValues(const TIniFile::Entries& entries);

class ComparedCopy {
public:
    struct Section {
        std::string name;
        TIniFile::Entries keys;
    };

    // Reads the copy; without one, or when it can't be read, nothing differs and nothing is offered.
    void load(const std::string& path);
    bool available() const { return available_; }
    const std::string& path() const { return path_; }

    bool hasSection(const std::string& section) const;
    // The key's value in the copy, or nothing when the copy lacks the key.
    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    // The key's value as the copy holds it now, to be written back: its text after "=", quotes kept.
    std::optional<std::string> heldText(const std::string& section, const std::string& key) const;
    // Whether a key holding now differs from the copy (a key the copy lacks differs).
    bool differs(const std::string& section, const std::string& key, const std::string& now) const;
    // The same for the value the reader gives for key among a section's read values.
    bool differs(const std::string& section, const std::string& key, const ReadValues& now) const;
    // The copy's sections, each name once, and their keys in its file order.
    const std::vector<Section>& sections() const { return sections_; }

private:
    bool available_ = false;
    std::string path_;
    std::vector<Section> sections_;
    std::map<std::wstring, ReadValues> index_;  // section name as names compare -> its values
};
