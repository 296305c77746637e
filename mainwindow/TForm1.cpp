#include "mainwindow/TForm1.h"

#include "about/TAboutForm.h"
#include "platform/Encoding.h"
#include "platform/Paths.h"
#include "platform/StartupProfile.h"
#include "ui/Application.h"

TForm1::TForm1(const Startup& startup) : document(startup.simulatorProcess) {
    CreateLayout();
    DragAcceptFiles(handle(), TRUE);
    startup::mark("window and controls created");
    LocateConfigFile(startup);
    BuildSystemMenu();
    RestoreSettings(startup);
    startup::mark("settings read");
    ResetValuePanel();
}

TForm1::~TForm1() = default;

void TForm1::FormShow() {
    LoadConfigFile(simConfigPath);
    startup::mark("tree filled");
}

// The window goes at once: taking down a tree of many thousand nodes takes Wine a while.
void TForm1::FormClose() {
    StoreSettings();
    hide();
}

// Without the roaming folder there is no file to show and no place for copies: the tree stays empty.
void TForm1::LocateConfigFile(const Startup& startup) {
    folders = {startup.appDataFolder(), startup.commonAppDataFolder()};
    std::string start = StartFile();
    startup::mark("file located");
    if (!start.empty()) UseFile(start);
    startup::mark("safety copies made");
    programFolder = platform::folderOf(ui::Application::exePath());
    const std::string commandLine = startup.commandLine.empty() ? platform::utf8(GetCommandLineW()) : startup.commandLine;
    currentPath = commandLineArgument(commandLine, 1);
    if (currentPath.empty()) currentPath = programFolder + "fs2002.cfg";
    document.open(currentPath);
}

// The first simulator file found, FSX.cfg first of all; none: FSX.cfg all the same, an empty tree.
std::string TForm1::StartFile() const {
    if (!folders.roaming) return "";
    std::vector<FoundFile> found = foundSimulatorFiles(folders);
    return found.empty() ? configPathsIn(*folders.roaming).simConfigPath : found.front().path;
}
