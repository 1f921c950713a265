// Event delivery and setting rules of the serial component, on a device in memory.
#include "MemoryComm.h"

#include "session/EventLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

class CommEventsTest : public ::testing::Test {
protected:
    CommEventsTest() : comm(loop.HandOver()) {
        auto note = [this](const char* name) {
            return [this, name](TThreadComm*) { calls.push_back(name); };
        };
        comm.OnBreak = note("Break");
        comm.OnCts = note("Cts");
        comm.OnDsr = note("Dsr");
        comm.OnError = [this](TThreadComm*, int errors) {
            calls.push_back("Error " + std::to_string(errors));
        };
        comm.OnRing = note("Ring");
        comm.OnRlsd = note("Rlsd");
        comm.OnRxChar = [this](TThreadComm*, uint32_t count) {
            calls.push_back("RxChar " + std::to_string(count));
        };
        comm.OnRxFlag = note("RxFlag");
        comm.OnTxEmpty = note("TxEmpty");
        comm.OnComStatEvent = [this](TThreadComm*, uint32_t mask, TComStat stat) {
            calls.push_back("ComStat " + std::to_string(mask) + " " + std::to_string(stat.cbInQue));
        };
    }

    void Deliver(size_t expectedCalls) {
        ASSERT_TRUE(loop.RunUntil([&] { return calls.size() >= expectedCalls; }, 5s));
    }

    TEventLoop loop;
    TMemoryComm comm;
    std::vector<std::string> calls;
};

TEST_F(CommEventsTest, HandlersRunInTheFixedOrderThenComStat) {
    comm.Open();
    comm.line->lineErrors = kCeFrame;
    comm.line->Receive("abc", /*quiet=*/true);
    comm.line->RaiseEvents(kAllCommEvents);
    Deliver(10);
    std::vector<std::string> expected = {"Break", "Cts",      "Dsr",    "Error 8", "Ring",
                                         "Rlsd",  "RxChar 3", "RxFlag", "TxEmpty", "ComStat 511 3"};
    EXPECT_EQ(calls, expected);
}

TEST_F(CommEventsTest, RxCharWithAnEmptyQueueOnlyReportsComStat) {
    comm.Open();
    comm.line->RaiseEvents(kEvRxChar);
    Deliver(1);
    EXPECT_EQ(calls, std::vector<std::string>{"ComStat 1 0"});
}

TEST_F(CommEventsTest, ACloseInsideAHandlerDropsTheRestOfTheEvent) {
    comm.OnCts = [this](TThreadComm*) {
        calls.push_back("Cts");
        comm.Close();
    };
    comm.Open();
    comm.line->RaiseEvents(kEvBreak | kEvCts | kEvDsr);
    Deliver(2);
    loop.RunFor(100ms);
    EXPECT_EQ(calls, (std::vector<std::string>{"Break", "Cts"}));
}

TEST_F(CommEventsTest, MonitoredEventsBecomeTheDeviceMask) {
    comm.SetMonitorEvents({evRxChar, evBreak, evTxEmpty});
    comm.Open();
    EXPECT_EQ(comm.line->eventMask, kEvRxChar | kEvBreak | kEvTxEmpty);
}

TEST_F(CommEventsTest, LineSettingsAreReappliedOnlyWhenAValueChanges) {
    comm.Open();
    ASSERT_EQ(comm.line->applied.size(), 1u);
    const TLineSettings& first = comm.line->applied.back();
    EXPECT_EQ(first.BaudRate, 9600u);
    EXPECT_EQ(first.XonLim, 1024);
    EXPECT_EQ(first.XonChar, 17);

    comm.SetBaudRate(br9600);
    comm.SetOptions({});
    EXPECT_EQ(comm.line->applied.size(), 1u);

    comm.SetParity(paOdd);
    comm.SetDataBits(da7);
    comm.SetStopBits(sb20);
    EXPECT_EQ(comm.line->applied.back().Parity, 1);
    EXPECT_EQ(comm.line->applied.back().ByteSize, 7);
    EXPECT_EQ(comm.line->applied.back().StopBits, 2);

    comm.SetParity(paOdd);
    comm.SetDataBits(da7);
    comm.SetStopBits(sb20);
    EXPECT_EQ(comm.line->applied.back().Parity, 1);
    EXPECT_EQ(comm.line->applied.back().ByteSize, 7);
    EXPECT_EQ(comm.line->applied.back().StopBits, 2);

    comm.SetOptions({coParityCheck, coNullStrip});
    comm.EventChars().SetEvtChar('\n');
    ASSERT_EQ(comm.line->applied.size(), 6u);
    const TLineSettings& last = comm.line->applied.back();
    EXPECT_TRUE(last.fParity);
    EXPECT_TRUE(last.fNull);
    EXPECT_FALSE(last.fDsrSensitivity);
    EXPECT_EQ(last.EvtChar, '\n');

    TCommEventChars copy(nullptr);
    copy.SetXOnChar(1);
    comm.EventChars().Assign(copy);
    EXPECT_EQ(comm.line->applied.size(), 6u);
    EXPECT_EQ(comm.EventChars().XOnChar(), 1);
}

TEST_F(CommEventsTest, DeviceLossIsHandedOverOnce) {
    int lost = 0;
    comm.OnDeviceLost = [&](TThreadComm*) { ++lost; };
    comm.Open();
    comm.line->LoseDevice();
    ASSERT_TRUE(loop.RunUntil([&] { return lost > 0; }, 5s));
    loop.RunFor(100ms);
    EXPECT_EQ(lost, 1);
}

} // namespace
