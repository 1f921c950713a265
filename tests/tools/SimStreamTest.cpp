// The streams of the simulated receiver: every GNSS and AIS sentence it makes must be one
// that a strict decoder accepts (checksum, line length, field count, value ranges), and
// the boat, the sky and the AIS traffic must move.
#include "AisFleet.h"
#include "AisReplay.h"
#include "GnssSky.h"
#include "GpsSource.h"
#include "Sentence.h"
#include "Track.h"

#include "nmea/Checksum.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <set>
#include <stdlib.h>
#include <unistd.h>

namespace {

constexpr int64_t kSomeDay = 1733788800; // 2024-12-10 00:00:00 UTC
constexpr size_t kLongestSentence = 80;  // 82 with CR LF

// Checked here without the simulator's own helpers.
bool ChecksumMatches(const std::string& line) {
    size_t star = line.rfind('*');
    if (star == std::string::npos || star + 3 != line.size())
        return false;
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", SentenceChecksum(line.substr(0, star)));
    return line.compare(star + 1, 2, digits) == 0;
}

std::vector<std::string> DataFields(const std::string& line) {
    std::vector<std::string> fields;
    std::string body = line.substr(0, line.rfind('*'));
    for (std::string_view field : SplitFields(body))
        fields.emplace_back(field);
    fields.erase(fields.begin());
    return fields;
}

int SixBitValue(char c) {
    int value = c - 48;
    return value > 40 ? value - 8 : value;
}

TEST(SimulatedGnss, EverySentenceIsOneAStrictDecoderAccepts) {
    const std::map<std::string, std::set<size_t>> dataFieldCounts = {
        {"RMC", {12}}, {"VTG", {9}}, {"GGA", {14}},           {"GSA", {17}},
        {"GLL", {7}},  {"ZDA", {6}}, {"GSV", {7, 11, 15, 19}}};
    GpsSource gps;
    std::set<std::string> seen;
    // Two days in uneven steps: all phases of the boat's lap and of the orbits.
    for (int64_t t = kSomeDay; t < kSomeDay + 2 * 86400; t += 457) {
        for (const std::string& line : gps.Epoch(t)) {
            SCOPED_TRACE(line);
            ASSERT_LE(line.size(), kLongestSentence);
            ASSERT_TRUE(ChecksumMatches(line));
            ASSERT_TRUE(line.starts_with("$GN") || line.starts_with("$GP") ||
                        line.starts_with("$GL"));
            std::string formatter = line.substr(3, 3);
            std::vector<std::string> fields = DataFields(line);
            ASSERT_TRUE(dataFieldCounts.contains(formatter));
            ASSERT_TRUE(dataFieldCounts.at(formatter).contains(fields.size()));
            seen.insert(formatter);
            if (formatter == "GSV") {
                for (size_t block = 3; block + 3 < fields.size(); block += 4) {
                    EXPECT_LE(std::stoi(fields[block + 1]), 90);
                    EXPECT_LT(std::stoi(fields[block + 2]), 360);
                    // An empty signal field: not tracked.
                    EXPECT_LE(fields[block + 3].empty() ? 0 : std::stoi(fields[block + 3]), 99);
                }
            }
        }
    }
    EXPECT_EQ(seen.size(), dataFieldCounts.size());
}

TEST(SimulatedGnss, SatellitesRiseAndSetSlowly) {
    for (const Constellation* constellation : {&GpsConstellation(), &GlonassConstellation()}) {
        SCOPED_TRACE(constellation->GsvTalker);
        std::vector<SatelliteView> now = SatellitesInView(*constellation, kSomeDay);
        std::vector<SatelliteView> minuteLater = SatellitesInView(*constellation, kSomeDay + 60);
        std::vector<SatelliteView> hoursLater =
            SatellitesInView(*constellation, kSomeDay + 3 * 3600);
        EXPECT_GE(SatellitesUsed(now).size(), 4u);

        auto prns = [](const std::vector<SatelliteView>& views) {
            std::set<int> set;
            for (const SatelliteView& v : views)
                set.insert(v.Prn);
            return set;
        };
        EXPECT_NE(prns(now), prns(hoursLater));
        // No jumps from one minute to the next.
        for (const SatelliteView& a : now)
            for (const SatelliteView& b : minuteLater)
                if (a.Prn == b.Prn) {
                    EXPECT_LE(std::abs(a.Elevation - b.Elevation), 1) << a.Prn;
                    EXPECT_LE((b.Azimuth - a.Azimuth + 361) % 360, 2) << a.Prn;
                }
    }
}

TEST(SimulatedTrack, MovesAtItsSpeedAlongItsCourseAndStaysOnItsCircle) {
    for (bool clockwise : {true, false}) {
        CircleTrack track{25.3, 121.35, 2.0, 6.0, 30.0, clockwise};
        for (double t = kSomeDay; t < kSomeDay + 7200; t += 611) {
            SCOPED_TRACE(testing::Message() << "clockwise " << clockwise << " at " << t);
            TrackPoint a = track.At(t);
            TrackPoint b = track.At(t + 10);
            double cosLat = std::cos(25.3 * std::numbers::pi / 180);
            double northNm = (b.Latitude - a.Latitude) * 60;
            double eastNm = (b.Longitude - a.Longitude) * 60 * cosLat;
            EXPECT_NEAR(std::hypot(northNm, eastNm), 6.0 * 10 / 3600, 0.0002);
            double bearing = std::atan2(eastNm, northNm) * 180 / std::numbers::pi;
            EXPECT_NEAR(std::remainder(bearing - a.Course, 360.0), 0, 0.5);
            double fromCentre =
                std::hypot((a.Latitude - 25.3) * 60, (a.Longitude - 121.35) * 60 * cosLat);
            EXPECT_NEAR(fromCentre, 2.0, 0.01);
        }
    }
}

TEST(SimulatedAis, FleetSendsEveryKindOfMessageAsValidSentencesOnBothChannels) {
    // Message bits by type (type 24 by part): the length the air interface gives them.
    const std::map<std::string, size_t> bitsOf = {{"1", 168},  {"3", 168},   {"5", 424},
                                                  {"18", 168}, {"24A", 160}, {"24B", 168}};
    AisFleet fleet;
    std::set<std::string> kinds;
    std::set<std::string> channels;
    for (int i = 0; i < 200; ++i) {
        std::vector<std::string> message = fleet.NextMessage(kSomeDay + i * 0.25);
        ASSERT_FALSE(message.empty());
        std::string payload;
        int fillBits = 0;
        for (size_t k = 0; k < message.size(); ++k) {
            const std::string& line = message[k];
            SCOPED_TRACE(line);
            ASSERT_LE(line.size(), kLongestSentence);
            ASSERT_TRUE(ChecksumMatches(line));
            std::vector<std::string> fields = DataFields(line);
            ASSERT_TRUE(line.starts_with("!AIVDM,"));
            ASSERT_EQ(fields.size(), 6u);
            EXPECT_EQ(fields[0], std::to_string(message.size()));
            EXPECT_EQ(fields[1], std::to_string(k + 1));
            EXPECT_EQ(fields[2].empty(), message.size() == 1);
            EXPECT_EQ(fields[2], DataFields(message[0])[2]);
            EXPECT_LE(fields[4].size(), 63u);
            fillBits = std::stoi(fields[5]);
            EXPECT_TRUE(fillBits == 0 || fillBits == 2 || fillBits == 4);
            EXPECT_TRUE(fillBits == 0 || k + 1 == message.size()) << "fill bits before the end";
            channels.insert(fields[3]);
            payload += fields[4];
        }
        std::string kind = std::to_string(SixBitValue(payload[0]));
        if (kind == "24")
            kind += (SixBitValue(payload[6]) >> 2 & 3) == 0 ? "A" : "B";
        ASSERT_TRUE(bitsOf.contains(kind)) << kind;
        EXPECT_EQ(payload.size() * 6 - static_cast<size_t>(fillBits), bitsOf.at(kind)) << kind;
        kinds.insert(kind);
    }
    EXPECT_EQ(kinds.size(), bitsOf.size());
    EXPECT_EQ(channels, (std::set<std::string>{"A", "B"}));
}

TEST(SimulatedAis, ReplayKeepsFragmentsTogetherAndLeavesOutWhatIsNotAValidSentence) {
    char path[] = "/tmp/t360kv-sim-replay-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    {
        std::ofstream capture(path);
        // A recorder's stamps after the checksum, a wrong checksum, a GNSS sentence, and a
        // message in two fragments.
        capture
            << "!AIVDM,1,1,,A,15N1u<PP1FJuvSRHOE6QIwwh0HQ6,0*30,d-080,S2118,t050056.00\n"
            << "!AIVDM,1,1,,B,B5MiOp0006g4up6:EV403wr5oP06,0*39\n"
            << "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\n"
            << "!AIVDM,2,1,9,B,53nFBv01SJ<thHp6220H4heHTf2222222222221?50:454o<`9QSlUDp,0*09\r\n"
            << "!AIVDM,2,2,9,B,888888888888880,2*2E\r\n";
    }
    std::string error;
    std::unique_ptr<AisReplay> replay = AisReplay::Load(path, error);
    unlink(path);
    ASSERT_TRUE(replay) << error;

    using Lines = std::vector<std::string>;
    EXPECT_EQ(replay->NextMessage(0), Lines{"!AIVDM,1,1,,A,15N1u<PP1FJuvSRHOE6QIwwh0HQ6,0*30"});
    EXPECT_EQ(replay->NextMessage(0),
              (Lines{"!AIVDM,2,1,9,B,53nFBv01SJ<thHp6220H4heHTf2222222222221?50:454o<`9QSlUDp,0*09",
                     "!AIVDM,2,2,9,B,888888888888880,2*2E"}));
    // Over again from the start.
    EXPECT_EQ(replay->NextMessage(0), Lines{"!AIVDM,1,1,,A,15N1u<PP1FJuvSRHOE6QIwwh0HQ6,0*30"});
}

} // namespace
