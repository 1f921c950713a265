// The receive path: byte chunks from the port become lines for the data log and, as
// private copies, for the three line consumers.
#include "FakePorts.h"
#include "FakeView.h"
#include "MemoryComm.h"

#include "app/Mainform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Records what each consumer receives; the first consumer scribbles on its copy.
class RecordingForm : public TForm1 {
public:
    RecordingForm(TMainView& view, std::unique_ptr<TComm> comm)
        : TForm1(view, {}, std::make_unique<FakePorts>(std::make_shared<FakePorts::State>()),
                 std::move(comm)) {}
    std::vector<std::string> calls;

protected:
    void HandleGpsLine(char* line) override {
        calls.push_back("gps " + std::string(line));
        std::memset(line, '#', std::strlen(line));
    }
    void HandshakeStep(char* line) override { calls.push_back("handshake " + std::string(line)); }
    void ParseReportLine(char* line) override { calls.push_back("report " + std::string(line)); }
};

class ReceivePathTest : public ::testing::Test {
protected:
    ReceivePathTest() { StartFresh(); }

    void StartFresh() {
        view = FakeView();
        auto memory = std::make_unique<TMemoryComm>();
        line = memory->line;
        form = std::make_unique<RecordingForm>(view, std::move(memory));
        form->Comm().Open();
    }

    // Delivers one chunk the way the serial component's OnRxChar does.
    void Receive(const std::string& chunk) {
        line->Receive(chunk, /*quiet=*/true);
        form->CommRxChar(&form->Comm(), static_cast<uint32_t>(chunk.size()));
    }

    std::vector<std::string> Dispatched() const {
        std::vector<std::string> lines;
        for (const std::string& call : form->calls)
            if (call.rfind("gps ", 0) == 0)
                lines.push_back(call.substr(4));
        return lines;
    }

    FakeView view;
    std::shared_ptr<MemoryLine> line;
    std::unique_ptr<RecordingForm> form;
};

TEST_F(ReceivePathTest, ChunksBecomeLines) {
    const std::string x82(82, 'x');
    struct Case {
        const char* what;
        std::vector<std::string> chunks;
        std::vector<std::string> lines;
        std::string pending;
    };
    const std::vector<Case> cases = {
        {"line split over two events", {"AB", "C\r\n"}, {"ABC\r\n"}, ""},
        {"lone CR inside a line is dropped", {"A\rB\n"}, {"AB\r\n"}, ""},
        {"CR CR LF ends a line like LF", {"AB\r\r\n"}, {"AB\r\n"}, ""},
        {"two lines in one event, in order", {"L1\r\nL2\r\n"}, {"L1\r\n", "L2\r\n"}, ""},
        {"NUL inside a line is dropped", {std::string("A\0B\n", 4)}, {"AB\r\n"}, ""},
        {"82 characters are dispatched", {x82 + "\n"}, {x82 + "\r\n"}, ""},
        {"83 characters are discarded", {x82 + "y\n", "ok\n"}, {"ok\r\n"}, ""},
        {"an empty line is dispatched", {"\n"}, {"\r\n"}, ""},
        {"bytes of 128 and above are kept", {"\xB0\xFF\n"}, {"\xB0\xFF\r\n"}, ""},
        {"bytes after the last LF wait", {"done\nhalf"}, {"done\r\n"}, "half"},
    };
    for (const Case& c : cases) {
        StartFresh();
        for (const std::string& chunk : c.chunks)
            Receive(chunk);
        EXPECT_EQ(Dispatched(), c.lines) << c.what;
        EXPECT_EQ(form->PendingLine(), c.pending) << c.what;
    }
}

TEST_F(ReceivePathTest, EachLineVisitsAllConsumersInOrderWithItsOwnCopy) {
    Receive("$GPGGA,1\r\n$GPRMC,2\r\n");
    std::vector<std::string> expected = {
        "gps $GPGGA,1\r\n", "handshake $GPGGA,1\r\n", "report $GPGGA,1\r\n",
        "gps $GPRMC,2\r\n", "handshake $GPRMC,2\r\n", "report $GPRMC,2\r\n",
    };
    EXPECT_EQ(form->calls, expected);
}

TEST_F(ReceivePathTest, DataLogSeesEveryCompletedLineWhileRecording) {
    Receive("before\n");
    form->LoggingOn = true;
    const std::string x83(83, 'x');
    Receive("one\r\n" + x83 + "\n\n");
    EXPECT_EQ(view.lists[TControl::MemoDataLog], (std::vector<std::string>{"one", x83, ""}));
}

// What a stream of garbage must not do: grow memory without bound or take the valid
// lines around it down with it.
TEST_F(ReceivePathTest, LongStreamWithoutLineFeedIsBoundedAndLoggedCut) {
    form->LoggingOn = true;
    Receive("$GPGLL,before\r\n");
    const std::string flood(1 << 20, 'z');
    for (size_t at = 0; at < flood.size(); at += 4096) {
        Receive(flood.substr(at, 4096));
        ASSERT_LE(form->PendingLine().size(), TForm1::kPendingLineCap);
    }
    Receive("\n$GPGLL,after\r\n");
    EXPECT_EQ(Dispatched(), (std::vector<std::string>{"$GPGLL,before\r\n", "$GPGLL,after\r\n"}));
    const auto& log = view.lists[TControl::MemoDataLog];
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1], std::string(TForm1::kPendingLineCap, 'z'));
}

TEST_F(ReceivePathTest, CountAboveTheBufferIsReadToTheEnd) {
    std::string many;
    std::vector<std::string> expected;
    for (int i = 0; i < 1000; ++i) {
        std::string l = "$GPZDA,line " + std::to_string(i);
        many += l + "\r\n";
        expected.push_back(l + "\r\n");
    }
    ASSERT_GT(many.size(), static_cast<size_t>(2 * TForm1::kReceiveBufferSize));
    Receive(many);
    EXPECT_EQ(Dispatched(), expected);
}

TEST_F(ReceivePathTest, ClosedPortReadsNothing) {
    form->Comm().Close();
    line->Receive("$GPGGA,late\r\n", true);
    form->CommRxChar(&form->Comm(), 13);
    EXPECT_TRUE(form->calls.empty());
}

} // namespace
