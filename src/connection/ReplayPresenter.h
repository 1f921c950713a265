// A recorded log replayed in the window: File > Open log... asks for the file and starts
// it, and the replay bar sets its speed, pauses, resumes and stops it and shows how far it
// has come. The pages fill from the session as they do from a receiver; the connection
// bar shows the session replaying.
#pragma once

#include "replay/LogReplay.h"
#include "session/ReceiverSession.h"
#include "view/MainView.h"

#include <string>

class TReplayPresenter : public TSessionObserver {
public:
    using Clock = TLogReplay::Clock;

    TReplayPresenter(TMainView& view, TReceiverSession& session);

    // --- The user's doing ------------------------------------------------------------
    void OpenLogChosen(Clock::time_point now);
    // Replays `path` without asking for it; false when it could not start (the user has
    // been told why).
    bool OpenLog(const std::string& path, Clock::time_point now);
    void SpeedChosen(Clock::time_point now);
    // Pauses a playing replay, resumes a paused one.
    void PauseClicked(Clock::time_point now);
    // Stops a replay; after its end, puts the window back as it is before any replay.
    void StopClicked();

    // TTimer::ReplayTick: hands the session the lines that have come due.
    void Tick(Clock::time_point now);

    const TLogReplay& Replay() const { return replay_; }

    // --- What the session does -------------------------------------------------------
    void StateChanged(TSessionState state) override;
    void ReplayEnded(TReplayEnd end, const std::string& reason) override;

private:
    void ShowProgress();
    void ShowPaused(bool paused);
    void SetPlayingControls(bool playing);
    void HideReplay();

    TMainView& view_;
    TReceiverSession& session_;
    TLogReplay replay_;
    // Set while OpenLog starts a replay: a failure then means the log was not replayed.
    bool starting_ = false;
};

// "1.2 of 10.5 MB, log time 0:12:34": how much of the log has been replayed.
std::string ReplayProgressText(const TReplayProgress& progress);
