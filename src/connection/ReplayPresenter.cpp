#include "connection/ReplayPresenter.h"
#include "session/SessionErrorText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace {

struct ReplaySpeed {
    const char* Caption;
    double Speed;
};

// The speed selector's items, in their order.
constexpr ReplaySpeed kSpeeds[] = {
    {"1x", 1},
    {"10x", 10},
    {"100x", 100},
    {"Max", TReplayPacer::kAsFastAsPossible},
};

constexpr char kLogFilter[] = "Logs (*.txt;*.log;*.nmea)|*.txt;*.log;*.nmea|All files (*.*)|*.*";
constexpr char kOpenLogCaption[] = "Open log";
constexpr int kProgressSteps = 1000;

constexpr TControl kPlayingControls[] = {TControl::ComboBoxReplaySpeed,
                                         TControl::ButtonReplayPause};

std::string SizeText(uint64_t position, uint64_t size) {
    constexpr double kMegabyte = 1024.0 * 1024.0;
    char text[64];
    if (size >= 1024 * 1024)
        std::snprintf(text, sizeof text, "%.1f of %.1f MB",
                      static_cast<double>(position) / kMegabyte,
                      static_cast<double>(size) / kMegabyte);
    else
        std::snprintf(text, sizeof text, "%llu of %llu kB",
                      static_cast<unsigned long long>((position + 1023) / 1024),
                      static_cast<unsigned long long>((size + 1023) / 1024));
    return text;
}

} // namespace

std::string ReplayProgressText(const TReplayProgress& progress) {
    const auto seconds = static_cast<long long>(std::floor(std::max(progress.LogSeconds, 0.0)));
    char time[48];
    std::snprintf(time, sizeof time, ", log time %lld:%02lld:%02lld", seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    return SizeText(progress.Position, progress.Size) + time;
}

TReplayPresenter::TReplayPresenter(TMainView& view, TReceiverSession& session)
    : view_(view), session_(session), replay_(session) {
    view_.ListClear(TControl::ComboBoxReplaySpeed);
    for (const ReplaySpeed& speed : kSpeeds)
        view_.ListAdd(TControl::ComboBoxReplaySpeed, speed.Caption);
    view_.SetItemIndex(TControl::ComboBoxReplaySpeed, 0);
    view_.SetText(TControl::ButtonReplayStop, "Stop");
    view_.SetProgressMax(TControl::ProgressBarReplay, kProgressSteps);
    HideReplay();
}

void TReplayPresenter::OpenLogChosen(Clock::time_point now) {
    if (session_.IsOpen()) {
        view_.MessageBox("Disconnect from the receiver before opening a log.", kWarningCaption,
                         TMessageButtons::Ok, TMessageIcon::Warning);
        return;
    }
    std::string path;
    if (view_.PromptOpenFile(kLogFilter, path))
        OpenLog(path, now);
}

bool TReplayPresenter::OpenLog(const std::string& path, Clock::time_point now) {
    // A new log replaces the one being replayed.
    replay_.Stop();
    SpeedChosen(now);
    starting_ = true;
    const bool started = replay_.Start(path, now);
    starting_ = false;
    if (!started)
        return false;
    view_.SetVisible(TControl::PanelReplay, true);
    SetPlayingControls(true);
    ShowPaused(false);
    ShowProgress();
    view_.SetTimerEnabled(TTimer::ReplayTick, true);
    return true;
}

void TReplayPresenter::SpeedChosen(Clock::time_point now) {
    const int index = view_.ItemIndex(TControl::ComboBoxReplaySpeed);
    if (index >= 0 && index < static_cast<int>(std::size(kSpeeds)))
        replay_.SetSpeed(kSpeeds[index].Speed, now);
}

void TReplayPresenter::PauseClicked(Clock::time_point now) {
    if (!replay_.IsRunning())
        return;
    if (replay_.IsPaused())
        replay_.Resume(now);
    else
        replay_.Pause(now);
    ShowPaused(replay_.IsPaused());
}

void TReplayPresenter::StopClicked() {
    if (replay_.IsRunning())
        replay_.Stop();
    else
        HideReplay();
}

void TReplayPresenter::Tick(Clock::time_point now) {
    replay_.Tick(now);
    if (replay_.IsRunning())
        ShowProgress();
}

void TReplayPresenter::StateChanged(TSessionState state) {
    // A port opened: what is left of an ended replay makes way for the receiver.
    if (state == TSessionState::Connecting)
        HideReplay();
}

void TReplayPresenter::ReplayEnded(TReplayEnd end, const std::string& reason) {
    view_.SetTimerEnabled(TTimer::ReplayTick, false);
    switch (end) {
    case TReplayEnd::EndOfFile:
        // The pages keep what the log left on them until Stop.
        ShowProgress();
        SetPlayingControls(false);
        view_.SetVisible(TControl::PanelView, true);
        view_.SetText(TControl::LabelReplayProgress,
                      "End of log: " + ReplayProgressText(replay_.Progress()));
        return;
    case TReplayEnd::Stopped:
        HideReplay();
        return;
    case TReplayEnd::Failed:
        HideReplay();
        view_.MessageBox((starting_ ? "The log cannot be replayed: " : "The replay stopped: ") +
                             reason,
                         kOpenLogCaption, TMessageButtons::Ok, TMessageIcon::Error);
        return;
    }
}

void TReplayPresenter::ShowProgress() {
    const TReplayProgress progress = replay_.Progress();
    const int position = progress.Size == 0
                             ? kProgressSteps
                             : static_cast<int>(progress.Position * kProgressSteps / progress.Size);
    view_.SetProgressPosition(TControl::ProgressBarReplay, position);
    view_.SetText(TControl::LabelReplayProgress, ReplayProgressText(progress));
}

void TReplayPresenter::ShowPaused(bool paused) {
    view_.SetText(TControl::ButtonReplayPause, paused ? "Resume" : "Pause");
}

void TReplayPresenter::SetPlayingControls(bool playing) {
    for (TControl control : kPlayingControls)
        view_.SetEnabled(control, playing);
}

// Back as before any replay: no bar, and without a receiver no pages.
void TReplayPresenter::HideReplay() {
    view_.SetVisible(TControl::PanelReplay, false);
    if (!session_.IsOpen())
        view_.SetVisible(TControl::PanelView, false);
}
