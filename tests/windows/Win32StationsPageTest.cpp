// The AIS STATIONS page of the Win32 window: its controls with their texts, the virtual
// list reading a table of rows cell by cell (in the language's code page), the selected
// station kept across a new order, the header's sort mark; and connected to a receiver
// that hears the simulator's vessels: the rows, a click on a column's header that sorts
// them, a station's details in their window, and the coverage drawn where the vessels
// lie.
#include "Win32Api.h"

#include "Win32ConnectedWindow.h"
#include "Win32CoverageMap.h"
#include "Win32Picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

using TCells = std::array<std::string, kStationColumnCount>;

// Rows as a test lays them out.
class FixtureRows : public TStationRows {
public:
    std::vector<TCells> rows;
    TStationColumn sortColumn = TStationColumn::Mmsi;
    bool descending = false;

    int RowCount() const override { return static_cast<int>(rows.size()); }
    std::string Cell(int row, TStationColumn column) const override {
        return rows.at(static_cast<size_t>(row)).at(static_cast<size_t>(column));
    }
    TStationColumn SortColumn() const override { return sortColumn; }
    bool SortDescending() const override { return descending; }
};

TCells Station(const std::string& mmsi, const std::string& name) {
    TCells cells;
    for (int column = 0; column < kStationColumnCount; ++column)
        cells[static_cast<size_t>(column)] = mmsi + "/" + std::to_string(column);
    cells[static_cast<size_t>(TStationColumn::Mmsi)] = mmsi;
    cells[static_cast<size_t>(TStationColumn::Name)] = name;
    return cells;
}

std::wstring Wide(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

class StationsPage : public ConnectedWindow {
protected:
    StationsPage() { ShowPage(pgDiagnostics, TControl::PageControlDiagnosis, pgAisStations); }

    HWND Grid() { return Control(TControl::GridStations); }
    int ItemCount() { return static_cast<int>(SendMessageW(Grid(), LVM_GETITEMCOUNT, 0, 0)); }
    // What the list shows in a cell, asked of it as a screen reader would.
    std::wstring Shown(int row, TStationColumn column) {
        wchar_t text[256] = {};
        LVITEMW item{};
        item.iSubItem = static_cast<int>(column);
        item.pszText = text;
        item.cchTextMax = static_cast<int>(std::size(text));
        SendMessageW(Grid(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return text;
    }
    std::vector<std::wstring> ShownColumn(TStationColumn column) {
        std::vector<std::wstring> cells;
        for (int row = 0; row < ItemCount(); ++row)
            cells.push_back(Shown(row, column));
        return cells;
    }
    int Selected() {
        return static_cast<int>(SendMessageW(Grid(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
    }
    // As a click of the user's selects the row: the list tells its parent.
    void Select(int row) {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = item.stateMask;
        SendMessageW(Grid(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
    // The sort mark of each column: 1 up, -1 down, 0 none.
    std::vector<int> SortMarks() {
        HWND header = reinterpret_cast<HWND>(SendMessageW(Grid(), LVM_GETHEADER, 0, 0));
        std::vector<int> marks;
        for (int column = 0; column < kStationColumnCount; ++column) {
            HDITEMW item{};
            item.mask = HDI_FORMAT;
            SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column),
                         reinterpret_cast<LPARAM>(&item));
            marks.push_back((item.fmt & HDF_SORTUP) != 0 ? 1 : (item.fmt & HDF_SORTDOWN) ? -1 : 0);
        }
        return marks;
    }
    std::vector<int> MarkOn(TStationColumn column, int mark) {
        std::vector<int> marks(kStationColumnCount, 0);
        marks[static_cast<size_t>(column)] = mark;
        return marks;
    }
    std::wstring Text(HWND window) {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, static_cast<int>(std::size(text)));
        return text;
    }
    void Changed(const TStationRowChanges& changes) {
        configurator_->View().StationRowsChanged(changes);
    }

    FixtureRows fixture_;
};

struct PageText {
    TControl control;
    const wchar_t* text;
};

const PageText kPageTexts[] = {
    {TControl::ButtonStationDetails, L"Details"},
    {TControl::ButtonClearStations, L"Clear"},
    {TControl::ButtonExportStations, L"Export CSV..."},
    {TControl::EditStationFilter, L""},
};

TEST_F(StationsPage, ShowsItsControlsWithTheirTexts) {
    for (const PageText& expected : kPageTexts) {
        SCOPED_TRACE(ControlName(expected.control));
        ASSERT_NE(Control(expected.control), nullptr);
        EXPECT_TRUE(IsWindowVisible(Control(expected.control)));
        EXPECT_EQ(Text(Control(expected.control)), expected.text);
    }
    for (TControl shown :
         {TControl::GridStations, TControl::PaintBoxCoverage, TControl::LabelStationCount})
        EXPECT_TRUE(IsWindowVisible(Control(shown))) << ControlName(shown);
    wchar_t cue[64] = {};
    SendMessageW(Control(TControl::EditStationFilter), EM_GETCUEBANNER,
                 reinterpret_cast<WPARAM>(cue), static_cast<LPARAM>(std::size(cue)));
    EXPECT_STREQ(cue, L"MMSI or name");

    // The fourth tab of the diagnostics.
    wchar_t caption[64] = {};
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = caption;
    tab.cchTextMax = static_cast<int>(std::size(caption));
    SendMessageW(Control(TControl::PageControlDiagnosis), TCM_GETITEMW, 3,
                 reinterpret_cast<LPARAM>(&tab));
    EXPECT_STREQ(caption, L"AIS STATIONS");

    HWND header = reinterpret_cast<HWND>(SendMessageW(Grid(), LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), kStationColumnCount);
    for (int column = 0; column < kStationColumnCount; ++column) {
        wchar_t title[64] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = title;
        item.cchTextMax = static_cast<int>(std::size(title));
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(title, Wide(StationColumnTitle(static_cast<TStationColumn>(column))));
    }
}

TEST_F(StationsPage, ListShowsTheRowsCellByCellAndGrowsWithThem) {
    fixture_.rows = {Station("416000001", "ALPHA"), Station("416000002", "BRAVO")};
    configurator_->View().SetStationRows(fixture_);
    ASSERT_EQ(ItemCount(), 2);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < kStationColumnCount; ++column)
            EXPECT_EQ(Shown(row, static_cast<TStationColumn>(column)),
                      Wide(fixture_.rows[static_cast<size_t>(row)][static_cast<size_t>(column)]))
                << "row " << row << ", column " << column;

    fixture_.rows.push_back(Station("416000003", "CHARLIE"));
    Changed({.Reordered = true, .Changed = {}});
    ASSERT_EQ(ItemCount(), 3);
    EXPECT_EQ(Shown(2, TStationColumn::Name), L"CHARLIE");

    // A changed row shows its new text; a count that changed is read whole even when
    // only rows are named.
    fixture_.rows[1][static_cast<size_t>(TStationColumn::Speed)] = "12.5";
    fixture_.rows.push_back(Station("416000004", "DELTA"));
    Changed({.Reordered = false, .Changed = {1}});
    EXPECT_EQ(ItemCount(), 4);
    EXPECT_EQ(Shown(1, TStationColumn::Speed), L"12.5");
    EXPECT_EQ(Shown(3, TStationColumn::Mmsi), L"416000004");
}

TEST_F(StationsPage, CellsAreConvertedFromTheLanguagesCodePage) {
    ChooseLanguage(laTraChinese);
    // A name in Big5.
    fixture_.rows = {Station("416000001", "\xAE\xB7\xB3\xBD")};
    configurator_->View().SetStationRows(fixture_);
    EXPECT_EQ(Shown(0, TStationColumn::Name), L"\u6355\u9B5A");
}

TEST_F(StationsPage, SelectedStationStaysSelectedInANewOrderAndAfterAFilter) {
    fixture_.rows = {Station("416000001", "ALPHA"), Station("416000002", "BRAVO"),
                     Station("416000003", "CHARLIE")};
    configurator_->View().SetStationRows(fixture_);
    Select(1); // BRAVO

    std::reverse(fixture_.rows.begin(), fixture_.rows.end());
    fixture_.rows.insert(fixture_.rows.begin(), Station("416000004", "DELTA"));
    Changed({.Reordered = true, .Changed = {}});
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(configurator_->Window().StationGrid().SelectedRow(), 2);

    // Filtered out, nothing is selected; shown again, it is selected again.
    const std::vector<TCells> all = fixture_.rows;
    fixture_.rows = {all[0], all[3]};
    Changed({.Reordered = true, .Changed = {}});
    EXPECT_EQ(Selected(), -1);
    fixture_.rows = all;
    Changed({.Reordered = true, .Changed = {}});
    EXPECT_EQ(Selected(), 2);
}

TEST_F(StationsPage, HeaderMarksTheSortedColumnAndItsDirection) {
    fixture_.rows = {Station("416000001", "ALPHA")};
    fixture_.sortColumn = TStationColumn::Distance;
    fixture_.descending = true;
    configurator_->View().SetStationRows(fixture_);
    EXPECT_EQ(SortMarks(), MarkOn(TStationColumn::Distance, -1));

    fixture_.sortColumn = TStationColumn::Name;
    fixture_.descending = false;
    Changed({.Reordered = true, .Changed = {}});
    EXPECT_EQ(SortMarks(), MarkOn(TStationColumn::Name, 1));
}

// Vessels lying still around the receiver's own position, at known bearings and
// distances.
struct Vessel {
    uint32_t mmsi;
    const char* name;
    bool classA;
    double bearing; // degrees from the receiver
    double distanceNm;
};

const Vessel kVessels[] = {
    {416100001, "CHARLIE", true, 55, 9},
    {416100002, "ALPHA", true, 205, 16},
    {416100003, "BRAVO", false, 305, 12},
};

std::vector<FleetVessel> Fleet() {
    std::vector<FleetVessel> fleet;
    const double cosLatitude = std::cos(kOwnLatitude * std::numbers::pi / 180);
    for (const Vessel& vessel : kVessels) {
        const double angle = vessel.bearing * std::numbers::pi / 180;
        FleetVessel entry;
        entry.Mmsi = vessel.mmsi;
        entry.ClassA = vessel.classA;
        entry.Name = vessel.name;
        entry.CallSign = "TEST";
        entry.ShipType = 70;
        // Close enough to flat at these distances: well within a sector's middle.
        entry.Track.CentreLatitude = kOwnLatitude + vessel.distanceNm * std::cos(angle) / 60;
        entry.Track.CentreLongitude =
            kOwnLongitude + vessel.distanceNm * std::sin(angle) / (60 * cosLatitude);
        fleet.push_back(entry);
    }
    return fleet;
}

class StationsPageHearingVessels : public StationsPage {
protected:
    StationsPageHearingVessels() {
        SendCycle();
        AisFleet fleet(Fleet());
        // Every vessel's position and static reports, twice over.
        SendFleet(fleet, 12 * static_cast<int>(std::size(kVessels)));
        Tick(TTimer::StationsTick);
        Redraw();
    }
};

TEST_F(StationsPageHearingVessels, ListsEveryVesselHeard) {
    ASSERT_EQ(ItemCount(), static_cast<int>(std::size(kVessels)));
    std::vector<std::wstring> mmsis = ShownColumn(TStationColumn::Mmsi);
    std::sort(mmsis.begin(), mmsis.end());
    EXPECT_EQ(mmsis, (std::vector<std::wstring>{L"416100001", L"416100002", L"416100003"}));
    for (int row = 0; row < ItemCount(); ++row) {
        const std::wstring mmsi = Shown(row, TStationColumn::Mmsi);
        const auto vessel =
            std::find_if(std::begin(kVessels), std::end(kVessels),
                         [&](const Vessel& v) { return Wide(std::to_string(v.mmsi)) == mmsi; });
        SCOPED_TRACE(vessel->name);
        EXPECT_EQ(Shown(row, TStationColumn::Name), Wide(vessel->name));
        EXPECT_NEAR(std::stod(Shown(row, TStationColumn::Distance)), vessel->distanceNm, 0.2);
        EXPECT_NEAR(std::stod(Shown(row, TStationColumn::Bearing)), vessel->bearing, 1);
    }
    EXPECT_NE(Text(Control(TControl::LabelStationCount)).find(L"3"), std::wstring::npos);
}

TEST_F(StationsPageHearingVessels, ColumnClickSortsTheRowsAndMarksTheColumn) {
    // A click on the Name column's header, as the user's mouse makes it.
    HWND header = reinterpret_cast<HWND>(SendMessageW(Grid(), LVM_GETHEADER, 0, 0));
    RECT title{};
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(TStationColumn::Name),
                 reinterpret_cast<LPARAM>(&title));
    const LPARAM at = MAKELPARAM((title.left + title.right) / 2, (title.top + title.bottom) / 2);
    const auto click = [header, at] {
        SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(header, WM_LBUTTONUP, 0, at);
    };
    click();
    EXPECT_EQ(ShownColumn(TStationColumn::Name),
              (std::vector<std::wstring>{L"ALPHA", L"BRAVO", L"CHARLIE"}));
    EXPECT_EQ(SortMarks(), MarkOn(TStationColumn::Name, 1));
    click();
    EXPECT_EQ(ShownColumn(TStationColumn::Name),
              (std::vector<std::wstring>{L"CHARLIE", L"BRAVO", L"ALPHA"}));
    EXPECT_EQ(SortMarks(), MarkOn(TStationColumn::Name, -1));
}

TEST_F(StationsPageHearingVessels, DetailsOfTheSelectedStationShowInTheirWindow) {
    TWin32StationDetails& details = Window().StationDetails();
    // Whether a value in the details holds `text`.
    const auto shows = [&details](const std::wstring& text) {
        const auto lines = static_cast<int>(SendMessageW(details.List(), LVM_GETITEMCOUNT, 0, 0));
        for (int line = 0; line < lines; ++line) {
            wchar_t value[128] = {};
            LVITEMW item{};
            item.iSubItem = 2;
            item.pszText = value;
            item.cchTextMax = static_cast<int>(std::size(value));
            SendMessageW(details.List(), LVM_GETITEMTEXTW, static_cast<WPARAM>(line),
                         reinterpret_cast<LPARAM>(&item));
            if (std::wstring(value).find(text) != std::wstring::npos)
                return true;
        }
        return false;
    };
    const std::vector<std::wstring> names = ShownColumn(TStationColumn::Name);
    std::vector<std::wstring> titles;
    // The first by the Details button, the second by a double click on its row.
    for (const wchar_t* name : {L"ALPHA", L"CHARLIE"}) {
        SCOPED_TRACE(name);
        const auto row =
            static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
        ASSERT_LT(row, ItemCount());
        if (name == std::wstring(L"ALPHA")) {
            Select(row);
            SendMessageW(Control(TControl::ButtonStationDetails), BM_CLICK, 0, 0);
        } else {
            // A double click on the row, as the user's mouse makes it.
            RECT bounds{};
            bounds.left = LVIR_LABEL;
            SendMessageW(Grid(), LVM_GETITEMRECT, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&bounds));
            const LPARAM at =
                MAKELPARAM((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
            for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
                SendMessageW(Grid(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
        }
        EXPECT_TRUE(IsWindowVisible(details.Window()));
        // The name the station sent among its fields, and only its own: the second
        // station's details replace the first's.
        EXPECT_TRUE(shows(name));
        EXPECT_FALSE(shows(name == std::wstring(L"ALPHA") ? L"CHARLIE" : L"ALPHA"));
        titles.push_back(Text(details.Window()));
    }
    EXPECT_FALSE(titles[0].empty());
    EXPECT_NE(titles[0], titles[1]);
}

TEST_F(StationsPageHearingVessels, CoverageFillsTheSectorsWhereTheVesselsLie) {
    HWND plot = Control(TControl::PaintBoxCoverage);
    RECT area{};
    GetClientRect(plot, &area);
    TPicture picture(area.right, area.bottom);
    HDC screen = GetDC(plot);
    BitBlt(picture.Dc(), 0, 0, area.right, area.bottom, screen, 0, 0, SRCCOPY);
    const TCoverageLayout layout =
        TWin32CoverageMap::Layout(screen, Window().Font(), area.right, area.bottom);
    ReleaseDC(plot, screen);

    const TCoverageView& coverage = Window().Coverage().Coverage();
    ASSERT_TRUE(coverage.HasOwnPosition);
    const double outermost = coverage.RingStepNm * coverage.RingCount;
    const auto pixel = [&](double bearing, double nauticalMiles) {
        const double angle = bearing * std::numbers::pi / 180;
        const double reach = nauticalMiles / outermost * layout.Radius;
        return picture.At(layout.Centre.x + static_cast<int>(std::lround(reach * std::sin(angle))),
                          layout.Centre.y - static_cast<int>(std::lround(reach * std::cos(angle))));
    };
    const TRgb filled{GetRValue(kCoverageSector), GetGValue(kCoverageSector),
                      GetBValue(kCoverageSector)};
    for (const Vessel& vessel : kVessels) {
        SCOPED_TRACE(vessel.name);
        // In the middle of its sector, half a ring step out from the last ring well short
        // of the vessel; the opposite way empty.
        const double step = coverage.RingStepNm;
        const double between = (std::floor(vessel.distanceNm / step - 0.75) + 0.5) * step;
        ASSERT_GT(between, 0);
        const double middle = std::floor(vessel.bearing / 10) * 10 + 5;
        EXPECT_EQ(pixel(middle, between), filled);
        EXPECT_NE(pixel(middle + 180, between), filled);
    }
}

} // namespace
