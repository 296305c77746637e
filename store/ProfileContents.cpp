#include "store/ProfileContents.h"

#include <windows.h>

namespace {

bool sameName(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

bool touched(const ProfileEntry& entry, const ChangeScope& scope) {
    if (!sameName(entry.section, scope.section)) return false;
    return !scope.key || entry.key.empty() || sameName(entry.key, *scope.key);
}

ProfileContents untouched(const ProfileContents& contents, const ChangeScope& scope) {
    ProfileContents kept;
    for (const ProfileEntry& entry : contents) {
        if (!touched(entry, scope)) kept.push_back(entry);
    }
    return kept;
}

}  // namespace

bool keepsAllBut(const ProfileContents& before, const ProfileContents& after, const ChangeScope& scope) {
    return untouched(before, scope) == untouched(after, scope);
}
