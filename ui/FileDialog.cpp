#include "ui/FileDialog.h"

#include "platform/Encoding.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

// Room for the longest path the system's wide calls take.
const DWORD FileNameRoom = 32768;

}  // namespace

FileDialog::FileDialog(Kind kind, std::string filter, std::string defaultExt, DWORD options)
    : kind_(kind), filter_(std::move(filter)), defaultExt_(std::move(defaultExt)), options_(options) {}

void FileDialog::SetInitialDir(const std::string& folder) { initialDir_ = platform::withoutTrailingBackslash(folder); }

// Once the dialog has its size: centred across the screen, a third of the way down.
UINT_PTR CALLBACK FileDialog::placeHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE) {
        HWND dialog = GetParent(child);
        RECT r{};
        GetWindowRect(dialog, &r);
        int width = r.right - r.left, height = r.bottom - r.top;
        SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 3, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return 0;
}

bool FileDialog::Execute(HWND owner) {
    std::wstring filter = platform::wide(filter_ + '\0');
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    std::wstring initialDir = platform::wide(initialDir_), defaultExt = platform::wide(defaultExt_);
    std::vector<wchar_t> file(FileNameRoom, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(filterIndex_);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = FileNameRoom;
    dialog.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir.c_str();
    dialog.lpstrDefExt = defaultExt.c_str();
    dialog.Flags = options_ | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
    dialog.lpfnHook = placeHook;
    bool chosen = kind_ == Kind::Open ? platform::prompts().openFile(dialog) : platform::prompts().saveFile(dialog);
    if (!chosen) return false;
    fileName_ = platform::utf8(file.data());
    filterIndex_ = static_cast<int>(dialog.nFilterIndex);
    SetInitialDir(platform::folderOf(fileName_));
    return true;
}

}  // namespace ui
