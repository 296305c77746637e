// A form's layout as data: one row per control, in creation order. Rows are listed parent before
// children and, among siblings, in tab order, so creation order is also the order of Tab.
#pragma once

namespace ui {

class Control;

enum class Kind { Panel, GroupBox, Tree, Memo, Edit, Button, Label, List, Combo, ListView };

enum Flag : unsigned {
    NoFlags = 0,
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Bold = 1u << 2,
    Centred = 1u << 3,
    AlignClient = 1u << 4,   // fills what the right-aligned controls leave of the parent
    AlignRight = 1u << 5,    // keeps its width at the parent's right edge, full height
    Sorted = 1u << 6,
    OnTop = 1u << 7,         // lies above its earlier siblings where they overlap
    VScroll = 1u << 8,
    DropDownList = 1u << 9,  // a combo box whose text is one of its items
};

struct ControlDef {
    int id;
    const char* name;
    Kind kind;
    int parent;  // 0: the form itself
    int left, top, width, height;
    const char* text;
    const char* hint;  // nullptr: none
    unsigned flags;
};

template <class F>
struct ControlRow {
    ControlDef def;
    Control& (*member)(F&);  // the form's field that wraps the control
};

// Makes the preprocessor read its argument again, so that a __VA_ARGS__ handed on to another macro is
// split into its arguments by every preprocessor (MSVC's traditional one hands it on as one).
#define UI_EXPAND(x) x

// A row for the field `name` of FormClass.
#define UI_CONTROL_ROW(FormClass, name, id, kind, parent, left, top, width, height, text, hint, flags)           \
    {                                                                                                              \
        {id, #name, ui::Kind::kind, parent, left, top, width, height, text, hint, flags},                          \
            [](FormClass& form) -> ui::Control& { return form.name; }                                             \
    }

}  // namespace ui
