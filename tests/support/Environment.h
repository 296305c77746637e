// Sets or unsets environment variables for the life of the object, then puts them back.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

class ScopedEnvironment {
public:
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_) SetEnvironmentVariableA(name.c_str(), value ? value->c_str() : nullptr);
    }
    void set(const std::string& name, const std::optional<std::string>& value) {
        if (!saved_.count(name)) saved_[name] = get(name);
        SetEnvironmentVariableA(name.c_str(), value ? value->c_str() : nullptr);
    }

private:
    static std::optional<std::string> get(const std::string& name) {
        char buffer[32768];
        DWORD length = GetEnvironmentVariableA(name.c_str(), buffer, sizeof buffer);
        if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
        return std::string(buffer, length);
    }
    std::map<std::string, std::optional<std::string>> saved_;
};
