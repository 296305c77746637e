// A push button; its click arrives as the form's Click event.
#pragma once

#include "ui/Control.h"

namespace ui {

class Button : public Control {
public:
    void click() { send(BM_CLICK); }
};

}  // namespace ui
