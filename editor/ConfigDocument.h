// The configuration file being edited and what stands around every change to it: the accessor
// (replaced on every load), the original copy the file is compared with, and the guard asked before a
// write while the simulator runs. No window: the main window and the changes report both act through it.
#pragma once

#include "editor/OriginalCopy.h"
#include "editor/SimulatorGuard.h"
#include "store/TIniFile.h"

#include <memory>
#include <string>

class ConfigDocument {
public:
    explicit ConfigDocument(std::string simulatorProcess) : guard_(std::move(simulatorProcess)) {}

    // A new accessor on path; the old one is dropped.
    void open(const std::string& path) { iniFile_ = std::make_unique<TIniFile>(path); }
    void close() { iniFile_.reset(); }
    void loadOriginal(const std::string& orgPath) { original_.load(orgPath); }

    const TIniFile& file() const { return *iniFile_; }
    const TIniFile* accessor() const { return iniFile_.get(); }
    const OriginalCopy& original() const { return original_; }

    // The changes. Each first asks the guard and returns false, writing nothing, when the user says No;
    // a write that fails raises the accessor's error.
    bool writeValue(const std::string& section, const std::string& key, const std::string& value);
    bool removeKey(const std::string& section, const std::string& key);
    bool removeSection(const std::string& section);
    // For changes made without the accessor (a copy put over the file).
    bool allowsWrite() { return guard_.allowsWrite(); }

private:
    std::unique_ptr<TIniFile> iniFile_;
    OriginalCopy original_;
    SimulatorGuard guard_;
};
