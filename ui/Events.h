// Events a form's handlers are bound to, and the tables that bind them.
#pragma once

#include <windows.h>

#include <cstddef>

namespace ui {

class Control;

enum class Event { Click, Change };
enum class KeyEvent { KeyPress, KeyDown };

// The key handlers may change key; a key set to 0 is swallowed.
template <class F>
struct EventBinding {
    int id;
    Event event;
    void (F::*handler)(Control* sender);
};

template <class F>
struct KeyBinding {
    int id;
    KeyEvent event;
    void (F::*handler)(Control* sender, WPARAM& key);
};

template <class F, std::size_t N>
bool dispatchEvent(F& form, const EventBinding<F> (&table)[N], int id, Event event) {
    for (const auto& binding : table) {
        if (binding.handler && binding.id == id && binding.event == event) {
            (form.*binding.handler)(form.controlById(id));
            return true;
        }
    }
    return false;
}

template <class F, std::size_t N>
bool dispatchKey(F& form, const KeyBinding<F> (&table)[N], int id, KeyEvent event, WPARAM& key) {
    for (const auto& binding : table) {
        if (binding.handler && binding.id == id && binding.event == event) {
            (form.*binding.handler)(form.controlById(id), key);
            return true;
        }
    }
    return false;
}

template <class F, std::size_t N>
bool hasKeyBinding(const KeyBinding<F> (&table)[N], int id) {
    for (const auto& binding : table) {
        if (binding.handler && binding.id == id) return true;
    }
    return false;
}

}  // namespace ui
