#include "document/SimulatorFiles.h"

#include "platform/Encoding.h"
#include "platform/Paths.h"

#include <windows.h>

#include <algorithm>

// Where each simulator keeps its files, as the public code of tools that read them has them:
// - FSX.cfg below the roaming folder: the program's own place of old.
// - The scenery libraries of FSX, FSX Steam Edition and Prepar3D v3 to v6 below %PROGRAMDATA%, that of
//   Prepar3D v2 below the roaming folder: github.com/albar965/atools, src/fs/fspaths.cpp
//   (FsPaths::initSceneryLibraryPath, "C:\ProgramData\Microsoft\FSX-SE\Scenery.cfg" among them).
//   Prepar3D v3's and v4's in "C:\ProgramData\Lockheed Martin\Prepar3D vN\scenery.cfg" also in the
//   documentation of Lorby-SI's Prepar3D Addon Organizer (1.34, "The files being edited by this app").
// - fsx_se.cfg in "Microsoft\FSX-SE" and Prepar3D.cfg in "Lockheed Martin\Prepar3D vN" below the
//   roaming folder: the flight planner FS Flight Builder's public source (GetAppPath(@"Microsoft\FSX-SE\",
//   "FSX_SE.CFG"), GetAppPath(@"Lockheed Martin\Prepar3D v5\", "prepar3d.cfg") on ApplicationData), and
//   "C:\Users\[you]\AppData\Roaming\Lockheed Martin\Prepar3D v4" for Prepar3D's per-user data
//   (codelegend.com forum, "Overview of Ideal Flight installation with respect to P3D v4").
// Only files that exist are offered, so a place that is wrong is never shown.
const std::vector<SimulatorFile>& simulatorFiles() {
    static const std::vector<SimulatorFile> files = {
        {"FSX", "FSX.cfg", SimulatorFile::Roaming, "Microsoft\\FSx\\FSX.cfg", "fsx.exe"},
        {"FSX", "scenery library", SimulatorFile::Common, "Microsoft\\FSX\\scenery.cfg", "fsx.exe"},
        {"FSX Steam Edition", "fsx_se.cfg", SimulatorFile::Roaming, "Microsoft\\FSX-SE\\fsx_se.cfg", "fsx.exe"},
        {"FSX Steam Edition", "scenery library", SimulatorFile::Common, "Microsoft\\FSX-SE\\scenery.cfg", "fsx.exe"},
        {"Prepar3D v2", "Prepar3D.cfg", SimulatorFile::Roaming, "Lockheed Martin\\Prepar3D v2\\Prepar3D.cfg", "Prepar3D.exe"},
        {"Prepar3D v2", "scenery library", SimulatorFile::Roaming, "Lockheed Martin\\Prepar3D v2\\scenery.cfg", "Prepar3D.exe"},
        {"Prepar3D v3", "Prepar3D.cfg", SimulatorFile::Roaming, "Lockheed Martin\\Prepar3D v3\\Prepar3D.cfg", "Prepar3D.exe"},
        {"Prepar3D v3", "scenery library", SimulatorFile::Common, "Lockheed Martin\\Prepar3D v3\\scenery.cfg", "Prepar3D.exe"},
        {"Prepar3D v4", "Prepar3D.cfg", SimulatorFile::Roaming, "Lockheed Martin\\Prepar3D v4\\Prepar3D.cfg", "Prepar3D.exe"},
        {"Prepar3D v4", "scenery library", SimulatorFile::Common, "Lockheed Martin\\Prepar3D v4\\scenery.cfg", "Prepar3D.exe"},
        {"Prepar3D v5", "Prepar3D.cfg", SimulatorFile::Roaming, "Lockheed Martin\\Prepar3D v5\\Prepar3D.cfg", "Prepar3D.exe"},
        {"Prepar3D v5", "scenery library", SimulatorFile::Common, "Lockheed Martin\\Prepar3D v5\\scenery.cfg", "Prepar3D.exe"},
        {"Prepar3D v6", "Prepar3D.cfg", SimulatorFile::Roaming, "Lockheed Martin\\Prepar3D v6\\Prepar3D.cfg", "Prepar3D.exe"},
        {"Prepar3D v6", "scenery library", SimulatorFile::Common, "Lockheed Martin\\Prepar3D v6\\scenery.cfg", "Prepar3D.exe"},
    };
    return files;
}

std::string FoundFile::menuText() const { return std::string(known->simulator) + ": " + known->item; }

std::string pathOf(const SimulatorFile& file, const SystemFolders& folders) {
    const std::optional<std::string>& folder = file.folder == SimulatorFile::Roaming ? folders.roaming : folders.common;
    return folder ? *folder + "\\" + file.below : std::string();
}

std::vector<FoundFile> foundSimulatorFiles(const SystemFolders& folders) {
    std::vector<FoundFile> found;
    for (const SimulatorFile& file : simulatorFiles()) {
        std::string path = pathOf(file, folders);
        DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(platform::wide(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) found.push_back({&file, path});
    }
    return found;
}

std::vector<std::string> guardedProcesses(const std::string& path, const SystemFolders& folders) {
    std::vector<std::string> processes;
    for (const SimulatorFile& file : simulatorFiles()) {
        std::string known = pathOf(file, folders);
        if (!known.empty() && platform::sameFile(known, path)) return {file.process};
        if (std::find(processes.begin(), processes.end(), file.process) == processes.end()) processes.push_back(file.process);
    }
    return processes;
}
