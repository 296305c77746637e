// The system's open and save dialogs, as components a form keeps between runs.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

namespace ui {

class FileDialog {
public:
    enum class Kind { Open, Save };
    FileDialog(Kind kind, std::string filter, std::string defaultExt, DWORD options);

    // Paths are UTF-8. Runs the dialog modally over owner; true when a file was chosen (then in FileName).
    // Each success moves InitialDir to the chosen file's folder and remembers the filter chosen.
    bool Execute(HWND owner);

    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& folder);
    const std::string& FileName() const { return fileName_; }
    int FilterIndex() const { return filterIndex_; }

private:
    static UINT_PTR CALLBACK placeHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    Kind kind_;
    std::string filter_;  // "Name|pattern|Name|pattern"
    std::string defaultExt_;
    DWORD options_;
    std::string initialDir_;
    std::string fileName_;
    int filterIndex_ = 1;
};

}  // namespace ui
