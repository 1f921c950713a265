// The AIS STATIONS page as a window shows it: the table's columns, the rows it reads cell
// by cell when told which changed, the coverage plot and one station's details. The rows
// live in the page's presenter; a window keeps a reference and asks for the cells it
// draws, so a full table costs it only the rows on screen.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// In the order shown: first what tells how well the installation hears (who, how far,
// in which direction, how often, how lately), then the stations' own data.
enum class TStationColumn : uint8_t {
    Mmsi,
    Name,
    StationClass,
    Distance,
    Bearing,
    ChannelA,
    ChannelB,
    LastHeard,
    CallSign,
    ShipType,
    NavigationalStatus,
    Latitude,
    Longitude,
    Speed,
    Course,
    Heading,
};
inline constexpr int kStationColumnCount = 16;

// The header of a column ("MMSI", "Name", ... "Distance (NM)"): ASCII, the same in every
// language.
const char* StationColumnTitle(TStationColumn column);

// The rows as filtered and sorted by the user. Cells are 8-bit texts in the code page of
// the window's language, as every other text of the view.
class TStationRows {
public:
    virtual ~TStationRows() = default;
    virtual int RowCount() const = 0;
    virtual std::string Cell(int row, TStationColumn column) const = 0;
    // The column the rows are sorted by, for the header's sort mark.
    virtual TStationColumn SortColumn() const = 0;
    virtual bool SortDescending() const = 0;
};

// What changed since the window last read the rows.
struct TStationRowChanges {
    // The number or the order of the rows changed: every row is to be read again.
    bool Reordered = false;
    // Otherwise the rows whose texts changed, ascending.
    std::vector<int> Changed;
};

inline constexpr int kCoverageSectors = 36; // sector i holds the bearings [10 i, 10 i + 10)
inline constexpr int kDistanceBands = 5;    // 0-5, 5-10, 10-20, 20-40, 40 NM and farther

// The coverage plot: the farthest station heard in each sector since Clear, with the
// receiver at the centre and north up, and the stations per distance band.
struct TCoverageView {
    bool HasOwnPosition = false;
    std::array<double, kCoverageSectors> FarthestNm{}; // 0: nothing heard in the sector
    std::array<int32_t, kCoverageSectors> FarthestMmsi{};
    std::array<int32_t, kDistanceBands> BandCounts{};
    int32_t Unusable = 0;  // stations without a usable position, or no own position
    double RingStepNm = 5; // range rings every RingStepNm, RingCount of them, the outermost
    int RingCount = 4;     // at or beyond the farthest sector
    std::array<std::string, kDistanceBands> BandTitles; // "0-5 NM" ... "40+ NM"
};

// One line of a station's details: the message it came from, the field and its value.
struct TStationDetail {
    std::string Message; // "Type 5: static and voyage data"
    std::string Field;   // the field's name
    std::string Value;   // in the units the decoder stores, with the unit where it has one
};
