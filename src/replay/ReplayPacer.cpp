#include "replay/ReplayPacer.h"

#include <algorithm>
#include <limits>

namespace {

using Seconds = std::chrono::duration<double>;

} // namespace

bool TReplayPacer::Start(const std::string& path, Clock::time_point now) {
    Stop();
    if (!reader_.Open(path)) {
        status_ = TReplayStatus::Failed;
        return false;
    }
    status_ = TReplayStatus::Playing;
    anchorTime_ = now;
    anchorLogSeconds_ = 0;
    return true;
}

void TReplayPacer::Stop() {
    reader_.Close();
    logClock_.Reset();
    next_.reset();
    status_ = TReplayStatus::Idle;
    position_ = 0;
    logSeconds_ = 0;
    anchorLogSeconds_ = 0;
    pausedLogSeconds_ = 0;
}

bool TReplayPacer::Fetch() {
    TCapturedLine line;
    if (!reader_.Next(line)) {
        status_ = reader_.Failed() ? TReplayStatus::Failed : TReplayStatus::Ended;
        // Bytes after the last line (a CR, NULs) have been read too: the whole file is done.
        if (status_ == TReplayStatus::Ended)
            position_ = std::max(position_, reader_.Size());
        return false;
    }
    double logSeconds = logClock_.Place(line.Text, line.EndOffset);
    next_ = Pending{std::move(line), logSeconds};
    return true;
}

double TReplayPacer::LogTimeAt(Clock::time_point now) const {
    if (speed_ == kAsFastAsPossible)
        return std::numeric_limits<double>::infinity();
    return anchorLogSeconds_ + Seconds(now - anchorTime_).count() * speed_;
}

void TReplayPacer::Anchor(Clock::time_point now) {
    // A replay behind its time (more lines due than a tick takes) goes on from the lines
    // still waiting, not from where the time would have it.
    double reached = std::min(LogTimeAt(now), next_ ? next_->LogSeconds : logSeconds_);
    anchorLogSeconds_ = std::max(reached, logSeconds_);
    anchorTime_ = now;
}

void TReplayPacer::Tick(Clock::time_point now, TReplayTarget& target, uint64_t maxBytes) {
    if (status_ != TReplayStatus::Playing)
        return;
    double due = LogTimeAt(now);
    int lines = 0;
    uint64_t bytes = 0;
    while (lines < kMaxLinesPerTick && bytes < maxBytes) {
        if (!next_ && !Fetch())
            break;
        if (next_->LogSeconds > due)
            break;
        target.ReplayLine(next_->Line.Text, next_->Line.OverLong);
        ++lines;
        bytes += next_->Line.Text.size() + 1;
        position_ = next_->Line.EndOffset;
        logSeconds_ = next_->LogSeconds;
        next_.reset();
    }
    if (lines > 0)
        target.ReplayBatchEnded();
    // The next line is read ahead, so that the end of the file shows with the last line
    // and NextDue knows its time.
    if (status_ == TReplayStatus::Playing && !next_)
        Fetch();
}

void TReplayPacer::Pause(Clock::time_point now) {
    if (status_ != TReplayStatus::Playing)
        return;
    Anchor(now);
    pausedLogSeconds_ = anchorLogSeconds_;
    status_ = TReplayStatus::Paused;
}

void TReplayPacer::Resume(Clock::time_point now) {
    if (status_ != TReplayStatus::Paused)
        return;
    anchorLogSeconds_ = pausedLogSeconds_;
    anchorTime_ = now;
    status_ = TReplayStatus::Playing;
}

void TReplayPacer::SetSpeed(double speed, Clock::time_point now) {
    if (!(speed >= 0) || speed == std::numeric_limits<double>::infinity())
        return;
    if (status_ == TReplayStatus::Playing)
        Anchor(now);
    speed_ = speed;
}

TReplayProgress TReplayPacer::Progress() const {
    return {position_, std::max(reader_.Size(), position_), logSeconds_};
}

TReplayPacer::Clock::time_point TReplayPacer::NextDue() const {
    if (status_ != TReplayStatus::Playing)
        return Clock::time_point::max();
    if (!next_ || speed_ == kAsFastAsPossible)
        return Clock::time_point::min();
    return anchorTime_ + std::chrono::ceil<Clock::duration>(
                             Seconds((next_->LogSeconds - anchorLogSeconds_) / speed_));
}
