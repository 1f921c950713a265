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
    uint64_t dropped;   // fragments that completed no message
};

const AisRoute kVdm;
const AisRoute kVdmOnB{"!AIVDM", "B", -1};
const AisRoute kVdo{"!AIVDO", "A", -1};
const AisRoute kSequence1{"!AIVDM", "A", 1};
const AisRoute kSequence2{"!AIVDM", "A", 2};
const AisRoute kSequence2OnB{"!AIVDM", "B", 2};
const std::string k60(60, 'w');
const std::string k20(20, '0');

// Only a message that starts with its sentence 1 and goes on in order completes; every
// other fragment is dropped and counted, never joined into a made-up message.
TEST(AssembleVdm, JoinsFragmentsFromTheFirstInOrderAndDropsTheRest) {
    const JoinCase cases[] = {
        {"one fragment", {{kVdm, 1, 1, "AAAA", 0, true}}, "AAAA", 0},
        {"two fragments",
         {{kVdm, 2, 1, "AAAA", 0, false}, {kVdm, 2, 2, "BBBB", 2, true}},
         "AAAABBBB",
         0},
        {"fragment 2 of 2 alone", {{kVdm, 2, 2, "BBBB", 0, false}}, "", 1},
        {"fragments 2 and 3 of 3 without 1",
         {{kVdm, 3, 2, "BBBB", 0, false}, {kVdm, 3, 3, "CCCC", 0, false}},
         "",
         2},
        {"1 then 3 of 3: the message lost its 2",
         {{kVdm, 3, 1, "AAAA", 0, false}, {kVdm, 3, 3, "CCCC", 0, false}},
         "",
         2},
        {"a repeated middle fragment breaks the message",
         {{kVdm, 3, 1, "AAAA", 0, false},
          {kVdm, 3, 2, "BBBB", 0, false},
          {kVdm, 3, 2, "BBBB", 0, false},
          {kVdm, 3, 3, "CCCC", 0, false}},
         "",
         4},
        {"fragments on different channels",
         {{kVdm, 2, 1, "AAAA", 0, false}, {kVdmOnB, 2, 2, "BBBB", 0, true}},
         "AAAABBBB",
         0},
        {"a fragment 2 of another sequential identifier is dropped alone",
         {{kSequence1, 2, 1, "AAAA", 0, false},
          {kSequence2, 2, 2, "BBBB", 0, false},
          {kSequence1, 2, 2, "2222", 0, true}},
         "AAAA2222",
         1},
        {"a fragment 2 of another formatter is dropped alone",
         {{kVdm, 2, 1, "AAAA", 0, false}, {kVdo, 2, 2, "BBBB", 0, false}},
         "AAAA",
         1},
        {"a fragment 2 of another total is dropped alone",
         {{kVdm, 2, 1, "AAAA", 0, false}, {kVdm, 3, 2, "BBBB", 0, false}},
         "AAAA",
         1},
        {"a repeated first fragment starts again",
         {{kVdm, 2, 1, "AAAA", 0, false},
          {kVdm, 2, 1, "1111", 0, false},
          {kVdm, 2, 2, "BBBB", 0, true}},
         "1111BBBB",
         1},
        {"fragments in reverse order",
         {{kVdm, 2, 2, "BBBB", 0, false}, {kVdm, 2, 1, "AAAA", 0, false}},
         "AAAA",
         1},
        {"two messages interleaved on channels A and B: the later one completes",
         {{kSequence1, 2, 1, "AAAA", 0, false},
          {kSequence2OnB, 2, 1, "1111", 0, false},
          {kSequence1, 2, 2, "BBBB", 0, false},
          {kSequence2OnB, 2, 2, "2222", 0, true}},
         "11112222",
         2},
        {"a number past the total", {{kVdm, 1, 2, "AAAA", 0, false}}, "", 1},
        {"a total of 0", {{kVdm, 0, 1, "AAAA", 0, false}}, "", 1},
        {"a fragment number of 0", {{kVdm, 2, 0, "AAAA", 0, false}}, "", 1},
        {"three fragments of 60 characters exceed 172: the message is dropped",
         {{kSequence1, 3, 1, k60, 0, false},
          {kSequence1, 3, 2, k60, 0, false},
          {kSequence1, 3, 3, k60, 0, false}},
         "",
         3},
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
         "",
         9},
        {"the last fragment after a dropped message starts nothing",
         {{kSequence1, 3, 1, k60, 0, false},
          {kSequence1, 3, 2, k60, 0, false},
          {kSequence1, 3, 3, k60, 0, false},
          {kSequence1, 3, 3, "CCCC", 0, false}},
         "",
         4},
        {"a complete message is not dropped by the next first fragment",
         {{kVdm, 1, 1, "AAAA", 0, true}, {kVdm, 2, 1, "BBBB", 0, false}},
         "BBBB",
         0},
    };
    for (const JoinCase& c : cases) {
        SCOPED_TRACE(c.what);
        DecodedSentence sentence{};
        PendingVdm pending{};
        for (const Fragment& f : c.fragments) {
            ASSERT_TRUE(ParseLine(AisSentence(f.route, f.total, f.number, f.payload, f.fillBits),
                                  sentence));
            EXPECT_EQ(AssembleVdm(AisFragmentOf(sentence), pending), f.completes)
                << f.number << "/" << f.total;
        }
        EXPECT_EQ(std::string(pending.Payload), c.joined);
        EXPECT_EQ(pending.Length, c.joined.size());
        EXPECT_EQ(pending.DroppedFragments, c.dropped);
    }
}

TEST(DiscardPendingVdm, CountsTheFragmentsOfAnUnfinishedMessageOnly) {
    DecodedSentence sentence{};
    PendingVdm pending{};
    ASSERT_TRUE(ParseLine(AisSentence(kVdm, 3, 1, "AAAA", 0), sentence));
    AssembleVdm(AisFragmentOf(sentence), pending);
    ASSERT_TRUE(ParseLine(AisSentence(kVdm, 3, 2, "BBBB", 0), sentence));
    AssembleVdm(AisFragmentOf(sentence), pending);
    DiscardPendingVdm(pending);
    EXPECT_EQ(pending.DroppedFragments, 2u);
    EXPECT_EQ(pending.Total, 0);
    EXPECT_EQ(pending.Length, 0);

    ASSERT_TRUE(ParseLine(AisSentence(kVdm, 1, 1, "CCCC", 0), sentence));
    ASSERT_TRUE(AssembleVdm(AisFragmentOf(sentence), pending));
    DiscardPendingVdm(pending);
    EXPECT_EQ(pending.DroppedFragments, 2u) << "a complete message is no loss";
    DiscardPendingVdm(pending);
    EXPECT_EQ(pending.DroppedFragments, 2u);
}

TEST(AssembleVdm, KeepsTheFirstChannelAndTheLastFillBits) {
    DecodedSentence sentence{};
    PendingVdm pending{};
    ASSERT_TRUE(ParseLine(AisSentence(kVdmOnB, 2, 1, "AAAA", 0), sentence));
    EXPECT_FALSE(AssembleVdm(AisFragmentOf(sentence), pending));
    ASSERT_TRUE(ParseLine(AisSentence(kVdm, 2, 2, "BBB", 2), sentence));
    EXPECT_TRUE(AssembleVdm(AisFragmentOf(sentence), pending));
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
