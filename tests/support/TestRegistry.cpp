#include "support/TestRegistry.h"

#include "platform/Encoding.h"

#include <aclapi.h>

#include <vector>

TestRegistryKey::TestRegistryKey()
    : basePath_("\\Software\\BrimlowTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount())) {}

TestRegistryKey::~TestRegistryKey() {
    RegDeleteKeyA(HKEY_CURRENT_USER, sectionPath().c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, basePath_.substr(1).c_str());
}

namespace {

void setValue(const std::string& path, const std::string& name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, platform::wide(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(key, platform::wide(name).c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

}  // namespace

void TestRegistryKey::setText(const std::string& name, const std::string& value) {
    std::wstring text = platform::wide(value);
    setValue(sectionPath(), name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void TestRegistryKey::setDword(const std::string& name, DWORD value) {
    setValue(sectionPath(), name, REG_DWORD, &value, sizeof value);
}

std::string TestRegistryKey::text(const std::string& name) const {
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, platform::wide(sectionPath()).c_str(), platform::wide(name).c_str(), RRF_RT_REG_SZ, nullptr,
                     data, &size) != ERROR_SUCCESS) {
        return "<missing>";
    }
    return platform::utf8(data);
}

bool TestRegistryKey::exists(const std::string& name) const { return text(name) != "<missing>"; }

int TestRegistryKey::valueCount() const {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, sectionPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
    DWORD values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    return static_cast<int>(values);
}

void TestRegistryKey::denyWrites() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, sectionPath().c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS) return;
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof sid;
    CreateWellKnownSid(WinWorldSid, nullptr, sid, &sidSize);
    EXPLICIT_ACCESSA access{};
    access.grfAccessPermissions = KEY_READ | DELETE;
    access.grfAccessMode = SET_ACCESS;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.ptstrName = reinterpret_cast<LPSTR>(sid);
    PACL acl = nullptr;
    if (SetEntriesInAclA(1, &access, nullptr, &acl) == ERROR_SUCCESS) {
        SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                        nullptr, acl, nullptr);
        LocalFree(acl);
    }
    RegCloseKey(key);
}
