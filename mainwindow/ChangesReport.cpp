#include "mainwindow/ChangesReport.h"

#include "document/ComparedCopy.h"
#include "document/ProgramName.h"
#include "platform/Encoding.h"
#include "platform/Error.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "resource.h"
#include "store/ProfileFormat.h"
#include "ui/Clipboard.h"

#include <algorithm>
#include <map>
#include <set>

using namespace ui;

#define ROW(name, id, ...) UI_EXPAND(UI_CONTROL_ROW(ChangesReport, name, id, __VA_ARGS__))

namespace {

const FormDef ReportFormDef = {
    "TChangesReport", "Changes Since the Original", 0, 0, 600, 320,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN, IDI_MAINICON,
};
const int ButtonWidth = 75, ButtonHeight = 25, Margin = 8, ListTop = 37;
const size_t PickedKept = 5;
const char* const OtherCopy = "Other copy...";
struct Column {
    const char* title;
    int width;
} const Columns[] = {{"Section", 170}, {"Key", 170}, {"Original", 110}, {"Now", 110}};
const int CopyColumn = 2;

// "[SOUND] B", in UTF-8 for a message.
std::string itemOf(const Change& change) { return platform::utf8FromAnsi("[" + change.section + "] " + change.key); }

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

std::vector<std::string> cells(const Change& change) {
    return {change.section, change.key, change.kind == Change::Added ? "(none)" : change.original,
            change.kind == Change::Removed ? "(removed)" : change.now};
}

// Keys of a section of the copy that the file no longer holds.
void addRemoved(const ComparedCopy::Section& section, const std::set<std::wstring>& kept, std::vector<Change>& changes) {
    for (const auto& [key, value] : section.keys) {
        if (!kept.count(profile::nameKey(key))) changes.push_back({Change::Removed, section.name, key, value, ""});
    }
}

}  // namespace

// Each section and key counts once, as the reader reads the first of a name, in the file and the copy.
std::vector<Change> changesSince(const ComparedCopy& copy, const TIniFile& file) {
    std::vector<Change> changes;
    std::map<std::wstring, const ComparedCopy::Section*> copied;
    for (const auto& section : copy.sections()) copied.emplace(profile::nameKey(section.name), &section);
    std::set<std::wstring> seenSections;
    for (const ListedSection& section : file.readAll()) {
        const std::wstring name = profile::nameKey(section.name);
        if (!seenSections.insert(name).second) continue;
        std::set<std::wstring> keys;
        for (const auto& [key, value] : section.keys) {
            if (!keys.insert(profile::nameKey(key)).second) continue;
            std::optional<std::string> was = copy.value(section.name, key);
            if (!was) changes.push_back({Change::Added, section.name, key, "", value});
            else if (*was != value) changes.push_back({Change::Changed, section.name, key, *was, value});
        }
        auto kept = copied.find(name);
        if (kept != copied.end()) addRemoved(*kept->second, keys, changes);
    }
    for (const auto& gone : copy.sections()) {
        if (!seenSections.count(profile::nameKey(gone.name))) addRemoved(gone, {}, changes);
    }
    return changes;
}

const ControlRow<ChangesReport> ChangesReport::Layout[] = {
    ROW(compareLabel, ID_ReportLabel, Label, 0, Margin, 12, 80, 17, "Compare with:", nullptr, NoFlags),
    ROW(copyChoice, ID_ReportCopyChoice, Combo, 0, 90, 8, 380, 200, nullptr, "The copy the file is compared with",
        DropDownList),
    ROW(list, ID_ReportList, ListView, 0, Margin, ListTop, 584, 236, nullptr, nullptr, NoFlags),
    ROW(revertButton, ID_ReportRevert, Button, 0, 353, 287, ButtonWidth, ButtonHeight, "Revert",
        "Write the original values of the selected rows back", NoFlags),
    ROW(copyButton, ID_ReportCopy, Button, 0, 435, 287, ButtonWidth, ButtonHeight, "Copy",
        "Copy the rows as tab-separated text", NoFlags),
    ROW(closeButton, ID_ReportClose, Button, 0, 517, 287, ButtonWidth, ButtonHeight, "Close", nullptr, NoFlags),
};

const EventBinding<ChangesReport> ChangesReport::Events[] = {
    {ID_ReportCopyChoice, Event::Change, &ChangesReport::Choose},
    {ID_ReportRevert, Event::Click, &ChangesReport::Revert},
    {ID_ReportCopy, Event::Click, &ChangesReport::Copy},
    {ID_ReportClose, Event::Click, &ChangesReport::Close},
};

ChangesReport::ChangesReport(ConfigDocument& document, const ReportCopies& copies)
    : document_(document), copies_(copies), compared_(document.original()), current_(ChoiceOf(copies.orgPath)) {
    createWindow(ReportFormDef);
    createControls(*this, Layout);
    SendMessageA(list.handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (const Column& column : Columns) list.addColumn(column.title, column.width);
    ListChoices();
    Fill();
}

// Texts are UTF-8: a copy's path may be in any script.
ChangesReport::Choice ChangesReport::ChoiceOf(const std::string& path) const {
    std::string name = platform::fileNameOf(path);
    if (path == copies_.orgPath) {
        return {path, "The original copy (" + name + ")", "Original", "original values", "Changes Since the Original",
                "No changes since the original."};
    }
    if (path == copies_.bakPath) {
        return {path, "The file when Brimlow started (" + name + ")", "At start", "values it had at start",
                "Changes Since Brimlow Started", "No changes since Brimlow started."};
    }
    return {path, path, name, "values of " + name, "Changes Since " + name, "No differences from " + name + "."};
}

std::vector<ChangesReport::Choice> ChangesReport::Choices() const {
    std::vector<Choice> choices{ChoiceOf(copies_.orgPath), ChoiceOf(copies_.bakPath)};
    for (const std::string& path : copies_.picked) choices.push_back(ChoiceOf(path));
    return choices;
}

// The list offers the choices, then the pick of another copy, with the current choice selected.
void ChangesReport::ListChoices() {
    std::vector<Choice> choices = Choices();
    copyChoice.clear();
    for (const Choice& choice : choices) copyChoice.addItem(choice.item);
    copyChoice.addItem(OtherCopy);
    auto current = std::find_if(choices.begin(), choices.end(), [&](const Choice& c) { return c.path == current_.path; });
    copyChoice.setItemIndex(static_cast<int>(current - choices.begin()));
}

void ChangesReport::Choose(ui::Control*) {
    std::vector<Choice> choices = Choices();
    size_t index = static_cast<size_t>(copyChoice.itemIndex());
    if (index < choices.size()) return CompareWith(choices[index]);
    pick_.SetInitialDir(copies_.pickFrom);
    if (!pick_.Execute(handle())) return ListChoices();
    CompareWith(ChoiceOf(pick_.FileName()));
}

// A copy that can't be compared with is refused, naming it, and the report stays as it was. A copy
// picked comes first in the list, for this report and the session's later ones.
void ChangesReport::CompareWith(const Choice& choice) {
    if (std::optional<std::string> why = whyNotComparable(choice.path)) {
        ListChoices();
        throw platform::Error("Unable to compare with " + choice.path + ".\n\n" + *why);
    }
    if (choice.path != copies_.orgPath && choice.path != copies_.bakPath) {
        std::vector<std::string>& picked = copies_.picked;
        picked.erase(std::remove(picked.begin(), picked.end(), choice.path), picked.end());
        picked.insert(picked.begin(), choice.path);
        if (picked.size() > PickedKept) picked.resize(PickedKept);
    }
    compared_.load(choice.path);
    current_ = choice;
    ListChoices();
    Fill();
}

void ChangesReport::ShowModal(HWND owner) {
    RECT r{};
    GetWindowRect(owner, &r);
    setPosition(r.left + 40, r.top + 40);
    showModal(owner);
}

void ChangesReport::Fill() {
    SetWindowTextW(handle(), platform::wide(current_.title).c_str());
    list.setColumnTitle(CopyColumn, current_.column);
    changes_ = changesSince(compared_, document_.file());
    list.clear();
    for (const Change& change : changes_) list.addRow(cells(change));
    if (changes_.empty()) list.addRow({current_.noChanges});
    revertButton.setEnabled(!changes_.empty());
}

// Confirmed once for the whole selection; the simulator question is asked before any row is checked or
// written, and a No stops the revert, naming the rows not written. Whatever happens, the list then
// shows the file as it is.
void ChangesReport::Revert(ui::Control*) {
    std::vector<int> rows = list.selectedRows();
    if (rows.empty() || changes_.empty()) return;
    std::string question = "This will write back the " + current_.values + "\nof the " + std::to_string(rows.size()) +
                           (rows.size() == 1 ? " selected row" : " selected rows") +
                           ".\n\nAre you sure you wish to continue?\n";
    if (!platform::confirmed(question, ProgramName)) return;
    size_t written = 0;
    try {
        for (; written < rows.size() && RevertRow(changes_[static_cast<size_t>(rows[written])]); ++written) reverted_ = true;
    } catch (...) {
        Fill();
        throw;
    }
    std::vector<std::string> left;
    for (size_t row = written; row < rows.size(); ++row) left.push_back(itemOf(changes_[static_cast<size_t>(rows[row])]));
    Fill();
    if (left.empty()) return;
    platform::prompts().messageBox("The simulator is running, so these rows were not written:\n\n" + joined(left), ProgramName,
                                   MB_ICONINFORMATION | MB_OK);
}

// The guard first; then a row whose key another program has changed since the list was filled is not
// written over. The copy's value is written as the copy holds it, so that it reads back the same.
bool ChangesReport::RevertRow(const Change& change) {
    if (!document_.allowsWrite()) return false;
    std::optional<std::string> shown;
    if (change.kind != Change::Removed) shown = change.now;
    if (document_.file().findValue(change.section, change.key) != shown) throw changedSince("revert " + itemOf(change), itemOf(change));
    if (change.kind == Change::Added) return document_.removeKey(change.section, change.key);
    std::optional<std::string> held = compared_.heldText(change.section, change.key);
    bool same = held && profile::asRead(*held) == change.original;
    return document_.writeValue(change.section, change.key, same ? *held : change.original);
}

// The selected rows, or all of them, under a heading line.
void ChangesReport::Copy(ui::Control*) {
    std::vector<int> rows = list.selectedRows();
    if (rows.empty()) {
        for (int row = 0; row < static_cast<int>(changes_.size()); ++row) rows.push_back(row);
    }
    std::string text = "Section\tKey\t" + platform::ansiFromUtf8(current_.column) + "\tNow\r\n";
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

// The list takes what the choice of copy above and the buttons along the bottom leave.
void ChangesReport::Arrange(int width, int height) {
    int top = height - Margin - ButtonHeight;
    list.setBounds(Margin, ListTop, width - 2 * Margin, top - Margin - ListTop);
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
