// The rows of the AIS STATIONS page: the stations heard, filtered and sorted as the user
// chose, their texts kept so that a refresh tells the window which rows changed.
#pragma once

#include "stations/StationList.h"
#include "view/Languages.h"
#include "view/StationRows.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// One station's values; an empty optional is a blank cell.
struct TStationValues {
    int32_t Mmsi = 0;
    std::string Name, CallSign, StationClass, ShipType, NavigationalStatus;
    std::optional<double> Latitude, Longitude, Speed, Course, Heading, Distance, Bearing;
    int32_t ChannelA = 0, ChannelB = 0;
    int64_t SecondsAgo = 0;
};

TStationValues StationValuesOf(const TStationList& list, int32_t entry, int64_t now,
                               const std::optional<TGeoPosition>& own);

// "12 s ago", "5 min ago", "3 h ago".
std::string LastHeardText(int64_t secondsAgo);

class TStationTable : public TStationRows {
public:
    explicit TStationTable(const TStationList& list) : list_(list) {}

    void SetLanguage(TLanguage language) { language_ = language; }
    // Sorts by `column`; the same column again reverses the order.
    void SortBy(TStationColumn column);
    // Rows whose MMSI contains the text's digits or whose name contains it, any case.
    void SetFilter(const std::string& filter);
    // Builds the rows again at `now` and tells what changed since the last refresh.
    TStationRowChanges Refresh(int64_t now, const std::optional<TGeoPosition>& own);

    int RowCount() const override { return static_cast<int>(rows_.size()); }
    std::string Cell(int row, TStationColumn column) const override;
    TStationColumn SortColumn() const override { return sortColumn_; }
    bool SortDescending() const override { return descending_; }

    // The target table's entry of a displayed row.
    int32_t EntryOfRow(int row) const { return rows_[static_cast<size_t>(row)].Entry; }
    // The rows as displayed, in CSV: a header of the column titles, plain numbers.
    std::string Csv() const;

private:
    struct TRow {
        int32_t Entry;
        TStationValues Values;
        std::array<std::string, kStationColumnCount> Cells;
    };
    bool Matches(const TStationValues& values) const;
    bool Before(const TRow& a, const TRow& b) const;

    const TStationList& list_;
    TLanguage language_ = laEnglish;
    TStationColumn sortColumn_ = TStationColumn::Mmsi;
    bool descending_ = false;
    std::string filter_; // lower case
    std::vector<TRow> rows_;
};

// A CSV field: quoted when it holds a comma, a quote or a line break, quotes doubled.
std::string CsvField(const std::string& text);
