#include "document/History.h"

HistoryStep HistoryStep::ofKey(std::string section, std::string key, std::optional<std::string> before,
                               std::optional<std::string> after) {
    return {Scope::Key, std::move(section), std::move(key), std::move(before), std::move(after), {}, {}, {}, {}};
}

HistoryStep HistoryStep::ofSection(std::string section, std::optional<TIniFile::Entries> before,
                                   std::optional<TIniFile::Entries> after) {
    return {Scope::Section, std::move(section), {}, {}, {}, std::move(before), std::move(after), {}, {}};
}

HistoryStep HistoryStep::ofFile(std::string before, std::string after) {
    return {Scope::File, {}, {}, {}, {}, {}, {}, std::move(before), std::move(after)};
}

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
