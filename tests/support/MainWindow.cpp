#include "support/MainWindow.h"

#include "platform/Encoding.h"
#include "platform/WatchedHandles.h"
#include "ui/Application.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

MainWindow::MainWindow(const char* content, const std::function<void(TestRegistryKey&)>& prepare,
                       const WindowOptions& options)
    : appData_(options.appDataIn) {
    if (prepare) prepare(registry);
    std::string folder = appData_.path() + "\\Microsoft\\FSx";
    simPath_ = folder + "\\FSX.cfg";
    makeFolders(folder);
    if (content) writeFile(simPath_, content);
    if (options.noOriginal) makeFolders(simPath_ + ".org");
    Startup startup = testStartup(appData_.path(), registry);
    startup.simulatorProcess = options.simulatorProcess;
    form_ = std::make_unique<TForm1>(startup);
    SendMessageA(form_->handle(), WM_SHOWWINDOW, TRUE, 0);
}

Startup testStartup(const std::optional<std::string>& appData, const TestRegistryKey& registry) {
    Startup startup;
    startup.appDataFolder = [appData] { return appData; };
    // All users' data beside the roaming folder, never the prefix's own.
    startup.commonAppDataFolder = [appData] { return appData ? std::optional<std::string>(*appData + "\\ProgramData") : std::nullopt; };
    startup.commandLine = "Brimlow.exe";
    startup.settingsKey = registry.basePath();
    return startup;
}

namespace {

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK matchId(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<IdSearch*>(param);
    if (GetDlgCtrlID(hwnd) != search->id) return TRUE;
    search->found = hwnd;
    return FALSE;
}

BOOL CALLBACK matchClass(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<std::pair<const char*, HWND>*>(param);
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpA(name, search->first) != 0) return TRUE;
    search->second = hwnd;
    return FALSE;
}

}  // namespace

HWND ownWindow(const char* className) {
    std::pair<const char*, HWND> search{className, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), matchClass, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

HWND childWithId(HWND parent, int id) {
    IdSearch search{id, nullptr};
    EnumChildWindows(parent, matchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ui::TreeNode MainWindow::node(const std::string& path) {
    ui::TreeView& tree = this->tree();
    size_t slash = path.find('/');
    std::string section = path.substr(0, slash);
    for (ui::TreeNode s = tree.firstRoot(); s; s = tree.nextSibling(s)) {
        if (tree.text(s) != section) continue;
        if (slash == std::string::npos) return s;
        for (ui::TreeNode k = tree.firstChild(s); k; k = tree.nextSibling(k)) {
            if (tree.text(k) == path.substr(slash + 1)) return k;
        }
    }
    return nullptr;
}

void MainWindow::select(const std::string& path) { tree().select(node(path)); }

// A mouse click selects the node and then raises the tree's click notification.
void MainWindow::click(const std::string& path) {
    select(path);
    clickSelected();
}

void MainWindow::clickSelected() {
    HWND treeWindow = tree().handle();
    NMHDR header{treeWindow, static_cast<UINT_PTR>(ID_TreeView1), static_cast<UINT>(NM_CLICK)};
    SendMessageA(GetParent(treeWindow), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// Typed at the end of what the box holds, as after a click behind its text.
void MainWindow::type(ui::Control& control, const std::string& text) {
    SendMessageA(control.handle(), EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    for (char c : text) SendMessageA(control.handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
}

void MainWindow::press(ui::Control& control, char key) {
    SendMessageA(control.handle(), WM_CHAR, static_cast<unsigned char>(key), 1);
}

void MainWindow::keyDown(ui::Control& control, WPARAM key) {
    SendMessageA(control.handle(), WM_KEYDOWN, key, 1);
    SendMessageA(control.handle(), WM_KEYUP, key, 0xC0000001);
}

void MainWindow::setValue(const std::string& path, const std::string& value) {
    click(path);
    edit(ID_Edit3).setText(value);
    button(ID_Button6).click();
}

void MainWindow::addKey(const std::string& section, const std::string& name, const std::string& value) {
    click(section);
    button(ID_Button10).click();
    type(edit(ID_Edit5), name);
    type(edit(ID_Edit6), value);
    button(ID_Button11).click();
}

void MainWindow::addSection(const std::string& name) {
    click("Main");
    button(ID_Button7).click();
    edit(ID_Edit4).setText("");
    type(edit(ID_Edit4), name);
    button(ID_Button8).click();
}

void MainWindow::remove(const std::string& path) {
    click(path);
    prompts.answers.push_back(IDYES);
    button(path.find('/') == std::string::npos ? ID_Button2 : ID_Button3).click();
}

std::vector<std::string> MainWindow::topLevelTexts() {
    std::vector<std::string> texts;
    ui::TreeView& tree = this->tree();
    for (ui::TreeNode s = tree.firstRoot(); s; s = tree.nextSibling(s)) texts.push_back(tree.text(s));
    return texts;
}

void MainWindow::pressInWindow(ui::Control& control, WPARAM key, bool ctrl, bool shift, bool alt) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(keys);
    SetFocus(control.handle());
    bool system = key == VK_F10 || alt;
    MSG message{control.handle(), static_cast<UINT>(system ? WM_SYSKEYDOWN : WM_KEYDOWN), key, alt ? 0x20000001 : 1, 0,
                {0, 0}};
    ui::Application::processMessage(message);
    keys[VK_CONTROL] = keys[VK_SHIFT] = keys[VK_MENU] = 0;
    SetKeyboardState(keys);
}

// The program takes the click's place from the message that brought it: the cursor is put there and
// a message retrieved, as the button's own message would be.
void MainWindow::rightClick(const std::string& path) {
    RECT item = tree().itemRect(node(path));
    POINT at{item.left + 2, item.top + 2};
    ClientToScreen(tree().handle(), &at);
    SetCursorPos(at.x, at.y);
    PostMessageA(tree().handle(), WM_NULL, 0, 0);
    MSG retrieved;
    PeekMessageA(&retrieved, tree().handle(), WM_NULL, WM_NULL, PM_REMOVE);
    NMHDR header{tree().handle(), static_cast<UINT_PTR>(ID_TreeView1), static_cast<UINT>(NM_RCLICK)};
    SendMessageA(GetParent(tree().handle()), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

std::vector<MenuItem> MainWindow::openItems() {
    for (const MenuItem& item : systemMenu()) {
        if (item.text == "Open") return item.items;
    }
    return {};
}

std::vector<std::string> MainWindow::openMenu() {
    std::vector<std::string> texts;
    for (const MenuItem& item : openItems()) texts.push_back(item.text + (item.checked ? " (checked)" : ""));
    return texts;
}

void MainWindow::chooseToOpen(const std::string& text) {
    for (const MenuItem& item : openItems()) {
        // An item of a popup inside the system menu comes as a menu command, as Wine sends it.
        if (item.text == text) return (void)SendMessageA(form_->handle(), WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
    }
    ADD_FAILURE() << "no item " << text << " under Open";
}

// What the shell hands a window that a file is dropped on.
void MainWindow::dropFile(const std::string& path) {
    std::wstring name = platform::wide(path);
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    *files = DROPFILES{sizeof(DROPFILES), {}, FALSE, TRUE};
    memcpy(files + 1, name.c_str(), name.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageA(form_->handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

std::vector<MenuItem> MainWindow::systemMenu() {
    SendMessageA(form_->handle(), WM_INITMENU, reinterpret_cast<WPARAM>(GetSystemMenu(form_->handle(), FALSE)), 0);
    return menuItems(GetSystemMenu(form_->handle(), FALSE));
}

bool MainWindow::settle(const std::function<bool()>& done, int ms) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < static_cast<DWORD>(ms); Sleep(10)) {
        platform::serveSignalled();
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ui::Application::processMessage(message);
        if (done()) return true;
    }
    return false;
}

std::string MainWindow::tip(const std::string& path) {
    char text[256] = {};
    NMTVGETINFOTIPA request{};
    request.hdr = {tree().handle(), static_cast<UINT_PTR>(ID_TreeView1), static_cast<UINT>(TVN_GETINFOTIPA)};
    request.pszText = text;
    request.cchTextMax = sizeof text;
    request.hItem = node(path);
    SendMessageA(GetParent(tree().handle()), WM_NOTIFY, request.hdr.idFrom, reinterpret_cast<LPARAM>(&request));
    return text;
}

std::string clipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void setClipboardText(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}
