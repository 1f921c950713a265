// Sending: raw bytes, and proprietary sentences completed with their checksum.
#include "FakePorts.h"
#include "FakeView.h"
#include "MemoryComm.h"

#include "app/Mainform.h"
#include "session/Checksum.h"

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

class SendPathTest : public ::testing::Test {
protected:
    SendPathTest() {
        auto memory = std::make_unique<TMemoryComm>();
        line = memory->line;
        form = std::make_unique<TForm1>(
            view, TSynchronize{}, std::make_unique<FakePorts>(std::make_shared<FakePorts::State>()),
            std::move(memory));
    }
    void Connect() { ASSERT_TRUE(form->ConnectDevice("memory", br128000)); }

    FakeView view;
    std::shared_ptr<MemoryLine> line;
    std::unique_ptr<TForm1> form;
};

TEST_F(SendPathTest, ReportRequestGoesOutCompletedAndSilently) {
    Connect();
    EXPECT_EQ(form->SendSentence("$PTST,,,,,17", false), srSent);
    EXPECT_EQ(line->Written(), "$PTST,,,,,17*29\r\n");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(SendPathTest, ConfirmationFollowsTheWrite) {
    Connect();
    EXPECT_EQ(form->SendSentence("$PDBG,163,1,,,,,,", true), srSent);
    EXPECT_EQ(line->Written(), "$PDBG,163,1,,,,,,*14\r\n");
    EXPECT_EQ(view.messages, std::vector<std::string>{"Settings applied."});
}

// "Settings applied." after a write that failed would tell the technician that the
// receiver was programmed when nothing reached it.
TEST_F(SendPathTest, AFailedWriteIsReportedAndNotConfirmed) {
    Connect();
    line->writeFails = true;
    EXPECT_EQ(form->SendSentence("$PDBG,163,1,,,,,,", true), srWriteFailed);
    EXPECT_EQ(view.messages, std::vector<std::string>{"error: Send message error"});
    EXPECT_EQ(view.messageIcons.back(), TMessageIcon::Error);
}

TEST_F(SendPathTest, WithoutConnectionNothingIsSent) {
    EXPECT_EQ(form->SendSentence("$PTST,,,,,17", true), srNotConnected);
    EXPECT_EQ(view.messages, std::vector<std::string>{
                                 "This function requires a connection. Please connect first."});
    EXPECT_FALSE(form->SendData("x", 1));
    EXPECT_EQ(line->Written(), "");
}

TEST_F(SendPathTest, OverlongSentenceIsRefused) {
    Connect();
    // 95 characters + "*hh" CR LF = 100 is still sent; one more is not.
    std::string fits = "$P" + std::string(93, 'A');
    EXPECT_EQ(form->SendSentence(fits, false), srSent);
    EXPECT_EQ(line->Written().size(), 100u);
    EXPECT_EQ(form->SendSentence(fits + "A", true), srTooLong);
    EXPECT_EQ(view.messages, std::vector<std::string>{"Data overflow"});
    EXPECT_EQ(line->Written().size(), 100u);
}

TEST_F(SendPathTest, SendDataWritesRawBytes) {
    Connect();
    EXPECT_TRUE(form->SendData("AT+VER\n", 7));
    EXPECT_EQ(line->Written(), "AT+VER\n");
}

} // namespace
