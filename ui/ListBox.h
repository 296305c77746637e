// A list box; as a StringList it can be filled directly by a reader.
#pragma once

#include "platform/StringList.h"
#include "ui/Control.h"

#include <string>

namespace ui {

class ListBox : public Control, public platform::StringList {
public:
    void clear() override { send(LB_RESETCONTENT); }
    void add(const std::string& text) override;
    void beginUpdate() override { pauseRedraw(); }
    void endUpdate() override { resumeRedraw(); }

    int count() const { return static_cast<int>(send(LB_GETCOUNT)); }
    std::string item(int index) const;
    void select(int index) { send(LB_SETCURSEL, static_cast<WPARAM>(index)); }
};

}  // namespace ui
