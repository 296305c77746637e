#include "ui/WindowText.h"

#include <vector>

namespace ui {

std::string windowText(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    int copied = GetWindowTextA(hwnd, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(copied));
}

}  // namespace ui
