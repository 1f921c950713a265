// The AIS encoder against sentences recorded from real traffic: encoding the recorded
// field values must give the recorded payload, fill bits and, for the one-sentence
// messages, the very sentence with its checksum.
#include "AisMessages.h"
#include "Sentence.h"
#include "VdmSentences.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

struct RecordedMessage {
    const char* what;
    const char* sentence; // as recorded
    std::function<AisPayload()> encode;
};

AisPayload PositionReport() {
    AisPositionReport m;
    m.Type = 1;
    m.Mmsi = 367033650;
    m.NavigationStatus = 0;
    m.RateOfTurn = kAisTurnNotAvailable;
    m.SpeedTenths = 86;
    m.Longitude = -42208143; // 70.3469 degrees W
    m.Latitude = 25679130;   // 42.7985 degrees N
    m.CourseTenths = 359;
    m.Heading = kAisHeadingNotAvailable;
    m.Second = 56;
    m.RadioStatus = 100422;
    return EncodeAis(m);
}

AisPayload StaticVoyage() {
    AisStaticVoyage m;
    m.Mmsi = 249190000;
    m.Imo = 9383663;
    m.CallSign = "9HMQ9  "; // this station fills its texts with blanks, not "@"
    m.Name = "RUTH THERESA        ";
    m.ShipType = 80;
    m.Dimensions = {78, 23, 1, 17};
    m.PositionDevice = 1;
    m.EtaMonth = 12;
    m.EtaDay = 30;
    m.EtaHour = 16;
    m.EtaMinute = 30;
    m.DraughtTenths = 78;
    m.Destination = "BOSTON,USA          ";
    return EncodeAis(m);
}

AisPayload ClassBPosition() {
    AisClassBPosition m;
    m.Mmsi = 366764000;
    m.SpeedTenths = 0;
    m.Longitude = -42426640;
    m.Latitude = 25843297;
    m.CourseTenths = 0;
    m.Heading = kAisHeadingNotAvailable;
    m.Second = 52;
    m.Flags = 0b10111011;
    m.RadioStatus = 393222;
    return EncodeAis(m);
}

const RecordedMessage kRecorded[] = {
    {"type 1 position report", "!AIVDM,1,1,,A,15N1u<PP1FJuvSRHOE6QIwwh0HQ6,0*30", PositionReport},
    {"type 5 static and voyage data, 424 bits in 71 characters",
     "!AIVDM,1,1,1,B,53eaFL02?;fwTPm7V219E@R1@PE8E<622222221@9hG1A7?@NCPSlm3kc5DhH8888888880,2*7F",
     StaticVoyage},
    {"type 18 class B position", "!AIVDM,1,1,,B,B5MiOp0006g4up6:EV403wr5oP06,0*38", ClassBPosition},
    {"type 24 part A, 160 bits", "!AIVDM,1,1,,B,H5MiOp1:uJ0MDhJ0<P4hhDpLE80,2*33",
     [] {
         return EncodeAis(AisClassBName{366764000, "R/V GULF CHALLENGER"});
     }},
    {"type 24 part B", "!AIVDM,1,1,,A,H7P<1>4UB1I0000F=Aqpoo2P2220,0*3A",
     [] {
         return EncodeAis(AisClassBStatic{503513400, 37, "RAY", "VMQ9877", {20, 2, 2, 2}});
     }},
};

TEST(SixBitEncoder, RecordedFieldValuesGiveTheRecordedPayload) {
    for (const RecordedMessage& recorded : kRecorded) {
        SCOPED_TRACE(recorded.what);
        std::vector<std::string_view> fields = SplitFields(recorded.sentence);
        AisPayload payload = recorded.encode();
        EXPECT_EQ(payload.Text, fields[5]);
        EXPECT_EQ(std::to_string(payload.FillBits), fields[6].substr(0, 1));
        if (payload.Text.size() <= kVdmFragmentCharacters && fields[3].empty()) {
            char channel = fields[4][0];
            EXPECT_EQ(VdmSentences(payload, channel, 0),
                      std::vector<std::string>{recorded.sentence});
        }
    }
}

TEST(SixBitEncoder, LongMessageIsSplitIntoNumberedFragmentsWithinTheLineLimit) {
    AisPayload payload = StaticVoyage();
    std::vector<std::string> sentences = VdmSentences(payload, 'B', 7);

    ASSERT_EQ(sentences.size(), 2u);
    std::string joined;
    for (size_t i = 0; i < sentences.size(); ++i) {
        SCOPED_TRACE(sentences[i]);
        EXPECT_TRUE(HasValidChecksum(sentences[i]));
        EXPECT_LE(sentences[i].size() + 2, 82u);
        std::vector<std::string_view> fields = SplitFields(sentences[i]);
        ASSERT_EQ(fields.size(), 7u);
        EXPECT_EQ(fields[1], "2");
        EXPECT_EQ(fields[2], std::to_string(i + 1));
        EXPECT_EQ(fields[3], "7");
        EXPECT_EQ(fields[4], "B");
        // Only the last fragment carries the fill bits.
        EXPECT_EQ(fields[6].substr(0, 1), i == 0 ? "0" : "2");
        joined += fields[5];
    }
    EXPECT_EQ(joined, payload.Text);
}

} // namespace
