// The changes since the original copy in a window of their own: one row for each changed, added and
// removed key, in file order. The selected rows can be reverted; the rows can be copied as text.
#pragma once

#include "document/ConfigDocument.h"
#include "ui/Button.h"
#include "ui/Events.h"
#include "ui/Form.h"
#include "ui/Layout.h"
#include "ui/ListView.h"

#include <string>
#include <vector>

enum ReportControlId : int { ID_ReportList = 400, ID_ReportRevert, ID_ReportCopy, ID_ReportClose };

struct Change {
    enum Kind { Changed, Added, Removed } kind;
    std::string section, key, original, now;
};

// What differs between the original and the file, in the file's order; keys only the original has
// come after the keys of their section, and sections only the original has come last.
std::vector<Change> changesSince(const OriginalCopy& original, const TIniFile& file);

class ChangesReport : public ui::Form {
public:
    explicit ChangesReport(ConfigDocument& document);
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

    void Fill();
    void Revert(ui::Control*);
    void Copy(ui::Control*);
    void Close(ui::Control*) { close(); }
    void Arrange(int width, int height);

    ui::ListView list;
    ui::Button revertButton, copyButton, closeButton;
    ConfigDocument& document_;
    std::vector<Change> changes_;
    bool reverted_ = false;
};
