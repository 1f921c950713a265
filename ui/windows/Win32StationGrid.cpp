#include "Win32Api.h"

#include "Win32StationGrid.h"

#include "Win32WideText.h"

#include <algorithm>

namespace {

struct TColumnLayout {
    int Width; // at 96 DPI
    int Format;
};

// Numbers stand right-aligned, apart from the first column, which a list view always
// aligns left.
TColumnLayout ColumnLayout(TStationColumn column) {
    switch (column) {
    case TStationColumn::Mmsi:
        return {80, LVCFMT_LEFT};
    case TStationColumn::Name:
        return {120, LVCFMT_LEFT};
    case TStationColumn::StationClass:
        return {80, LVCFMT_LEFT};
    case TStationColumn::Distance:
        return {104, LVCFMT_RIGHT};
    case TStationColumn::Bearing:
        return {64, LVCFMT_RIGHT};
    case TStationColumn::ChannelA:
    case TStationColumn::ChannelB:
        return {48, LVCFMT_RIGHT};
    case TStationColumn::LastHeard:
        return {80, LVCFMT_RIGHT};
    case TStationColumn::CallSign:
        return {72, LVCFMT_LEFT};
    case TStationColumn::ShipType:
        return {120, LVCFMT_LEFT};
    case TStationColumn::NavigationalStatus:
        return {140, LVCFMT_LEFT};
    case TStationColumn::Latitude:
        return {108, LVCFMT_LEFT};
    case TStationColumn::Longitude:
        return {116, LVCFMT_LEFT};
    case TStationColumn::Speed:
        return {64, LVCFMT_RIGHT};
    case TStationColumn::Course:
        return {52, LVCFMT_RIGHT};
    case TStationColumn::Heading:
        return {60, LVCFMT_RIGHT};
    }
    return {80, LVCFMT_LEFT};
}

} // namespace

void TWin32StationGrid::Attach(HWND list, UINT dpi) {
    list_ = list;
    dpi_ = dpi;
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER |
                                                 LVS_EX_HEADERDRAGDROP | LVS_EX_LABELTIP);
    for (int column = 0; column < kStationColumnCount; ++column) {
        auto station = static_cast<TStationColumn>(column);
        std::wstring title = WideFromCodePage(1252, StationColumnTitle(station));
        TColumnLayout layout = ColumnLayout(station);
        LVCOLUMNW entry{};
        entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        entry.fmt = layout.Format;
        entry.cx = MulDiv(layout.Width, static_cast<int>(dpi_), 96);
        entry.pszText = title.data();
        entry.iSubItem = column;
        SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&entry));
    }
}

void TWin32StationGrid::SetLanguage(TLanguage language) {
    language_ = language;
    InvalidateRect(list_, nullptr, FALSE);
}

void TWin32StationGrid::SetDpi(UINT dpi) {
    for (int column = 0; column < kStationColumnCount; ++column)
        ListView_SetColumnWidth(list_, column,
                                MulDiv(ListView_GetColumnWidth(list_, column),
                                       static_cast<int>(dpi), static_cast<int>(dpi_)));
    dpi_ = dpi;
}

void TWin32StationGrid::SetRows(const TStationRows& rows) {
    rows_ = &rows;
    RowsChanged({.Reordered = true, .Changed = {}});
}

void TWin32StationGrid::RowsChanged(const TStationRowChanges& changes) {
    if (rows_ == nullptr)
        return;
    const int count = rows_->RowCount();
    if (changes.Reordered || count != ListView_GetItemCount(list_)) {
        // Every row is read again; the scroll position stays where the user left it.
        ListView_SetItemCountEx(list_, count, LVSICF_NOSCROLL);
        Reselect();
        InvalidateRect(list_, nullptr, FALSE);
        ShowSortMark();
        return;
    }
    // Runs of neighbouring rows are drawn again in one go.
    const std::vector<int>& changed = changes.Changed;
    for (size_t first = 0; first < changed.size();) {
        size_t last = first;
        while (last + 1 < changed.size() && changed[last + 1] == changed[last] + 1)
            ++last;
        const int from = std::max(changed[first], 0);
        const int to = std::min(changed[last], count - 1);
        if (from <= to)
            ListView_RedrawItems(list_, from, to);
        first = last + 1;
    }
}

void TWin32StationGrid::ShowSortMark() {
    if (rows_ == nullptr)
        return;
    HWND header = ListView_GetHeader(list_);
    const int sorted = static_cast<int>(rows_->SortColumn());
    for (int column = 0; column < kStationColumnCount; ++column) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, column, &item);
        int format = item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN);
        if (column == sorted)
            format |= rows_->SortDescending() ? HDF_SORTDOWN : HDF_SORTUP;
        if (format != item.fmt) {
            item.fmt = format;
            Header_SetItem(header, column, &item);
        }
    }
}

int TWin32StationGrid::SelectedRow() const {
    return ListView_GetNextItem(list_, -1, LVNI_SELECTED);
}

TWin32StationGrid::TAction TWin32StationGrid::OnNotify(const NMHDR& notice) {
    switch (notice.code) {
    case LVN_GETDISPINFOW:
        FillCell(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&notice)));
        break;
    case LVN_ITEMCHANGED:
        SelectionChanged(reinterpret_cast<const NMLISTVIEW&>(notice));
        break;
    case LVN_COLUMNCLICK: {
        const int column = reinterpret_cast<const NMLISTVIEW&>(notice).iSubItem;
        if (column >= 0 && column < kStationColumnCount)
            return {TAction::SortByColumn, static_cast<TStationColumn>(column)};
        break;
    }
    case NM_DBLCLK:
        // On a row, not on the empty space below the last one.
        if (reinterpret_cast<const NMITEMACTIVATE&>(notice).iItem >= 0)
            return {TAction::ShowDetails, TStationColumn::Mmsi};
        break;
    default:
        break;
    }
    return {};
}

void TWin32StationGrid::FillCell(NMLVDISPINFOW& info) const {
    LVITEMW& item = info.item;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0)
        return;
    item.pszText[0] = L'\0';
    if (rows_ == nullptr || item.iItem < 0 || item.iItem >= rows_->RowCount() ||
        item.iSubItem < 0 || item.iSubItem >= kStationColumnCount)
        return;
    const std::wstring text = WideFromText(
        language_, rows_->Cell(item.iItem, static_cast<TStationColumn>(item.iSubItem)));
    const size_t kept = std::min(text.size(), static_cast<size_t>(item.cchTextMax) - 1);
    text.copy(item.pszText, kept);
    item.pszText[kept] = L'\0';
}

void TWin32StationGrid::SelectionChanged(const NMLISTVIEW& change) {
    if (reselecting_ || rows_ == nullptr || (change.uChanged & LVIF_STATE) == 0)
        return;
    const bool nowSelected = (change.uNewState & LVIS_SELECTED) != 0;
    const bool wasSelected = (change.uOldState & LVIS_SELECTED) != 0;
    if (nowSelected && !wasSelected && change.iItem >= 0 && change.iItem < rows_->RowCount())
        selectedMmsi_ = rows_->Cell(change.iItem, TStationColumn::Mmsi);
    else if (wasSelected && !nowSelected && SelectedRow() < 0)
        selectedMmsi_.clear();
}

void TWin32StationGrid::Reselect() {
    if (selectedMmsi_.empty())
        return;
    int found = -1;
    for (int row = 0; row < rows_->RowCount() && found < 0; ++row)
        if (rows_->Cell(row, TStationColumn::Mmsi) == selectedMmsi_)
            found = row;
    reselecting_ = true;
    constexpr UINT kMarks = LVIS_SELECTED | LVIS_FOCUSED;
    // A station filtered out is selected again once it shows again.
    const int current = SelectedRow();
    if (current != found) {
        ListView_SetItemState(list_, -1, 0, kMarks);
        if (found >= 0)
            ListView_SetItemState(list_, found, kMarks, kMarks);
    }
    reselecting_ = false;
}
