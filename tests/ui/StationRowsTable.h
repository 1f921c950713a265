// Rows of the AIS STATIONS table held by the test: one vector of cells a row, an MMSI
// in the first, and the sort the presenter would report.
#pragma once

#include "view/StationRows.h"

#include <string>
#include <vector>

class StationRowsTable : public TStationRows {
public:
    // `count` stations, MMSI 100000000 + i in row i, named "VESSEL i".
    static StationRowsTable Numbered(int count) {
        StationRowsTable table;
        for (int i = 0; i < count; ++i)
            table.Add(std::to_string(100000000 + i), "VESSEL " + std::to_string(i));
        return table;
    }

    void Add(const std::string& mmsi, const std::string& name) {
        std::vector<std::string> row(kStationColumnCount);
        row[static_cast<size_t>(TStationColumn::Mmsi)] = mmsi;
        row[static_cast<size_t>(TStationColumn::Name)] = name;
        rows.push_back(std::move(row));
    }

    int RowCount() const override { return static_cast<int>(rows.size()); }
    std::string Cell(int row, TStationColumn column) const override {
        return rows.at(static_cast<size_t>(row)).at(static_cast<size_t>(column));
    }
    TStationColumn SortColumn() const override { return sortColumn; }
    bool SortDescending() const override { return descending; }

    std::vector<std::vector<std::string>> rows;
    TStationColumn sortColumn = TStationColumn::Mmsi;
    bool descending = false;
};
