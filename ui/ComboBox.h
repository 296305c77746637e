// A drop-down selector with an editable text; choices and typing arrive as the form's Change event.
#pragma once

#include "ui/Control.h"

#include "platform/Encoding.h"

#include <string>

namespace ui {

class ComboBox : public Control {
public:
    int itemIndex() const { return static_cast<int>(send(CB_GETCURSEL)); }
    void setItemIndex(int index) { send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    // Texts are UTF-8.
    void addItem(const std::string& text);
    void clear() { send(CB_RESETCONTENT); }
    int count() const { return static_cast<int>(send(CB_GETCOUNT)); }
};

inline void ComboBox::addItem(const std::string& text) {
    SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::wide(text).c_str()));
}

}  // namespace ui
