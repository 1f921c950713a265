// A log replayed into the receiver session: its observers hear the lines as from a
// receiver, the session says it is replaying, and every way a replay ends is told.
#include "ReplayTestSupport.h"
#include "SessionFixture.h"
#include "TempFolder.h"

#include "replay/LogReplay.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

class LogReplayTest : public SessionFixture {
protected:
    // Replays `bytes` as fast as possible to its end.
    void ReplayAll(const std::string& bytes) {
        replay.SetSpeed(TReplayPacer::kAsFastAsPossible, At(0));
        ASSERT_TRUE(replay.Start(folder.Write("voyage.log", bytes), At(0)));
        for (int tick = 0; tick < 100 && replay.IsRunning(); ++tick)
            replay.Tick(At(0));
        ASSERT_FALSE(replay.IsRunning());
    }

    TempFolder folder;
    TLogReplay replay{session};
};

TEST_F(LogReplayTest, ObserversHearTheLinesAsFromAReceiver) {
    const std::string bytes =
        CaptureOf({Rmc("120000"), kGsv, std::string(90, 'L')}) + "$GP\0NUL\r\n\xff junk\npartial"s;
    // The same bytes from a port, on a session of its own.
    RecordedSession live;
    {
        auto memory = std::make_unique<TMemoryComm>();
        std::shared_ptr<MemoryLine> port = memory->line;
        TReceiverSession liveSession(TSynchronize{}, std::move(memory));
        liveSession.AddObserver(live);
        ASSERT_TRUE(liveSession.Open());
        port->Receive(bytes + "\n", /*quiet=*/true);
        liveSession.ReadWaiting(static_cast<uint32_t>(bytes.size() + 1));
    }
    ReplayAll(bytes);
    EXPECT_EQ(observer.lines, live.lines);
    EXPECT_EQ(observer.states,
              (std::vector<TSessionState>{TSessionState::Replaying, TSessionState::Closed}));
    EXPECT_EQ(observer.replayEnds, std::vector<TReplayEnd>{TReplayEnd::EndOfFile});
    EXPECT_EQ(session.State(), TSessionState::Closed);
}

TEST_F(LogReplayTest, TheSessionSaysItIsReplayingAndRefusesThePort) {
    ASSERT_TRUE(replay.Start(folder.Write("voyage.log", CaptureOf({Rmc("120000")})), At(0)));
    EXPECT_EQ(session.State(), TSessionState::Replaying);
    EXPECT_EQ(session.ReplayName(), "voyage.log");
    EXPECT_FALSE(session.Open());
    EXPECT_EQ(observer.errors, std::vector<TSessionError>{TSessionError::OpenFailed});
    EXPECT_EQ(session.State(), TSessionState::Replaying);
    EXPECT_FALSE(Memory().IsOpen());
}

TEST_F(LogReplayTest, AReplayWaitsForThePortToClose) {
    Open();
    EXPECT_FALSE(replay.Start(folder.Write("voyage.log", CaptureOf({kGsv})), At(0)));
    EXPECT_EQ(observer.replayEnds, std::vector<TReplayEnd>{TReplayEnd::Failed});
    EXPECT_NE(observer.replayReasons[0].find("port is open"), std::string::npos);
    EXPECT_EQ(session.State(), TSessionState::Connecting);
    replay.Tick(At(10));
    EXPECT_TRUE(observer.lines.empty());
}

TEST_F(LogReplayTest, AFileThatCannotBeOpenedEndsTheReplayWithItsReason) {
    const std::string missing = folder / "gone/voyage.log";
    EXPECT_FALSE(replay.Start(missing, At(0)));
    EXPECT_EQ(observer.replayEnds, std::vector<TReplayEnd>{TReplayEnd::Failed});
    EXPECT_NE(observer.replayReasons[0].find(missing), std::string::npos);
    EXPECT_EQ(session.State(), TSessionState::Closed);
    EXPECT_FALSE(replay.IsRunning());
}

TEST_F(LogReplayTest, StopEndsTheReplayAndNothingMoreArrives) {
    ASSERT_TRUE(
        replay.Start(folder.Write("voyage.log", CaptureOf({Rmc("120000"), Rmc("120001")})), At(0)));
    replay.Tick(At(0));
    EXPECT_EQ(observer.lines.size(), 1u);
    replay.Pause(At(0.5));
    EXPECT_TRUE(replay.IsPaused());
    replay.Stop();
    replay.Tick(At(5));
    EXPECT_EQ(observer.lines.size(), 1u);
    EXPECT_EQ(observer.replayEnds, std::vector<TReplayEnd>{TReplayEnd::Stopped});
    EXPECT_EQ(session.State(), TSessionState::Closed);
    // The port may be opened again.
    EXPECT_TRUE(session.Open());
}

TEST_F(LogReplayTest, ARestartInTheLogRecoversNothing) {
    // A log saved while the receiver was programmed holds its restart announcement.
    ReplayAll(CaptureOf({"$PKRV,R,TXT,SYSTEM RESTART*4B", kGsv}));
    EXPECT_EQ(observer.lines.size(), 2u);
    EXPECT_EQ(observer.announcements, 0);
    EXPECT_EQ(session.RestartState(), rsIdle);
}

} // namespace
