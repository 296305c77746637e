// A profile file's bytes line by line, as the system's profile parser takes them: blank lines dropped,
// blanks around names and values trimmed, whatever line endings, and no header for a section without a
// name ("[]"), which the system's writer leaves out. The system's writer rewrites the whole file in this
// shape, so the lines of the file before and after a change differ only where it changed.
#pragma once

#include <optional>
#include <string>

// What one change may alter: a key of a section (and the section's header, which a new key may bring),
// or the whole section when key is null.
struct ChangeScope {
    const std::string& section;
    const std::string* key;
};

// Nothing when the file after holds every line that before held, in the same order, apart from those
// the change may alter; else what differs, for the user ("the line ... would have been lost").
std::optional<std::string> lossBesides(const std::string& before, const std::string& after, const ChangeScope& scope);
