// Sending: raw bytes, and proprietary sentences completed with their checksum.
#include "SessionFixture.h"

#include "nmea/Checksum.h"

#include <gtest/gtest.h>

namespace {

TEST(AppendChecksum, CompletesTheSentence) {
    struct Case {
        std::string text, completed;
    };
    const Case cases[] = {
        {"$PTST,,,,,17", "$PTST,,,,,17*29\r\n"},
        {"$PDBG,163,1,,,,,,", "$PDBG,163,1,,,,,,*14"
                              "\r\n"},
        {"$PDBG,38,2,40,2,42,2,,", "$PDBG,38,2,40,2,42,2,,*2A\r\n"},
        {"$PKRV,C,DBG,100,150,,,,,,", "$PKRV,C,DBG,100,150,,,,,,*18\r\n"},
        {"$", "$*00\r\n"},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_TRUE(AppendChecksum(text));
        EXPECT_EQ(text, c.completed);
    }
    std::string huge(65535, 'A');
    EXPECT_FALSE(AppendChecksum(huge));
    EXPECT_EQ(huge.size(), 65535u);
}

using SendPathTest = SessionFixture;

TEST_F(SendPathTest, ReportRequestGoesOutCompletedAndSilently) {
    Open();
    EXPECT_EQ(session.SendSentence("$PTST,,,,,17"), srSent);
    EXPECT_EQ(line->Written(), "$PTST,,,,,17*29\r\n");
    EXPECT_TRUE(observer.errors.empty());
}

TEST_F(SendPathTest, AFailedWriteIsReported) {
    Open();
    line->writeFails = true;
    EXPECT_EQ(session.SendSentence("$PDBG,163,1,,,,,,"), srWriteFailed);
    EXPECT_EQ(observer.errors, std::vector<TSessionError>{TSessionError::WriteFailed});
}

TEST_F(SendPathTest, WithoutConnectionNothingIsSent) {
    EXPECT_EQ(session.SendSentence("$PTST,,,,,17"), srNotConnected);
    EXPECT_EQ(observer.errors, std::vector<TSessionError>{TSessionError::NotConnected});
    EXPECT_FALSE(session.SendBytes("x", 1));
    EXPECT_EQ(line->Written(), "");
}

TEST_F(SendPathTest, OverlongSentenceIsRefused) {
    Open();
    // 95 characters + "*hh" CR LF = 100 is still sent; one more is not.
    std::string fits = "$P" + std::string(93, 'A');
    EXPECT_EQ(session.SendSentence(fits), srSent);
    EXPECT_EQ(line->Written().size(), 100u);
    EXPECT_EQ(session.SendSentence(fits + "A"), srTooLong);
    EXPECT_EQ(observer.errors, std::vector<TSessionError>{TSessionError::SentenceTooLong});
    EXPECT_EQ(line->Written().size(), 100u);
}

TEST_F(SendPathTest, SendBytesWritesRawBytes) {
    Open();
    EXPECT_TRUE(session.SendBytes("AT+VER\n", 7));
    EXPECT_EQ(line->Written(), "AT+VER\n");
}

} // namespace
