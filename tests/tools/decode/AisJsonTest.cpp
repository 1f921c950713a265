// The `ais` object of `t360kv decode`: members from the decoding table, words split into
// their parts, spare fields left out, the fields a short message lacks left out, the
// addressed MMSIs of type 22, and the channel and target entry.
#include "AisTestSupport.h"

#include "AisJson.h"
#include "JsonText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Decoder {
    std::unique_ptr<DecoderState> owned = std::make_unique<DecoderState>();
    DecoderState& state = *owned;

    // The `ais` object after the lines, or "" when the last line completed no message.
    std::string Json(const std::vector<std::string>& lines) {
        bool decoded = false;
        for (const std::string& line : lines) {
            SentenceBuffer buffer{};
            std::memcpy(buffer, line.data(), std::min(line.size(), sizeof buffer - 1));
            decoded = DecodeSentence(buffer, state);
        }
        if (!decoded)
            return "";
        return JsonText(
            [this](JsonWriter& json) { WriteAisMessage(json, state.Ais, state.Sentence); });
    }
};

TEST(WriteAisMessage, NamesTheFieldsOfTheTable) {
    Decoder d;
    EXPECT_EQ(d.Json({"!AIVDM,1,1,,B,100h00PP0@PHFV`Mg5gTH?vNPUIp,0*3B\r\n"}),
              R"({"type":1,"repeat":0,"mmsi":786434,"status":0,"turn":-731.3865,"speed":1.6,)"
              R"("accuracy":1,"lon":5.3200336,"lat":51.967037,"course":112,"heading":511,)"
              R"("second":15,"maneuver_spare":4,"raim":0,"radio":153208,"channel":"B",)"
              R"("target":1})");
}

TEST(WriteAisMessage, SplitsTheDimensionAndArrivalWords) {
    AisBitWriter w;
    w.Put(5, 6).Put(0, 2).Put(258315000, 30).Put(0, 2).Put(6514895, 30).PutText("LFNA", 7);
    w.PutText("FALKVIK", 20).Put(79, 8).Put(40u << 21 | 10u << 12 | 4u << 6 | 5u, 30).Put(1, 4);
    w.Put(3u << 16 | 14u << 11 | 12u << 6 | 40u, 20).Put(38, 8).PutText("FORUS", 20);
    w.Put(0, 2);
    Decoder d;
    EXPECT_EQ(d.Json(AisMessageSentences(w, {"!AIVDM", "A", 3})),
              R"({"type":5,"repeat":0,"mmsi":258315000,"ais_version":0,"imo":6514895,)"
              R"("callsign":"LFNA@@@","shipname":"FALKVIK@@@@@@@@@@@@@","shiptype":79,)"
              R"("to_bow":40,"to_stern":10,"to_port":4,"to_starboard":5,"epfd":1,)"
              R"("eta":[3,14,12,40],"draught":3.8,"destination":"FORUS@@@@@@@@@@@@@@@",)"
              R"("dte":0,"channel":"A","target":1})");
}

TEST(WriteAisMessage, LeavesOutTheFieldsAShortMessageLacks) {
    AisBitWriter w;
    w.Put(18, 6).Put(0, 2).Put(367000001, 30).Put(0, 8).PadTo(48);
    Decoder d;
    EXPECT_EQ(d.Json(AisMessageSentences(w)),
              R"({"type":18,"repeat":0,"mmsi":367000001,"reserved":0,"channel":"A","target":1})");
}

TEST(WriteAisMessage, AddsTheAddressedMmsisOfChannelManagement) {
    AisBitWriter w;
    w.Put(22, 6).Put(0, 2).Put(3160097, 30).Put(0, 2).Put(2087, 12).Put(2088, 12).Put(0, 4);
    w.Put(0, 1).Put(211378120, 30).Put(0, 5).Put(244660000, 30).Put(0, 5).Put(1, 1).Put(0, 2);
    w.Put(4, 3).Put(0, 23);
    Decoder d;
    std::string json = d.Json(AisMessageSentences(w, {"!AIVDM", "B", -1}));
    EXPECT_NE(json.find(R"("addressed":1,"band_a":0,"band_b":0,"zonesize":4,)"
                        R"("dest1":211378120,"dest2":244660000,"channel":"B")"),
              std::string::npos)
        << json;
}

TEST(WriteAisMessage, GivesTheChannelOfABroadcastAsANumber) {
    AisBitWriter w;
    w.Put(14, 6).Put(0, 2).Put(2655619, 30).Put(0, 2).PutText("HELLO", 5).PadTo(72);
    int fillBits = 0;
    std::string payload = w.Armour(fillBits);
    std::string line = "!AIBBM,1,1,0,2,14," + payload + "," + std::to_string(fillBits);
    AppendChecksum(line);
    Decoder d;
    EXPECT_EQ(d.Json({line}),
              R"({"type":14,"repeat":0,"mmsi":2655619,"text":"HELLO","channel":2,"target":1})");
}

} // namespace
