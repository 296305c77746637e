#include "ui/ListView.h"

#include "platform/Encoding.h"
#include "platform/GrowingText.h"

namespace ui {

void ListView::addColumn(const std::string& title, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(title.c_str());
    column.cx = width;
    int columns = static_cast<int>(SendMessageA(reinterpret_cast<HWND>(send(LVM_GETHEADER)), HDM_GETITEMCOUNT, 0, 0));
    send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(columns), reinterpret_cast<LPARAM>(&column));
}

void ListView::setColumnTitle(int index, const std::string& title) {
    std::wstring text = platform::wide(title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = &text[0];
    SendMessageW(handle(), LVM_SETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void ListView::addRow(const std::vector<std::string>& cells) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = count();
    for (size_t column = 0; column < cells.size(); ++column) {
        item.iSubItem = static_cast<int>(column);
        item.pszText = const_cast<char*>(cells[column].c_str());
        send(column ? LVM_SETITEMTEXTA : LVM_INSERTITEMA, static_cast<WPARAM>(item.iItem), reinterpret_cast<LPARAM>(&item));
    }
}

// The control copies as much as fits and says how much it copied.
std::string ListView::text(int row, int column) const {
    return platform::growingText(256, [&](char* buffer, size_t size) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = static_cast<int>(size);
        size_t length = static_cast<size_t>(send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        return length + 1 < size ? length : size;
    });
}

std::vector<int> ListView::selectedRows() const {
    std::vector<int> rows;
    for (int row = -1; (row = static_cast<int>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0;) {
        rows.push_back(row);
    }
    return rows;
}

void ListView::select(int row, bool selected) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace ui
