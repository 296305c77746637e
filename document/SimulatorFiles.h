// The profile files of the simulators of this family that Brimlow knows: where each lives, what the
// menu calls it, and the simulator's process, which the guard looks for while the file is open.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The folders the system names (never spelled drive paths): the user's roaming application data and
// the data of all users (%PROGRAMDATA%).
struct SystemFolders {
    std::optional<std::string> roaming, common;
};

struct SimulatorFile {
    enum Folder { Roaming, Common };
    const char* simulator;  // "FSX Steam Edition"
    const char* item;       // the file as the menu names it: "fsx_se.cfg", "scenery library"
    Folder folder;
    const char* below;      // its path below the folder
    const char* process;    // the simulator's executable, for the guard
};

// Every file Brimlow knows, in the order start-up looks for them (FSX.cfg first).
const std::vector<SimulatorFile>& simulatorFiles();

struct FoundFile {
    const SimulatorFile* known;
    std::string path;
    // "FSX Steam Edition: fsx_se.cfg"
    std::string menuText() const;
};

// The known files that exist on this machine, in the table's order.
std::vector<FoundFile> foundSimulatorFiles(const SystemFolders& folders);
// The path a known file has under these folders; empty when its folder is not known.
std::string pathOf(const SimulatorFile& file, const SystemFolders& folders);
// The processes the guard looks for while the file at path is open: its simulator's, or, for a file of
// no known simulator, every simulator's.
std::vector<std::string> guardedProcesses(const std::string& path, const SystemFolders& folders);
