// The AIS STATIONS page's table: a list view in report mode that holds no texts of its
// own (virtual mode). It asks the rows for the cells it draws, so a full table costs
// only the rows on screen; told which rows changed, it draws those again; across a new
// order or filter it keeps the station the user selected selected, found by its MMSI;
// its header marks the column the rows are sorted by.
#pragma once

#include "Win32Api.h"

#include "view/Languages.h"
#include "view/StationRows.h"

#include <commctrl.h>

#include <string>

class TWin32StationGrid {
public:
    // What a notice of the list view asks of the window.
    struct TAction {
        enum TKind { None, SortByColumn, ShowDetails } Kind = None;
        TStationColumn Column = TStationColumn::Mmsi;
    };

    // Gives the list view its columns, sized for `dpi`.
    void Attach(HWND list, UINT dpi);
    HWND List() const { return list_; }

    // The cells are 8-bit texts in the code page of `language`.
    void SetLanguage(TLanguage language);
    // Keeps the column widths the same at 96 DPI.
    void SetDpi(UINT dpi);

    void SetRows(const TStationRows& rows);
    void RowsChanged(const TStationRowChanges& changes);
    // Marks the column the rows are sorted by, and which way, in the header.
    void ShowSortMark();

    // The selected row as displayed; -1 when none.
    int SelectedRow() const;

    // Handles a notice the list view sent its parent.
    TAction OnNotify(const NMHDR& notice);

private:
    void FillCell(NMLVDISPINFOW& info) const;
    void SelectionChanged(const NMLISTVIEW& change);
    // Selects the row of the station last selected, or none when it is not shown.
    void Reselect();

    HWND list_ = nullptr;
    UINT dpi_ = 96;
    TLanguage language_ = laEnglish;
    const TStationRows* rows_ = nullptr;
    std::string selectedMmsi_; // empty: the user selected no station
    bool reselecting_ = false;
};
