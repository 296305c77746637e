// A static text.
#pragma once

#include "ui/Control.h"

namespace ui {

class Label : public Control {};

}  // namespace ui
