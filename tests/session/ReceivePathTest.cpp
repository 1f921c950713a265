// The receive path: byte chunks from the port become lines, told to every observer in
// turn, then read by the session itself; the data log records them as received.
#include "MemoryComm.h"

#include "session/ReceiverSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the lines an observer is told, under its name.
class RecordingObserver : public TSessionObserver {
public:
    RecordingObserver(std::string name, std::vector<std::string>& calls)
        : name_(std::move(name)), calls_(calls) {}
    void LineReceived(std::string_view line, bool overLong) override {
        if (!overLong)
            calls_.push_back(name_ + " " + std::string(line));
    }

private:
    std::string name_;
    std::vector<std::string>& calls_;
};

class ReceivePathTest : public ::testing::Test {
protected:
    ReceivePathTest() { StartFresh(); }

    void StartFresh() {
        calls.clear();
        auto memory = std::make_unique<TMemoryComm>();
        line = memory->line;
        session = std::make_unique<TReceiverSession>(TSynchronize{}, std::move(memory));
        session->AddObserver(first);
        session->AddObserver(second);
        session->Comm().Open();
    }

    // Delivers one chunk the way the serial component's OnRxChar does.
    void Receive(const std::string& chunk) {
        line->Receive(chunk, /*quiet=*/true);
        session->ReadWaiting(static_cast<uint32_t>(chunk.size()));
    }

    std::vector<std::string> Dispatched() const {
        std::vector<std::string> lines;
        for (const std::string& call : calls)
            if (call.rfind("first ", 0) == 0)
                lines.push_back(call.substr(6));
        return lines;
    }

    std::vector<std::string> calls;
    RecordingObserver first{"first", calls};
    RecordingObserver second{"second", calls};
    std::shared_ptr<MemoryLine> line;
    std::unique_ptr<TReceiverSession> session;
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
        {"line split over two events", {"AB", "C\r\n"}, {"ABC"}, ""},
        {"lone CR inside a line is dropped", {"A\rB\n"}, {"AB"}, ""},
        {"CR CR LF ends a line like LF", {"AB\r\r\n"}, {"AB"}, ""},
        {"two lines in one event, in order", {"L1\r\nL2\r\n"}, {"L1", "L2"}, ""},
        {"NUL inside a line is dropped", {std::string("A\0B\n", 4)}, {"AB"}, ""},
        {"82 characters are dispatched", {x82 + "\n"}, {x82}, ""},
        {"83 characters are discarded", {x82 + "y\n", "ok\n"}, {"ok"}, ""},
        {"an empty line is dispatched", {"\n"}, {""}, ""},
        {"bytes of 128 and above are kept", {"\xB0\xFF\n"}, {"\xB0\xFF"}, ""},
        {"bytes after the last LF wait", {"done\nhalf"}, {"done"}, "half"},
    };
    for (const Case& c : cases) {
        StartFresh();
        for (const std::string& chunk : c.chunks)
            Receive(chunk);
        EXPECT_EQ(Dispatched(), c.lines) << c.what;
        EXPECT_EQ(session->PendingLine(), c.pending) << c.what;
    }
}

TEST_F(ReceivePathTest, EachLineVisitsEveryObserverInOrder) {
    Receive("$GPGGA,1\r\n$GPRMC,2\r\n");
    std::vector<std::string> expected = {
        "first $GPGGA,1",
        "second $GPGGA,1",
        "first $GPRMC,2",
        "second $GPRMC,2",
    };
    EXPECT_EQ(calls, expected);
}

TEST_F(ReceivePathTest, CountAboveTheBufferIsReadToTheEnd) {
    std::string many;
    std::vector<std::string> expected;
    for (int i = 0; i < 1000; ++i) {
        std::string l = "$GPZDA,line " + std::to_string(i);
        many += l + "\r\n";
        expected.push_back(l);
    }
    ASSERT_GT(many.size(), static_cast<size_t>(2 * TReceiverSession::kReceiveBufferSize));
    Receive(many);
    EXPECT_EQ(Dispatched(), expected);
}

TEST_F(ReceivePathTest, ClosedPortReadsNothing) {
    session->Comm().Close();
    line->Receive("$GPGGA,late\r\n", true);
    session->ReadWaiting(13);
    EXPECT_TRUE(calls.empty());
}

// What a stream of garbage must not do: grow memory without bound or take the valid
// lines around it down with it.
TEST_F(ReceivePathTest, LongStreamWithoutLineFeedIsBoundedAndHandedOutCut) {
    std::vector<std::string> cut;
    struct CutLines : TSessionObserver {
        std::vector<std::string>& lines;
        explicit CutLines(std::vector<std::string>& l) : lines(l) {}
        void LineReceived(std::string_view line, bool overLong) override {
            if (overLong)
                lines.emplace_back(line);
        }
    } overLong(cut);
    session->AddObserver(overLong);
    Receive("$GPGLL,before\r\n");
    const std::string flood(1 << 20, 'z');
    for (size_t at = 0; at < flood.size(); at += 4096) {
        Receive(flood.substr(at, 4096));
        ASSERT_LE(session->PendingLine().size(), LineSplitter::kPendingCap);
    }
    Receive("\n$GPGLL,after\r\n");
    EXPECT_EQ(Dispatched(), (std::vector<std::string>{"$GPGLL,before", "$GPGLL,after"}));
    EXPECT_EQ(cut, std::vector<std::string>{std::string(LineSplitter::kPendingCap, 'z')});
}

} // namespace
