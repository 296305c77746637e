// Commands on the whole file and on the window: reload, copies, Notepad, help, exit.
#include "about/TAboutForm.h"
#include "document/ProgramName.h"
#include "document/SafeCopy.h"
#include "mainwindow/ChangesReport.h"
#include "mainwindow/HelpText.h"
#include "mainwindow/TForm1.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"

namespace {

const char* const RestoreQuestion =
    "This will replace the current CFG with the previous saved copy\n"
    "you select. It is recommended that you use the Save Copy option\n"
    "to save a backup copy of the current file before continuing in\n"
    "case you wish to revert back again\n"
    "\n"
    "Are you sure you wish to continue?\n";

}  // namespace

void TForm1::SaveCopy() {
    if (!save.Execute(handle())) return;
    copyOrSay(simConfigPath, save.FileName());
}

// Restoring the file from itself, however its path is spelt, only reloads it.
void TForm1::RestoreFromCopy() {
    if (!platform::confirmed(RestoreQuestion, ProgramName)) return;
    load.SetInitialDir(save.InitialDir());
    if (!load.Execute(handle())) return;
    if (!platform::sameFile(load.FileName(), simConfigPath)) {
        if (!document.replaceWith(load.FileName())) return;
    }
    document.close();
    LoadConfigFile(simConfigPath);
}

void TForm1::ViewInNotepad() { platform::prompts().shellExecute(handle(), "Open", "notepad.exe", currentPath); }

// The help text is put in its box when first shown, not at start, where it costs a fiftieth of the time.
void TForm1::ToggleHelp() {
    if (!helpBox.visible() && helpBox.text().empty()) helpBox.setLines(HelpText());
    helpBox.setVisible(!helpBox.visible());
}

// Reverts are written by the report; the tree shows the file anew once it closes.
void TForm1::ShowChangesReport() {
    if (!document.original().available()) return;
    ChangesReport report(document, {orgPath, bakPath, save.InitialDir(), pickedCopies});
    report.ShowModal(handle());
    if (report.reverted()) Reload();
}

// Most sessions never open the About window: it is built the first time, then kept for the next.
void TForm1::ShowAbout() {
    if (!aboutForm) aboutForm = std::make_unique<TAboutForm>();
    aboutForm->aboutText =
        "Brimlow\n\nProgram to allow the easy editing of the main configuration file for Flight Simulator X";
    aboutForm->ShowModal(handle());
}
