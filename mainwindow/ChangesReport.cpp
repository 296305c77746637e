#include "mainwindow/ChangesReport.h"

#include "document/ProgramName.h"
#include "platform/Prompts.h"
#include "resource.h"
#include "ui/Clipboard.h"

#include <set>

using namespace ui;

#define ROW(name, id, ...) UI_EXPAND(UI_CONTROL_ROW(ChangesReport, name, id, __VA_ARGS__))

namespace {

const FormDef ReportFormDef = {
    "TChangesReport", "Changes Since the Original", 0, 0, 600, 320,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN, IDI_MAINICON,
};
const int ButtonWidth = 75, ButtonHeight = 25, Margin = 8;
struct Column {
    const char* title;
    int width;
} const Columns[] = {{"Section", 170}, {"Key", 170}, {"Original", 110}, {"Now", 110}};
const char* const NoChanges = "No changes since the original.";

std::vector<std::string> cells(const Change& change) {
    return {change.section, change.key, change.kind == Change::Added ? "(none)" : change.original,
            change.kind == Change::Removed ? "(removed)" : change.now};
}

// Keys of an original section the file no longer holds.
void addRemoved(const OriginalCopy::Section& section, const std::set<std::string>& kept, std::vector<Change>& changes) {
    for (const auto& [key, value] : section.keys) {
        if (!kept.count(lowerCase(key))) changes.push_back({Change::Removed, section.name, key, value, ""});
    }
}

}  // namespace

std::vector<Change> changesSince(const OriginalCopy& original, const TIniFile& file) {
    std::vector<Change> changes;
    platform::VectorStringList sections;
    file.listSections(sections);
    std::set<std::string> seenSections;
    for (const std::string& section : sections.items) {
        if (!seenSections.insert(lowerCase(section)).second) continue;
        std::set<std::string> keys;
        for (const auto& [key, value] : file.readSection(section)) {
            if (!keys.insert(lowerCase(key)).second) continue;
            std::optional<std::string> was = original.value(section, key);
            if (!was) changes.push_back({Change::Added, section, key, "", value});
            else if (*was != value) changes.push_back({Change::Changed, section, key, *was, value});
        }
        for (const auto& kept : original.sections()) {
            if (lowerCase(kept.name) == lowerCase(section)) addRemoved(kept, keys, changes);
        }
    }
    for (const auto& gone : original.sections()) {
        if (!seenSections.count(lowerCase(gone.name))) addRemoved(gone, {}, changes);
    }
    return changes;
}

const ControlRow<ChangesReport> ChangesReport::Layout[] = {
    ROW(list, ID_ReportList, ListView, 0, Margin, Margin, 584, 265, nullptr, nullptr, NoFlags),
    ROW(revertButton, ID_ReportRevert, Button, 0, 353, 287, ButtonWidth, ButtonHeight, "Revert",
        "Write the original values of the selected rows back", NoFlags),
    ROW(copyButton, ID_ReportCopy, Button, 0, 435, 287, ButtonWidth, ButtonHeight, "Copy",
        "Copy the rows as tab-separated text", NoFlags),
    ROW(closeButton, ID_ReportClose, Button, 0, 517, 287, ButtonWidth, ButtonHeight, "Close", nullptr, NoFlags),
};

const EventBinding<ChangesReport> ChangesReport::Events[] = {
    {ID_ReportRevert, Event::Click, &ChangesReport::Revert},
    {ID_ReportCopy, Event::Click, &ChangesReport::Copy},
    {ID_ReportClose, Event::Click, &ChangesReport::Close},
};

ChangesReport::ChangesReport(ConfigDocument& document) : document_(document) {
    createWindow(ReportFormDef);
    createControls(*this, Layout);
    SendMessageA(list.handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (const Column& column : Columns) list.addColumn(column.title, column.width);
    Fill();
}

void ChangesReport::ShowModal(HWND owner) {
    RECT r{};
    GetWindowRect(owner, &r);
    setPosition(r.left + 40, r.top + 40);
    showModal(owner);
}

void ChangesReport::Fill() {
    changes_ = changesSince(document_.original(), document_.file());
    list.clear();
    for (const Change& change : changes_) list.addRow(cells(change));
    if (changes_.empty()) list.addRow({NoChanges});
    revertButton.setEnabled(!changes_.empty());
}

// Asked once for the whole selection. Whatever happens, the list then shows the file as it is.
void ChangesReport::Revert(ui::Control*) {
    std::vector<int> rows = list.selectedRows();
    if (rows.empty() || changes_.empty()) return;
    std::string question = "This will write back the original values\nof the " + std::to_string(rows.size()) +
                           (rows.size() == 1 ? " selected row" : " selected rows") +
                           ".\n\nAre you sure you wish to continue?\n";
    if (!platform::confirmed(question, ProgramName) || !document_.allowsWrite()) return;
    reverted_ = true;
    try {
        for (int row : rows) {
            const Change& change = changes_[static_cast<size_t>(row)];
            if (change.kind == Change::Added) document_.removeKey(change.section, change.key);
            else document_.writeValue(change.section, change.key, change.original);
        }
    } catch (...) {
        Fill();
        throw;
    }
    Fill();
}

// The selected rows, or all of them, under a heading line.
void ChangesReport::Copy(ui::Control*) {
    std::vector<int> rows = list.selectedRows();
    if (rows.empty()) {
        for (int row = 0; row < static_cast<int>(changes_.size()); ++row) rows.push_back(row);
    }
    std::string text = "Section\tKey\tOriginal\tNow\r\n";
    for (int row : rows) {
        if (static_cast<size_t>(row) >= changes_.size()) continue;
        std::vector<std::string> line = cells(changes_[static_cast<size_t>(row)]);
        text += line[0] + "\t" + line[1] + "\t" + line[2] + "\t" + line[3] + "\r\n";
    }
    ui::copyToClipboard(handle(), text);
}

bool ChangesReport::onShortcut(WPARAM key, HWND /*focus*/) {
    if (key != VK_ESCAPE) return false;
    close();
    return true;
}

void ChangesReport::onEvent(int id, Event event) { dispatchEvent(*this, Events, id, event); }

// The list takes what the buttons along the bottom leave.
void ChangesReport::Arrange(int width, int height) {
    int top = height - Margin - ButtonHeight;
    list.setBounds(Margin, Margin, width - 2 * Margin, top - 2 * Margin);
    int left = width - Margin;
    for (ui::Button* button : {&closeButton, &copyButton, &revertButton}) {
        left -= ButtonWidth;
        button->setBounds(left, top, ButtonWidth, ButtonHeight);
        left -= 7;
    }
}

LRESULT ChangesReport::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) Arrange(LOWORD(lParam), HIWORD(lParam));
    if (message == WM_GETMINMAXINFO) {
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {360, 200};
        return 0;
    }
    return Form::handleMessage(message, wParam, lParam);
}
