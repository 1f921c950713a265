// Identification and dispatch: framing results, the header, the maker's rewrite, the
// query app, groups, and what a rejected line leaves untouched.
#include "SentenceHelpers.h"

#include "nmea/GpsLineFilter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";

struct FramingCase {
    const char* what;
    std::string line;
    DecodeResult result;
};

TEST(ParseSentence, ChecksFramingBeforeTheFormatter) {
    std::string good = WithChecksum(kGga);
    std::string withoutCrLf = good.substr(0, good.size() - 2);
    const FramingCase cases[] = {
        {"framed GGA", good, drDecoded},
        {"without CR LF", withoutCrLf, drNoLineEnd},
        {"LF only", withoutCrLf + "\n", drNoLineEnd},
        {"checksum differs", withoutCrLf.substr(0, withoutCrLf.size() - 1) + "0\r\n", drChecksum},
        {"no checksum", kGga + "\r\n", drChecksum},
        {"98 characters once expanded", WithChecksum("$GPXXXA" + std::string(43, ',')),
         drUnknownFormatter},
        {"99 characters once expanded", WithChecksum("$GPXXXA" + std::string(44, ',')), drTooLong},
        {"formatter without a parser", WithChecksum("$GPXYZ,1"), drUnknownFormatter},
        {"long-range formatter", WithChecksum("$GPLRI,1"), drUnknownFormatter},
        {"DSC formatter", WithChecksum("$CDDSC,1"), drUnknownFormatter},
        {"lower-case formatter", WithChecksum("$GPgga,1"), drUnknownFormatter},
        {"13 data fields", WithChecksum(kGga.substr(0, kGga.size() - 1)), drFields},
        // The checksum's "*" stands before the last comma; the last field has no end.
        {"last field without asterisk", "$GPZDA,1*55,3,4,5,6,7\r\n", drFields},
        {"maker's code alone", WithChecksum("$PKRV"), drUnknownFormatter},
        {"maker's code and subtype", WithChecksum("$PKRV,R"), drUnknownFormatter},
    };
    for (const FramingCase& c : cases) {
        TestDecoder decoder;
        SentenceBuffer buffer;
        Load(buffer, c.line);
        EXPECT_EQ(ParseSentence(buffer, decoder.sentence, &decoder.result), c.result == drDecoded)
            << c.what;
        EXPECT_EQ(decoder.result, c.result) << c.what;
    }
}

TEST(ParseSentence, AFramingFailureLeavesTheRecordUntouched) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Parse("$PTST,,,,,17"));
    std::string line = WithChecksum("$GPGGA,1");
    line[line.size() - 3] ^= 1;
    SentenceBuffer buffer;
    Load(buffer, line);
    EXPECT_FALSE(ParseSentence(buffer, decoder.sentence));
    EXPECT_STREQ(decoder.sentence.Talker, "P");
    EXPECT_STREQ(decoder.sentence.Formatter, "TST");
}

struct HeaderCase {
    std::string body;
    char start;
    const char* talker;
    const char* formatter;
    char subtype;
    SentenceGroup group;
};

TEST(ParseSentence, FillsTheHeaderAndGroup) {
    const HeaderCase cases[] = {
        {kGga, '$', "GP", "GGA", 0, sgGnss},
        {"$PKRV,R,DBG,100,150,,,,,,", '$', "P", "DBG", 'R', sgDevice},
        {"$PTST,,,,,17", '$', "P", "TST", 0, sgDevice},
        {"$GPECQ,GGA", '$', "GP", "Q", 0, sgNone},
        {"$GPAIQ,Smg,5", '$', "GP", "AIQ", 0, sgNone},
        {"$HEHDT,274.07,T", '$', "HE", "HDT", 0, sgHeading},
        {"!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0", '!', "AI", "VDM", 0, sgAisEquipment},
        {"$XXGGA,,,,,,0,,,,,,,,", '$', "XX", "GGA", 0, sgGnss},
        {"$PKRV,C,Smg,TEXT,1", '$', "P", "Smg", 'C', sgNone},
    };
    for (const HeaderCase& c : cases) {
        TestDecoder decoder;
        ASSERT_TRUE(decoder.Parse(c.body)) << c.body;
        EXPECT_EQ(decoder.sentence.Start, c.start) << c.body;
        EXPECT_STREQ(decoder.sentence.Talker, c.talker) << c.body;
        EXPECT_STREQ(decoder.sentence.Formatter, c.formatter) << c.body;
        EXPECT_EQ(decoder.sentence.ProprietarySubtype, c.subtype) << c.body;
        EXPECT_EQ(SentenceGroupOf(decoder.sentence), c.group) << c.body;
    }
}

TEST(SentenceGroupOf, SortsFormattersWithoutParsersToo) {
    DecodedSentence sentence{};
    const struct {
        const char* formatter;
        SentenceGroup group;
    } cases[] = {{"LRI", sgLongRange}, {"LR3", sgLongRange}, {"DSE", sgDsc}, {"ZDA", sgGnss},
                 {"MOB", sgDevice},    {"XYZ", sgNone},      {"Q", sgNone},  {"", sgNone}};
    for (const auto& c : cases) {
        std::memset(sentence.Formatter, 0, sizeof sentence.Formatter);
        std::strcpy(sentence.Formatter, c.formatter);
        EXPECT_EQ(SentenceGroupOf(sentence), c.group) << c.formatter;
    }
}

TEST(ParseSentence, TheMakersSentencesParseLikeTheirOwnName) {
    TestDecoder viaMaker;
    TestDecoder direct;
    ASSERT_TRUE(viaMaker.Parse("$PKRV,R,TST,1,2,A,B,3"));
    ASSERT_TRUE(direct.Parse("$PTST,1,2,A,B,3"));
    EXPECT_EQ(viaMaker.sentence.Tst.Number1, direct.sentence.Tst.Number1);
    EXPECT_EQ(viaMaker.sentence.Tst.Char2, 'B');
    EXPECT_EQ(viaMaker.sentence.Tst.Number3, 3);
    // The maker's code with the wrong number of fields after the name is refused.
    EXPECT_FALSE(viaMaker.Parse("$PKRV,R,TST,1,2,A,B"));
    EXPECT_EQ(viaMaker.result, drFields);
}

TEST(DecodeSentence, MergesGnssSentencesAndReportsEncapsulatedOnesAsPending) {
    TestDecoder decoder;
    EXPECT_TRUE(decoder.Decode(kGga));
    EXPECT_EQ(decoder.result, drDecoded);
    EXPECT_TRUE(decoder.navigation.FixReported);

    // The first of two fragments completes no AIS message; a whole message decodes.
    EXPECT_FALSE(decoder.Decode("!AIVDM,2,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0"));
    EXPECT_EQ(decoder.result, drEncapsulated);
    EXPECT_TRUE(decoder.Decode("!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0"));
    EXPECT_EQ(decoder.result, drDecoded);
    // The same sentence behind "$" is decoded like any other and never reaches the AIS
    // decoder.
    EXPECT_TRUE(decoder.Decode("$AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0"));
}

TEST(DecodeSentence, ARejectedLineLeavesTheNavigationStateUnchanged) {
    TestDecoder decoder;
    ASSERT_TRUE(decoder.Decode(kGga));
    NavigationState before = decoder.navigation;
    const std::string rejected[] = {
        kGga.substr(0, kGga.size() - 1),                        // 13 fields
        "$GPGGA,000000,0000.000,S,00000.000,W,0,00,,,M,,M,,,x", // 16 fields
        "$GPGSV,1,1,01,29,31,360,42",                           // azimuth 360
        "$GPZDA,000000.00,00,01,2000,00,00",                    // day 0
    };
    for (const std::string& body : rejected) {
        EXPECT_FALSE(decoder.Decode(body)) << body;
        EXPECT_EQ(std::memcmp(&before, &decoder.navigation, sizeof before), 0) << body;
    }
    EXPECT_FALSE(decoder.DecodeLine(WithChecksum("$GPRMC,1") + "x"));
    EXPECT_EQ(std::memcmp(&before, &decoder.navigation, sizeof before), 0);
}

TEST(DecodeSentence, OtherGroupsAreNotMerged) {
    TestDecoder decoder;
    for (const char* body :
         {"$HEHDT,274.07,T", "$GNGNS,014035.00,4332.69,S,17235.48,E,RR,13,0.9,,,,", "$PTST,,,,,17",
          "$AITXT,01,01,91,text"}) {
        ASSERT_TRUE(decoder.Decode(body)) << body;
        NavigationState zero{};
        EXPECT_EQ(std::memcmp(&zero, &decoder.navigation, sizeof zero), 0) << body;
    }
}

TEST(PassesGpsLineFilter, TakesSentencesOfAtMost80CharactersBeforeCrLf) {
    const struct {
        std::string line;
        bool passes;
    } cases[] = {
        {"$" + std::string(79, 'x') + "\r\n", true},
        {"$" + std::string(80, 'x') + "\r\n", false},
        {"!" + std::string(79, 'x') + "\r\n", true},
        {"#GPGGA\r\n", false},
        {"\r\n", false},
        {"[DEVICE DATA END]\r\n", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PassesGpsLineFilter(c.line.data(), c.line.size()), c.passes) << c.line;
}

} // namespace
