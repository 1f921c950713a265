// The countdown dialog: it shows the seconds set, counts down once a tick, and closes
// itself at 0, which ends its modal show.
#include "FakeView.h"

#include "dialogs/CountdownDialog.h"

#include <gtest/gtest.h>

namespace {

TEST(CountdownDialog, CountsDownOncePerTickAndClosesAtZero) {
    for (int seconds : {1, 15}) {
        SCOPED_TRACE(seconds);
        FakeView view;
        TCountdownDialog dialog(view);
        dialog.SecondsLeft = seconds;
        dialog.ShowModal();
        EXPECT_EQ(view.modalShows, std::vector<TWindow>{TWindow::Form2});
        EXPECT_TRUE(view.timers[TTimer::CountdownTick]);
        std::vector<std::string> labels = {view.texts[TControl::LabelTimerRemain]};
        for (int tick = 0; tick < seconds; ++tick) {
            EXPECT_TRUE(view.shown[TWindow::Form2]) << "tick " << tick;
            dialog.Tick();
            labels.push_back(view.texts[TControl::LabelTimerRemain]);
        }
        EXPECT_FALSE(view.shown[TWindow::Form2]);
        EXPECT_FALSE(view.timers[TTimer::CountdownTick]);
        EXPECT_EQ(dialog.SecondsLeft, 0);
        EXPECT_EQ(labels.front(), CountdownText(seconds));
        EXPECT_EQ(labels.back(), "Time remaining: \n0 seconds");
        EXPECT_EQ(labels.size(), static_cast<size_t>(seconds + 1));
    }
}

TEST(CountdownDialog, StartsWithTenSecondsAndWritesTheLabelOnTwoLines) {
    FakeView view;
    TCountdownDialog dialog(view);
    EXPECT_EQ(dialog.SecondsLeft, 10);
    EXPECT_EQ(CountdownText(15), "Time remaining: \n15 seconds");
}

} // namespace
