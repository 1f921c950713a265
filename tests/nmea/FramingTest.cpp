// Framing: checksum, expansion of empty fields, and the split of data fields.
#include "SentenceHelpers.h"

#include "nmea/Framing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";

struct ChecksumCase {
    const char* what;
    std::string line;
    bool accepted;
};

TEST(VerifyChecksum, AcceptsOnlyAMatchingUpperCaseChecksum) {
    const ChecksumCase cases[] = {
        {"well-formed GGA", kGga, true},
        {"checksum differs",
         "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*48\r\n", false},
        {"no asterisk", "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,\r\n",
         false},
        {"lower-case digit", "$PTST,,,,,1!*3f\r\n", false},
        {"upper-case digit", "$PTST,,,,,1!*3F\r\n", true},
        {"asterisk without room for two digits", "$GPXXX*4\r\n", false},
        {"only CR LF", "\r\n", false},
        {"empty", "", false},
        {"checksum of the character after $ alone", "$A*41\r\n", true},
    };
    for (const ChecksumCase& c : cases)
        EXPECT_EQ(VerifyChecksum(c.line.c_str(), c.line.size()), c.accepted) << c.what;
}

// The "*" and the characters before it are looked at sixteen at a time: every length and
// every place of the "*", against the plain reading (a "*" right after the start
// character does not count).
TEST(VerifyChecksum, FindsTheAsteriskWhereverItStands) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (size_t length = 5; length <= 99; ++length)
        for (size_t star = 2; star + 3 <= length; ++star) {
            std::string line(length, 'a');
            line[0] = '$';
            line[1] = '*';
            for (size_t i = 2; i < star; ++i)
                line[i] = static_cast<char>('A' + (i * 7 + length) % 26);
            line[star] = '*';
            uint8_t sum = 0;
            for (size_t i = 1; i < star; ++i)
                sum ^= static_cast<uint8_t>(line[i]);
            line[star + 1] = kHex[sum >> 4];
            line[star + 2] = kHex[sum & 0x0F];
            size_t found = 0;
            ASSERT_TRUE(VerifyChecksum(line.c_str(), length, &found)) << line;
            EXPECT_EQ(found, star);
            line[star + 2] = kHex[(sum + 1) & 0x0F];
            ASSERT_FALSE(VerifyChecksum(line.c_str(), length)) << line;
        }
}

TEST(VerifyChecksum, UsesTheFirstAsterisk) {
    // The digits after the first "*" decide; a second "*" is just text after them.
    std::string line = WithChecksum("$GPTXT,a");
    line.insert(line.size() - 2, "*00");
    EXPECT_TRUE(VerifyChecksum(line.c_str(), line.size()));
}

// Expands a NUL-terminated buffer and checks that the length kept up.
bool Expand(char* buffer) {
    size_t length = std::strlen(buffer);
    bool expanded = ExpandEmptyFields(buffer, length);
    EXPECT_EQ(length, std::strlen(buffer));
    return expanded;
}

TEST(ExpandEmptyFields, WritesASpaceIntoEveryEmptyField) {
    char buffer[kSentenceBufferSize] = "$GPGSA,A,1,,,,,,,,,,,,,,,*1E\r\n";
    ASSERT_TRUE(Expand(buffer));
    EXPECT_STREQ(buffer, "$GPGSA,A,1, , , , , , , , , , , , , , , *1E\r\n");

    char fieldBeforeAsterisk[kSentenceBufferSize] = "$GPGSA,A,1,,,*hh\r\n";
    ASSERT_TRUE(Expand(fieldBeforeAsterisk));
    EXPECT_STREQ(fieldBeforeAsterisk, "$GPGSA,A,1, , , *hh\r\n");
}

TEST(ExpandEmptyFields, RefusesAResultOver98CharactersAndLeavesTheBuffer) {
    // 98 characters after expansion fit; 99 do not.
    std::string fits = "$GPXXXA" + std::string(43, ',') + "*00\r\n"; // 55 + 43 spaces
    std::string over = "$GPXXXA" + std::string(44, ',') + "*00\r\n"; // 56 + 44 spaces
    char buffer[kSentenceBufferSize];
    std::strcpy(buffer, fits.c_str());
    EXPECT_TRUE(Expand(buffer));
    EXPECT_EQ(std::strlen(buffer), 98u);
    std::strcpy(buffer, over.c_str());
    EXPECT_FALSE(Expand(buffer));
    EXPECT_EQ(std::string(buffer), over);
}

std::vector<std::string> Fields(const char* line) {
    char buffer[kSentenceBufferSize];
    std::strcpy(buffer, line);
    Expand(buffer);
    FieldList fields(buffer, std::strlen(buffer));
    std::vector<std::string> read;
    if (!fields.FindEnd())
        return read;
    for (int k = 1; k <= fields.Count(); ++k)
        read.emplace_back(fields.Field(k));
    return read;
}

TEST(FieldList, ReadsFieldsBetweenCommasAndTheLastUpToTheAsterisk) {
    EXPECT_EQ(Fields("$GPGSA,A,1,,,*hh\r\n"), (std::vector<std::string>{"A", "1", " ", " ", " "}));
    // Leading spaces are skipped unless the field is made of spaces only.
    EXPECT_EQ(Fields("$GPXXX,  12,   ,7 *hh\r\n"), (std::vector<std::string>{"12", "   ", "7 "}));
}

TEST(FieldList, CountsEveryCommaOfTheExpandedLine) {
    char buffer[kSentenceBufferSize] = "$GPGSA,A,1,,,,,,,,,,,,,,,*1E\r\n";
    EXPECT_TRUE(HasFieldCount(FieldList(buffer, std::strlen(buffer)), 17));
    Expand(buffer);
    FieldList fields(buffer, std::strlen(buffer));
    EXPECT_TRUE(HasFieldCount(fields, 17));
    EXPECT_FALSE(HasFieldCount(fields, 18));
}

TEST(FieldList, RefusesALastFieldWithoutAsteriskAfterIt) {
    // The checksum's "*" stands before the last comma: the last field has no end.
    char buffer[kSentenceBufferSize] = "$GPHDT,1*2,T\r\n";
    FieldList fields(buffer, std::strlen(buffer));
    EXPECT_EQ(fields.Count(), 2);
    EXPECT_FALSE(fields.FindEnd());
}

} // namespace
