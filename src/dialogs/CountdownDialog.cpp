#include "dialogs/CountdownDialog.h"

#include <cstdio>

std::string CountdownText(int seconds) {
    char text[48];
    std::snprintf(text, sizeof text, "Time remaining: \n%d seconds", seconds);
    return text;
}

void TForm2::ShowModal() {
    view_.SetText(TControl::LabelTimerRemain, CountdownText(SecondsLeft));
    if (SecondsLeft > 0)
        view_.SetTimerEnabled(TTimer::CountdownTimer, true);
    view_.ShowModal(TWindow::Form2);
}

void TForm2::Timer1Timer() {
    --SecondsLeft;
    if (SecondsLeft <= 0) {
        view_.SetTimerEnabled(TTimer::CountdownTimer, false);
        SecondsLeft = 0;
    }
    view_.SetText(TControl::LabelTimerRemain, CountdownText(SecondsLeft));
    if (SecondsLeft == 0)
        view_.HideWindow(TWindow::Form2);
}
