#include "replay/LogReplay.h"

#include <filesystem>

bool TLogReplay::Start(const std::string& path, Clock::time_point now) {
    if (!session_.BeginReplay(std::filesystem::path(path).filename().string()))
        return false;
    if (!pacer_.Start(path, now)) {
        session_.EndReplay(TReplayEnd::Failed, pacer_.Error());
        pacer_.Stop();
        return false;
    }
    return true;
}

void TLogReplay::Tick(Clock::time_point now) {
    if (!session_.IsReplaying())
        return;
    pacer_.Tick(now, *this);
    if (pacer_.Status() == TReplayStatus::Ended)
        session_.EndReplay(TReplayEnd::EndOfFile);
    else if (pacer_.Status() == TReplayStatus::Failed)
        session_.EndReplay(TReplayEnd::Failed, pacer_.Error());
}

void TLogReplay::Stop() {
    if (pacer_.Status() == TReplayStatus::Idle)
        return;
    pacer_.Stop();
    session_.EndReplay(TReplayEnd::Stopped);
}
