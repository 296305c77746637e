// What a profile file can hold, and what the system's reader gives back of a written value.
#pragma once

#include <cstddef>
#include <string>

namespace profile {

// The longest section name, key name or value that the system's profile functions store and read back
// whole. Wine converts every text to a counted UTF-16 string of at most 32,766 characters (a longer value
// is lost or garbled, a longer name can crash it), and Windows documents the same limit.
constexpr std::size_t MaxTextLength = 32766;

// Why a text can't be written at all (a line break, or too long), as "may not ...", or nullptr.
const char* textProblem(const std::string& text);
// Why the file can't hold a new name: textProblem, or what would make it read as something else.
const char* sectionNameProblem(const std::string& name);
const char* keyNameProblem(const std::string& name);

// A name as the reader matches it, for comparing and as a map's key: the reader matches names without
// regard to the case of ASCII letters, and other letters must match exactly. A name in the ANSI code
// page is compared by its characters, so that a trail byte of a double-byte character is never folded.
std::wstring nameKey(std::wstring name);
std::wstring nameKey(const std::string& ansiName);
bool sameName(const std::string& a, const std::string& b);

// A written value as the system's reader returns it: blanks around it trimmed, then one pair of
// matching quotes (" or ') taken off.
std::string asRead(const std::string& value);

}  // namespace profile
