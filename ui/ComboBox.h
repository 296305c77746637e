// A drop-down selector with an editable text; choices and typing arrive as the form's Change event.
#pragma once

#include "ui/Control.h"

#include <string>

namespace ui {

class ComboBox : public Control {
public:
    int itemIndex() const { return static_cast<int>(send(CB_GETCURSEL)); }
    void setItemIndex(int index) { send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    void addItem(const std::string& text) { send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())); }
};

}  // namespace ui
