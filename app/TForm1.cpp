#include "app/TForm1.h"

#include "about/TAboutForm.h"
#include "app/StartupProfile.h"

TForm1::TForm1(const Startup& startup) : document(startup.simulatorProcess), followFile(startup.followFile) {
    CreateLayout();
    startup::mark("window and controls created");
    LocateConfigFile(startup);
    document.loadOriginal(orgPath);
    BuildSystemMenu();
    RestoreSettings(startup);
    startup::mark("settings read");
    SizeOverlays();
    ResetValuePanel();
}

TForm1::~TForm1() = default;

// The layout gives the two input panels and the help box a token height; each is made to cover
// exactly what it lies over.
void TForm1::SizeOverlays() {
    sectionPanel.setHeight(98);
    keyPanel.setHeight(137);
    helpBox.setHeight(tree.height());
}

void TForm1::FormShow() {
    LoadConfigFile(simConfigPath);
    startup::mark("tree filled");
}

void TForm1::FormClose() { StoreSettings(); }
