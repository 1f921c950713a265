// TCountdownDialog, the countdown dialog: shown modally with a number of seconds, it counts down
// once a second on its own timer and closes itself at 0. The window is the view's; the
// counting is here.
#pragma once

#include "view/MainView.h"

#include <string>

// "Time remaining: \n%d seconds": the label text for `seconds` left.
std::string CountdownText(int seconds);

class TCountdownDialog {
public:
    explicit TCountdownDialog(TMainView& view) : view_(view) {}

    // Seconds left; 10 after creation, 0 after a countdown, so callers set it first.
    int SecondsLeft = 10;

    // Writes the label, starts the timer when seconds are left, and shows the dialog
    // modally: returns once the countdown has closed it.
    void ShowModal();
    // One second of the countdown has passed (TTimer::CountdownTick).
    void Tick();

private:
    TMainView& view_;
};
