#include "dialogs/CountdownDialog.h"

#include <cstdio>

std::string CountdownText(int seconds) {
    char text[48];
    std::snprintf(text, sizeof text, "Time remaining: \n%d seconds", seconds);
    return text;
}

void TCountdownDialog::ShowModal() {
    view_.SetText(TControl::LabelTimerRemain, CountdownText(SecondsLeft));
    if (SecondsLeft > 0)
        view_.SetTimerEnabled(TTimer::CountdownTick, true);
    view_.ShowModal(TWindow::Form2);
}

void TCountdownDialog::Tick() {
    --SecondsLeft;
    if (SecondsLeft <= 0) {
        view_.SetTimerEnabled(TTimer::CountdownTick, false);
        SecondsLeft = 0;
    }
    view_.SetText(TControl::LabelTimerRemain, CountdownText(SecondsLeft));
    if (SecondsLeft == 0)
        view_.HideWindow(TWindow::Form2);
}
