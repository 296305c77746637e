// Containers: a panel (raised bevel, caption centred) and a group box (etched frame, caption top-left).
// Both forward their children's notifications to their parent, so they reach the form.
#pragma once

#include "ui/Control.h"

namespace ui {

class Panel : public Control {
public:
    static const char* className() { return "TPanel"; }
    // A lowered inner bevel, two pixels wide, on the given colour.
    void setLowered(COLORREF colour);
};

class GroupBox : public Control {
public:
    static const char* className() { return "TGroupBox"; }
};

// Registers both window classes once per process.
void registerContainerClasses();

}  // namespace ui
