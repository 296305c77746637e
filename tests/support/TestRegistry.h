// A private settings key under HKEY_CURRENT_USER for one test process, removed afterwards.
#pragma once

#include <windows.h>

#include <string>

class TestRegistryKey {
public:
    TestRegistryKey();
    ~TestRegistryKey();
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;

    // The base path as the program takes it ("\Software\...").
    const std::string& basePath() const { return basePath_; }
    // The program's own section below it.
    std::string sectionPath() const { return basePath_.substr(1) + "\\Brimlow"; }

    void setText(const std::string& name, const std::string& value);
    void setDword(const std::string& name, DWORD value);
    // The text stored under name, or "<missing>".
    std::string text(const std::string& name) const;
    bool exists(const std::string& name) const;
    // From now on the program's section may be read (and removed) but not written.
    void denyWrites();
    int valueCount() const;

private:
    std::string basePath_;
};
