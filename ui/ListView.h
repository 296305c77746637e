// A list view in report mode: columns of text, rows that can be selected.
#pragma once

#include "ui/Control.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace ui {

class ListView : public Control {
public:
    void addColumn(const std::string& title, int width);
    // The column's title (UTF-8).
    void setColumnTitle(int column, const std::string& title);
    void addRow(const std::vector<std::string>& cells);
    void clear() { send(LVM_DELETEALLITEMS); }
    int count() const { return static_cast<int>(send(LVM_GETITEMCOUNT)); }
    std::string text(int row, int column) const;
    std::vector<int> selectedRows() const;
    void select(int row, bool selected);
};

}  // namespace ui
