#include "store/TIniFile.h"

#include "store/ProfileFormat.h"
#include "ui/Error.h"
#include "ui/GrowingText.h"

#include <windows.h>

#include <algorithm>

namespace {

// A default no written value can equal: values never hold a line break.
const char* const Absent = "\n";

}  // namespace

// The system signals a cut answer by filling the buffer to size - 1 (a value) or size - 2 (a list).
std::string TIniFile::readProfile(const char* section, const char* key, const char* defaultValue,
                                  size_t cutMargin) const {
    if (fileName_.empty()) return defaultValue ? defaultValue : "";
    return ui::growingText(8192, [&](char* buffer, size_t size) {
        size_t length = GetPrivateProfileStringA(section, key, defaultValue, buffer, static_cast<DWORD>(size),
                                                 fileName_.c_str());
        return length + cutMargin < size ? length : size;
    });
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

// The system gives "key=value" strings; the reader takes quotes off a value, so they are taken off here.
TIniFile::Entries TIniFile::readSection(const std::string& section) const {
    Entries entries;
    if (fileName_.empty()) return entries;
    std::string lines = ui::growingText(8192, [&](char* buffer, size_t size) {
        size_t length = GetPrivateProfileSectionA(section.c_str(), buffer, static_cast<DWORD>(size), fileName_.c_str());
        return length + 2 < size ? length : size;
    });
    for (size_t at = 0; at < lines.size();) {
        size_t end = lines.find('\0', at);
        if (end == std::string::npos) end = lines.size();
        std::string line = lines.substr(at, end - at);
        at = end + 1;
        if (line.empty() || line[0] == ';') continue;
        size_t equals = line.find('=');
        if (equals == std::string::npos) entries.emplace_back(line, "");
        else entries.emplace_back(line.substr(0, equals), profile::asRead(line.substr(equals + 1)));
    }
    return entries;
}

std::string TIniFile::readValue(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    return readProfile(section.c_str(), key.c_str(), defaultValue.c_str(), 1);
}

// Every change is read back through the same reader; a file that does not then hold what was asked
// raises the write error, whatever the system answered.
void TIniFile::writeValue(const std::string& section, const std::string& key, const std::string& value) const {
    refuse(section, &key, &value);
    write(section.c_str(), key.c_str(), value.c_str());
    std::string stored = readValue(section, key, Absent);
    if (stored != value && stored != profile::asRead(value)) raiseWriteError();
}

void TIniFile::removeSection(const std::string& section) const {
    refuse(section, nullptr, nullptr);
    size_t before = countNamed(nullptr, section);
    write(section.c_str(), nullptr, nullptr);
    if (before && countNamed(nullptr, section) >= before) raiseWriteError();
}

void TIniFile::removeKey(const std::string& section, const std::string& key) const {
    refuse(section, &key, nullptr);
    size_t before = countNamed(&section, key);
    write(section.c_str(), key.c_str(), nullptr);
    if (before && countNamed(&section, key) >= before) raiseWriteError();
}

// Names are counted rather than looked up: a file may hold a name twice, and one removal takes one.
size_t TIniFile::countNamed(const std::string* section, const std::string& name) const {
    ui::VectorStringList names;
    section ? listKeys(*section, names) : listSections(names);
    return static_cast<size_t>(std::count_if(names.items.begin(), names.items.end(), [&](const std::string& listed) {
        return lstrcmpiA(listed.c_str(), name.c_str()) == 0;
    }));
}

void TIniFile::write(const char* section, const char* key, const char* value) const {
    if (!WritePrivateProfileStringA(section, key, value, fileName_.c_str())) raiseWriteError();
}

// A line break would inject new lines, sections and keys into the file, and a text over the system's
// limit would be garbled or lost: nothing is written.
void TIniFile::refuse(const std::string& section, const std::string* key, const std::string* value) const {
    if (fileName_.empty()) throw ui::Error("No configuration file is loaded");
    const std::pair<const char*, const std::string*> texts[] = {
        {"the section name", &section}, {"the key name", key}, {"the value", value}};
    for (const auto& [what, text] : texts) {
        const char* problem = text ? profile::textProblem(*text) : nullptr;
        if (problem) throw ui::Error("Unable to write to " + fileName_ + ": " + what + " " + problem);
    }
}

void TIniFile::raiseWriteError() const { throw ui::Error("Unable to write to " + fileName_); }
