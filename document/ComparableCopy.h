// Whether a copy of the file can be compared with it: a file, not too large to read, that the system's
// reader finds sections in.
#pragma once

#include <optional>
#include <string>

// The largest copy compared, in bytes: the system's reader takes time that grows faster than the file.
inline constexpr unsigned long long LargestComparedCopy = 10ull * 1024 * 1024;

// Why the copy at path can't be compared with (UTF-8, for a message); nothing when it can.
std::optional<std::string> whyNotComparable(const std::string& path);
