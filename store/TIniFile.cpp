#include "store/TIniFile.h"

#include "platform/Encoding.h"
#include "platform/Error.h"
#include "platform/GrowingText.h"
#include "platform/Paths.h"
#include "platform/SystemLibrary.h"
#include "store/FileImage.h"
#include "store/FileSnapshot.h"
#include "store/ProfileFormat.h"

#include <windows.h>

#include <algorithm>

namespace {

// A default no written value can equal: values never hold a line break.
const char* const Absent = "\n";

// Room kept free beyond what a change adds: the system writes in whole blocks.
const long long SpaceMargin = 4096;

// A name or value as the wide profile calls take it: converted as the narrow ones convert, null kept.
class WideText {
public:
    explicit WideText(const char* ansi) : null_(!ansi), text_(ansi ? platform::wideFromAnsi(ansi) : std::wstring()) {}
    operator const wchar_t*() const { return null_ ? nullptr : text_.c_str(); }

private:
    bool null_;
    std::wstring text_;
};

}  // namespace

// The system signals a cut answer by filling the buffer to size - 1 (a value) or size - 2 (a list).
std::string TIniFile::readProfile(const char* section, const char* key, const char* defaultValue,
                                  size_t cutMargin) const {
    if (fileName_.empty()) return defaultValue ? defaultValue : "";
    WideText wideSection(section), wideKey(key), wideDefault(defaultValue);
    std::wstring path = platform::wide(fileName_);
    return platform::ansiFromWide(platform::growingText<wchar_t>(8192, [&](wchar_t* buffer, size_t size) {
        size_t length = GetPrivateProfileStringW(wideSection, wideKey, wideDefault, buffer, static_cast<DWORD>(size),
                                                 path.c_str());
        return length + cutMargin < size ? length : size;
    }));
}

void TIniFile::readList(const char* section, platform::StringList& list) const {
    std::string names = readProfile(section, nullptr, "", 2);
    platform::UpdateScope update(list);
    list.clear();
    for (size_t at = 0; at < names.size();) {
        size_t end = names.find('\0', at);
        if (end == std::string::npos) end = names.size();
        if (end == at) break;
        list.add(names.substr(at, end - at));
        at = end + 1;
    }
}

void TIniFile::listSections(platform::StringList& list) const { readList(nullptr, list); }

void TIniFile::listKeys(const std::string& section, platform::StringList& list) const { readList(section.c_str(), list); }

// The system gives the section's lines; its key listing leaves out comments and lines without "=", and
// ends at an empty name, so the same lines are left out here. Values read lose their quotes as the
// reader's do.
TIniFile::Entries TIniFile::readSection(const std::string& section, Values values) const {
    Entries entries;
    if (fileName_.empty()) return entries;
    WideText wideSection(section.c_str());
    std::wstring path = platform::wide(fileName_);
    std::string lines = platform::ansiFromWide(platform::growingText<wchar_t>(8192, [&](wchar_t* buffer, size_t size) {
        size_t length = GetPrivateProfileSectionW(wideSection, buffer, static_cast<DWORD>(size), path.c_str());
        return length + 2 < size ? length : size;
    }));
    for (size_t at = 0; at < lines.size();) {
        size_t end = lines.find('\0', at);
        if (end == std::string::npos) end = lines.size();
        std::string line = lines.substr(at, end - at);
        at = end + 1;
        size_t equals = line.find('=');
        if (line.empty() || line[0] == ';' || equals == std::string::npos) continue;
        if (equals == 0) break;
        std::string text = line.substr(equals + 1);
        entries.emplace_back(line.substr(0, equals), values == Values::AsRead ? profile::asRead(text) : text);
    }
    return entries;
}

// The bytes are parsed by the rules of Wine's reader, when its own list of sections agrees; on another
// system its own reader lists, as it does for a bare file name, which it looks for in the Windows folder.
std::vector<ListedSection> TIniFile::readAll() const {
    bool inFolder = fileName_.find_first_of("\\/") != std::string::npos;
    if (!platform::systemIsWine() || !inFolder) return systemListing();
    std::optional<FileImage> image = FileImage::read(fileName_);
    if (!image) return systemListing();
    std::vector<ListedSection> listing = listingOf(image->bytes());
    if (listing.size() <= SystemListsUpTo) return systemListing();
    platform::VectorStringList sections;
    listSections(sections);
    bool agrees = sections.items.size() == listing.size() &&
                  std::equal(listing.begin(), listing.end(), sections.items.begin(),
                             [](const ListedSection& listed, const std::string& name) { return listed.name == name; });
    return agrees ? listing : systemListing();
}

std::vector<ListedSection> TIniFile::systemListing() const {
    std::vector<ListedSection> listing;
    platform::VectorStringList sections;
    listSections(sections);
    for (const std::string& section : sections.items) listing.push_back({section, readSection(section)});
    return listing;
}

std::string TIniFile::readValue(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    return readProfile(section.c_str(), key.c_str(), defaultValue.c_str(), 1);
}

std::optional<std::string> TIniFile::findValue(const std::string& section, const std::string& key) const {
    std::string value = readValue(section, key, Absent);
    return value == Absent ? std::nullopt : std::optional<std::string>(value);
}

// The reader reads a key's first line in the first section of the name, which the section read lists.
std::optional<std::string> TIniFile::findText(const std::string& section, const std::string& key) const {
    for (const auto& [name, text] : readSection(section, Values::AsHeld)) {
        if (profile::sameName(name, key)) return text;
    }
    return std::nullopt;
}

// A new key adds its line, and perhaps its section's; a new value replaces the old one.
void TIniFile::writeValue(const std::string& section, const std::string& key, const std::string& value) const {
    refuse(section, &key, &value);
    std::optional<std::string> was = findValue(section, key);
    long long growth = !was ? static_cast<long long>(section.size() + key.size() + value.size() + 8)
                            : static_cast<long long>(value.size()) - static_cast<long long>(was->size());
    change({section, &key}, growth, [&] { return write(section.c_str(), key.c_str(), value.c_str()); }, [&] {
        std::optional<std::string> stored = findValue(section, key);
        return stored && (*stored == value || *stored == profile::asRead(value));
    });
}

void TIniFile::removeSection(const std::string& section) const {
    refuse(section, nullptr, nullptr);
    size_t before = countNamed(nullptr, section);
    change({section, nullptr}, 0, [&] { return write(section.c_str(), nullptr, nullptr); },
           [&] { return !before || countNamed(nullptr, section) < before; });
}

void TIniFile::removeKey(const std::string& section, const std::string& key) const {
    refuse(section, &key, nullptr);
    size_t before = countNamed(&section, key);
    change({section, &key}, 0, [&] { return write(section.c_str(), key.c_str(), nullptr); },
           [&] { return !before || countNamed(&section, key) < before; });
}

// Names are counted rather than looked up: a file may hold a name twice, and one removal takes one.
size_t TIniFile::countNamed(const std::string* section, const std::string& name) const {
    platform::VectorStringList names;
    section ? listKeys(*section, names) : listSections(names);
    return static_cast<size_t>(std::count_if(names.items.begin(), names.items.end(), [&](const std::string& listed) {
        return profile::sameName(listed, name);
    }));
}

// The system rewrites the whole file for every change, so a disk that runs full cuts it short, while
// its cached copy of the file still reads whole. So the file is read from disk afterwards: the change
// through the reader (its cache forgotten), everything else line by line against the bytes it held
// before. If anything but the change differs, the bytes are put back.
void TIniFile::change(const ChangeScope& scope, long long growth, const std::function<bool()>& write,
                      const std::function<bool()>& holdsChange) const {
    FileSnapshot before(fileName_);
    if (!before.taken()) raiseWriteError(before.whyNotTaken());
    if (growth > 0) refuseWithoutRoom(growth);
    std::string reason;
    if (!write()) {
        DWORD error = GetLastError();
        if (error) reason = platform::systemMessage(error);
    } else {
        forgetCachedCopy();
        std::optional<FileImage> after = FileImage::read(fileName_);
        bool held = after && holdsChange();
        std::optional<std::string> loss = held ? lossBesides(before.image().bytes(), after->bytes(), scope) : std::nullopt;
        if (held && !loss) return;
        if (loss) reason = *loss + " by the system's rewrite of the file";
    }
    std::optional<std::string> notPutBack = before.putBack();
    forgetCachedCopy();
    if (diskFullBeside(fileName_)) reason = "The disk is full";
    if (notPutBack) reason += (reason.empty() ? "" : ".\n") + *notPutBack;
    raiseWriteError(reason);
}

// A change the disk plainly has no room for is refused before anything is written.
void TIniFile::refuseWithoutRoom(long long growth) const {
    std::optional<std::uint64_t> available = freeSpaceBeside(fileName_);
    if (!available || static_cast<long long>(*available) >= growth + SpaceMargin) return;
    raiseWriteError("The drive " + driveOf(fileName_) + " has " + withThousands(*available) +
                    " bytes free; this change needs " + withThousands(static_cast<unsigned long long>(growth + SpaceMargin)));
}

// The documented call that makes the system read the file from disk again at its next call.
void TIniFile::forgetCachedCopy() const {
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, platform::wide(fileName_).c_str());
}

bool TIniFile::write(const char* section, const char* key, const char* value) const {
    return WritePrivateProfileStringW(WideText(section), WideText(key), WideText(value), platform::wide(fileName_).c_str());
}

// A line break would inject new lines, sections and keys into the file, a text over the system's limit
// would be garbled or lost, and an empty name would stand for the lines before the first section.
void TIniFile::refuse(const std::string& section, const std::string* key, const std::string* value) const {
    if (fileName_.empty()) throw platform::Error("No configuration file is loaded");
    const std::pair<const char*, const std::string*> texts[] = {
        {"the section name", &section}, {"the key name", key}, {"the value", value}};
    for (const auto& [what, text] : texts) {
        const char* problem = text ? profile::textProblem(*text) : nullptr;
        if (text && text != value && text->empty()) problem = "may not be empty";
        if (problem) throw platform::Error("Unable to write to " + fileName_ + ": " + what + " " + problem);
    }
}

void TIniFile::raiseWriteError(const std::string& reason) const {
    throw platform::Error("Unable to write to " + fileName_ + (reason.empty() ? "" : ".\n\n" + reason));
}
