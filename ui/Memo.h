// A multi-line edit box holding lines of text.
#pragma once

#include "ui/Control.h"

#include <string>
#include <vector>

namespace ui {

class Memo : public Control {
public:
    void setLines(const std::vector<std::string>& lines);
    int lineCount() const { return static_cast<int>(send(EM_GETLINECOUNT)); }
};

}  // namespace ui
