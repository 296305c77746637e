#include "document/History.h"

std::string HistoryStep::item() const {
    if (scope == Scope::File) return "";
    return "[" + section + "]" + (scope == Scope::Key ? " " + key : "");
}

std::string HistoryStep::name() const {
    const std::string item = this->item();
    switch (scope) {
    case Scope::Key:
        if (!valueBefore) return "Add Key " + item;
        return valueAfter ? "Set Value of " + item : "Delete Key " + item;
    case Scope::Section:
        return (keysBefore ? "Delete Section " : "Add Section ") + item;
    case Scope::File:
        break;
    }
    return "Restore from Copy";
}

void History::record(HistoryStep step) {
    steps_.resize(done_);
    steps_.push_back(std::move(step));
    done_ = steps_.size();
}
