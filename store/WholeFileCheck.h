// The whole file before and after one change, compared line by line as the system's parser reads it
// (through the one tokenizer): blank lines dropped, blanks around names and values trimmed, whatever
// line endings and encoding. The system's writer rewrites the whole file in this shape, so the lines of
// the file before and after a change differ only where it changed. A line is known by its text and by
// the section it stands in: the writer leaves out the header of a section without a name ("[]"), which
// moves the lines after it into the section before.
#pragma once

#include <optional>
#include <string>

// What one change may alter: a key of a section (and the section's header, which a new key may bring),
// or the whole section when key is null. Names in the ANSI code page.
struct ChangeScope {
    const std::string& section;
    const std::string* key;
};

// Nothing when the file after holds every line that before held, in the same order and section, apart
// from those the change may alter; else what differs, for the user, in UTF-8 ("The line ... would have
// been lost or changed").
std::optional<std::string> lossBesides(const std::string& before, const std::string& after, const ChangeScope& scope);
