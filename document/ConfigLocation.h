// Where the simulator keeps its configuration file, and the pieces of start-up that find it.
#pragma once

#include <optional>
#include <string>

// The current user's roaming application-data folder, from the system; nothing when it can't say.
std::optional<std::string> GetAppDataFolder();
// The folder of all users' application data (%PROGRAMDATA%), from the system; nothing when it can't say.
std::optional<std::string> GetCommonAppDataFolder();

struct ConfigPaths {
    std::string simConfigPath;
    std::string bakPath;
    std::string orgPath;
};

// A file and its two safety copies beside it: its name with ".bak" and ".org" appended.
ConfigPaths pathsBeside(const std::string& file);
// The simulator's file below the application-data folder, and its two safety copies beside it.
ConfigPaths configPathsIn(const std::string& appDataFolder);

// The ".org" copy only when none exists, then the ".bak" copy renewed; in that order.
void makeSafetyCopies(const ConfigPaths& paths);

// The command-line argument at index (0: the program itself), or empty. Arguments are separated by
// runs of blanks and control characters; double quotes group characters and are dropped.
std::string commandLineArgument(const std::string& commandLine, int index);
