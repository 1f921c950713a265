// A recorded log replayed into the receiver session: the session says it is replaying
// (TSessionState::Replaying, ReplayName), its observers hear the log's lines as they
// would hear a receiver's, and ReplayEnded when it is over. A front end opens a log with
// Start, calls Tick from a timer with the time, and shows Progress.
#pragma once

#include "replay/ReplayPacer.h"
#include "session/ReceiverSession.h"

#include <string>

class TLogReplay : private TReplayTarget {
public:
    using Clock = TReplayPacer::Clock;

    explicit TLogReplay(TReceiverSession& session) : session_(session) {}

    // Starts replaying the file `path`. False when the session is busy with a port or
    // the file cannot be opened; the session's observers are told why (ReplayEnded).
    bool Start(const std::string& path, Clock::time_point now);
    // Replays the lines due at `now`; ends the replay at the end of the file or when the
    // file can no longer be read.
    void Tick(Clock::time_point now);
    void Pause(Clock::time_point now) { pacer_.Pause(now); }
    void Resume(Clock::time_point now) { pacer_.Resume(now); }
    void SetSpeed(double speed, Clock::time_point now) { pacer_.SetSpeed(speed, now); }
    // Ends the replay: the session is closed again and its observers hear Stopped.
    void Stop();

    bool IsRunning() const { return session_.IsReplaying(); }
    bool IsPaused() const { return pacer_.Status() == TReplayStatus::Paused; }
    double Speed() const { return pacer_.Speed(); }
    TReplayProgress Progress() const { return pacer_.Progress(); }

private:
    void ReplayLine(std::string_view line, bool overLong) override {
        session_.ReceiveReplayedLine(line, overLong);
    }
    void ReplayBatchEnded() override { session_.EndReplayedBatch(); }

    TReceiverSession& session_;
    TReplayPacer pacer_;
};
