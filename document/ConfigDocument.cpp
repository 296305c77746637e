#include "document/ConfigDocument.h"

#include "document/SafeCopy.h"
#include "platform/Encoding.h"
#include "platform/Error.h"
#include "platform/Paths.h"
#include "store/FileSnapshot.h"
#include "store/ProfileFormat.h"

#include <windows.h>

const char* const ConfigDocument::Placeholder = "Dummy";

platform::Error changedSince(const std::string& action, const std::string& item) {
    return platform::Error("Unable to " + action + ".\n\n" + item +
                           " has been changed in the file since, outside Brimlow; nothing was written");
}

// A file deleted since it was opened stays missing for the writes until it is back, even across reloads.
// Each file keeps its own history for the session.
void ConfigDocument::open(const std::string& path) {
    bool samePath = iniFile_ && iniFile_->FileName() == path;
    iniFile_ = std::make_unique<TIniFile>(path);
    history_ = &histories_[path];
    remember();
    existed_ = (samePath && existed_) || (seen_ && seen_->exists());
    outsideChange_ = false;
}

bool ConfigDocument::writeValue(const std::string& section, const std::string& key, const std::string& value) {
    if (!allowsWrite()) return false;
    beforeWrite();
    std::optional<std::string> before = iniFile_->findText(section, key);
    iniFile_->writeValue(section, key, value);
    recorded(HistoryStep::ofKey(section, key, before, iniFile_->findText(section, key)));
    return true;
}

// With a name the file holds twice, the removal leaves the other's value: the step records that.
bool ConfigDocument::removeKey(const std::string& section, const std::string& key) {
    if (!allowsWrite()) return false;
    beforeWrite();
    std::optional<std::string> before = iniFile_->findText(section, key);
    iniFile_->removeKey(section, key);
    recorded(HistoryStep::ofKey(section, key, before, iniFile_->findText(section, key)));
    return true;
}

bool ConfigDocument::removeSection(const std::string& section) {
    if (!allowsWrite()) return false;
    beforeWrite();
    std::optional<TIniFile::Entries> before = keysNow(section);
    iniFile_->removeSection(section);
    recorded(HistoryStep::ofSection(section, before, keysNow(section)));
    return true;
}

bool ConfigDocument::addSection(const std::string& section) {
    if (!allowsWrite()) return false;
    beforeWrite();
    std::optional<TIniFile::Entries> before = keysNow(section);
    asOneWrite([&] { writeKeys(section, {}); });
    recorded(HistoryStep::ofSection(section, before, keysNow(section)));
    return true;
}

bool ConfigDocument::replaceWith(const std::string& copyPath) {
    if (!allowsWrite()) return false;
    const std::string& path = iniFile_->FileName();
    std::optional<FileImage> before = FileImage::read(path);
    if (!copyOrSay(copyPath, path)) return false;
    std::optional<FileImage> after = FileImage::read(path);
    recorded(HistoryStep::ofFile(before ? before->bytes() : "", after ? after->bytes() : ""));
    return true;
}

bool ConfigDocument::changedOutside() const { return outsideChange_ || differsFromSeen(FileImage::read(iniFile_->FileName())); }

// A file that can't be read now is taken as unchanged: the next change in its folder tells.
bool ConfigDocument::differsFromSeen(const std::optional<FileImage>& now) const {
    return now && (!seen_ || now->exists() != seen_->exists() || now->bytes() != seen_->bytes());
}

bool ConfigDocument::step(bool back) {
    const HistoryStep* step = back ? history_->undoable() : history_->redoable();
    if (!step) return false;
    // Asked first: the simulator may rewrite the file while the user closes it, before answering.
    if (!allowsWrite()) return false;
    if (!holds(*step, back)) {
        std::string item = step->scope == HistoryStep::Scope::File ? "The file" : platform::utf8FromAnsi(step->item());
        throw changedSince((back ? "undo " : "redo ") + platform::utf8FromAnsi(step->name()), item);
    }
    beforeWrite();
    asOneWrite([&] { put(*step, back); });
    back ? history_->undone() : history_->redone();
    remember();
    return true;
}

// Undoing puts back what the item held before the step; redoing, what it held after.
void ConfigDocument::put(const HistoryStep& step, bool back) {
    switch (step.scope) {
    case HistoryStep::Scope::Key: {
        const std::optional<std::string>& value = back ? step.valueBefore : step.valueAfter;
        value ? iniFile_->writeValue(step.section, step.key, *value) : iniFile_->removeKey(step.section, step.key);
        return;
    }
    case HistoryStep::Scope::Section: {
        const std::optional<TIniFile::Entries>& keys = back ? step.keysBefore : step.keysAfter;
        keys ? writeKeys(step.section, *keys) : iniFile_->removeSection(step.section);
        return;
    }
    case HistoryStep::Scope::File:
        const std::string& path = iniFile_->FileName();
        if (!FileImage::of(back ? step.bytesBefore : step.bytesAfter).putBack(path)) {
            DWORD error = GetLastError();
            throw platform::Error("Unable to write to " + path + ".\n\n" +
                            (diskFullBeside(path) ? std::string("The disk is full") : platform::systemMessage(error)));
        }
        iniFile_->forgetCachedCopy();
        return;
    }
}

// The item holds what the step left there (back) or what it found (forth).
bool ConfigDocument::holds(const HistoryStep& step, bool back) const {
    switch (step.scope) {
    case HistoryStep::Scope::Key:
        return iniFile_->findText(step.section, step.key) == (back ? step.valueAfter : step.valueBefore);
    case HistoryStep::Scope::Section:
        return keysNow(step.section) == (back ? step.keysAfter : step.keysBefore);
    case HistoryStep::Scope::File:
        break;
    }
    std::optional<FileImage> now = FileImage::read(iniFile_->FileName());
    return now && now->bytes() == (back ? step.bytesAfter : step.bytesBefore);
}

std::optional<TIniFile::Entries> ConfigDocument::keysNow(const std::string& section) const {
    platform::VectorStringList sections;
    iniFile_->listSections(sections);
    for (const std::string& name : sections.items) {
        if (profile::sameName(name, section)) return iniFile_->readSection(section, TIniFile::Values::AsHeld);
    }
    return std::nullopt;
}

// The system writes a section only with a key: without keys to write, a placeholder is written and
// removed. The system appends the section at the file's end, and each key at the section's.
void ConfigDocument::writeKeys(const std::string& section, const TIniFile::Entries& keys) {
    if (keys.empty()) {
        iniFile_->writeValue(section, Placeholder, "0");
        iniFile_->removeKey(section, Placeholder);
    }
    for (const auto& [key, value] : keys) iniFile_->writeValue(section, key, value);
}

// A change of several writes is all or nothing: when one fails, the file is put back as it was before
// the first, and the first error is raised, with what could not be put back.
void ConfigDocument::asOneWrite(const std::function<void()>& writes) {
    const std::string& path = iniFile_->FileName();
    FileSnapshot before(path);
    if (!before.taken()) throw platform::Error("Unable to write to " + path + ".\n\n" + before.whyNotTaken());
    try {
        writes();
    } catch (const std::exception& error) {
        std::optional<std::string> notPutBack = before.putBack();
        iniFile_->forgetCachedCopy();
        if (notPutBack) throw platform::Error(std::string(error.what()) + ".\n\n" + *notPutBack);
        throw;
    }
}

// A file deleted since it was opened is not written again. A change another program made since Brimlow
// last looked is noted first: what Brimlow then writes is what it has seen, and must not hide it.
void ConfigDocument::beforeWrite() {
    const std::string& path = iniFile_->FileName();
    std::optional<FileImage> now = FileImage::read(path);
    if (existed_ && now && !now->exists()) throw platform::Error("Unable to write to " + path);
    outsideChange_ = outsideChange_ || differsFromSeen(now);
}

bool ConfigDocument::allowsWrite() {
    return guard_.allowsWrite(platform::fileNameOf(iniFile_->FileName()));
}

void ConfigDocument::recorded(HistoryStep step) {
    history_->record(std::move(step));
    remember();
}
