// The AIS STATIONS page: the list fed by decoded sentences, its rows sorted and filtered,
// the changes reported to the window, the coverage, the details and the CSV export.
#include "FakeView.h"
#include "SystemErrorTexts.h"
#include "nmea/Checksum.h"
#include "stations/StationDetails.h"
#include "stations/StationsPresenter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Stations of a recorded capture (values as an independent decoder gives them).
const char kType1A[] = "!AIVDM,1,1,,A,15RTgt0PAso;90TKcjM8h6g208CQ,0*4A"; // 371798000 48.38 -123.40
const char kType1B[] = "!AIVDM,1,1,,A,16SteH0P00Jt63hHaa6SagvJ087r,0*42"; // 440348000 43.08 -70.76
const char kType2[] = "!AIVDM,1,1,,B,25Cjtd0Oj;Jp7ilG7=UkKBoB0<06,0*60";  // 356302000 40.39 -71.63
const char kType3[] = "!AIVDM,1,1,,A,38Id705000rRVJhE7cl9n;160000,0*40";  // 563808000 36.91 -76.33
const char kType4[] = "!AIVDM,1,1,,A,403OviQuMGCqWrRO9>E6fE700@GO,0*4D";  // 3669702 36.88 -76.35
const char kType5First[] =
    "!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C";
const char kType5Second[] = "!AIVDM,2,2,1,A,88888888880,2*25";

struct Harness {
    FakeView view;
    DecoderState decoder;
    int64_t now = 1000;
    TStationsPresenter presenter{view, decoder, [this] { return now; }};

    void Receive(const std::string& line) {
        SentenceBuffer buffer{};
        std::string framed = line + "\r\n";
        std::memcpy(buffer, framed.data(), framed.size());
        if (DecodeSentence(buffer, decoder) && CarriesAisMessage(decoder.Sentence))
            presenter.AisSentence(decoder.Sentence);
    }
    void Fix(const char* latitude, const char* longitude) {
        std::string rmc =
            std::string("$GPRMC,081530.00,A,") + latitude + "," + longitude + ",0.0,0.0,270225,,,A";
        AppendChecksum(rmc);
        Receive(rmc);
    }
    std::vector<std::string> Column(TStationColumn column) const {
        std::vector<std::string> cells;
        const TStationRows& rows = presenter.Rows();
        for (int row = 0; row < rows.RowCount(); ++row)
            cells.push_back(rows.Cell(row, column));
        return cells;
    }
    void ReceiveAll() {
        for (const char* line :
             {kType1A, kType1B, kType2, kType3, kType4, kType5First, kType5Second})
            Receive(line);
    }
};

struct Stations : ::testing::Test, Harness {};

TEST_F(Stations, WindowGetsTheRowsOnceAndTheStationsTick) {
    EXPECT_EQ(view.stationRowsSet, 1);
    EXPECT_EQ(view.stationRows, &presenter.Rows());
}

TEST_F(Stations, RowsShowEveryColumnOfAStation) {
    Fix("4823.0000,N", "12324.0000,W");
    Receive(kType1A);
    now += 12;
    presenter.Tick();
    ASSERT_EQ(presenter.Rows().RowCount(), 1);
    const struct {
        TStationColumn column;
        const char* text;
    } cells[] = {
        {TStationColumn::Mmsi, "371798000"},
        {TStationColumn::StationClass, "Class A"},
        {TStationColumn::NavigationalStatus, "Under way using engine"},
        {TStationColumn::Latitude, " 48\xB0"
                                   "22.8980'N"},
        {TStationColumn::Longitude, "123\xB0"
                                    "23.7231'W"},
        {TStationColumn::Speed, "12.3"},
        {TStationColumn::Course, "224.0"},
        {TStationColumn::Heading, "215"},
        {TStationColumn::ChannelA, "1"},
        {TStationColumn::ChannelB, "0"},
        {TStationColumn::LastHeard, "12 s ago"},
        {TStationColumn::ShipType, ""}, // no static data heard
    };
    for (const auto& c : cells)
        EXPECT_EQ(presenter.Rows().Cell(0, c.column), c.text) << StationColumnTitle(c.column);
    // 48.381633 N 123.395383 W from 48.3833 N 123.4 W: about 0.2 NM, east of south.
    EXPECT_EQ(presenter.Rows().Cell(0, TStationColumn::Distance), "0.2");
    EXPECT_EQ(view.texts[TControl::LabelStationCount], "1 station");
}

TEST_F(Stations, SortAndFilter) {
    const struct {
        const char* what;
        std::vector<TStationColumn> clicks;
        const char* filter;
        std::vector<std::string> mmsis;
    } cases[] = {
        {"by MMSI",
         {},
         "",
         {"3669702", "351759000", "356302000", "371798000", "440348000", "563808000"}},
        {"by MMSI, reversed",
         {TStationColumn::Mmsi},
         "",
         {"563808000", "440348000", "371798000", "356302000", "351759000", "3669702"}},
        {"by latitude, numbers numerically",
         {TStationColumn::Latitude},
         "",
         {"3669702", "563808000", "356302000", "440348000", "371798000", "351759000"}},
        {"by latitude descending, blanks still last",
         {TStationColumn::Latitude, TStationColumn::Latitude},
         "",
         {"371798000", "440348000", "356302000", "563808000", "3669702", "351759000"}},
        {"by channel B, ties by MMSI",
         {TStationColumn::ChannelB, TStationColumn::ChannelB},
         "",
         {"356302000", "3669702", "351759000", "371798000", "440348000", "563808000"}},
        {"filter by MMSI digits", {}, "3717", {"371798000"}},
        {"filter by name, any case", {}, "  ever D ", {"351759000"}},
        {"filter matching nothing", {}, "zz", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Harness fresh;
        fresh.ReceiveAll();
        fresh.Receive(kType2);
        for (TStationColumn column : c.clicks)
            fresh.presenter.SortClicked(column);
        fresh.presenter.FilterEdited(c.filter);
        EXPECT_EQ(fresh.Column(TStationColumn::Mmsi), c.mmsis);
    }
}

TEST_F(Stations, ReportsOnlyTheRowsThatChanged) {
    Receive(kType1A);
    Receive(kType1B);
    presenter.Tick();
    ASSERT_FALSE(view.stationRowChanges.empty());
    EXPECT_TRUE(view.stationRowChanges.back().Reordered);
    size_t reports = view.stationRowChanges.size();

    presenter.Tick(); // nothing new, same second
    EXPECT_EQ(view.stationRowChanges.size(), reports);

    Receive(kType1B); // 440348000, the second row, heard again
    presenter.Tick();
    ASSERT_EQ(view.stationRowChanges.size(), reports + 1);
    EXPECT_FALSE(view.stationRowChanges.back().Reordered);
    EXPECT_EQ(view.stationRowChanges.back().Changed, std::vector<int>{1});

    Receive(kType3); // a new station
    presenter.Tick();
    EXPECT_TRUE(view.stationRowChanges.back().Reordered);
    EXPECT_EQ(view.texts[TControl::LabelStationCount], "3 stations");
}

TEST_F(Stations, ClearEmptiesTheListButNotTheTargetTable) {
    ReceiveAll();
    presenter.Tick();
    presenter.ClearClicked();
    EXPECT_EQ(presenter.Rows().RowCount(), 0);
    EXPECT_TRUE(view.stationRowChanges.back().Reordered);
    EXPECT_EQ(view.coverages.back().Unusable, 0);
    EXPECT_GT(decoder.Ais.Targets.Count, 1);
    Receive(kType1A);
    presenter.Tick();
    EXPECT_EQ(Column(TStationColumn::ChannelA), std::vector<std::string>{"1"});
}

TEST_F(Stations, OwnPositionChoices) {
    Receive(kType1A);
    presenter.Tick();
    // No fix and no VDO: entry 0's made-up position is not used.
    EXPECT_EQ(presenter.Rows().Cell(0, TStationColumn::Distance), "");
    EXPECT_EQ(presenter.Rows().Cell(0, TStationColumn::Bearing), "");
    EXPECT_FALSE(view.coverages.back().HasOwnPosition);

    Fix("4823.0000,N", "12424.0000,W"); // one degree of longitude west of the station
    presenter.Tick();
    // A great circle starts poleward of a parallel: just under 90 degrees, shown whole.
    EXPECT_EQ(presenter.Rows().Cell(0, TStationColumn::Bearing), "89");
    EXPECT_TRUE(view.coverages.back().HasOwnPosition);

    std::optional<TGeoPosition> own = ReceiverPosition(decoder.Navigation, presenter.List());
    ASSERT_TRUE(own);
    EXPECT_NEAR(own->Latitude, 48.3833, 1e-3);
}

TEST_F(Stations, OwnVdoPositionOnlyOnceAVdoSetIt) {
    Receive(kType1A);
    EXPECT_FALSE(ReceiverPosition(decoder.Navigation, presenter.List()));
    // The same report as the own ship's.
    std::string vdo = "!AIVDO,1,1,,A,15RTgt0PAso;90TKcjM8h6g208CQ,0";
    AppendChecksum(vdo);
    Receive(vdo);
    std::optional<TGeoPosition> own = ReceiverPosition(decoder.Navigation, presenter.List());
    ASSERT_TRUE(own);
    EXPECT_NEAR(own->Longitude, -123.395383, 1e-4);
}

TEST_F(Stations, CoverageSectorsBandsAndUnusable) {
    EXPECT_EQ(CoverageSector(0), 0);
    EXPECT_EQ(CoverageSector(9.999), 0);
    EXPECT_EQ(CoverageSector(10), 1);
    EXPECT_EQ(CoverageSector(359.9), 35);
    const struct {
        double nm;
        int band;
    } bands[] = {{0, 0}, {4.99, 0}, {5, 1}, {10, 2}, {19.9, 2}, {20, 3}, {40, 4}, {499, 4}};
    for (const auto& b : bands)
        EXPECT_EQ(DistanceBand(b.nm), b.band) << b.nm;

    // From 37 N 76 W: the two Chesapeake stations are near, 356302000 and 440348000 far
    // to the north-east, 371798000 beyond 500 NM; the type 5 station has no position.
    Fix("3700.0000,N", "07600.0000,W");
    ReceiveAll();
    presenter.Tick();
    const TCoverageView& coverage = view.coverages.back();
    EXPECT_TRUE(coverage.HasOwnPosition);
    EXPECT_EQ(coverage.Unusable, 2);      // beyond 500 NM, and no position
    EXPECT_EQ(coverage.BandCounts[2], 2); // 563808000 and 3669702 lie 16-19 NM west
    EXPECT_EQ(coverage.BandCounts[4], 2);
    int sectors = 0;
    for (int sector = 0; sector < kCoverageSectors; ++sector)
        if (coverage.FarthestNm[sector] > 0)
            ++sectors;
    EXPECT_GE(sectors, 2);
    double farthest = *std::max_element(coverage.FarthestNm.begin(), coverage.FarthestNm.end());
    EXPECT_LE(farthest, coverage.RingStepNm * coverage.RingCount);
    EXPECT_GT(farthest, coverage.RingStepNm * (coverage.RingCount - 1));
}

TEST_F(Stations, EntryReusedForAnotherStationRestartsItsCounts) {
    Receive(kType1A);
    Receive(kType1A);
    TStationList& list = const_cast<TStationList&>(presenter.List());
    int32_t entry = decoder.Ais.Targets.LastIndex;
    ASSERT_EQ(list.Record(entry).ChannelA, 2);
    // The target table gives the entry to another MMSI.
    decoder.Ais.Targets.Targets[entry].Mmsi = 123456789;
    list.Feed(decoder.Ais, 'B', now, std::nullopt);
    EXPECT_EQ(list.Record(entry).Mmsi, 123456789);
    EXPECT_EQ(list.Record(entry).ChannelA, 0);
    EXPECT_EQ(list.Record(entry).ChannelB, 1);
    EXPECT_EQ(list.Entries().size(), 1u);
}

TEST_F(Stations, DetailsWalkEveryFieldOfEachMessage) {
    ReceiveAll();
    presenter.Tick();
    presenter.DetailsRequested(99); // out of range
    EXPECT_EQ(view.detailsShown, 0);
    presenter.FilterEdited("351759000");
    presenter.DetailsRequested(0);
    ASSERT_EQ(view.detailsShown, 1);
    EXPECT_EQ(view.detailsTitle, "MMSI 351759000 EVER DIADEM");
    auto field = [&](const char* name) {
        for (const TStationDetail& d : view.stationDetails)
            if (d.Field == name)
                return d;
        return TStationDetail{};
    };
    EXPECT_EQ(field("shipname").Value, "EVER DIADEM");
    EXPECT_EQ(field("shipname").Message, "Type 5: static and voyage data");
    EXPECT_EQ(field("callsign").Value, "3FOF8");
    EXPECT_EQ(field("draught").Value, "12.2 m");
    EXPECT_EQ(field("dimensions").Value,
              "to bow 225 m, to stern 70 m, to port 1 m, to starboard 31 m");
    presenter.FilterEdited("371798000");
    presenter.DetailsRequested(0);
    EXPECT_EQ(field("lon").Value.substr(0, 9), "-123.3953") << field("lon").Value;
    EXPECT_EQ(field("lat").Message, "Type 1: position report, Class A");
    EXPECT_TRUE(std::none_of(view.stationDetails.begin(), view.stationDetails.end(),
                             [](const TStationDetail& d) { return d.Field == "spare"; }));
}

TEST(StationCsv, FieldsQuotedWhereNeeded) {
    const struct {
        const char* text;
        const char* field;
    } cases[] = {
        {"PLAIN NAME", "PLAIN NAME"},
        {"SMITH, JONES", "\"SMITH, JONES\""},
        {"THE \"BIG\" ONE", "\"THE \"\"BIG\"\" ONE\""},
        {"TWO\nLINES", "\"TWO\nLINES\""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvField(c.text), c.field);
}

TEST_F(Stations, ExportWritesTheRowsAsShown) {
    Fix("3700.0000,N", "07600.0000,W");
    ReceiveAll();
    presenter.FilterEdited("5"); // 356302000, 563808000
    std::string path =
        (std::filesystem::temp_directory_path() /
         ("stations-export-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
          ".csv"))
            .string();
    view.saveFileAnswer = path;
    presenter.ExportClicked();
    ASSERT_EQ(view.saveRequests.size(), 1u);
    EXPECT_EQ(view.saveRequests[0].Filter, "CSV file (*.csv)|*.csv");
    std::stringstream content;
    {
        // Closed before the removal: Windows refuses to remove an open file.
        std::ifstream file(path, std::ios::binary);
        content << file.rdbuf();
    }
    std::filesystem::remove(path);
    std::string text = content.str();
    EXPECT_EQ(text.substr(0, text.find("\r\n")),
              "MMSI,Name,Class,Distance (NM),Bearing,Ch A,Ch B,Last heard,Call sign,Ship type,"
              "Status,Latitude,Longitude,SOG (kn),COG,Heading");
    EXPECT_NE(
        text.find("\r\n356302000,,Class A,288.88,43.8,0,1,0,,,Under way using engine,40.392357,"
                  "-71.626144,13.9,87.7,91\r\n"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\n563808000,"), std::string::npos);
    EXPECT_EQ(text.find("371798000"), std::string::npos);
    EXPECT_NE(view.messages.back().find("saved"), std::string::npos);
}

TEST_F(Stations, ExportFailureSaysWhyAndReportsNothingSaved) {
    ReceiveAll();
    view.saveFileAnswer =
        (std::filesystem::temp_directory_path() / "no-such-folder-for-stations" / "out.csv")
            .string();
    presenter.ExportClicked();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.messages[0].find("Cannot write file"), std::string::npos);
    EXPECT_NE(view.messages[0].find(NoSuchFolderErrorText()), std::string::npos)
        << view.messages[0];
    EXPECT_EQ(view.messages[0].find("saved"), std::string::npos);
}

} // namespace
