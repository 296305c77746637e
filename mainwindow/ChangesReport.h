// The changes since a copy of the file in a window of their own: one row for each changed, added and
// removed key, in file order. The copy is the original at first; the file as it was at start, or any
// copy the user picks, can be chosen instead. The selected rows can be reverted to the copy's values;
// the rows can be copied as text.
#pragma once

#include "document/ConfigDocument.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Events.h"
#include "ui/FileDialog.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Layout.h"
#include "ui/ListView.h"

#include <string>
#include <vector>

enum ReportControlId : int { ID_ReportLabel = 400, ID_ReportCopyChoice, ID_ReportList, ID_ReportRevert, ID_ReportCopy, ID_ReportClose };

// The copies a report can compare the file with. Those picked with "Other copy..." stay for the
// session's later reports; the pick starts in the folder given.
struct ReportCopies {
    const std::string &orgPath, &bakPath;
    const std::string& pickFrom;
    std::vector<std::string>& picked;  // the latest first
};

struct Change {
    enum Kind { Changed, Added, Removed } kind;
    std::string section, key, original, now;
};

// What differs between the copy and the file, in the file's order; keys only the copy has come
// after the keys of their section, and sections only the copy has come last.
std::vector<Change> changesSince(const ComparedCopy& copy, const TIniFile& file);

class ChangesReport : public ui::Form {
public:
    ChangesReport(ConfigDocument& document, const ReportCopies& copies);
    // Shows the report over owner until it is closed.
    void ShowModal(HWND owner);
    // Whether anything was reverted, so that the owner shows the file anew.
    bool reverted() const { return reverted_; }

protected:
    void onEvent(int id, ui::Event event) override;
    bool onShortcut(WPARAM key, HWND focus) override;
    void afterClose() override { endModal(); }
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static const ui::ControlRow<ChangesReport> Layout[];
    static const ui::EventBinding<ChangesReport> Events[];

    // A choice of the list: the original, the file at start, a copy picked before, or "Other copy...".
    struct Choice {
        std::string path, item, column, values, title, noChanges;
    };
    std::vector<Choice> Choices() const;
    Choice ChoiceOf(const std::string& path) const;
    void ListChoices();
    void Choose(ui::Control*);
    void CompareWith(const Choice& choice);
    void Fill();
    void Revert(ui::Control*);
    bool RevertRow(const Change& change);
    void Copy(ui::Control*);
    void Close(ui::Control*) { close(); }
    void Arrange(int width, int height);

    ui::Label compareLabel;
    ui::ComboBox copyChoice;
    ui::ListView list;
    ui::Button revertButton, copyButton, closeButton;
    ui::FileDialog pick_{ui::FileDialog::Kind::Open, "CFG file|*.cfg|Copy|*.org;*.bak|Any file|*.*", "cfg", 0};
    ConfigDocument& document_;
    ReportCopies copies_;
    ComparedCopy compared_;  // the chosen copy as the reader reads it
    Choice current_;
    std::vector<Change> changes_;
    bool reverted_ = false;
};
