// Plays a capture file at the pace of its own times (see TLogClock), sped up or as fast
// as possible, to a target that takes the lines. It has no thread and no clock of its
// own: whoever drives it calls Tick with the time, and each Tick hands over the lines due
// by then, but never more than a bounded amount, so that a replay as fast as possible
// leaves the caller's loop (a window, the simulator) time for everything else.
#pragma once

#include "replay/CaptureReader.h"
#include "replay/LogClock.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Takes the replayed lines.
class TReplayTarget {
public:
    virtual ~TReplayTarget() = default;
    // One line without its line end; `overLong` as the receive path's splitter says.
    virtual void ReplayLine(std::string_view line, bool overLong) = 0;
    // The lines of one Tick have all been handed over.
    virtual void ReplayBatchEnded() {}
};

enum class TReplayStatus {
    Idle, // nothing started, or stopped
    Playing,
    Paused,
    Ended,  // every line of the file has been handed over
    Failed, // the file could not be opened or read on: Error() says why
};

struct TReplayProgress {
    uint64_t Position = 0; // bytes of the file handed over
    uint64_t Size = 0;     // the file's size, or the position when it has grown
    double LogSeconds = 0; // the log time of the last line handed over
};

class TReplayPacer {
public:
    using Clock = std::chrono::steady_clock;
    // The speed that waits for no time at all.
    static constexpr double kAsFastAsPossible = 0;
    static constexpr int kMaxLinesPerTick = 1000;
    static constexpr uint64_t kMaxBytesPerTick = 256 * 1024;

    // Starts playing `path` from its beginning at `now`, at the speed set last. False,
    // with the status Failed, when the file cannot be opened.
    bool Start(const std::string& path, Clock::time_point now);
    // Hands `target` the lines due at `now`, at most kMaxLinesPerTick and, but for the
    // line that crosses it, `maxBytes`. The status tells when the file has ended or
    // failed.
    void Tick(Clock::time_point now, TReplayTarget& target, uint64_t maxBytes = kMaxBytesPerTick);
    void Pause(Clock::time_point now);
    void Resume(Clock::time_point now);
    // 1 is the log's own pace, 10 ten times as fast; kAsFastAsPossible. A speed change
    // while playing applies from the lines not yet handed over.
    void SetSpeed(double speed, Clock::time_point now);
    void Stop();

    TReplayStatus Status() const { return status_; }
    double Speed() const { return speed_; }
    const std::string& Path() const { return reader_.Path(); }
    const std::string& Error() const { return reader_.Error(); }
    TReplayProgress Progress() const;
    // When Tick next has a line to hand over: Clock::time_point::max() when nothing is
    // to come (not playing), `now` or earlier when one is due already.
    Clock::time_point NextDue() const;

private:
    struct Pending {
        TCapturedLine Line;
        double LogSeconds = 0;
    };

    // Reads the next line into next_; false, with the status Ended or Failed, at the end.
    bool Fetch();
    // The log time the replay has reached at `now`.
    double LogTimeAt(Clock::time_point now) const;
    // Plays on from where the lines stand at `now` with the current speed.
    void Anchor(Clock::time_point now);

    TCaptureReader reader_;
    TLogClock logClock_;
    TReplayStatus status_ = TReplayStatus::Idle;
    double speed_ = 1;
    std::optional<Pending> next_;
    Clock::time_point anchorTime_{};
    double anchorLogSeconds_ = 0; // the log time at anchorTime_
    double pausedLogSeconds_ = 0;
    uint64_t position_ = 0;
    double logSeconds_ = 0;
};
