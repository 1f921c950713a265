#include "stations/StationTable.h"

#include "ais/GreatCircle.h"
#include "diagnostics/GpsPageTexts.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace {

constexpr AisTypesHeard kMotionTypes =
    AisTypeBit(1) | AisTypeBit(2) | AisTypeBit(3) | AisTypeBit(9) | AisTypeBit(18) | AisTypeBit(19);
constexpr AisTypesHeard kHeadingTypes =
    AisTypeBit(1) | AisTypeBit(2) | AisTypeBit(3) | AisTypeBit(18) | AisTypeBit(19);

// A six-bit text as stored: padding "@" and trailing blanks removed.
std::string Trimmed(const char* text, size_t size) {
    std::string result(text, strnlen(text, size));
    if (auto at = result.find('@'); at != std::string::npos)
        result.resize(at);
    while (!result.empty() && result.back() == ' ')
        result.pop_back();
    return result;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

template <typename... Values> std::string Format(const char* format, Values... values) {
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string Optional(const std::optional<double>& value, const char* format) {
    return value ? Format(format, *value) : std::string();
}

// The value a column sorts by; text columns have none.
std::optional<double> NumberOf(const TStationValues& v, TStationColumn column) {
    switch (column) {
    case TStationColumn::Mmsi:
        return v.Mmsi;
    case TStationColumn::Latitude:
        return v.Latitude;
    case TStationColumn::Longitude:
        return v.Longitude;
    case TStationColumn::Speed:
        return v.Speed;
    case TStationColumn::Course:
        return v.Course;
    case TStationColumn::Heading:
        return v.Heading;
    case TStationColumn::Distance:
        return v.Distance;
    case TStationColumn::Bearing:
        return v.Bearing;
    case TStationColumn::ChannelA:
        return v.ChannelA;
    case TStationColumn::ChannelB:
        return v.ChannelB;
    case TStationColumn::LastHeard:
        return static_cast<double>(v.SecondsAgo);
    default:
        return std::nullopt;
    }
}

bool IsTextColumn(TStationColumn column) {
    return column == TStationColumn::Name || column == TStationColumn::CallSign ||
           column == TStationColumn::StationClass || column == TStationColumn::ShipType ||
           column == TStationColumn::NavigationalStatus;
}

const std::string& TextOf(const TStationValues& v, TStationColumn column) {
    switch (column) {
    case TStationColumn::Name:
        return v.Name;
    case TStationColumn::CallSign:
        return v.CallSign;
    case TStationColumn::StationClass:
        return v.StationClass;
    case TStationColumn::ShipType:
        return v.ShipType;
    default:
        return v.NavigationalStatus;
    }
}

// A CSV cell: plain numbers that scripts read, positions in signed decimal degrees.
std::string CsvCell(const TStationValues& v, TStationColumn column) {
    switch (column) {
    case TStationColumn::Mmsi:
        return std::to_string(v.Mmsi);
    case TStationColumn::Name:
        return CsvField(v.Name);
    case TStationColumn::CallSign:
        return CsvField(v.CallSign);
    case TStationColumn::StationClass:
        return CsvField(v.StationClass);
    case TStationColumn::ShipType:
        return CsvField(v.ShipType);
    case TStationColumn::NavigationalStatus:
        return CsvField(v.NavigationalStatus);
    case TStationColumn::Latitude:
        return Optional(v.Latitude, "%.6f");
    case TStationColumn::Longitude:
        return Optional(v.Longitude, "%.6f");
    case TStationColumn::Speed:
        return Optional(v.Speed, "%.1f");
    case TStationColumn::Course:
        return Optional(v.Course, "%.1f");
    case TStationColumn::Heading:
        return Optional(v.Heading, "%.0f");
    case TStationColumn::Distance:
        return Optional(v.Distance, "%.2f");
    case TStationColumn::Bearing:
        return Optional(v.Bearing, "%.1f");
    case TStationColumn::ChannelA:
        return std::to_string(v.ChannelA);
    case TStationColumn::ChannelB:
        return std::to_string(v.ChannelB);
    case TStationColumn::LastHeard:
        return std::to_string(v.SecondsAgo);
    }
    return {};
}

} // namespace

TStationValues StationValuesOf(const TStationList& list, int32_t entry, int64_t now,
                               const std::optional<TGeoPosition>& own) {
    const AisTarget& target = list.Table().Targets[entry];
    const TStationRecord& record = list.Record(entry);
    TStationValues v;
    v.Mmsi = target.Mmsi;
    v.Name = Trimmed(target.Name, sizeof target.Name);
    v.CallSign = Trimmed(target.CallSign, sizeof target.CallSign);
    v.StationClass = StationClassText(record.TypesHeard);
    constexpr AisTypesHeard kShipTypeTypes = AisTypeBit(5) | AisTypeBit(19) | AisTypeBit(24);
    if (record.TypesHeard & kShipTypeTypes)
        v.ShipType = ShipTypeText(target.ShipType);
    constexpr AisTypesHeard kStatusTypes = AisTypeBit(1) | AisTypeBit(2) | AisTypeBit(3);
    if (record.TypesHeard & kStatusTypes)
        v.NavigationalStatus = NavigationalStatusText(target.Status >> 4);
    if (IsUsablePosition(target.Latitude, target.Longitude)) {
        v.Latitude = target.Latitude;
        v.Longitude = target.Longitude;
        if (own) {
            GreatCircleLeg leg =
                GreatCircleFrom(own->Latitude, own->Longitude, target.Latitude, target.Longitude);
            v.Distance = leg.DistanceNm;
            v.Bearing = leg.Bearing;
        }
    }
    if (record.TypesHeard & kMotionTypes) {
        // 102.3 knots (1023 for an aircraft) and 360 degrees say "not available".
        double speed = target.Speed;
        if (std::isfinite(speed) && speed >= 0 && std::fabs(speed - 102.3) > 0.01 && speed < 1023)
            v.Speed = speed;
        double course = target.Course;
        if (std::isfinite(course) && course >= 0 && course < 360)
            v.Course = course;
    }
    if ((record.TypesHeard & kHeadingTypes) && target.Heading >= 0 && target.Heading < 360)
        v.Heading = target.Heading;
    v.ChannelA = record.ChannelA;
    v.ChannelB = record.ChannelB;
    v.SecondsAgo = std::max<int64_t>(0, now - record.LastHeard);
    return v;
}

std::string LastHeardText(int64_t secondsAgo) {
    if (secondsAgo < 60)
        return std::to_string(secondsAgo) + " s ago";
    if (secondsAgo < 3600)
        return std::to_string(secondsAgo / 60) + " min ago";
    return std::to_string(secondsAgo / 3600) + " h ago";
}

void TStationTable::SortBy(TStationColumn column) {
    descending_ = column == sortColumn_ ? !descending_ : false;
    sortColumn_ = column;
}

void TStationTable::SetFilter(const std::string& filter) {
    std::string text = filter;
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.pop_back();
    text.erase(0, text.find_first_not_of(" \t"));
    filter_ = Lower(text);
}

bool TStationTable::Matches(const TStationValues& values) const {
    if (filter_.empty())
        return true;
    return std::to_string(values.Mmsi).find(filter_) != std::string::npos ||
           Lower(values.Name).find(filter_) != std::string::npos;
}

// Blanks last in either direction; equal values in the order of their MMSIs.
bool TStationTable::Before(const TRow& a, const TRow& b) const {
    if (IsTextColumn(sortColumn_)) {
        std::string x = Lower(TextOf(a.Values, sortColumn_));
        std::string y = Lower(TextOf(b.Values, sortColumn_));
        if (x.empty() != y.empty())
            return y.empty();
        if (x != y)
            return descending_ ? y < x : x < y;
    } else {
        std::optional<double> x = NumberOf(a.Values, sortColumn_);
        std::optional<double> y = NumberOf(b.Values, sortColumn_);
        if (x.has_value() != y.has_value())
            return x.has_value();
        if (x && *x != *y)
            return descending_ ? *y < *x : *x < *y;
    }
    return a.Values.Mmsi < b.Values.Mmsi;
}

TStationRowChanges TStationTable::Refresh(int64_t now, const std::optional<TGeoPosition>& own) {
    std::vector<TRow> rows;
    rows.reserve(list_.Entries().size());
    for (int32_t entry : list_.Entries()) {
        TStationValues values = StationValuesOf(list_, entry, now, own);
        if (!Matches(values))
            continue;
        TRow row{entry, std::move(values), {}};
        const TStationValues& v = row.Values;
        TLatLonTexts position = v.Latitude
                                    ? FormatLatLon(static_cast<float>(*v.Longitude),
                                                   static_cast<float>(*v.Latitude), language_)
                                    : TLatLonTexts{};
        auto cell = [&row](TStationColumn column) -> std::string& {
            return row.Cells[static_cast<size_t>(column)];
        };
        cell(TStationColumn::Mmsi) = std::to_string(v.Mmsi);
        cell(TStationColumn::Name) = v.Name;
        cell(TStationColumn::CallSign) = v.CallSign;
        cell(TStationColumn::StationClass) = v.StationClass;
        cell(TStationColumn::ShipType) = v.ShipType;
        cell(TStationColumn::NavigationalStatus) = v.NavigationalStatus;
        cell(TStationColumn::Latitude) = position.Latitude;
        cell(TStationColumn::Longitude) = position.Longitude;
        cell(TStationColumn::Speed) = Optional(v.Speed, "%.1f");
        cell(TStationColumn::Course) = Optional(v.Course, "%.1f");
        cell(TStationColumn::Heading) = Optional(v.Heading, "%.0f");
        cell(TStationColumn::Distance) = Optional(v.Distance, "%.1f");
        cell(TStationColumn::Bearing) = Optional(
            v.Bearing ? std::optional<double>(std::floor(*v.Bearing)) : std::nullopt, "%.0f");
        cell(TStationColumn::ChannelA) = std::to_string(v.ChannelA);
        cell(TStationColumn::ChannelB) = std::to_string(v.ChannelB);
        cell(TStationColumn::LastHeard) = LastHeardText(v.SecondsAgo);
        rows.push_back(std::move(row));
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [this](const TRow& a, const TRow& b) { return Before(a, b); });

    TStationRowChanges changes;
    bool sameOrder =
        rows.size() == rows_.size() &&
        std::equal(rows.begin(), rows.end(), rows_.begin(), [](const TRow& a, const TRow& b) {
            return a.Entry == b.Entry && a.Values.Mmsi == b.Values.Mmsi;
        });
    if (!sameOrder) {
        changes.Reordered = true;
    } else {
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].Cells != rows_[i].Cells)
                changes.Changed.push_back(static_cast<int>(i));
    }
    rows_ = std::move(rows);
    return changes;
}

std::string TStationTable::Cell(int row, TStationColumn column) const {
    if (row < 0 || row >= RowCount())
        return {};
    return rows_[static_cast<size_t>(row)].Cells[static_cast<size_t>(column)];
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string TStationTable::Csv() const {
    std::string csv;
    for (int column = 0; column < kStationColumnCount; ++column) {
        if (column > 0)
            csv += ',';
        csv += CsvField(StationColumnTitle(static_cast<TStationColumn>(column)));
    }
    csv += "\r\n";
    for (const TRow& row : rows_) {
        for (int column = 0; column < kStationColumnCount; ++column) {
            if (column > 0)
                csv += ',';
            csv += CsvCell(row.Values, static_cast<TStationColumn>(column));
        }
        csv += "\r\n";
    }
    return csv;
}
