#include "document/ComparedCopy.h"

#include "platform/Encoding.h"
#include "platform/Paths.h"
#include "platform/StringList.h"
#include "store/FileImage.h"
#include "store/ProfileFormat.h"

#include <windows.h>

std::optional<std::string> whyNotComparable(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(platform::wide(path).c_str(), GetFileExInfoStandard, &data)) {
        return platform::systemMessage(GetLastError());
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return "It is a folder, not a file";
    unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if (size > LargestComparedCopy) {
        return "It holds " + withThousands(size) + " bytes; a copy of at most " + withThousands(LargestComparedCopy) +
               " bytes is compared";
    }
    platform::VectorStringList sections;
    TIniFile(path).listSections(sections);
    if (sections.items.empty()) return "It holds no section of a configuration file";
    return std::nullopt;
}

ReadValues readValues(const TIniFile::Entries& entries) {
    ReadValues values;
    for (const auto& [key, value] : entries) values.emplace(profile::nameKey(key), value);
    return values;
}

void ComparedCopy::load(const std::string& path) {
    sections_.clear();
    index_.clear();
    path_ = path;
    HANDLE file = CreateFileW(platform::wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    available_ = !path.empty() && file != INVALID_HANDLE_VALUE;
    if (!available_) return;
    CloseHandle(file);
    for (ListedSection& listed : TIniFile(path).readAll()) {
        if (!index_.emplace(profile::nameKey(listed.name), readValues(listed.keys)).second) continue;
        sections_.push_back({std::move(listed.name), std::move(listed.keys)});
    }
}

bool ComparedCopy::hasSection(const std::string& section) const { return index_.count(profile::nameKey(section)) > 0; }

std::optional<std::string> ComparedCopy::value(const std::string& section, const std::string& key) const {
    auto found = index_.find(profile::nameKey(section));
    if (found == index_.end()) return std::nullopt;
    auto value = found->second.find(profile::nameKey(key));
    if (value == found->second.end()) return std::nullopt;
    return value->second;
}

std::optional<std::string> ComparedCopy::heldText(const std::string& section, const std::string& key) const {
    if (!available_) return std::nullopt;
    return TIniFile(path_).findText(section, key);
}

bool ComparedCopy::differs(const std::string& section, const std::string& key, const std::string& now) const {
    if (!available_) return false;
    std::optional<std::string> copied = value(section, key);
    return !copied || *copied != now;
}

bool ComparedCopy::differs(const std::string& section, const std::string& key, const ReadValues& now) const {
    auto read = now.find(profile::nameKey(key));
    return differs(section, key, read == now.end() ? std::string() : read->second);
}
