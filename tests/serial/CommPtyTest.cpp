// The serial component on a real pseudo-terminal made by the test.
#include "PtyPair.h"

#include "serial/Comm.h"
#include "serial/posix/TtyLine.h"
#include "session/EventLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace {

class CommPtyTest : public ::testing::Test {
protected:
    CommPtyTest() : comm(loop.HandOver()) { comm.SetDeviceName(pty.Path()); }

    TTtyLine NearLine() {
        TTtyLine line;
        EXPECT_EQ(GetTtyLine(pty.NearFd(), line), 0);
        return line;
    }

    PtyPair pty;
    TEventLoop loop;
    TComm comm;
};

TEST_F(CommPtyTest, MissingDeviceStaysClosedWithoutError) {
    comm.SetDeviceName("/nonexistent/ttyT360KV");
    EXPECT_NO_THROW(comm.Open());
    EXPECT_FALSE(comm.IsOpen());
    // The main window's next call after Open is SetRTS, which then reports the failure.
    try {
        comm.SetRTS(true);
        FAIL() << "SetRTS on a closed port must raise";
    } catch (const ECommError& e) {
        EXPECT_STREQ(e.what(), "Port not open (Error: -1)");
        EXPECT_EQ(e.Code(), -1);
    }
}

TEST_F(CommPtyTest, ClosedPortRefusesIo) {
    char byte = 'x';
    EXPECT_EQ(comm.Read(&byte, 1), -1);
    EXPECT_EQ(comm.Write(&byte, 1), -1);
    EXPECT_THROW(comm.SetDTR(true), ECommError);
    EXPECT_NO_THROW(comm.Close());
}

TEST_F(CommPtyTest, SecondOpenRaisesAndKeepsThePortOpen) {
    comm.Open();
    ASSERT_TRUE(comm.IsOpen());
    try {
        comm.Open();
        FAIL() << "second Open must raise";
    } catch (const ECommError& e) {
        EXPECT_STREQ(e.what(), "Port already assigned (open) (Error: -1)");
    }
    EXPECT_TRUE(comm.IsOpen());
    EXPECT_NO_THROW(comm.SetRTS(true));
    EXPECT_NO_THROW(comm.SetDTR(false));
}

TEST_F(CommPtyTest, DeviceIsExclusiveUntilClosed) {
    comm.Open();
    ASSERT_TRUE(comm.IsOpen());
    TComm other;
    other.SetDeviceName(pty.Path());
    other.Open();
    EXPECT_FALSE(other.IsOpen());

    // Close gives the device up at once, even though the event thread ends later.
    comm.Close();
    other.Open();
    EXPECT_TRUE(other.IsOpen());
}

TEST_F(CommPtyTest, ReceivedBytesArriveInOrderWithTheirCount) {
    std::string received;
    uint32_t counted = 0;
    comm.OnRxChar = [&](TThreadComm* sender, uint32_t count) {
        EXPECT_EQ(sender, &comm);
        counted += count;
        std::string chunk(count, '\0');
        int n = comm.Read(chunk.data(), static_cast<int>(count));
        ASSERT_EQ(n, static_cast<int>(count));
        received += chunk;
    };
    comm.Open();
    ASSERT_TRUE(comm.IsOpen());

    std::string sent;
    for (int i = 0; i < 200; ++i)
        sent += "$GPRMC,line " + std::to_string(i) + "\r\n";
    pty.WriteFar(sent);
    EXPECT_TRUE(loop.RunUntil([&] { return received.size() == sent.size(); }, 5s));
    EXPECT_EQ(received, sent);
    EXPECT_EQ(counted, sent.size());
}

TEST_F(CommPtyTest, WrittenBytesReachTheFarEnd) {
    comm.Open();
    ASSERT_TRUE(comm.IsOpen());
    std::string sentence = "$PTST,,,,,17*29\r\n";
    EXPECT_EQ(comm.Write(sentence.data(), static_cast<int>(sentence.size())),
              static_cast<int>(sentence.size()));
    EXPECT_EQ(pty.ReadFar(2000), sentence);
}

TEST_F(CommPtyTest, ReadOfZeroBytesReadsNothing) {
    comm.Open();
    pty.WriteFar("abc");
    char buffer[8] = {};
    EXPECT_EQ(comm.Read(buffer, 0), 0);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(comm.Read(buffer, 3), 3);
    EXPECT_EQ(std::string(buffer, 3), "abc");
}

TEST_F(CommPtyTest, EveryBaudRateReachesTheDriver) {
    comm.Open();
    ASSERT_TRUE(comm.IsOpen());
    for (int i = 0; i < kBaudRateCount; ++i) {
        comm.SetBaudRate(static_cast<TBaudRate>(i));
        EXPECT_EQ(NearLine().BaudRate, kBaudValues[i]) << "rate index " << i;
    }
}

TEST_F(CommPtyTest, StopBitsReachTheDriverAtOnce) {
    comm.Open();
    ASSERT_TRUE(comm.IsOpen());
    comm.SetStopBits(sb20);
    EXPECT_EQ(NearLine().StopBits, 2);
    comm.SetStopBits(sb10);
    EXPECT_EQ(NearLine().StopBits, 0);
}

// A pseudo-terminal always carries 8 data bits without parity; asking it for another
// frame must fail loudly and leave the line as it was, not pretend to have worked.
TEST_F(CommPtyTest, FrameTheDriverCannotCarryIsRefusedLoudly) {
    struct Case {
        const char* what;
        std::function<void(TComm&)> change;
    };
    const Case cases[] = {
        {"4 data bits", [](TComm& c) { c.SetDataBits(da4); }},
        {"7 data bits on a pty", [](TComm& c) { c.SetDataBits(da7); }},
        {"odd parity on a pty", [](TComm& c) { c.SetParity(paOdd); }},
        {"1.5 stop bits with 8 data bits", [](TComm& c) { c.SetStopBits(sb15); }},
    };
    for (const Case& c : cases) {
        TComm port;
        port.SetDeviceName(pty.Path());
        port.SetBaudRate(br38400);
        port.Open();
        ASSERT_TRUE(port.IsOpen());
        try {
            c.change(port);
            ADD_FAILURE() << c.what << " must be refused";
        } catch (const ECommError& e) {
            EXPECT_STREQ(e.what(), "Error updating DataControlBlock (Error: 22)") << c.what;
        }
        TTtyLine line = NearLine();
        EXPECT_EQ(line.ByteSize, 8) << c.what;
        EXPECT_EQ(line.Parity, 0) << c.what;
        EXPECT_EQ(line.StopBits, 0) << c.what;
        EXPECT_EQ(line.BaudRate, 38400u) << c.what;
    }
}

TEST_F(CommPtyTest, RefusedLineOnOpenLeavesThePortOpenForClose) {
    comm.SetDataBits(da4);
    bool rxCalled = false;
    comm.OnRxChar = [&](TThreadComm*, uint32_t) { rxCalled = true; };
    EXPECT_THROW(comm.Open(), ECommError);
    // Open, but without an event thread: nothing is delivered, Close still closes.
    EXPECT_TRUE(comm.IsOpen());
    pty.WriteFar("data\r\n");
    loop.RunFor(200ms);
    EXPECT_FALSE(rxCalled);
    comm.Close();
    EXPECT_FALSE(comm.IsOpen());
    comm.SetDataBits(da8);
    comm.Open();
    EXPECT_TRUE(comm.IsOpen());
}

TEST_F(CommPtyTest, SameValueLeavesTheDriverAlone) {
    comm.SetBaudRate(br38400);
    comm.Open();
    ASSERT_TRUE(comm.IsOpen());
    // Someone else changes the line behind the component's back.
    TTtyLine other = NearLine();
    other.BaudRate = 4800;
    ASSERT_EQ(SetTtyLine(pty.NearFd(), other), 0);

    comm.SetBaudRate(br38400);
    comm.SetParity(paNone);
    EXPECT_EQ(NearLine().BaudRate, 4800u);
    comm.SetBaudRate(br57600);
    EXPECT_EQ(NearLine().BaudRate, 57600u);
}

TEST_F(CommPtyTest, OpenOnlyPropertiesKeepTheirValuesWhileOpen) {
    comm.Open();
    ASSERT_TRUE(comm.IsOpen());
    std::string name = comm.DeviceName();
    comm.SetDeviceName("/dev/other");
    comm.SetReadBufSize(1);
    comm.SetWriteBufSize(2);
    comm.SetSuspendTime(3);
    comm.SetMonitorEvents({evBreak});
    EXPECT_EQ(comm.DeviceName(), name);
    EXPECT_EQ(comm.ReadBufSize(), 4096);
    EXPECT_EQ(comm.WriteBufSize(), 2048);
    EXPECT_EQ(comm.SuspendTime(), 5u);
    EXPECT_EQ(comm.MonitorEvents(), TCommEventTypes::FirstN(kCommEventTypeCount));

    comm.Close();
    comm.SetDeviceName("/dev/other");
    EXPECT_EQ(comm.DeviceName(), "/dev/other");
}

TEST_F(CommPtyTest, NoHandlerRunsAfterCloseEvenWithAnEventWaiting) {
    std::atomic<int> calls{0};
    comm.OnRxChar = [&](TThreadComm*, uint32_t) { ++calls; };
    comm.OnComStatEvent = [&](TThreadComm*, uint32_t, TComStat) { ++calls; };
    comm.Open();
    ASSERT_TRUE(comm.IsOpen());
    pty.WriteFar("$GPGGA,pending\r\n");
    // The event thread now blocks in the hand-over, waiting for this (GUI) thread.
    std::this_thread::sleep_for(200ms);
    comm.Close();
    loop.RunFor(300ms);
    EXPECT_EQ(calls, 0);
}

TEST_F(CommPtyTest, CloseFromAHandlerEndsDeliveryWithoutDeadlock) {
    int calls = 0;
    comm.OnRxChar = [&](TThreadComm*, uint32_t) {
        ++calls;
        comm.Close();
    };
    comm.Open();
    pty.WriteFar("first\r\n");
    EXPECT_TRUE(loop.RunUntil([&] { return calls > 0; }, 5s));
    pty.WriteFar("second\r\n");
    loop.RunFor(200ms);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(comm.IsOpen());
}

TEST_F(CommPtyTest, VanishedDeviceIsReported) {
    bool lost = false;
    comm.OnDeviceLost = [&](TThreadComm*) { lost = true; };
    comm.Open();
    ASSERT_TRUE(comm.IsOpen());
    pty.CloseFar();
    EXPECT_TRUE(loop.RunUntil([&] { return lost; }, 5s));
    char buffer[8];
    EXPECT_EQ(comm.Read(buffer, 8), 0);
    comm.Close();
}

} // namespace
