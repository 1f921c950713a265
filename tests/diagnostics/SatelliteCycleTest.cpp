// The satellites of a reporting cycle and the page's handling of decoded lines.
#include "diagnostics/GpsStatusPage.h"
#include "nmea/Checksum.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The GPS STATUS page over its own decoder records, fed with sentence bodies.
struct PageFixture {
    std::unique_ptr<DecoderState> decoder = std::make_unique<DecoderState>();
    TGpsStatusPage page{*decoder};
    int refreshes = 0;
    std::optional<SatelliteEpoch> lastCycle;

    TGpsPageUpdate Line(const std::string& line) {
        TGpsPageUpdate update = page.HandleGpsLine(line);
        if (update.CompletedCycle) {
            ++refreshes;
            lastCycle = update.CompletedCycle;
        }
        return update;
    }
    // `body` completed with "*", its checksum and CR LF.
    TGpsPageUpdate Sentence(std::string body) {
        AppendChecksum(body);
        return Line(body);
    }
};

const char kRmc[] = "$GPRMC,081530.00,A,2530.0000,N,12115.0000,W,12.5,84.4,270225,,,A";
const char kGga[] = "$GPGGA,081530.00,2530.0000,N,12115.0000,W,1,08,0.9,10.0,M,20.0,M,,";
const char kVtg[] = "$GPVTG,84.4,T,,M,12.5,N,23.2,K,A";

// One GSV sentence with the given (PRN, elevation, azimuth, SNR) entries.
std::string Gsv(int number, int count, int inView, const std::vector<std::string>& entries,
                const char* talker = "GP") {
    std::string body = std::string("$") + talker + "GSV," + std::to_string(count) + "," +
                       std::to_string(number) + "," + std::to_string(inView);
    for (const std::string& entry : entries)
        body += "," + entry;
    return body;
}

std::string Entry(int prn, int snr) {
    return std::to_string(prn) + ",45,090," + std::to_string(snr);
}

TEST(SatelliteCycle, SecondRmcCompletesTheCycleOnce) {
    PageFixture f;
    f.Sentence(kRmc);
    f.Sentence(kGga);
    EXPECT_EQ(f.refreshes, 0);
    f.Sentence(kRmc);
    EXPECT_EQ(f.refreshes, 1);
    f.Sentence(kGga);
    EXPECT_EQ(f.refreshes, 1) << "the new cycle saw only the RMC so far";
    EXPECT_EQ(f.page.CurrentCycle().SentenceSeen, csGga)
        << "the completing RMC does not count in the new cycle";
}

TEST(SatelliteCycle, EveryMarkingSentenceCompletesInTurn) {
    PageFixture f;
    // A receiver that sends RMC, VTG, GGA each second.
    const char* second[] = {kRmc, kVtg, kGga};
    std::vector<int> refreshAfter;
    for (int round = 0; round < 3; ++round)
        for (const char* s : second) {
            f.Sentence(s);
            refreshAfter.push_back(f.refreshes);
        }
    // The second RMC completes the first cycle, the following VTG the next one, then GGA.
    EXPECT_EQ(refreshAfter, (std::vector<int>{0, 0, 0, 1, 1, 1, 1, 2, 2}));
    f.Sentence(kRmc);
    f.Sentence(kVtg);
    f.Sentence(kGga);
    EXPECT_EQ(f.refreshes, 3);
}

TEST(SatelliteCycle, CollectsSatellitesInViewAndInUse) {
    PageFixture f;
    f.Sentence(kRmc);
    f.Sentence("$GPGSA,A,3,05,,12,,,,,,,,,,1.5,0.9,1.2");
    f.Sentence(Gsv(1, 2, 5, {Entry(5, 40), Entry(12, 35), "24,10,200,", Entry(30, 20)}));
    f.Sentence(Gsv(2, 2, 5, {Entry(24, 28), Entry(5, 11)}));
    f.Sentence(kRmc);
    ASSERT_TRUE(f.lastCycle);
    const SatelliteEpoch& epoch = *f.lastCycle;

    ASSERT_EQ(epoch.InUseCount, 2) << "a PRN after an empty field counts too";
    EXPECT_EQ(epoch.InUsePrn[0], 5);
    EXPECT_EQ(epoch.InUsePrn[1], 12);
    ASSERT_EQ(epoch.InViewCount, 4);
    const int prns[] = {5, 12, 30, 24};
    const int snrs[] = {40, 35, 20, 28};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(epoch.InViewPrn[i], prns[i]) << i;
        EXPECT_EQ(epoch.InViewSnr[i], snrs[i]) << "a satellite keeps its first values, " << i;
    }
    EXPECT_EQ(epoch.InViewElevation[0], 45);
    EXPECT_EQ(epoch.InViewAzimuth[0], 90);
    EXPECT_EQ(f.page.CurrentCycle().InViewCount, 0) << "the next cycle starts empty";
}

// A PRN field of 0 names no satellite: it is not in use, so a satellite in view with
// PRN 0 is drawn blue.
TEST(SatelliteCycle, APrnOfZeroIsNotInUse) {
    PageFixture f;
    f.Sentence(kRmc);
    f.Sentence("$GPGSA,A,3,00,05,,,,,,,,,,,1.5,0.9,1.2");
    f.Sentence(Gsv(1, 1, 2, {Entry(0, 30), Entry(5, 40)}));
    f.Sentence(kRmc);
    ASSERT_TRUE(f.lastCycle);
    ASSERT_EQ(f.lastCycle->InUseCount, 1);
    EXPECT_EQ(f.lastCycle->InUsePrn[0], 5);
    EXPECT_FALSE(f.lastCycle->InUse(0));
    EXPECT_TRUE(f.lastCycle->InUse(5));
}

TEST(SatelliteCycle, ThirtySeventhSatelliteIsIgnored) {
    PageFixture f;
    // Nine GPS sentences of four satellites each, then one GLONASS satellite.
    for (int sentence = 0; sentence < 9; ++sentence) {
        std::vector<std::string> entries;
        for (int k = 0; k < 4; ++k)
            entries.push_back(Entry(1 + sentence * 4 + k, 30));
        f.Sentence(Gsv(sentence + 1, 9, 36, entries));
    }
    f.Sentence(Gsv(1, 1, 1, {Entry(70, 30)}, "GL"));
    const SatelliteEpoch& epoch = f.page.CurrentCycle();
    EXPECT_EQ(epoch.InViewCount, 36);
    EXPECT_EQ(epoch.InViewPrn[35], 36);
}

TEST(GpsStatusPage, LinesThePageTakes) {
    std::string rmc = kRmc;
    AppendChecksum(rmc);
    // A valid GLL of the given length without its CR LF: the latitude's decimals pad it.
    auto gllOfLength = [](size_t length) {
        std::string head = "$GPGLL,2530.";
        std::string tail = ",N,12115.0000,W,081530.00,A,A";
        std::string line = head + std::string(length - head.size() - tail.size() - 3, '0') + tail;
        AppendChecksum(line);
        return line;
    };
    struct Case {
        const char* what;
        std::string line;
        bool taken;
    };
    const Case cases[] = {
        {"a sentence", rmc, true},
        {"80 characters and CR LF", gllOfLength(80), true},
        {"81 characters and CR LF", gllOfLength(81), false},
        {"another start character", "#" + rmc.substr(1), false},
        {"a wrong checksum", rmc.substr(0, rmc.size() - 4) + "00\r\n", false},
        {"no line end", rmc.substr(0, rmc.size() - 2), false},
    };
    for (const Case& c : cases) {
        PageFixture f;
        EXPECT_EQ(f.Line(c.line).Latitude.has_value(), c.taken) << c.what;
    }
}

TEST(GpsStatusPage, FieldsFollowTheirSentences) {
    PageFixture f;
    TGpsPageUpdate gsa = f.Sentence("$GPGSA,A,3,05,12,,,,,,,,,,,1.5,0.9,1.2");
    EXPECT_FALSE(gsa.FixMode) << "the fix mode waits for a GGA";
    EXPECT_FALSE(gsa.UtcDate);
    TGpsPageUpdate gga = f.Sentence(kGga);
    EXPECT_EQ(gga.FixMode, "3D");
    EXPECT_EQ(gga.Hdop, " 0.9");
    EXPECT_EQ(gga.Latitude, " 25\xB0"
                            "30.0000'N");
    EXPECT_EQ(gga.UtcDate, "0000/00/00") << "the date held, although no RMC has come yet";
    TGpsPageUpdate rmc = f.Sentence(kRmc);
    EXPECT_FALSE(rmc.FixMode) << "shown once per GGA";
    EXPECT_EQ(rmc.UtcDate, "2025/02/27");
    EXPECT_EQ(rmc.UtcTime, "08:15:30");
    EXPECT_EQ(rmc.Longitude, "121\xB0"
                             "15.0000'W");
    EXPECT_EQ(rmc.Sog, "12.50 Kt");
    EXPECT_EQ(rmc.Cog, " 84.4\xB0");

    TGpsPageUpdate lost = f.Sentence("$GPGSA,A,1,,,,,,,,,,,,,99.9,99.9,99.9");
    EXPECT_FALSE(lost.FixMode);
    lost = f.Sentence(kGga);
    EXPECT_EQ(lost.FixMode, "Lost");
    EXPECT_EQ(lost.Hdop, "N/A");

    TGpsPageUpdate invalidFix = f.Sentence("$GPRMC,081531.00,V,,,,,,,270225,,,N");
    EXPECT_FALSE(invalidFix.Latitude) << "a position that is not valid keeps the old texts";
    EXPECT_FALSE(invalidFix.Sog);
}

// Only encapsulation sentences ("!") that complete an AIS message count; an equipment
// sentence of the same group does not.
TEST(GpsStatusPage, EquipmentSentenceIsNoAisReception) {
    PageFixture f;
    TGpsPageUpdate update = f.Sentence("$AIABK,211378120,B,8,0,0");
    EXPECT_FALSE(update.AisSentence);
    EXPECT_FALSE(update.UtcTime);
}

} // namespace
