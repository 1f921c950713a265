// Parsers of the navigation sentences: field counts, markers for empty fields, and the
// clamping and rejecting rules.
#include "SentenceHelpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct AcceptCase {
    const char* what;
    std::string body; // without checksum
    bool accepted;
};

TEST(NavigationParsers, AcceptExactlyTheirFieldCountsAndValueRanges) {
    const AcceptCase cases[] = {
        {"GGA, 14 fields", "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", true},
        {"GGA, 13 fields", "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,", false},
        {"GGA, 15 fields", "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,,",
         false},
        {"GLL, 7 fields", "$GPGLL,4916.45,N,12311.12,W,225444,A,A", true},
        {"GLL, 6 fields", "$GPGLL,4916.45,N,12311.12,W,225444,A", false},
        {"GSA, 17 fields", "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1", true},
        {"GSA with a system identifier", "$GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1,1", false},
        {"GSV, one block", "$GPGSV,3,3,09,29,31,108,42", true},
        {"GSV, four blocks", "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45",
         true},
        {"GSV with a signal identifier", "$GPGSV,3,3,09,29,31,108,42,1", false},
        {"GSV, total empty", "$GPGSV,,1,09,29,31,108,42", true},
        {"GSV, total 10", "$GPGSV,10,1,09,29,31,108,42", false},
        {"GSV, sentence number 10", "$GPGSV,1,10,09,29,31,108,42", false},
        {"GSV, elevation 91", "$GPGSV,1,1,01,29,91,108,42", false},
        {"GSV, azimuth 360", "$GPGSV,1,1,01,29,31,360,42", false},
        {"GSV, SNR 100", "$GPGSV,1,1,01,29,31,108,100", false},
        {"GSV, empty elevation, azimuth and SNR", "$GPGSV,1,1,01,29,,,", true},
        {"RMC, 13 fields", "$GNRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A,S",
         true},
        {"RMC, 12 fields", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,D",
         true},
        {"RMC, 11 fields", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W",
         true},
        {"RMC, 10 fields", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1",
         false},
        {"RMC, 14 fields", "$GNRMC,123519,A,4807.038,N,01131.000,E,22.4,84.4,230394,3.1,W,A,S,X",
         false},
        {"VTG, 9 fields", "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A", true},
        {"VTG, empty units", "$GPVTG,054.7,,034.4,,005.5,,010.2,,A", true},
        {"VTG, unit TT", "$GPVTG,054.7,TT,034.4,M,005.5,N,010.2,K,A", false},
        {"ZDA, 6 fields", "$GPZDA,201530.00,04,07,2002,00,00", true},
        {"ZDA, empty zone", "$GPZDA,201530.00,04,07,2002,,", true},
        {"ZDA, day 0", "$GPZDA,201530.00,00,07,2002,00,00", false},
        {"ZDA, month 13", "$GPZDA,201530.00,04,13,2002,00,00", false},
        {"ZDA, zone hours -14", "$GPZDA,201530.00,04,07,2002,-14,00", false},
        {"ZDA, zone minutes 60", "$GPZDA,201530.00,04,07,2002,00,60", false},
        {"GBS, 8 fields", "$GPGBS,015509.00,-0.031,-0.186,0.219,19,0.000,-0.354,6.972", true},
        {"GNS, 12 fields", "$GNGNS,014035.00,4332.69262,S,17235.48549,E,RR,13,0.9,25.63,11.24,,",
         true},
        {"GNS, HDOP 120.5", "$GNGNS,014035.00,4332.69262,S,17235.48549,E,RR,13,120.5,25.63,,,",
         false},
        {"GNS, HDOP 99.9", "$GNGNS,014035.00,4332.69262,S,17235.48549,E,RR,13,99.9,25.63,,,", true},
        {"GNS, HDOP -0.1", "$GNGNS,014035.00,4332.69262,S,17235.48549,E,RR,13,-0.1,25.63,,,",
         false},
        {"VBW, 6 fields", "$VMVBW,12.3,0.07,A,11.78,0.12,A", true},
        {"ROT, 2 fields", "$HEROT,-3.5,A", true},
        {"HDT, 2 fields", "$HEHDT,274.07,T", true},
        {"GRS, 14 fields", "$GPGRS,024603.00,1,-1.8,-2.7,0.3,,,,,,,,,", true},
        {"GST, 8 fields", "$GPGST,024603.00,3.2,6.6,4.7,47.3,5.8,5.6,22.0", true},
        {"DTM, 8 fields", "$GPDTM,W84,,0.0,N,0.0,E,0.0,W84", true},
        {"OSD, 9 fields", "$INOSD,85.0,A,86.0,P,12.5,P,0.2,0.3,N", true},
        {"RMA, 11 fields", "$LCRMA,A,4916.45,N,12311.12,W,,,,,,", true},
        {"RMA, 5 fields", "$LCRMA,A,4916.45,N,12311.12,W", false},
        {"WPL, 5 fields", "$GPWPL,4917.16,N,12310.64,W,003", true},
    };
    for (const AcceptCase& c : cases) {
        TestDecoder decoder;
        EXPECT_EQ(decoder.Parse(c.body), c.accepted) << c.what;
        EXPECT_EQ(decoder.result, c.accepted ? drDecoded : drFields) << c.what;
    }
}

TEST(GgaParser, StoresEveryFieldInSinglePrecision) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));
    const GgaFields& gga = decoder.sentence.Gga;
    EXPECT_EQ(gga.Utc.Hour, 12);
    EXPECT_EQ(gga.Utc.Minute, 35);
    EXPECT_EQ(gga.Utc.Second, 19);
    EXPECT_EQ(gga.Utc.Hundredths, 0);
    EXPECT_EQ(gga.Position.Latitude, 48.117302f);
    EXPECT_EQ(gga.Position.Longitude, 11.516666f);
    EXPECT_EQ(gga.Quality, 1);
    EXPECT_EQ(gga.SatellitesUsed, 8);
    EXPECT_EQ(gga.Hdop, 0.9f);
    EXPECT_EQ(gga.Altitude, 545.4f);
    EXPECT_EQ(gga.AltitudeUnit, 'M');
    EXPECT_EQ(gga.GeoidalSeparation, 46.9f);
    EXPECT_EQ(gga.SeparationUnit, 'M');
    EXPECT_EQ(gga.DifferentialAge, kEmptyReal);
    EXPECT_EQ(gga.DifferentialStation, kEmptyInt16);
}

struct GgaRuleCase {
    const char* satellites;
    const char* hdop;
    const char* station;
    int storedSatellites;
    float storedHdop;
    int storedStation;
};

TEST(GgaParser, ClampsOutOfRangeValuesButNeverTheMarkers) {
    const GgaRuleCase cases[] = {
        {"14", "120.5", "2000", 0, 99.9f, 1023}, {"-1", "-0.1", "-5", 0, 99.9f, 1023},
        {"12", "99.9", "1023", 12, 99.9f, 1023}, {"0", "0", "0", 0, 0.0f, 0},
        {"", "", "", -128, kEmptyReal, -1},      {"300", "1e39", "66536", 0, 99.9f, 1000},
    };
    for (const GgaRuleCase& c : cases) {
        TestDecoder decoder;
        std::string body = std::string("$GPGGA,123519,4807.038,N,01131.000,E,1,") + c.satellites +
                           "," + c.hdop + ",545.4,M,46.9,M,," + c.station;
        ASSERT_TRUE(decoder.Parse(body)) << body;
        EXPECT_EQ(decoder.sentence.Gga.SatellitesUsed, c.storedSatellites) << body;
        EXPECT_EQ(decoder.sentence.Gga.Hdop, c.storedHdop) << body;
        EXPECT_EQ(decoder.sentence.Gga.DifferentialStation, c.storedStation) << body;
    }
}

TEST(GgaParser, EmptyPositionAndTimeStoreTheirMarkers) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("$GPGGA,,,,,,0,,,,,,,,"));
    const GgaFields& gga = decoder.sentence.Gga;
    EXPECT_EQ(gga.Utc.Hour, 24);
    EXPECT_EQ(gga.Utc.Minute, 60);
    EXPECT_EQ(gga.Utc.Second, 60);
    EXPECT_EQ(gga.Position.Latitude, 91.0f);
    EXPECT_EQ(gga.Position.Longitude, 181.0f);
    EXPECT_EQ(gga.Quality, 0);
    EXPECT_EQ(gga.AltitudeUnit, ' ');
}

TEST(GsaParser, KeepsTheTwelveSlotsInOrder) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,"));
    const GsaFields& gsa = decoder.sentence.Gsa;
    EXPECT_EQ(gsa.SelectionMode, 'A');
    EXPECT_EQ(gsa.FixMode, 3);
    const int8_t prns[12] = {4, 5, -128, 9, 12, -128, -128, 24, -128, -128, -128, -128};
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(gsa.Prn[k], prns[k]) << k;
    EXPECT_EQ(gsa.Pdop, 2.5f);
    EXPECT_EQ(gsa.Hdop, 1.3f);
    EXPECT_EQ(gsa.Vdop, kEmptyReal);
}

TEST(GsvParser, BlocksTheSentenceDoesNotCarryReadAsEmpty) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45"));
    ASSERT_TRUE(decoder.Parse("$GPGSV,2,2,08,03,10,100,,04,,,30"));
    const GsvFields& gsv = decoder.sentence.Gsv;
    EXPECT_EQ(gsv.SentenceCount, 2);
    EXPECT_EQ(gsv.SentenceNumber, 2);
    EXPECT_EQ(gsv.SatellitesInView, 8);
    EXPECT_EQ(gsv.BlockCount, 2);
    EXPECT_EQ(gsv.Prn[0], 3);
    EXPECT_EQ(gsv.Elevation[0], 10);
    EXPECT_EQ(gsv.Azimuth[0], 100);
    EXPECT_EQ(gsv.Snr[0], -128);
    EXPECT_EQ(gsv.Prn[1], 4);
    EXPECT_EQ(gsv.Elevation[1], -128);
    EXPECT_EQ(gsv.Azimuth[1], -1);
    EXPECT_EQ(gsv.Snr[1], 30);
    for (int k = 2; k < 4; ++k) {
        EXPECT_EQ(gsv.Prn[k], -128);
        EXPECT_EQ(gsv.Elevation[k], -128);
        EXPECT_EQ(gsv.Azimuth[k], -1);
        EXPECT_EQ(gsv.Snr[k], -128);
    }
}

TEST(GsvParser, ABadValueRejectsAfterTheEarlierBlocksAreStored) {
    TestDecoder decoder;
    EXPECT_FALSE(decoder.Parse("$GPGSV,1,1,02,01,40,083,46,02,17,360,41"));
    EXPECT_EQ(decoder.sentence.Gsv.Prn[0], 1);
    EXPECT_EQ(decoder.sentence.Gsv.Snr[0], 46);
    EXPECT_EQ(decoder.sentence.Gsv.Prn[1], 2);
    EXPECT_EQ(decoder.sentence.Gsv.Azimuth[1], -1);
}

TEST(GsvParser, PresetsTheRecordEvenWhenTheFieldCountRejects) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("$GPGSV,1,1,01,29,31,108,42"));
    EXPECT_FALSE(decoder.Parse("$GPGSV,1,1,01,29,31,108,42,1"));
    EXPECT_EQ(decoder.sentence.Gsv.Prn[0], -128);
    EXPECT_EQ(decoder.sentence.Gsv.Azimuth[0], -1);
    EXPECT_EQ(decoder.sentence.Gsv.SentenceCount, -128);
}

TEST(RmcParser, TheLayoutFollowsTheFieldCount) {
    struct {
        std::string body;
        char mode;
        char navigationalStatus;
    } cases[] = {
        {"$GNRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,D,S", 'D', 'S'},
        {"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,N", 'N', 'S'},
        {"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W", 'A', 'S'},
    };
    TestDecoder decoder;
    for (const auto& c : cases) {
        ASSERT_TRUE(decoder.Parse(c.body)) << c.body;
        EXPECT_EQ(decoder.sentence.Rmc.ModeIndicator, c.mode) << c.body;
        // The shorter layouts leave the navigational status as it was.
        EXPECT_EQ(decoder.sentence.Rmc.NavigationalStatus, c.navigationalStatus) << c.body;
    }
    const RmcFields& rmc = decoder.sentence.Rmc;
    EXPECT_EQ(rmc.Status, 'A');
    EXPECT_EQ(rmc.SpeedKnots, 22.4f);
    EXPECT_EQ(rmc.CourseTrue, 84.4f);
    EXPECT_EQ(rmc.Date.Year, 2094);
    EXPECT_EQ(rmc.Date.Month, 3);
    EXPECT_EQ(rmc.Date.Day, 23);
    EXPECT_EQ(rmc.MagneticVariation, 3.1f);
    EXPECT_EQ(rmc.VariationDirection, 'W');
}

TEST(RmcParser, EmptyFieldsStoreTheirMarkers) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("$GPRMC,,V,,,,,,,,,,N"));
    const RmcFields& rmc = decoder.sentence.Rmc;
    EXPECT_EQ(rmc.Utc.Hour, 24);
    EXPECT_EQ(rmc.Status, 'V');
    EXPECT_EQ(rmc.SpeedKnots, kEmptyReal);
    EXPECT_EQ(rmc.CourseTrue, kEmptyReal);
    EXPECT_EQ(rmc.Date.Year, 0);
    EXPECT_EQ(rmc.MagneticVariation, kEmptyReal);
    EXPECT_EQ(rmc.VariationDirection, kEmptyChar);
}

TEST(VtgParser, StoresCoursesAndSpeeds) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("$GPVTG,054.7,T,,M,005.5,N,010.2,K,A"));
    const VtgFields& vtg = decoder.sentence.Vtg;
    EXPECT_EQ(vtg.CourseTrue, 54.7f);
    EXPECT_EQ(vtg.CourseMagnetic, kEmptyReal);
    EXPECT_EQ(vtg.SpeedKnots, 5.5f);
    EXPECT_EQ(vtg.SpeedKmh, 10.2f);
    EXPECT_EQ(vtg.KmhUnit, 'K');
    EXPECT_EQ(vtg.ModeIndicator, 'A');
}

TEST(ZdaParser, KeepsTheDateInUtcDateOrder) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("$GPZDA,201530.00,04,07,2002,-03,30"));
    const ZdaFields& zda = decoder.sentence.Zda;
    EXPECT_EQ(zda.Date.Year, 2002);
    EXPECT_EQ(zda.Date.Month, 7);
    EXPECT_EQ(zda.Date.Day, 4);
    EXPECT_EQ(zda.ZoneHours, -3);
    EXPECT_EQ(zda.ZoneMinutes, 30);
    ASSERT_TRUE(decoder.Parse("$GPZDA,201530.00,,,,,"));
    EXPECT_EQ(zda.Date.Year, -1);
    EXPECT_EQ(zda.Date.Month, -128);
    EXPECT_EQ(zda.Date.Day, -128);
}

TEST(OtherNavigationParsers, StoreTheirMarkersAndTexts) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("$GPGBS,015509.00,,,,,,,"));
    EXPECT_EQ(decoder.sentence.Gbs.FailedSatellite, 255);
    EXPECT_EQ(decoder.sentence.Gbs.ErrorLatitude, kEmptyReal);

    ASSERT_TRUE(decoder.Parse("$GNGNS,014035.00,4332.69262,S,17235.48549,E,AAN,13,,,,,"));
    EXPECT_STREQ(decoder.sentence.Gns.ModeIndicator, "AA");
    EXPECT_STREQ(decoder.sentence.Gns.SatellitesUsed, "13");
    EXPECT_EQ(decoder.sentence.Gns.Hdop, kEmptyReal);
    EXPECT_EQ(decoder.sentence.Gns.Position.Latitude, -43.544872f);

    ASSERT_TRUE(decoder.Parse("$HEHDT,,T"));
    EXPECT_EQ(decoder.sentence.Hdt.Heading, 511.0f);

    ASSERT_TRUE(decoder.Parse("$HEROT,,A"));
    EXPECT_EQ(decoder.sentence.Rot.RateOfTurn, kEmptyReal);

    ASSERT_TRUE(decoder.Parse("$VMVBW,,0.07,A,11.78,0.12,"));
    EXPECT_EQ(decoder.sentence.Vbw.WaterSpeedLongitudinal, 0.0f);
    EXPECT_EQ(decoder.sentence.Vbw.GroundSpeedStatus, ' ');

    ASSERT_TRUE(decoder.Parse("$GPGRS,024603.00,1,-1.8,-2.7,0.3,,,,,,,,,"));
    EXPECT_EQ(decoder.sentence.Grs.Residual[0], -1.8f);
    EXPECT_EQ(decoder.sentence.Grs.Residual[3], kEmptyReal);

    ASSERT_TRUE(decoder.Parse("$GPDTM,W84X,A,0.5,S,,E,,W84"));
    EXPECT_STREQ(decoder.sentence.Dtm.LocalDatum, "W84");
    EXPECT_EQ(decoder.sentence.Dtm.LocalDatumSubdivision, 'A');
    EXPECT_EQ(decoder.sentence.Dtm.Offset.Latitude, -0.008333334f);
    EXPECT_EQ(decoder.sentence.Dtm.Offset.Longitude, 181.0f);
    EXPECT_EQ(decoder.sentence.Dtm.AltitudeOffset, 0.0f);

    ASSERT_TRUE(decoder.Parse("$LCRMA,V,4916.45,N,12311.12,W,1,2,3,4,5,6"));
    EXPECT_EQ(decoder.sentence.Rma.Status, 'V');
    EXPECT_EQ(decoder.sentence.Rma.Position.Longitude, -123.18533f);

    ASSERT_TRUE(decoder.Parse("$GPWPL,4917.16,N,12310.64,W,003"));
    EXPECT_STREQ(decoder.sentence.Wpl.Identifier, "003");

    ASSERT_TRUE(decoder.Parse("$GPGST,024603.00,3.2,,4.7,47.3,5.8,5.6,22.0"));
    EXPECT_EQ(decoder.sentence.Gst.SemiMajorDeviation, kEmptyReal);
    EXPECT_EQ(decoder.sentence.Gst.AltitudeDeviation, 22.0f);

    ASSERT_TRUE(decoder.Parse("$INOSD,85.0,A,86.0,P,12.5,P,0.2,0.3,N"));
    EXPECT_EQ(decoder.sentence.Osd.Drift, 0.3f);
    EXPECT_EQ(decoder.sentence.Osd.SpeedUnits, 'N');
}

} // namespace
