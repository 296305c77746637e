// Reads what a running Brimlow shows, from outside, through messages any process may send another's
// windows (their answers need no shared memory): for the story that drives the shipped exe.
//   probe shown CLASS    1 when a visible top-level window of that class exists, else 0
//   probe count          how many items the main window's tree holds
//   probe text NAME      the text of a control of the main window
//   probe centre NAME    the screen point at a control's centre, as "x y"
#include "about/TAboutForm.h"
#include "mainwindow/TForm1.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Named {
    const char* name;
    const char* form;
    int id;
} const Controls[] = {
    {"TreeView1", "TForm1", ID_TreeView1}, {"Edit3", "TForm1", ID_Edit3},
    {"Button15", "TForm1", ID_Button15},   {"Button14", "TForm1", ID_Button14},
    {"AboutButton1", "TAboutForm", ID_AboutButton1},
};

// A control may lie in a panel: search the whole window.
BOOL CALLBACK byId(HWND hwnd, LPARAM param) {
    auto* wanted = reinterpret_cast<std::pair<int, HWND>*>(param);
    if (GetDlgCtrlID(hwnd) != wanted->first) return TRUE;
    wanted->second = hwnd;
    return FALSE;
}

HWND find(const char* name) {
    for (const Named& c : Controls) {
        if (std::strcmp(c.name, name) != 0) continue;
        std::pair<int, HWND> wanted{c.id, nullptr};
        if (HWND form = FindWindowA(c.form, nullptr)) EnumChildWindows(form, byId, reinterpret_cast<LPARAM>(&wanted));
        return wanted.second;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::string what = argv[1];
    if (what == "shown" && argc == 3) {
        HWND form = FindWindowA(argv[2], nullptr);
        std::printf("%d\n", form && IsWindowVisible(form) ? 1 : 0);
        return 0;
    }
    if (what == "count") {
        HWND tree = find("TreeView1");
        if (!tree) return 1;
        std::printf("%d\n", static_cast<int>(SendMessageA(tree, TVM_GETCOUNT, 0, 0)));
        return 0;
    }
    HWND window = argc == 3 ? find(argv[2]) : nullptr;
    if (!window) return 1;
    if (what == "text") {
        char text[4096] = {};
        SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", text);
        return 0;
    }
    if (what == "centre") {
        RECT r;
        GetWindowRect(window, &r);
        std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        return 0;
    }
    return 2;
}
