#include "support/ScriptedPrompts.h"

#include <utility>

#include "platform/Encoding.h"

#include <cstring>
#include <cwchar>

int ScriptedPrompts::messageBox(const std::string& text, const std::string& caption, UINT type) {
    messages.push_back({text, caption, type});
    if (whileAsked) std::exchange(whileAsked, nullptr)();
    if (answers.empty()) return IDOK;
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

bool ScriptedPrompts::runDialog(OPENFILENAMEW& dialog, bool save) {
    std::string filter;
    for (const wchar_t* at = dialog.lpstrFilter; at && *at; at += std::wcslen(at) + 1) filter += platform::utf8(at) + "|";
    dialogs.push_back({save, platform::utf8(dialog.lpstrInitialDir), filter, platform::utf8(dialog.lpstrDefExt), dialog.Flags,
                       static_cast<int>(dialog.nFilterIndex)});
    if (chosenFiles.empty()) return false;
    std::wstring file = platform::wide(chosenFiles.front());
    chosenFiles.pop_front();
    if (file.empty() || file.size() >= dialog.nMaxFile) return false;
    std::memcpy(dialog.lpstrFile, file.c_str(), (file.size() + 1) * sizeof(wchar_t));
    return true;
}

std::vector<MenuItem> menuItems(HMENU menu) {
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_ID | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        bool separator = (info.fType & MFT_SEPARATOR) != 0;
        items.push_back({separator ? "-" : text, separator || !(info.fState & MFS_GRAYED), info.wID,
                         (info.fState & MFS_CHECKED) != 0, info.hSubMenu ? menuItems(info.hSubMenu) : std::vector<MenuItem>()});
    }
    return items;
}

int ScriptedPrompts::popupMenu(HMENU menu, HWND, POINT) {
    menus.push_back(menuItems(menu));
    if (menuChoices.empty()) return 0;
    int choice = menuChoices.front();
    menuChoices.pop_front();
    return choice;
}
