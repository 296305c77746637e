#include "ui/ListBox.h"

#include "platform/Error.h"

#include <vector>

namespace ui {

void ListBox::add(const std::string& text) {
    LRESULT result = send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (result == LB_ERR || result == LB_ERRSPACE) throw platform::Error("Out of memory while filling a list");
}

std::string ListBox::item(int index) const {
    LRESULT length = send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR) throw platform::Error("List index out of bounds (" + std::to_string(index) + ")");
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), static_cast<size_t>(length));
}

}  // namespace ui
