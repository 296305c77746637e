// A text from a system call that can't say beforehand how long it is.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// fill(buffer, size) writes the text into the buffer and returns its length, or a number of at least
// size when the buffer was too small: the buffer then grows (to that number, and at least fourfold) and
// fill is called again. Sizes and lengths count characters.
template <class Char = char, class Fill>
std::basic_string<Char> growingText(std::size_t size, Fill fill) {
    for (;;) {
        std::vector<Char> buffer(size);
        std::size_t length = fill(buffer.data(), size);
        if (length < size) return std::basic_string<Char>(buffer.data(), length);
        size = std::max(size * 4, length + 1);
    }
}

}  // namespace platform
