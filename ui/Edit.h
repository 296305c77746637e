// A single-line edit box; text changes arrive as the form's Change event.
#pragma once

#include "ui/Control.h"

namespace ui {

class Edit : public Control {};

}  // namespace ui
