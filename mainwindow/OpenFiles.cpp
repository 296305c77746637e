// Opening another profile file: a simulator's file from the system menu's "Open", any file through
// "Other File..." or dropped on the window. Whatever is open is the file of every command, with the
// same safety: its copies made at its first open this session, its original, its history, its guard.
#include "mainwindow/TForm1.h"
#include "platform/Encoding.h"
#include "platform/Error.h"
#include "platform/Paths.h"

#include <shellapi.h>

void TForm1::OpenFile(const std::string& path) {
    DWORD attributes = GetFileAttributesW(platform::wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        throw platform::Error("Unable to open " + path + ".\n\n" + platform::systemMessage(GetLastError()));
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) throw platform::Error("Unable to open " + path + ".\n\nIt is a folder, not a file");
    if (simConfigPath.empty() || !platform::sameFile(path, simConfigPath)) {
        UseFile(path);
        ShowChangesItem();
    }
    LoadConfigFile(simConfigPath);
}

// The file becomes the one every command acts on; nothing is shown yet.
void TForm1::UseFile(const std::string& path) {
    ConfigPaths paths = pathsBeside(path);
    simConfigPath = paths.simConfigPath;
    bakPath = paths.bakPath;
    orgPath = paths.orgPath;
    if (copiedFiles.insert(path).second) makeSafetyCopies(paths);
    document.loadOriginal(orgPath);
    document.guardAgainst(guardedProcesses(path, folders));
    ShowCaption();
}

// Any profile file, starting in the open file's folder.
void TForm1::OpenOtherFile() {
    if (!simConfigPath.empty()) openOther.SetInitialDir(platform::folderOf(simConfigPath));
    if (openOther.Execute(handle())) OpenFile(openOther.FileName());
}

// The first of the files dropped.
void TForm1::OpenDroppedFile(HDROP drop) {
    std::wstring name(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
    name.resize(DragQueryFileW(drop, 0, &name[0], static_cast<UINT>(name.size())));
    DragFinish(drop);
    if (!name.empty()) OpenFile(platform::utf8(name));
}

// "Brimlow" on FSX.cfg, as ever; the file's name otherwise: "Brimlow - fsx_se.cfg".
void TForm1::ShowCaption() {
    std::wstring name = platform::wide(platform::fileNameOf(simConfigPath));
    bool fsx = name.empty() || lstrcmpiW(name.c_str(), L"FSX.cfg") == 0;
    SetWindowTextW(handle(), (fsx ? std::wstring(L"Brimlow") : L"Brimlow - " + name).c_str());
}
