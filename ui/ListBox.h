// A list box; as a StringList it can be filled directly by a reader.
#pragma once

#include "ui/Control.h"
#include "ui/StringList.h"

#include <string>

namespace ui {

class ListBox : public Control, public StringList {
public:
    void clear() override { send(LB_RESETCONTENT); }
    void add(const std::string& text) override;
    // Redraw is switched off and on again only for a list that is shown: switching it on shows a window.
    void beginUpdate() override;
    void endUpdate() override;

    int count() const { return static_cast<int>(send(LB_GETCOUNT)); }
    std::string item(int index) const;
    int selectedIndex() const { return static_cast<int>(send(LB_GETCURSEL)); }
    void select(int index) { send(LB_SETCURSEL, static_cast<WPARAM>(index)); }

private:
    bool updating_ = false;
};

}  // namespace ui
