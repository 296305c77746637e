// Everything a profile file holds as the system's reader gives it: each section, and each of its keys
// with its value, in file order. A change is checked by comparing the file before and after it.
#pragma once

#include <string>
#include <vector>

struct ProfileEntry {
    std::string section;
    std::string key;  // empty for the section itself
    std::string value;
    bool operator==(const ProfileEntry& other) const {
        return section == other.section && key == other.key && value == other.value;
    }
};
using ProfileContents = std::vector<ProfileEntry>;

// What one change may alter: a key of a section (and the section's header, which a new key may bring),
// or the whole section when key is null.
struct ChangeScope {
    const std::string& section;
    const std::string* key;
};

// Whether after holds everything that before held, in the same order, apart from what the change may alter.
bool keepsAllBut(const ProfileContents& before, const ProfileContents& after, const ChangeScope& scope);
