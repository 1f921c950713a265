// Parsers of the AIS encapsulation and equipment sentences and of the receiver's
// proprietary sentences.
#include "SentenceHelpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kPayload28 = "13u?etPv2;0n:dDPwUM1U1Cb069D";

struct AcceptCase {
    const char* what;
    std::string body;
    bool accepted;
};

TEST(EquipmentParsers, AcceptExactlyTheirFieldCountsAndValueRanges) {
    const std::string p62(62, '0');
    const std::string p63(63, '0');
    const AcceptCase cases[] = {
        {"VDM, 6 fields", "!AIVDM,1,1,,A," + kPayload28 + ",0", true},
        {"VDO, 6 fields", "!AIVDO,1,1,,B," + kPayload28 + ",0", true},
        {"VDM, 7 fields", "!AIVDM,1,1,,A," + kPayload28 + ",0,1", false},
        {"VDM, empty fill bits", "!AIVDM,1,1,,A," + kPayload28 + ",", false},
        {"VDM, fill bits 6", "!AIVDM,1,1,,A," + kPayload28 + ",6", false},
        {"VDM, fragment count 10", "!AIVDM,10,1,,A," + kPayload28 + ",0", false},
        {"VDM, fragment number 10", "!AIVDM,1,10,,A," + kPayload28 + ",0", false},
        {"VDM, sequential id 10", "!AIVDM,2,1,10,A," + kPayload28 + ",0", false},
        {"VDM, 62 characters, no sequential id", "!AIVDM,1,1,,A," + p62 + ",0", true},
        {"VDM, 63 characters, no sequential id", "!AIVDM,1,1,,A," + p63 + ",0", false},
        {"VDM, 63 characters, sequential id 0", "!AIVDM,1,1,0,A," + p63 + ",0", false},
        {"VDM, 63 characters, sequential id 3", "!AIVDM,1,1,3,A," + p63 + ",0", true},
        {"VDM, 64 characters, sequential id 3", "!AIVDM,1,1,3,A," + p63 + "0,0", false},
        {"ABM, 8 fields", "!AIABM,1,1,0,211378120,A,6," + kPayload28 + ",0", true},
        {"BBM, 7 fields", "!AIBBM,1,1,0,2,8," + kPayload28 + ",0", true},
        {"ABK, 5 fields", "$AIABK,211378120,B,8,0,0", true},
        {"ACA, 19 fields",
         "$AIACA,1,5800,N,01100,E,5700,N,01000,E,2,2087,0,2088,0,0,0,C,1,123519.00", true},
        {"ACK, 1 field", "$AIACK,003", true},
        {"ACS, 6 fields", "$AIACS,1,211378120,123519.00,23,03,1994", true},
        {"AIQ with Smg", "$GPAIQ,Smg,5", true},
        {"AIQ with SMG", "$GPAIQ,SMG,5", false},
        {"ALR, 5 fields", "$AIALR,123519.00,001,A,V,AIS: Tx malfunction", true},
        {"SSD, 8 fields", "$AISSD,CALLSIG,SHIPNAME,100,20,10,10,0,AI", true},
        {"TXT, 4 fields", "$AITXT,01,01,91,FREQ 2087 2088", true},
        {"TXT, count 0", "$AITXT,00,01,01,text", false},
        {"TXT, number 100", "$AITXT,01,100,01,text", false},
        {"TXT, empty numbers", "$AITXT,,,,text", true},
        {"VSD, 9 fields", "$AIVSD,70,5.2,12,HAMBURG,123000.00,23,3,0,0", true},
        {"query, 1 field", "$GPECQ,RMC", true},
        {"MID, 2 fields", "$PMID,1,2", true},
        {"BDY, 5 fields", "$PBDY,1,A,B,0,1", true},
        {"TST, 5 fields", "$PTST,,,,,17", true},
        {"FRQ, 4 fields", "$PFRQ,161975000,1,162025000,1", true},
        {"BTH, 7 fields", "$PBTH,1,2,3,4,5,6,TEXT", true},
        {"DBG, 8 fields", "$PDBG,163,1,,,,,,", true},
        {"TPS, 2 fields", "$PTPS,1,TEXT", true},
        {"Smg, 2 fields", "$PSmg,TEXT,1", true},
        {"MOB, 5 fields", "$PMOB,0A1B2C,5,7F,01,00112233", true},
        {"MOB, lower-case digit", "$PMOB,0a1b2c,5,7F,01,00112233", false},
        {"MOB, bad digit in field 3", "$PMOB,0A1B2C,5,7G,01,00", false},
        {"MOB, bad digit in field 4", "$PMOB,0A1B2C,5,7F,0x,00", false},
        {"MOB, bad pair in field 5", "$PMOB,0A1B2C,5,7F,01,00GG", true},
    };
    for (const AcceptCase& c : cases) {
        TestDecoder decoder;
        EXPECT_EQ(decoder.Parse(c.body), c.accepted) << c.what;
    }
}

TEST(EncapsulationParsers, StoreTheSharedFragmentRecord) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("!AIVDM,1,1,,A," + kPayload28 + ",0"));
    const EncapsulationFields& vdm = decoder.sentence.Encapsulation;
    EXPECT_EQ(vdm.FragmentCount, 1);
    EXPECT_EQ(vdm.FragmentNumber, 1);
    EXPECT_EQ(vdm.SequentialId, -128);
    EXPECT_EQ(vdm.Channel, 'A');
    EXPECT_EQ(vdm.Payload, kPayload28);
    EXPECT_EQ(vdm.FillBits, 0);

    ASSERT_TRUE(decoder.Parse("!AIVDM,2,1,7,," + kPayload28 + ",2"));
    EXPECT_EQ(vdm.SequentialId, 7);
    EXPECT_EQ(vdm.Channel, kEmptyChar);
    EXPECT_EQ(vdm.FillBits, 2);

    ASSERT_TRUE(decoder.Parse("!AIABM,1,1,0,211378120,B,6," + kPayload28 + ",0"));
    EXPECT_EQ(vdm.DestinationMmsi, 211378120);
    EXPECT_EQ(vdm.Channel, 'B');
    EXPECT_EQ(vdm.MessageId, 6);

    ASSERT_TRUE(decoder.Parse("!AIBBM,1,1,0,2,8," + kPayload28 + ",0"));
    EXPECT_EQ(vdm.Channel, 2);
    EXPECT_EQ(vdm.MessageId, 8);
}

TEST(EncapsulationParsers, ARejectedFragmentLeavesAnEmptyPayload) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("!AIVDM,1,1,,A," + kPayload28 + ",0"));
    EXPECT_FALSE(decoder.Parse("!AIVDM,1,1,,A," + kPayload28 + ",0,extra"));
    EXPECT_STREQ(decoder.sentence.Encapsulation.Payload, "");
    EXPECT_EQ(decoder.sentence.Encapsulation.Channel, 0);
}

TEST(EquipmentParsers, StoreTheirMarkersAndCutTheirTexts) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("$AIABK,211378120,B,8,0,0"));
    EXPECT_EQ(decoder.sentence.Abk.Channel, 0);
    EXPECT_EQ(decoder.sentence.Abk.Mmsi, 211378120);

    ASSERT_TRUE(decoder.Parse("$AIACK,"));
    EXPECT_EQ(decoder.sentence.Ack.AlarmId, 1000);

    ASSERT_TRUE(decoder.Parse("$GPAIQ,Smg,5"));
    EXPECT_EQ(decoder.sentence.Aiq.Number, 5);
    EXPECT_STREQ(decoder.sentence.Formatter, "AIQ");

    ASSERT_TRUE(decoder.Parse("$AITXT,,,,text"));
    EXPECT_EQ(decoder.sentence.Txt.SentenceCount, -128);
    EXPECT_EQ(decoder.sentence.Txt.TextId, -128);
    ASSERT_TRUE(decoder.Parse("$AITXT,01,01,91," + std::string(64, 'x')));
    EXPECT_EQ(std::string(decoder.sentence.Txt.Text), std::string(61, 'x'));

    ASSERT_TRUE(decoder.Parse("$AISSD,,,,,,,,"));
    EXPECT_STREQ(decoder.sentence.Ssd.CallSign, "");
    EXPECT_STREQ(decoder.sentence.Ssd.Name, "");
    EXPECT_EQ(decoder.sentence.Ssd.ReferenceA, 512);
    EXPECT_EQ(decoder.sentence.Ssd.ReferenceD, 64);
    EXPECT_EQ(decoder.sentence.Ssd.DteIndicator, 2);
    EXPECT_STREQ(decoder.sentence.Ssd.Source, " ");
    ASSERT_TRUE(decoder.Parse("$AISSD,CALLSIGNX,A NAME LONGER THAN TWENTY,1,2,3,4,0,AI"));
    EXPECT_STREQ(decoder.sentence.Ssd.CallSign, "CALLSIG");
    EXPECT_STREQ(decoder.sentence.Ssd.Name, "A NAME LONGER THAN T");

    ASSERT_TRUE(decoder.Parse("$AIVSD,300,,,,,,,,"));
    EXPECT_EQ(decoder.sentence.Vsd.ShipType, 44);
    EXPECT_EQ(decoder.sentence.Vsd.Draught, kEmptyReal);
    EXPECT_EQ(decoder.sentence.Vsd.PersonsOnBoard, 8192);
    EXPECT_STREQ(decoder.sentence.Vsd.Destination, "");
    EXPECT_EQ(decoder.sentence.Vsd.ArrivalTime.Hour, 24);
    EXPECT_EQ(decoder.sentence.Vsd.ArrivalDay, 32);
    EXPECT_EQ(decoder.sentence.Vsd.ArrivalMonth, 13);
    EXPECT_EQ(decoder.sentence.Vsd.NavigationalStatus, -128);
    EXPECT_EQ(decoder.sentence.Vsd.RegionalFlags, 0);
    ASSERT_TRUE(decoder.Parse("$AIVSD,,5.2,12,HAMBURG,123000.00,23,3,0,0"));
    EXPECT_EQ(decoder.sentence.Vsd.ShipType, 256);

    ASSERT_TRUE(decoder.Parse("$AIALR,123519.00,001,A,V,AIS: Tx malfunction"));
    EXPECT_STREQ(decoder.sentence.Alr.Description, "AIS: Tx malfunction");
    EXPECT_EQ(decoder.sentence.Alr.AlarmNumber, 1);

    ASSERT_TRUE(decoder.Parse("$GPECQ,RMC"));
    EXPECT_STREQ(decoder.sentence.Formatter, "Q");
    EXPECT_STREQ(decoder.sentence.Talker, "GP");
    EXPECT_STREQ(decoder.sentence.Query.QueriedFormatter, "RMC");
}

TEST(ProprietaryParsers, StoreTheirMarkers) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("$PKRV,R,DBG,100,150,,,,,,"));
    const DbgFields& dbg = decoder.sentence.Dbg;
    EXPECT_EQ(dbg.Pair[0].Key, 100);
    EXPECT_EQ(dbg.Pair[0].Value, 150);
    for (int k = 1; k < 4; ++k) {
        EXPECT_EQ(dbg.Pair[k].Key, 999);
        EXPECT_EQ(dbg.Pair[k].Value, INT32_MIN);
    }

    ASSERT_TRUE(decoder.Parse("$PTST,,,,,"));
    EXPECT_EQ(decoder.sentence.Tst.Number1, 99999);
    EXPECT_EQ(decoder.sentence.Tst.Number2, 99);
    EXPECT_EQ(decoder.sentence.Tst.Char1, ' ');
    EXPECT_EQ(decoder.sentence.Tst.Char2, ' ');
    EXPECT_EQ(decoder.sentence.Tst.Number3, -1);

    ASSERT_TRUE(decoder.Parse("$PMID,,"));
    EXPECT_EQ(decoder.sentence.Mid.Number[0], 999999999);
    EXPECT_EQ(decoder.sentence.Mid.Number[1], 999999999);

    ASSERT_TRUE(decoder.Parse("$PBDY,,,,,"));
    EXPECT_EQ(decoder.sentence.Bdy.Number, 999999999);
    EXPECT_STREQ(decoder.sentence.Bdy.Text1, "");
    EXPECT_EQ(decoder.sentence.Bdy.Small2, 9);

    ASSERT_TRUE(decoder.Parse("$PFRQ,,,,"));
    EXPECT_EQ(decoder.sentence.Frq.Small1, -128);
    EXPECT_EQ(decoder.sentence.Frq.Number2, 999999999);

    ASSERT_TRUE(decoder.Parse("$PBTH,1,,3,,5,,"));
    EXPECT_EQ(decoder.sentence.Bth.Number[0], 1);
    EXPECT_EQ(decoder.sentence.Bth.Number[1], 256);
    EXPECT_STREQ(decoder.sentence.Bth.Text, "");

    ASSERT_TRUE(decoder.Parse("$PTPS,,"));
    EXPECT_EQ(decoder.sentence.Tps.Number, 999);

    ASSERT_TRUE(decoder.Parse("$PKRV,R,Smg,HELLO,7"));
    EXPECT_STREQ(decoder.sentence.Smg.Text, "HELLO");
    EXPECT_EQ(decoder.sentence.Smg.Number, 7);
}

struct MobCase {
    const char* body;
    uint8_t triple[3];
    uint8_t number;
    uint8_t byte;
    uint8_t flaggedByte;
    uint8_t flagged;
    uint8_t byteCount;
};

TEST(MobParser, ReadsItsHexadecimalFieldsByTheirLengthRules) {
    // Each row starts from the record the row before left.
    const MobCase cases[] = {
        {"$PMOB,0A1B2C,5,7F,01,00112233", {10, 27, 44}, 5, 0x7F, 1, 1, 4},
        {"$PMOB,,,,,", {0, 0, 0}, 255, 255, 1, 0, 0},
        {"$PMOB,0A1B2,1,123,ABC,0011223", {0, 0, 0}, 1, 255, 1, 0, 0},
        {"$PMOB,FFFFFF,2,A,B,00GG", {255, 255, 255}, 2, 0x0A, 0x0B, 1, 0},
        {"$PMOB,000000,3,,,001122334455667788", {0, 0, 0}, 3, 255, 0x0B, 0, 9},
        {"$PMOB,000000,3,,,00112233445566778899", {0, 0, 0}, 3, 255, 0x0B, 0, 0},
    };
    TestDecoder decoder;
    for (const MobCase& c : cases) {
        ASSERT_TRUE(decoder.Parse(c.body)) << c.body;
        const MobFields& mob = decoder.sentence.Mob;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(mob.Triple[i], c.triple[i]) << c.body;
        EXPECT_EQ(mob.Number, c.number) << c.body;
        EXPECT_EQ(mob.Byte, c.byte) << c.body;
        EXPECT_EQ(mob.FlaggedByte, c.flaggedByte) << c.body;
        EXPECT_EQ(mob.FlaggedPresent, c.flagged) << c.body;
        EXPECT_EQ(mob.ByteCount, c.byteCount) << c.body;
    }
    EXPECT_EQ(decoder.sentence.Mob.Bytes[8], 0x88);
}

} // namespace
