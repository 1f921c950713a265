// The merge of GNSS sentences into NavigationState and its validity flags.
#include "SentenceHelpers.h"

#include "nmea/SentenceDecoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <new>
#include <string>

namespace {

const std::string kValidGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";
const std::string kValidRmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A";

// A decoder's records start with nothing valid even in memory that an earlier object
// left behind: a window made after another showed the GPS as "Fixed" before any sentence.
TEST(NavigationState, NewDecoderStateKnowsNothingWhateverItsMemoryHeld) {
    auto memory = std::make_unique<unsigned char[]>(sizeof(DecoderState));
    std::memset(memory.get(), 0x01, sizeof(DecoderState));
    auto* state = ::new (memory.get()) DecoderState;
    const NavigationState& nav = state->Navigation;
    EXPECT_FALSE(nav.PositionValid);
    EXPECT_FALSE(nav.TimeValid);
    EXPECT_FALSE(nav.CourseValid);
    EXPECT_FALSE(nav.FaultDataValid);
    EXPECT_FALSE(nav.FixReported);
    EXPECT_EQ(nav.SatellitesInView, 0);
    EXPECT_EQ(state->Sentence.Formatter[0], '\0');
    state->~DecoderState();
}

TEST(MergeRmc, AValidFixSetsTimeAndPositionValid) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Decode(kValidRmc));
    const NavigationState& nav = decoder.navigation;
    EXPECT_TRUE(nav.TimeValid);
    EXPECT_TRUE(nav.PositionValid);
    EXPECT_TRUE(nav.CourseValid);
    EXPECT_EQ(nav.Date.Year, 2094);
    EXPECT_EQ(nav.Date.Month, 3);
    EXPECT_EQ(nav.Date.Day, 23);
    EXPECT_EQ(nav.Utc.Hour, 12);
    EXPECT_EQ(nav.Position.Latitude, 48.117302f);
    EXPECT_EQ(nav.SpeedKnots, 22.4f);
    EXPECT_EQ(nav.CourseTrue, 84.4f);
    EXPECT_EQ(nav.Status, 'A');
    EXPECT_EQ(nav.ModeIndicator, 'A');
    EXPECT_EQ(nav.ConstellationCode, 1);
}

TEST(MergeRmc, AWarningStillOverwritesButDoesNotJudgeTheTime) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Decode("$GPRMC,101010,V,1000.000,S,02000.000,W,1.0,,010120,,,N"));
    const NavigationState& nav = decoder.navigation;
    EXPECT_FALSE(nav.PositionValid);
    EXPECT_FALSE(nav.TimeValid);
    EXPECT_FALSE(nav.CourseValid);
    EXPECT_EQ(nav.CourseTrue, kEmptyReal);
    EXPECT_EQ(nav.Utc.Hour, 10);
    EXPECT_EQ(nav.Date.Year, 2020);
    EXPECT_EQ(nav.Position.Latitude, -10.0f);
    EXPECT_EQ(nav.SpeedKnots, 1.0f);
}

TEST(MergeRmc, CourseIsValidFromZeroTo360) {
    struct {
        const char* course;
        bool valid;
    } cases[] = {{"0", true}, {"360", true}, {"360.1", false}, {"-0.1", false}, {"", false}};
    for (const auto& c : cases) {
        TestDecoder decoder;
        ASSERT_TRUE(decoder.Decode(std::string("$GPRMC,123519,A,4807.038,N,01131.000,E,1.0,") +
                                   c.course + ",230394,,,A"));
        EXPECT_EQ(decoder.navigation.CourseValid, c.valid) << c.course;
    }
}

TEST(MergeGga, QualityDecidesThePositionAndTheTimeIsJudgedRegardless) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Decode(kValidGga));
    EXPECT_TRUE(decoder.navigation.PositionValid);
    decoder.navigation.FixReported = false;
    ASSERT_TRUE(decoder.Decode("$GPGGA,123520,,,,,0,00,,,M,,M,,"));
    const NavigationState& nav = decoder.navigation;
    EXPECT_FALSE(nav.PositionValid);
    EXPECT_TRUE(nav.FixReported);
    EXPECT_TRUE(nav.TimeValid);
    EXPECT_EQ(nav.Position.Latitude, 91.0f);
    EXPECT_EQ(nav.SatellitesUsed, 0);
    EXPECT_EQ(nav.FixQuality, 0);
    for (const char* quality : {"1", "2", "3"}) {
        ASSERT_TRUE(decoder.Decode(std::string("$GPGGA,123520,,,,,") + quality + ",00,,,M,,M,,"));
        EXPECT_TRUE(decoder.navigation.PositionValid) << quality;
    }
    ASSERT_TRUE(decoder.Decode("$GPGGA,123520,,,,,4,00,,,M,,M,,"));
    EXPECT_FALSE(decoder.navigation.PositionValid);
}

TEST(MergeGga, AnEmptyTimeDoesNotSetTimeValid) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Decode("$GPGGA,,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));
    EXPECT_FALSE(decoder.navigation.TimeValid);
    EXPECT_TRUE(decoder.navigation.PositionValid);
}

TEST(MergeGbs, AnEmptyTimeOverwritesUtcWhileTimeValidStays) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Decode(kValidRmc));
    ASSERT_TRUE(decoder.Decode("$GPGBS,,-0.031,-0.186,0.219,19,0.000,-0.354,6.972"));
    const NavigationState& nav = decoder.navigation;
    EXPECT_EQ(nav.Utc.Hour, 24);
    EXPECT_EQ(nav.Utc.Minute, 60);
    EXPECT_TRUE(nav.TimeValid);
    EXPECT_TRUE(nav.FaultDataValid);
    EXPECT_EQ(nav.FaultErrorLat, -0.031f);
    EXPECT_EQ(nav.FaultSatellite, 19);
    EXPECT_EQ(nav.FaultBiasDeviation, 6.972f);
}

TEST(MergeGbs, FaultDataNeedsAllThreeErrors) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Decode("$GPGBS,015509.00,-0.031,,0.219,,,,"));
    EXPECT_FALSE(decoder.navigation.FaultDataValid);
}

TEST(MergeGsa, CountsTheSlotsThatHoldAPrn) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Decode("$GPGSA,A,3,05,12,18,,,,,,,,,,1.8,1.0,1.5"));
    const NavigationState& nav = decoder.navigation;
    EXPECT_EQ(nav.SatellitesUsed, 3);
    const int8_t prns[12] = {5, 12, 18, -128, -128, -128, -128, -128, -128, -128, -128, -128};
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(nav.UsedPrns[k], prns[k]);
    EXPECT_EQ(nav.FixMode, 3);
    EXPECT_EQ(nav.SelectionMode, 'A');
    EXPECT_EQ(nav.Pdop, 1.8f);
    EXPECT_EQ(nav.Hdop, 1.0f);
    EXPECT_EQ(nav.Vdop, 1.5f);
}

TEST(MergeGsa, APrnOfZeroIsNoSatelliteInUse) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Decode("$GPGSA,A,3,00,05,00,,,,,,,,,,1.8,1.0,1.5"));
    EXPECT_EQ(decoder.navigation.SatellitesUsed, 1);
    EXPECT_EQ(decoder.navigation.UsedPrns[0], 0);
}

TEST(MergeGsv, KeepsTheEntriesAShorterSentenceDoesNotCarry) {
    TestDecoder decoder;
    ASSERT_TRUE(
        decoder.Decode("$GPGSV,2,1,07,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45"));
    ASSERT_TRUE(decoder.Decode("$GPGSV,2,2,07,03,10,100,30,04,11,110,31,05,12,120,32"));
    const NavigationState& nav = decoder.navigation;
    EXPECT_EQ(nav.GsvBlockCount, 3);
    EXPECT_EQ(nav.GsvSentenceCount, 2);
    EXPECT_EQ(nav.GsvSentenceNumber, 2);
    EXPECT_EQ(nav.SatellitesInView, 7);
    EXPECT_EQ(nav.GsvPrn[0], 3);
    EXPECT_EQ(nav.GsvSnr[2], 32);
    EXPECT_EQ(nav.GsvPrn[3], 14);
    EXPECT_EQ(nav.GsvElevation[3], 22);
    EXPECT_EQ(nav.GsvAzimuth[3], 228);
    EXPECT_EQ(nav.GsvSnr[3], 45);
}

TEST(MergeZda, SetsTimeAndDateAndJudgesThem) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Decode("$GPZDA,201530.00,,,,,"));
    EXPECT_EQ(decoder.navigation.Date.Year, -1);
    EXPECT_FALSE(decoder.navigation.TimeValid);
    ASSERT_TRUE(decoder.Decode("$GPZDA,201530.00,04,07,2002,00,00"));
    EXPECT_TRUE(decoder.navigation.TimeValid);
    EXPECT_EQ(decoder.navigation.Date.Day, 4);
    EXPECT_EQ(decoder.navigation.Utc.Hour, 20);
}

TEST(MergeGll, FollowsItsStatusAndLeavesTimeValid) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Decode("$GPGLL,4916.45,N,12311.12,W,225444,A,A"));
    EXPECT_TRUE(decoder.navigation.PositionValid);
    EXPECT_FALSE(decoder.navigation.TimeValid);
    EXPECT_EQ(decoder.navigation.Utc.Hour, 22);
    ASSERT_TRUE(decoder.Decode("$GPGLL,4916.45,N,12311.12,W,225445,V,N"));
    EXPECT_FALSE(decoder.navigation.PositionValid);
    EXPECT_EQ(decoder.navigation.ModeIndicator, 'N');
}

TEST(MergeVtg, WritesCourseAndSpeedWithoutFlags) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Decode(kValidRmc));
    ASSERT_TRUE(decoder.Decode("$GPVTG,,T,034.4,M,005.5,N,010.2,K,D"));
    const NavigationState& nav = decoder.navigation;
    EXPECT_EQ(nav.CourseTrue, kEmptyReal);
    EXPECT_EQ(nav.CourseMagnetic, 34.4f);
    EXPECT_EQ(nav.SpeedKnots, 5.5f);
    EXPECT_EQ(nav.SpeedKmh, 10.2f);
    EXPECT_EQ(nav.ModeIndicator, 'D');
    EXPECT_TRUE(nav.CourseValid);
}

// TimeValid and FaultDataValid are only ever set: a later sentence that does not set
// them leaves them set.
TEST(MergeSentence, TimeAndFaultDataValidAreNeverCleared) {
    const struct {
        const char* what;
        std::string setting, following;
        bool NavigationState::*flag;
    } cases[] = {
        {"ZDA after ZDA", "$GPZDA,201530.00,04,07,2002,00,00", "$GPZDA,,,,,,",
         &NavigationState::TimeValid},
        {"ZDA of year 0", "$GPZDA,201530.00,04,07,2002,00,00", "$GPZDA,201531.00,04,07,0000,00,00",
         &NavigationState::TimeValid},
        {"GGA after GGA", kValidGga, "$GPGGA,,,,,,0,00,,,M,,M,,", &NavigationState::TimeValid},
        {"RMC after RMC", kValidRmc, "$GPRMC,,V,,,,,,,,,,N", &NavigationState::TimeValid},
        {"GBS after GBS", "$GPGBS,015509.00,-0.031,-0.186,0.219,19,0.000,-0.354,6.972",
         "$GPGBS,015510.00,,,,,,,", &NavigationState::FaultDataValid},
    };
    for (const auto& c : cases) {
        TestDecoder decoder;
        ASSERT_TRUE(decoder.Decode(c.setting)) << c.what;
        ASSERT_TRUE(decoder.navigation.*c.flag) << c.what;
        ASSERT_TRUE(decoder.Decode(c.following)) << c.what;
        EXPECT_TRUE(decoder.navigation.*c.flag) << c.what;
    }
}

TEST(MergeSentence, AllTalkersShareOneRecord) {
    TestDecoder decoder;
    const struct {
        std::string body;
        int8_t code;
    } sequence[] = {
        {kValidGga, 1},
        {"$GLGSV,1,1,01,70,31,108,42", 2},
        {"$GNGGA,123520,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", 3},
        {"$LCGLL,4916.45,N,12311.12,W,225444,A,A", 4},
        {"$INZDA,201530.00,04,07,2002,00,00", 6},
        {"$BDGSA,A,3,05,,,,,,,,,,,,1.8,1.0,1.5", 0},
    };
    for (const auto& s : sequence) {
        ASSERT_TRUE(decoder.Decode(s.body)) << s.body;
        EXPECT_EQ(decoder.navigation.ConstellationCode, s.code) << s.body;
    }
    EXPECT_EQ(decoder.navigation.GsvPrn[0], 70);
    EXPECT_EQ(decoder.navigation.Utc.Hour, 20);
    EXPECT_EQ(decoder.navigation.SatellitesUsed, 1);
}

} // namespace
