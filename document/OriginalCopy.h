// The configuration file as it was before Brimlow first touched it (its ".org" copy), read once through
// the system's reader: what now differs from it, and the original values. Names compare without regard
// to case, as the reader matches them; values as the reader returns them.
#pragma once

#include "store/TIniFile.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class OriginalCopy {
public:
    struct Section {
        std::string name;
        TIniFile::Entries keys;
    };

    // Reads the copy; without one, or when it can't be read, nothing differs and nothing is offered.
    void load(const std::string& orgPath);
    bool available() const { return available_; }

    bool hasSection(const std::string& section) const;
    // The key's original value, or nothing when the original lacks the key.
    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    // Whether a key holding now differs from the original (a key the original lacks differs).
    bool differs(const std::string& section, const std::string& key, const std::string& now) const;
    // The same for the value the reader gives for key among a section's read values.
    bool differs(const std::string& section, const std::string& key, const std::map<std::string, std::string>& now) const;
    // The original's sections and keys in its file order.
    const std::vector<Section>& sections() const { return sections_; }

private:
    bool available_ = false;
    std::vector<Section> sections_;
    // Lower-cased section name -> (lower-cased key name -> value); the first of a name counts, as for the reader.
    std::map<std::string, std::map<std::string, std::string>> index_;
};

// The text in lower case, as names are compared.
std::string lowerCase(std::string text);

// A section's values by lower-cased key name, as the reader gives them: a name the section holds twice
// reads as its first line, for both lines.
using ReadValues = std::map<std::string, std::string>;
ReadValues readValues(const TIniFile::Entries& entries);
