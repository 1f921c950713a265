// The AIS path of DecodeSentence: what completes a message, what a "$" sentence between
// fragments does, the counts of the target table's entries, and input that must decode
// nothing and break nothing.
#include "AisTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kRealVdm = "!AIVDM,1,1,,B,100h00PP0@PHFV`Mg5gTH?vNPUIp,0*3B\r\n";

struct Decoder {
    std::unique_ptr<DecoderState> owned = std::make_unique<DecoderState>();
    DecoderState& state = *owned;
    AisState& ais = state.Ais;
    DecodeResult result = drDecoded;

    bool Line(const std::string& line) {
        SentenceBuffer buffer{};
        std::memcpy(buffer, line.data(), std::min(line.size(), sizeof buffer - 1));
        return DecodeSentence(buffer, state, &result);
    }
    // How many of the lines decoded.
    int Lines(const std::vector<std::string>& lines) {
        int decoded = 0;
        for (const std::string& line : lines)
            decoded += Line(line) ? 1 : 0;
        return decoded;
    }
    const AisTarget& Entry(int32_t index) const { return ais.Targets.Targets[index]; }
};

std::string Body(std::string body) {
    AppendChecksum(body);
    return body;
}

AisBitWriter PositionReport(int64_t mmsi) {
    AisBitWriter w;
    w.Put(1, 6).Put(0, 2).Put(mmsi, 30).PadTo(168);
    return w;
}

AisBitWriter VoyageReport(int64_t mmsi) {
    AisBitWriter w;
    w.Put(5, 6).Put(0, 2).Put(mmsi, 30).PadTo(424);
    return w;
}

TEST(DecodeSentence, ASingleFragmentCompletesDecodesAndCounts) {
    Decoder d;
    ASSERT_TRUE(d.Line(kRealVdm));
    EXPECT_EQ(d.result, drDecoded);
    EXPECT_EQ(SentenceGroupOf(d.state.Sentence), sgAisEquipment);
    EXPECT_EQ(d.ais.Message.Bytes[0], 1);
    EXPECT_EQ(LoadAisValue<uint32_t>(d.ais.Message, 2), 786434u);
    int32_t entry = d.ais.Targets.LastIndex;
    EXPECT_EQ(entry, 1);
    EXPECT_EQ(d.Entry(entry).Mmsi, 786434);
    EXPECT_EQ(d.Entry(entry).VdmCount, 1);
    EXPECT_EQ(d.Entry(entry).VdoCount, 0);
    EXPECT_GT(d.Entry(entry).LastHeard.Date.Year, 2000);
    ASSERT_TRUE(d.Line(kRealVdm));
    EXPECT_EQ(d.Entry(entry).VdmCount, 2);
}

TEST(DecodeSentence, AVdoFeedsTheOwnStation) {
    Decoder d;
    ASSERT_TRUE(d.Lines(AisMessageSentences(PositionReport(244660000), {"!AIVDO", "A", -1})));
    EXPECT_EQ(d.ais.Targets.LastIndex, 0);
    EXPECT_EQ(d.Entry(0).Mmsi, 244660000);
    EXPECT_EQ(d.Entry(0).VdoCount, 1);
    EXPECT_EQ(d.Entry(0).VdmCount, 0);
}

TEST(DecodeSentence, AMessageInTwoSentencesCompletesWithTheSecond) {
    Decoder d;
    std::vector<std::string> lines = AisMessageSentences(VoyageReport(258315000));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_FALSE(d.Line(lines[0]));
    EXPECT_EQ(d.result, drEncapsulated);
    EXPECT_TRUE(d.Line(lines[1]));
    EXPECT_EQ(d.ais.Message.Bytes[0], 5);
    EXPECT_EQ(d.ais.Bits.Count, 424);
}

TEST(DecodeSentence, ADecodedDollarSentenceBetweenFragmentsDiscardsTheFirst) {
    std::vector<std::string> lines = AisMessageSentences(VoyageReport(258315000));
    std::string rmc = Body("$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W");
    Decoder d;
    ASSERT_TRUE(d.Line(kRealVdm));
    EXPECT_FALSE(d.Line(lines[0]));
    EXPECT_TRUE(d.Line(rmc));
    EXPECT_TRUE(d.state.Navigation.PositionValid);
    EXPECT_EQ(d.ais.Message.Bytes[0], 0);
    EXPECT_EQ(d.ais.Pending.Total, 0);
    EXPECT_FALSE(d.Line(lines[1]));
    EXPECT_EQ(d.ais.Targets.Count, 2);

    // A rejected line between them changes nothing.
    std::string badChecksum = rmc;
    badChecksum[badChecksum.size() - 3] ^= 1;
    Decoder e;
    EXPECT_FALSE(e.Line(lines[0]));
    EXPECT_FALSE(e.Line(badChecksum));
    EXPECT_TRUE(e.Line(lines[1]));
}

struct RefusedCase {
    const char* what;
    std::vector<std::string> lines;
};

// Lines that decode no message: none counts, none enters the table.
TEST(DecodeSentence, InputThatCompletesNoMessageCountsNothing) {
    std::vector<std::string> voyage = AisMessageSentences(VoyageReport(258315000));
    int fillBits = 0;
    std::string payload = PositionReport(244660000).Armour(fillBits);
    AisBitWriter type25;
    type25.Put(25, 6).Put(0, 2).Put(244660000, 30).PadTo(168);
    AisBitWriter type0;
    type0.Put(0, 6).PadTo(168);
    std::string badCharacter = payload;
    badCharacter[5] = 'X';
    const AisRoute vdm;
    const RefusedCase cases[] = {
        {"the first fragment alone", {voyage[0]}},
        {"the second fragment alone", {voyage[1]}},
        {"the fragments in reverse order", {voyage[1], voyage[0]}},
        {"a duplicated first fragment", {voyage[0], voyage[0]}},
        {"a character outside the alphabet", {AisSentence(vdm, 1, 1, badCharacter, 0)}},
        {"1 fill bit", {AisSentence(vdm, 1, 1, payload, 1)}},
        {"5 fill bits", {AisSentence(vdm, 1, 1, payload, 5)}},
        {"empty fill bits", {Body("!AIVDM,1,1,,A," + payload + ",")}},
        {"a fragment number past the total", {AisSentence(vdm, 1, 2, payload, 0)}},
        {"ten fragments", {AisSentence(vdm, 10, 1, payload, 0)}},
        {"message type 25", AisMessageSentences(type25)},
        {"message type 0", AisMessageSentences(type0)},
        {"63-character fragments past 172 characters",
         {AisSentence({"!AIVDM", "A", 3}, 3, 1, std::string(63, 'w'), 0),
          AisSentence({"!AIVDM", "A", 3}, 3, 2, std::string(63, 'w'), 0),
          AisSentence({"!AIVDM", "A", 3}, 3, 3, std::string(63, 'w'), 0)}},
        {"an empty payload", {AisSentence(vdm, 1, 1, "", 0)}},
    };
    for (const RefusedCase& c : cases) {
        Decoder d;
        EXPECT_EQ(d.Lines(c.lines), 0) << c.what;
        EXPECT_EQ(d.ais.Targets.Count, 1) << c.what;
        EXPECT_EQ(d.Entry(0).VdmCount, 0) << c.what;
        EXPECT_EQ(d.ais.Targets.LastIndex, -1) << c.what;
    }
}

// Only VDM, VDO, ABM and BBM carry a fragment. Any other "!" line decodes as its own
// formatter; the encapsulation fields it leaves behind are the last fragment's, which
// must not be joined, decoded and counted again.
TEST(DecodeSentence, OtherExclamationSentencesLeaveTheAisPathAlone) {
    const std::string lines[] = {
        Body("!GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
        Body("!GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W"),
        Body("!AITXT,01,01,91,FREQ 2087 2088"),
        Body("!AIABK,211378120,A,1,0,0"),
        Body("!PTST,,,,,"),
        Body("$AIVDM,1,1,,B,100h00PP0@PHFV`Mg5gTH?vNPUIp,0"),
    };
    std::vector<std::string> voyage = AisMessageSentences(VoyageReport(258315000));
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        Decoder d;
        ASSERT_TRUE(d.Line(kRealVdm));
        int32_t entry = d.ais.Targets.LastIndex;
        EXPECT_TRUE(d.Line(line));
        EXPECT_EQ(d.result, drDecoded);
        EXPECT_FALSE(CarriesAisMessage(d.state.Sentence));
        EXPECT_EQ(d.Entry(entry).VdmCount, 1);
        EXPECT_EQ(d.ais.Targets.Count, 2);

        // Between two fragments it breaks the message, as a "$" sentence does.
        EXPECT_FALSE(d.Line(voyage[0]));
        EXPECT_TRUE(d.Line(line));
        EXPECT_FALSE(d.Line(voyage[1]));
        EXPECT_EQ(d.ais.Targets.Count, 2);
    }
}

TEST(DecodeSentence, EncapsulationSentencesOfEveryFormatterJoinAlike) {
    int fillBits = 0;
    std::string payload = PositionReport(244660000).Armour(fillBits);
    const std::string lines[] = {
        Body("!AIABM,1,1,0,211378120,B,6," + payload + ",0"),
        Body("!AIBBM,1,1,0,2,8," + payload + ",0"),
        AisSentence({"!BSVDM", "", -1}, 1, 1, payload, 0),
    };
    Decoder d;
    for (const std::string& line : lines)
        EXPECT_TRUE(d.Line(line)) << line;
    EXPECT_EQ(d.Entry(1).VdmCount, 3);
}

TEST(DecodeSentence, StationsBeyondTheTableReuseItsEntries) {
    Decoder d;
    int decoded = 0;
    for (int64_t mmsi = 1; mmsi <= 3000; ++mmsi)
        decoded += d.Lines(AisMessageSentences(PositionReport(200000000 + mmsi)));
    EXPECT_EQ(decoded, 3000);
    EXPECT_EQ(d.ais.Targets.Count, kAisTargetCapacity);
    int64_t counted = 0;
    for (const AisTarget& target : d.ais.Targets.Targets)
        counted += target.VdmCount;
    EXPECT_EQ(counted, kAisTargetCapacity - 1);
}

// A recording decoded with its own clock, a second per message: the station heard
// least recently gives up its entry, the same on every run however fast it goes.
TEST(DecodeSentence, WithASetClockTheLeastRecentlyHeardEntryIsReused) {
    Decoder d;
    uint32_t second = 0;
    auto hear = [&](int64_t mmsi) {
        SetAisClock(d.ais.Clock, ++second);
        d.Lines(AisMessageSentences(PositionReport(mmsi)));
        return d.ais.Targets.LastIndex;
    };
    for (int64_t mmsi = 1; mmsi < kAisTargetCapacity; ++mmsi)
        ASSERT_EQ(hear(200000000 + mmsi), mmsi);
    hear(200000001); // entry 1 is heard again, so entry 2 is now the oldest
    EXPECT_EQ(hear(300000000), 2);
    EXPECT_EQ(hear(300000001), 3);
    EXPECT_EQ(ReadAisClock(d.ais.Clock).Time.Second, second % 60);
}

TEST(SetAisClock, CountsSecondsFromTheStartOf2000WithoutLeapDays) {
    const struct {
        uint32_t seconds;
        AisStamp stamp;
    } cases[] = {
        {0, {{2000, 1, 1}, {0, 0, 0, 0}}},
        {59 * 86400 + 3661, {{2000, 3, 1}, {1, 1, 1, 0}}},
        {365 * 86400 - 1, {{2000, 12, 31}, {23, 59, 59, 0}}},
        {365 * 86400, {{2001, 1, 1}, {0, 0, 0, 0}}},
    };
    AisClock clock{};
    for (const auto& c : cases) {
        SetAisClock(clock, c.seconds);
        AisStamp stamp = ReadAisClock(clock);
        EXPECT_EQ(std::memcmp(&stamp, &c.stamp, sizeof stamp), 0) << c.seconds;
    }
}

} // namespace
