// Joining the fragments of an AIS message: what continues the message being joined, what
// replaces it, and what is refused.
#include "AisTestSupport.h"

#include "ais/PendingVdm.h"

#include <gtest/gtest.h>

namespace {

struct Fragment {
    AisRoute route;
    int total;
    int number;
    std::string payload;
    int fillBits;
    bool completes;
};

struct JoinCase {
    const char* what;
    std::vector<Fragment> fragments;
    std::string joined; // the pending payload after the last fragment
};

const AisRoute kVdm;
const AisRoute kVdmOnB{"!AIVDM", "B", -1};
const AisRoute kVdo{"!AIVDO", "A", -1};
const AisRoute kSequence1{"!AIVDM", "A", 1};
const AisRoute kSequence2{"!AIVDM", "A", 2};
const std::string k60(60, 'w');
const std::string k20(20, '0');

TEST(AssembleVdm, JoinsFragmentsInOrderAndRestartsOnAnythingElse) {
    const JoinCase cases[] = {
        {"one fragment", {{kVdm, 1, 1, "AAAA", 0, true}}, "AAAA"},
        {"two fragments",
         {{kVdm, 2, 1, "AAAA", 0, false}, {kVdm, 2, 2, "BBBB", 2, true}},
         "AAAABBBB"},
        {"fragment 2 of 3 first, then 3",
         {{kVdm, 3, 2, "BBBB", 0, false}, {kVdm, 3, 3, "CCCC", 0, true}},
         "BBBBCCCC"},
        {"a skipped number replaces the message",
         {{kVdm, 3, 1, "AAAA", 0, false}, {kVdm, 3, 3, "CCCC", 0, false}},
         "CCCC"},
        {"fragments on different channels",
         {{kVdm, 2, 1, "AAAA", 0, false}, {kVdmOnB, 2, 2, "BBBB", 0, true}},
         "AAAABBBB"},
        {"different sequential identifiers",
         {{kSequence1, 2, 1, "AAAA", 0, false}, {kSequence2, 2, 2, "BBBB", 0, false}},
         "BBBB"},
        {"different formatters",
         {{kVdm, 2, 1, "AAAA", 0, false}, {kVdo, 2, 2, "BBBB", 0, false}},
         "BBBB"},
        {"different totals",
         {{kVdm, 2, 1, "AAAA", 0, false}, {kVdm, 3, 2, "BBBB", 0, false}},
         "BBBB"},
        {"a repeated first fragment starts again",
         {{kVdm, 2, 1, "AAAA", 0, false},
          {kVdm, 2, 1, "1111", 0, false},
          {kVdm, 2, 2, "BBBB", 0, true}},
         "1111BBBB"},
        {"fragments in reverse order",
         {{kVdm, 2, 2, "BBBB", 0, false}, {kVdm, 2, 1, "AAAA", 0, false}},
         "AAAA"},
        {"two messages interleaved",
         {{kSequence1, 2, 1, "AAAA", 0, false},
          {kSequence2, 2, 1, "1111", 0, false},
          {kSequence1, 2, 2, "BBBB", 0, false},
          {kSequence2, 2, 2, "2222", 0, false}},
         "2222"},
        {"three fragments of 60 characters exceed 172: the message is dropped",
         {{kSequence1, 3, 1, k60, 0, false},
          {kSequence1, 3, 2, k60, 0, false},
          {kSequence1, 3, 3, k60, 0, false}},
         ""},
        {"nine fragments of 20 characters exceed 172 at the ninth",
         {{kVdm, 9, 1, k20, 0, false},
          {kVdm, 9, 2, k20, 0, false},
          {kVdm, 9, 3, k20, 0, false},
          {kVdm, 9, 4, k20, 0, false},
          {kVdm, 9, 5, k20, 0, false},
          {kVdm, 9, 6, k20, 0, false},
          {kVdm, 9, 7, k20, 0, false},
          {kVdm, 9, 8, k20, 0, false},
          {kVdm, 9, 9, k20, 0, false}},
         ""},
        {"the last fragment after a dropped one starts nothing",
         {{kSequence1, 3, 1, k60, 0, false},
          {kSequence1, 3, 2, k60, 0, false},
          {kSequence1, 3, 3, k60, 0, false},
          {kSequence1, 3, 3, "CCCC", 0, false}},
         "CCCC"},
    };
    for (const JoinCase& c : cases) {
        SCOPED_TRACE(c.what);
        DecodedSentence sentence{};
        PendingVdm pending{};
        for (const Fragment& f : c.fragments) {
            ASSERT_TRUE(ParseLine(AisSentence(f.route, f.total, f.number, f.payload, f.fillBits),
                                  sentence));
            EXPECT_EQ(AssembleVdm(sentence, pending), f.completes) << f.number << "/" << f.total;
        }
        EXPECT_EQ(std::string(pending.Payload), c.joined);
        EXPECT_EQ(pending.Length, c.joined.size());
    }
}

TEST(AssembleVdm, KeepsTheFirstChannelAndTheLastFillBits) {
    DecodedSentence sentence{};
    PendingVdm pending{};
    ASSERT_TRUE(ParseLine(AisSentence(kVdmOnB, 2, 1, "AAAA", 0), sentence));
    EXPECT_FALSE(AssembleVdm(sentence, pending));
    ASSERT_TRUE(ParseLine(AisSentence(kVdm, 2, 2, "BBB", 2), sentence));
    EXPECT_TRUE(AssembleVdm(sentence, pending));
    EXPECT_EQ(pending.Channel, 'B');
    EXPECT_EQ(pending.FillBits, 2);
    EXPECT_EQ(pending.Sequence, kEmptyInt8);
    EXPECT_STREQ(pending.Formatter, "VDM");
}

TEST(AssembleVdm, TheParserRefusesTenFragmentsBeforeTheJoiner) {
    DecodedSentence sentence{};
    EXPECT_FALSE(ParseLine(AisSentence(kVdm, 10, 1, "AAAA", 0), sentence));
    EXPECT_FALSE(ParseLine(AisSentence(kVdm, 9, 10, "AAAA", 0), sentence));
}

} // namespace
