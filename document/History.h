// Every change made in this session, for undoing and redoing: what the changed item held before and
// after, so that either can be written again, and checked first.
#pragma once

#include "store/TIniFile.h"

#include <optional>
#include <string>
#include <vector>

struct HistoryStep {
    enum class Scope { Key, Section, File };
    Scope scope;
    std::string section, key;
    // A key: its value as the file held it (its text after "="), nothing where it is absent. A section:
    // its keys and values as the file held them, nothing where it is absent. The file: its bytes.
    std::optional<std::string> valueBefore, valueAfter;
    std::optional<TIniFile::Entries> keysBefore, keysAfter;
    std::string bytesBefore, bytesAfter;

    static HistoryStep ofKey(std::string section, std::string key, std::optional<std::string> before,
                             std::optional<std::string> after);
    static HistoryStep ofSection(std::string section, std::optional<TIniFile::Entries> before,
                                 std::optional<TIniFile::Entries> after);
    static HistoryStep ofFile(std::string before, std::string after);

    // "[GRAPHICS] TEXTURE_MAX_LOAD", "[GRAPHICS]"; the file's name for nothing.
    std::string item() const;
    // As the menu names it, in the file's code page: "Set Value of [GRAPHICS] TEXTURE_MAX_LOAD".
    std::string name() const;
};

class History {
public:
    // A new change; what could have been redone is gone.
    void record(HistoryStep step);
    const HistoryStep* undoable() const { return done_ ? &steps_[done_ - 1] : nullptr; }
    const HistoryStep* redoable() const { return done_ < steps_.size() ? &steps_[done_] : nullptr; }
    void undone() { --done_; }
    void redone() { ++done_; }

private:
    std::vector<HistoryStep> steps_;
    size_t done_ = 0;
};
