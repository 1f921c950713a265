// A recorded log opened in the window: File > Open log..., the replay bar (speed, pause,
// resume, stop, progress) and the connection bar while the log stands for the receiver.
#include "ControllerHarness.h"
#include "ReplayTestSupport.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr int kSpeedMax = 3; // the speed selector's "Max"

// Two fixes a second apart, each with a satellite view.
std::string TwoFixes() {
    return CaptureOf({Rmc("120000"), kGsv, Rmc("120001"), kGsv});
}

class ReplayWindow : public ::testing::Test {
protected:
    // The DATA LOG on: it counts the lines replayed.
    ReplayWindow() { h.app->DataLog().LogSwitchClicked(); }

    TReplayPresenter& Replay() { return h.app->Replay(); }
    FakeView& View() { return h.view; }
    // Chooses File > Open log... and `name` in the dialog.
    void OpenLog(const std::string& name, const std::string& bytes, double at = 0) {
        View().openFileAnswer = folder.Write(name, bytes);
        Replay().OpenLogChosen(At(at));
    }
    void TickUntilEnd(double at = 100) {
        for (int tick = 0; tick < 100 && Replay().Replay().IsRunning(); ++tick)
            Replay().Tick(At(at));
    }
    size_t LoggedLines() { return View().lists[TControl::MemoDataLog].size(); }
    bool Visible(TControl control) { return View().visible[control]; }
    bool Enabled(TControl control) {
        return !View().enabled.count(control) || View().enabled[control];
    }

    ControllerHarness h;
    TempFolder folder;
};

TEST_F(ReplayWindow, OpeningALogShowsItReplayingAndLocksTheConnectionBar) {
    EXPECT_EQ(View().lists[TControl::ComboBoxReplaySpeed],
              (std::vector<std::string>{"1x", "10x", "100x", "Max"}));
    EXPECT_FALSE(Visible(TControl::PanelReplay));

    OpenLog("voyage.log", TwoFixes());

    EXPECT_EQ(View().openFilters.size(), 1u);
    EXPECT_EQ(h.Status(), "Replaying voyage.log");
    for (TControl control : {TControl::OpenPort, TControl::cbxDeviceComEnum,
                             TControl::ComboBoxDeviceItem, TControl::ComboBoxBaudRate})
        EXPECT_FALSE(Enabled(control)) << ControlName(control);
    for (TControl control : {TControl::PanelReplay, TControl::PanelView})
        EXPECT_TRUE(Visible(control)) << ControlName(control);
    EXPECT_TRUE(View().timers[TTimer::ReplayTick]);
    EXPECT_TRUE(View().timers[TTimer::SystemCheckTick]);
    EXPECT_EQ(View().texts[TControl::ButtonReplayPause], "Pause");
    // A language chosen while replaying keeps saying so.
    h.app->Languages().LanguageChosen(1);
    EXPECT_EQ(h.Status(), "Replaying voyage.log");
}

TEST_F(ReplayWindow, CancelOrAnOpenPortStartsNothing) {
    Replay().OpenLogChosen(At(0)); // the dialog cancelled
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_FALSE(Visible(TControl::PanelReplay));

    h.Connect();
    View().openFileAnswer = folder.Write("voyage.log", TwoFixes());
    Replay().OpenLogChosen(At(0));
    EXPECT_EQ(View().openFilters.size(), 1u) << "no dialog while connected";
    ASSERT_FALSE(View().messages.empty());
    EXPECT_EQ(View().messages.back(),
              "WARNING: Disconnect from the receiver before opening a log.");
    EXPECT_EQ(h.app->Session().State(), TSessionState::Connected);
}

TEST_F(ReplayWindow, TheSystemCheckCountsStartAgainWithTheLog) {
    h.Connect();
    h.Receive(Sentence("!AIVDM,1,1,,A,15M67FC000G?ufbE`FepT@3n00Sa,0") + "\r\n");
    h.SystemCheckTicks();
    ASSERT_EQ(View().texts[TControl::lblValRxCntA], "1");
    h.ClickConnect(); // disconnect

    OpenLog("voyage.log", TwoFixes());
    h.SystemCheckTicks();
    EXPECT_EQ(View().texts[TControl::lblValRxCntA], "0");
}

TEST_F(ReplayWindow, TheEndOfTheLogKeepsThePagesUntilStop) {
    View().SetItemIndex(TControl::ComboBoxReplaySpeed, kSpeedMax);
    OpenLog("voyage.log", TwoFixes());
    TickUntilEnd();

    EXPECT_EQ(LoggedLines(), 4u);
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_TRUE(Enabled(TControl::OpenPort));
    EXPECT_TRUE(Visible(TControl::PanelView)) << "the pages show what the log left";
    EXPECT_TRUE(Visible(TControl::PanelReplay));
    EXPECT_FALSE(View().timers[TTimer::ReplayTick]);
    EXPECT_EQ(View().progress[TControl::ProgressBarReplay], 1000);
    EXPECT_EQ(View().texts[TControl::LabelReplayProgress],
              "End of log: 1 of 1 kB, log time 0:00:01");
    EXPECT_FALSE(Enabled(TControl::ButtonReplayPause));
    EXPECT_FALSE(Enabled(TControl::ComboBoxReplaySpeed));

    Replay().StopClicked();
    EXPECT_FALSE(Visible(TControl::PanelReplay));
    EXPECT_FALSE(Visible(TControl::PanelView));
}

TEST_F(ReplayWindow, PauseResumeSpeedAndStop) {
    OpenLog("voyage.log", TwoFixes(), 0);
    Replay().Tick(At(0));
    EXPECT_EQ(LoggedLines(), 2u) << "the first fix is due at once";

    Replay().PauseClicked(At(0.5));
    EXPECT_EQ(View().texts[TControl::ButtonReplayPause], "Resume");
    Replay().Tick(At(10));
    EXPECT_EQ(LoggedLines(), 2u) << "nothing while paused";

    Replay().PauseClicked(At(10));
    EXPECT_EQ(View().texts[TControl::ButtonReplayPause], "Pause");
    Replay().Tick(At(10.4));
    EXPECT_EQ(LoggedLines(), 2u) << "the pause does not count as log time";
    Replay().Tick(At(10.5));
    EXPECT_EQ(LoggedLines(), 4u);

    // A faster speed chosen mid-way applies at once; Stop puts the window back.
    OpenLog("second.log", CaptureOf({Rmc("120000"), Rmc("120010"), Rmc("120020")}), 20);
    EXPECT_EQ(h.Status(), "Replaying second.log");
    Replay().Tick(At(20));
    View().SetItemIndex(TControl::ComboBoxReplaySpeed, 1); // 10x
    Replay().SpeedChosen(At(20));
    Replay().Tick(At(21));
    EXPECT_EQ(LoggedLines(), 6u);
    Replay().StopClicked();
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_TRUE(Enabled(TControl::OpenPort));
    EXPECT_FALSE(Visible(TControl::PanelReplay));
    EXPECT_FALSE(Visible(TControl::PanelView));
    EXPECT_FALSE(View().timers[TTimer::ReplayTick]);
    Replay().Tick(At(60));
    EXPECT_EQ(LoggedLines(), 6u);
}

TEST_F(ReplayWindow, ALogThatCannotBeReadIsToldWithItsReason) {
    View().openFileAnswer = folder / "missing.log";
    Replay().OpenLogChosen(At(0));
    ASSERT_FALSE(View().messages.empty());
    EXPECT_EQ(View().messages.back().rfind("Open log: The log cannot be replayed: cannot open ", 0),
              0u)
        << View().messages.back();
    EXPECT_EQ(View().messageIcons.back(), TMessageIcon::Error);
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_TRUE(Enabled(TControl::OpenPort));
    EXPECT_FALSE(Visible(TControl::PanelReplay));
}

#ifndef _WIN32 // an open file cannot be removed on Windows
TEST_F(ReplayWindow, ALogThatVanishesStopsTheReplayWithItsReason) {
    // Longer than one block of the reader, which notices on its next read.
    std::string lines;
    while (lines.size() < 256 * 1024)
        lines += kGsv + "\r\n";
    OpenLog("voyage.log", lines);
    Replay().Tick(At(0));
    std::filesystem::resize_file(folder / "voyage.log", 10);
    TickUntilEnd(3600);
    ASSERT_FALSE(View().messages.empty());
    EXPECT_NE(View().messages.back().find("The replay stopped: "), std::string::npos)
        << View().messages.back();
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_FALSE(Visible(TControl::PanelReplay));
}
#endif

TEST_F(ReplayWindow, AConnectionAfterTheEndPutsTheReplayBarAway) {
    View().SetItemIndex(TControl::ComboBoxReplaySpeed, kSpeedMax);
    OpenLog("voyage.log", TwoFixes());
    TickUntilEnd();
    h.Connect();
    EXPECT_FALSE(Visible(TControl::PanelReplay));
    EXPECT_EQ(h.app->Session().State(), TSessionState::Connected);
}

TEST(ReplayProgressText, SaysHowFarInBytesAndLogTime) {
    struct Case {
        TReplayProgress progress;
        const char* text;
    };
    const Case cases[] = {
        {{0, 0, 0}, "0 of 0 kB, log time 0:00:00"},
        {{1, 1500, 0.9}, "1 of 2 kB, log time 0:00:00"},
        {{5 * 1024 * 1024 / 2, 10 * 1024 * 1024, 3599.5}, "2.5 of 10.0 MB, log time 0:59:59"},
        {{200ull << 20, 200ull << 20, 90061}, "200.0 of 200.0 MB, log time 25:01:01"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplayProgressText(c.progress), c.text);
}

} // namespace
