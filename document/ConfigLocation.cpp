#include "document/ConfigLocation.h"

#include "document/SafeCopy.h"
#include "document/SimulatorFiles.h"
#include "platform/Encoding.h"

#include <windows.h>
#include <shlobj.h>

namespace {

std::optional<std::string> systemFolder(int csidl) {
    wchar_t folder[MAX_PATH] = {};
    HRESULT result = SHGetFolderPathW(nullptr, csidl, nullptr, 0, folder);
    if (FAILED(result) || folder[0] == L'\0') return std::nullopt;
    return platform::utf8(folder);
}

}  // namespace

std::optional<std::string> GetAppDataFolder() { return systemFolder(CSIDL_APPDATA); }

std::optional<std::string> GetCommonAppDataFolder() { return systemFolder(CSIDL_COMMON_APPDATA); }

ConfigPaths pathsBeside(const std::string& file) { return {file, file + ".bak", file + ".org"}; }

ConfigPaths configPathsIn(const std::string& appDataFolder) {
    return pathsBeside(pathOf(simulatorFiles().front(), {appDataFolder, std::nullopt}));
}

// A copy the disk can't hold is said and removed, never left cut short; any other failure (a read-only
// copy or folder, a folder in the file's place) is quiet, and start-up goes on. Without the file there
// is nothing to copy and nothing to say.
void makeSafetyCopies(const ConfigPaths& paths) {
    if (GetFileAttributesW(platform::wide(paths.simConfigPath).c_str()) == INVALID_FILE_ATTRIBUTES) return;
    copyOrSay(paths.simConfigPath, paths.orgPath, true, SayWhen::DiskFull);
    copyOrSay(paths.simConfigPath, paths.bakPath, false, SayWhen::DiskFull);
}

std::string commandLineArgument(const std::string& commandLine, int index) {
    size_t at = 0;
    for (int current = 0;; ++current) {
        while (at < commandLine.size() && static_cast<unsigned char>(commandLine[at]) <= ' ') ++at;
        if (at >= commandLine.size()) return std::string();
        std::string argument;
        bool quoted = false;
        for (; at < commandLine.size(); ++at) {
            char c = commandLine[at];
            if (c == '"') {
                quoted = !quoted;
            } else if (!quoted && static_cast<unsigned char>(c) <= ' ') {
                break;
            } else {
                argument += c;
            }
        }
        if (current == index) return argument;
    }
}
