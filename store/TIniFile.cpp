#include "store/TIniFile.h"

#include "ui/Error.h"

#include <windows.h>

#include <vector>

namespace {

bool holdsLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

}  // namespace

// The system signals a cut answer by filling the buffer to size - 1 (a value) or size - 2 (a list):
// grow the buffer until the answer is shorter than that.
std::string TIniFile::readProfile(const char* section, const char* key, const char* defaultValue,
                                  size_t cutMargin) const {
    if (fileName_.empty()) return defaultValue ? defaultValue : "";
    for (DWORD size = 8192;; size *= 4) {
        std::vector<char> buffer(size);
        DWORD length = GetPrivateProfileStringA(section, key, defaultValue, buffer.data(), size, fileName_.c_str());
        if (length + cutMargin < size) return std::string(buffer.data(), length);
    }
}

void TIniFile::readList(const char* section, ui::StringList& list) const {
    std::string names = readProfile(section, nullptr, "", 2);
    ui::UpdateScope update(list);
    list.clear();
    for (size_t at = 0; at < names.size();) {
        size_t end = names.find('\0', at);
        if (end == std::string::npos) end = names.size();
        if (end == at) break;
        list.add(names.substr(at, end - at));
        at = end + 1;
    }
}

void TIniFile::listSections(ui::StringList& list) const { readList(nullptr, list); }

void TIniFile::listKeys(const std::string& section, ui::StringList& list) const { readList(section.c_str(), list); }

std::string TIniFile::readValue(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    return readProfile(section.c_str(), key.c_str(), defaultValue.c_str(), 1);
}

void TIniFile::writeValue(const std::string& section, const std::string& key, const std::string& value) const {
    refuseLineBreaks(section, &key, &value);
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str())) {
        raiseWriteError();
    }
}

void TIniFile::removeSection(const std::string& section) const {
    refuseLineBreaks(section, nullptr, nullptr);
    if (!WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, fileName_.c_str())) raiseWriteError();
}

void TIniFile::removeKey(const std::string& section, const std::string& key) const {
    refuseLineBreaks(section, &key, nullptr);
    WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, fileName_.c_str());
}

// A line break would inject new lines, sections and keys into the file: nothing is written.
void TIniFile::refuseLineBreaks(const std::string& section, const std::string* key, const std::string* value) const {
    if (fileName_.empty()) throw ui::Error("No configuration file is loaded");
    const char* what = holdsLineBreak(section)           ? "the section name"
                       : key && holdsLineBreak(*key)     ? "the key name"
                       : value && holdsLineBreak(*value) ? "the value"
                                                         : nullptr;
    if (what) throw ui::Error("Unable to write to " + fileName_ + ": " + what + " holds a line break");
}

void TIniFile::raiseWriteError() const { throw ui::Error("Unable to write to " + fileName_); }
