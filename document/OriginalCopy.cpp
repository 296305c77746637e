#include "document/OriginalCopy.h"

#include "platform/Encoding.h"

#include <windows.h>

std::string lowerCase(std::string text) {
    if (!text.empty()) CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

ReadValues readValues(const TIniFile::Entries& entries) {
    ReadValues values;
    for (const auto& [key, value] : entries) values.emplace(lowerCase(key), value);
    return values;
}

void OriginalCopy::load(const std::string& orgPath) {
    sections_.clear();
    index_.clear();
    HANDLE file = CreateFileW(platform::wide(orgPath).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    available_ = !orgPath.empty() && file != INVALID_HANDLE_VALUE;
    if (!available_) return;
    CloseHandle(file);
    for (ListedSection& listed : TIniFile(orgPath).readAll()) {
        sections_.push_back({std::move(listed.name), std::move(listed.keys)});
        index_.emplace(lowerCase(sections_.back().name), readValues(sections_.back().keys));
    }
}

bool OriginalCopy::hasSection(const std::string& section) const { return index_.count(lowerCase(section)) > 0; }

std::optional<std::string> OriginalCopy::value(const std::string& section, const std::string& key) const {
    auto found = index_.find(lowerCase(section));
    if (found == index_.end()) return std::nullopt;
    auto value = found->second.find(lowerCase(key));
    if (value == found->second.end()) return std::nullopt;
    return value->second;
}

bool OriginalCopy::differs(const std::string& section, const std::string& key, const std::string& now) const {
    if (!available_) return false;
    std::optional<std::string> original = value(section, key);
    return !original || *original != now;
}

bool OriginalCopy::differs(const std::string& section, const std::string& key, const ReadValues& now) const {
    auto read = now.find(lowerCase(key));
    return differs(section, key, read == now.end() ? std::string() : read->second);
}
