// The configuration file being edited and what stands around every change to it: the accessor
// (replaced on every load), the original copy the file is compared with, and the guard asked before a
// write while the simulator runs, and the history of the changes made through it. No window: the main
// window and the changes report both act through it.
#pragma once

#include "document/History.h"
#include "document/ComparedCopy.h"
#include "document/SimulatorGuard.h"
#include "platform/Error.h"
#include "store/FileImage.h"
#include "store/TIniFile.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The refusal of a change over what another program wrote since: "Unable to <action>.\n\n<item> has
// been changed in the file since, outside Brimlow; nothing was written" (UTF-8).
platform::Error changedSince(const std::string& action, const std::string& item);

class ConfigDocument {
public:
    explicit ConfigDocument(const std::string& simulatorProcess) : guard_(simulatorProcess) {}
    ConfigDocument(const ConfigDocument&) = delete;
    ConfigDocument& operator=(const ConfigDocument&) = delete;
    // The guard looks for these processes from now on (see SimulatorGuard::lookFor).
    void guardAgainst(std::vector<std::string> processNames) { guard_.lookFor(std::move(processNames)); }

    // A new accessor on path; the old one is dropped. The file as it is now is what Brimlow has seen.
    void open(const std::string& path);
    void close() { iniFile_.reset(); }
    void loadOriginal(const std::string& orgPath) { original_.load(orgPath); }

    const TIniFile& file() const { return *iniFile_; }
    const TIniFile* accessor() const { return iniFile_.get(); }
    const ComparedCopy& original() const { return original_; }

    // The changes, each recorded in the history. Each first asks the guard and returns false, writing
    // nothing, when the user says No; a write that fails raises the accessor's error, and so does a
    // write to a file deleted since it was opened.
    bool writeValue(const std::string& section, const std::string& key, const std::string& value);
    bool removeKey(const std::string& section, const std::string& key);
    bool removeSection(const std::string& section);
    // A section with no keys (the system writes none: a placeholder key is written and removed).
    bool addSection(const std::string& section);
    // The key written and removed again to make a section without keys.
    static const char* const Placeholder;
    // The file replaced by a copy of copyPath; false when the user said No or the copy failed (and said so).
    bool replaceWith(const std::string& copyPath);
    // Asked before a change while the simulator runs (the report asks once for many changes).
    bool allowsWrite();

    // Undoing and redoing: false when there is nothing to do or the guard was refused. When the item no
    // longer holds what the step left there (someone else changed it since), nothing is written and a
    // platform::Error names it.
    const History& history() const { return *history_; }
    bool undo() { return step(true); }
    bool redo() { return step(false); }

    // Whether another program changed the file since Brimlow last read it (its own writes never count).
    bool changedOutside() const;

private:
    bool step(bool back);
    void put(const HistoryStep& step, bool back);
    bool holds(const HistoryStep& step, bool back) const;
    std::optional<TIniFile::Entries> keysNow(const std::string& section) const;
    void writeKeys(const std::string& section, const TIniFile::Entries& keys);
    void asOneWrite(const std::function<void()>& writes);
    void beforeWrite();
    bool differsFromSeen(const std::optional<FileImage>& now) const;
    void recorded(HistoryStep step);
    void remember() { seen_ = FileImage::read(iniFile_->FileName()); }

    std::unique_ptr<TIniFile> iniFile_;
    ComparedCopy original_;
    SimulatorGuard guard_;
    std::map<std::string, History> histories_;  // by path: each file's changes this session
    History* history_ = &histories_[""];
    std::optional<FileImage> seen_;
    bool existed_ = false;        // the file was there when it was opened
    bool outsideChange_ = false;  // another program changed it before one of Brimlow's writes
};
