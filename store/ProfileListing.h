// A profile file's sections and keys as the system's reader lists them, taken from one read of its bytes.
// The system's own listing parses the file again from its start for every section, so a file of n
// sections costs it n² steps; this costs one pass. The rules are those of Wine's profile parser, which a
// test holds against the reader on every layout of the file; TIniFile::readAll holds it against the
// system's own list of sections on every load.
#pragma once

#include <string>
#include <utility>
#include <vector>

// A key's name and its value as the reader gives it, in file order.
using ProfileEntries = std::vector<std::pair<std::string, std::string>>;

struct ListedSection {
    std::string name;
    ProfileEntries keys;
};

// Every section the reader lists, in file order (a name the file holds twice is listed twice), each
// with the keys the reader lists for its name: those of the first section of that name.
std::vector<ListedSection> listingOf(const std::string& fileBytes);
