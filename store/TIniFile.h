// The configuration file's sections and keys: the only code that reads or writes them, through the
// system's profile functions, called on the spot for every operation, so nothing is cached and changes
// by other programs are seen at once. (Its bytes are taken whole by FileImage, for copies and put-backs.)
#pragma once

#include "platform/StringList.h"
#include "store/WholeFileCheck.h"
#include "store/ProfileListing.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TIniFile {
public:
    // Only stores the path; the file is neither opened nor checked.
    explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    // Every section name, in file order (emptied first).
    void listSections(platform::StringList& list) const;
    // Every key name of the section, in file order (emptied first).
    void listKeys(const std::string& section, platform::StringList& list) const;
    // The keys listKeys lists, in its order, each with its own line's value as the reader gives it, or
    // as the file holds it (its text after "=", quotes kept: written back, it reads as it did); one call.
    using Entries = ProfileEntries;
    enum class Values { AsRead, AsHeld };
    Entries readSection(const std::string& section, Values values = Values::AsRead) const;
    // Every section listSections lists, each with what readSection gives for it. A large file is read at
    // once and listed by the reader's rules, held against the system's own list of its sections: time
    // that grows with the file, where the listing calls above take time that grows with its square.
    std::vector<ListedSection> readAll() const;
    // Up to this many sections, the system's own listing costs nothing worth saving.
    static constexpr size_t SystemListsUpTo = 64;
    // The whole value, or defaultValue when the key is absent.
    std::string readValue(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const;
    // The whole value, or nothing when the key is absent.
    std::optional<std::string> findValue(const std::string& section, const std::string& key) const;
    // The value as the file holds it (see readSection), or nothing when the key is absent.
    std::optional<std::string> findText(const std::string& section, const std::string& key) const;

    // Changes raise platform::Error, and leave the file as it was, when a name is empty, a text would break
    // the format or is longer than it can hold, the disk has plainly no room for it, the system fails,
    // or the file on disk does not afterwards hold the change and everything else it held before.
    void writeValue(const std::string& section, const std::string& key, const std::string& value) const;
    void removeSection(const std::string& section) const;
    void removeKey(const std::string& section, const std::string& key) const;

    // The system reads the file from disk again at its next call (after a change made without it).
    void forgetCachedCopy() const;

private:
    std::string readProfile(const char* section, const char* key, const char* defaultValue,
                            size_t cutMargin) const;
    void readList(const char* section, platform::StringList& list) const;
    // How often the file holds the key name in section, or the section name (section null).
    size_t countNamed(const std::string* section, const std::string& name) const;
    std::vector<ListedSection> systemListing() const;
    // write returns false when the system refused, GetLastError saying why.
    void change(const ChangeScope& scope, long long growth, const std::function<bool()>& write,
                const std::function<bool()>& holdsChange) const;
    void refuseWithoutRoom(long long growth) const;
    bool write(const char* section, const char* key, const char* value) const;
    void refuse(const std::string& section, const std::string* key, const std::string* value) const;
    [[noreturn]] void raiseWriteError(const std::string& reason = "") const;

    std::string fileName_;
};
