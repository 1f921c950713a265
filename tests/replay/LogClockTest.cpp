// Where the log's lines stand in time: by their own UTC times across midnight and dates,
// at the link's nominal pace without them, and over steps back and gaps.
#include "ReplayTestSupport.h"

#include "replay/LogClock.h"

#include <gtest/gtest.h>

namespace {

struct Placed {
    std::string line;
    uint64_t endOffset;
    double seconds;
};

TEST(LogClock, PlacesLinesByTheirMarks) {
    const std::string zdaBefore = Sentence("$GPZDA,235959.50,31,12,2024,00,00");
    const std::string zdaAfter = Sentence("$GPZDA,000000.50,01,01,2025,00,00");
    const std::string ais = "!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0*26";
    struct Case {
        const char* what;
        std::vector<Placed> lines;
    };
    const Case cases[] = {
        {"a second apart; the lines after a mark share its time",
         {{Rmc("120000.00"), 0, 0}, {kGsv, 0, 0}, {Gga("120001.00"), 0, 1}, {kGsv, 0, 1}}},
        {"fractions of a second", {{Gga("120000.25"), 0, 0}, {Gga("120000.75"), 0, 0.5}}},
        {"midnight without a date", {{Gga("235959"), 0, 0}, {Gga("000001"), 0, 2}}},
        {"midnight by the RMC's dates",
         {{Rmc("235959", "311224"), 0, 0}, {Rmc("000000", "010125"), 0, 1}}},
        {"the 29th of February of a leap year",
         {{Rmc("235959", "280224"), 0, 0}, {Rmc("000001", "290224"), 0, 2}}},
        {"a GGA past midnight between dated RMCs",
         {{Rmc("235959", "311224"), 0, 0}, {Gga("000000"), 0, 1}, {Rmc("000001", "010125"), 0, 2}}},
        {"midnight by the ZDA's dates", {{zdaBefore, 0, 0}, {zdaAfter, 0, 1}}},
        {"a step back does not turn the time back",
         {{Gga("120002"), 0, 0}, {Rmc("120001"), 0, 0}, {Gga("120003"), 0, 1}}},
        {"an hour's gap is not waited for",
         {{Rmc("120000"), 0, 0}, {Rmc("130000"), 0, 0}, {Rmc("130001"), 0, 1}}},
        {"a day's gap by the dates is not waited for",
         {{Rmc("120000", "101224"), 0, 0}, {Rmc("120000", "111224"), 0, 0}}},
        {"a wrong checksum is no mark",
         {{Rmc("120000"), 0, 0},
          {"$GPRMC,120005,A,2530.0000,N,12115.0000,W,12.5,84.4,101224,,,A*00", 0, 0},
          {Rmc("120001"), 0, 1}}},
        {"empty and impossible times are no marks",
         {{Gga("120000"), 0, 0},
          {Sentence("$GPRMC,,V,,,,,,,,,,N"), 0, 0},
          {Gga("246000"), 0, 0},
          {Gga("12000x"), 0, 0},
          {Gga("120001"), 0, 1}}},
        {"no times: the link's nominal pace",
         {{ais, 3840, 0}, {kGsv, 7680, 1}, {"junk", 9600, 2}, {"", 9602, 2.5}}},
        {"untimed lines, then marks from where they stand",
         {{ais, 3840, 0}, {Rmc("120000"), 7680, 1}, {kGsv, 9000, 1}, {Gga("120001"), 9100, 2}}},
    };
    for (const Case& c : cases) {
        TLogClock clock;
        for (const Placed& placed : c.lines)
            EXPECT_DOUBLE_EQ(clock.Place(placed.line, placed.endOffset), placed.seconds)
                << c.what << ": " << placed.line;
    }
}

TEST(LogClock, ReadsTheTimeAndDateOfEachKindOfMark) {
    struct Case {
        std::string line;
        double secondOfDay;
        std::optional<int64_t> day;
    };
    const Case cases[] = {
        {Rmc("081530.00", "270225"), 8 * 3600 + 15 * 60 + 30, 20146},
        {Rmc("081530", "270279"), 8 * 3600 + 15 * 60 + 30, 39869}, // 2079
        {Rmc("081530", "010180"), 8 * 3600 + 15 * 60 + 30, 3652},  // 1980
        {Rmc("081530", "310225"), 8 * 3600 + 15 * 60 + 30, std::nullopt},
        {Gga("000000"), 0, std::nullopt},
        {Sentence("$GNZDA,235960.00,10,12,2024,,"), 86400, 20067},
        {Sentence("$INGGA,120000,,,,,0,00,,,M,,M,,"), 43200, std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<TTimeMark> mark = ReadTimeMark(c.line);
        ASSERT_TRUE(mark) << c.line;
        EXPECT_DOUBLE_EQ(mark->SecondOfDay, c.secondOfDay) << c.line;
        EXPECT_EQ(mark->Day, c.day) << c.line;
    }
    for (std::string line :
         {Sentence("$GPGLL,2530.0000,N,12115.0000,W,120000,A"), std::string("GPRMC,120000,A"),
          Sentence("$GPGGA,1200"), Sentence("$GPGGA,120000.x"), Sentence("$GPGGA,-12000")})
        EXPECT_FALSE(ReadTimeMark(line)) << line;
}

} // namespace
