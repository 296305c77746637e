#include "mainwindow/TForm1.h"

#include "about/TAboutForm.h"
#include "platform/Encoding.h"
#include "platform/Paths.h"
#include "platform/StartupProfile.h"
#include "ui/Application.h"

TForm1::TForm1(const Startup& startup) : document(startup.simulatorProcess), followFile(startup.followFile) {
    CreateLayout();
    startup::mark("window and controls created");
    LocateConfigFile(startup);
    document.loadOriginal(orgPath);
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

void TForm1::LocateConfigFile(const Startup& startup) {
    // Without the folder there is no file to show and no place for copies: the tree stays empty.
    if (std::optional<std::string> appData = startup.appDataFolder()) {
        ConfigPaths paths = configPathsIn(*appData);
        simConfigPath = paths.simConfigPath;
        bakPath = paths.bakPath;
        orgPath = paths.orgPath;
        startup::mark("file located");
        makeSafetyCopies(paths);
        startup::mark("safety copies made");
    }
    programFolder = platform::folderOf(ui::Application::exePath());
    const std::string commandLine = startup.commandLine.empty() ? platform::utf8(GetCommandLineW()) : startup.commandLine;
    currentPath = commandLineArgument(commandLine, 1);
    if (currentPath.empty()) currentPath = programFolder + "fs2002.cfg";
    document.open(currentPath);
}
