// The device session end to end: the controller with real timers against the receiver
// simulator over its pseudo-terminal.
#include "SimulatorSession.h"
#include "TimedController.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace std::chrono_literals;

namespace {

class SessionTest : public SimulatorSession {
protected:
    // The simulator's entry is selected explicitly, by its device path.
    void Connect() {
        timed = std::make_unique<TimedController>();
        ASSERT_TRUE(timed->app->Connection().ConnectDevice(sim->Port(), br128000)) << sim->Log();
        ASSERT_NE(timed->app->Connection().PortNumber(), 0)
            << "the simulator's port is not in the list";
    }
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
        return timed->loop.RunUntil(done, timeout);
    }
    bool Shown(const std::string& message) const {
        const auto& messages = timed->view.messages;
        return std::find(messages.begin(), messages.end(), message) != messages.end();
    }
    // The receiver announces its restart, the port closes and opens again, and the new
    // handshake completes.
    void ExpectRestartAndReconnection() {
        TMainController& app = *timed->app;
        ASSERT_TRUE(RunUntil([&] { return app.Session().RestartState() != rsIdle; }, 10s))
            << sim->Log();
        EXPECT_TRUE(timed->view.shown[TWindow::frmWaitingProgress]);
        ASSERT_TRUE(RunUntil([&] { return !app.Session().Comm().IsOpen(); }, 5s));
        ASSERT_TRUE(RunUntil(
            [&] { return app.Session().RestartState() == rsIdle && app.Session().IsConnected(); },
            30s))
            << "recovery " << app.Session().RestartState() << "\n"
            << sim->Log();
        EXPECT_FALSE(timed->view.shown[TWindow::frmWaitingProgress]);
        EXPECT_EQ(timed->view.texts[TControl::LabelConnectionStatus], "Connected...");
    }

    std::unique_ptr<TimedController> timed;
};

TEST_F(SessionTest, ConnectShowsConnectedThePagesAndTheSystemCheck) {
    StartSimulator();
    Connect();
    TMainController& app = *timed->app;
    EXPECT_EQ(timed->view.texts[TControl::LabelConnectionStatus], "Connecting...");
    ASSERT_TRUE(RunUntil([&] { return app.Session().IsConnected(); }, 10s)) << sim->Log();
    EXPECT_EQ(timed->view.texts[TControl::LabelConnectionStatus], "Connected...");
    EXPECT_TRUE(timed->view.visible[TControl::PanelView]);
    // The page shows cleared results from the opening on, and the values read at the next
    // system check tick.
    ASSERT_TRUE(
        RunUntil([&] { return timed->view.texts[TControl::lblValProdSN] == "TL360K2409001"; }, 5s));
    EXPECT_EQ(timed->view.texts[TControl::lblValFwVer], "T360KV V1.0.8 2024-11-05");
    EXPECT_EQ(timed->view.images[TControl::ImageChkFwVer], ciPassed);
}

TEST_F(SessionTest, SilentReceiverIsGivenUpOnWithTheMessage) {
    StartSimulator({"--silent"});
    Connect();
    TMainController& app = *timed->app;
    ASSERT_TRUE(RunUntil([&] { return !app.Session().IsOpen(); }, 25s));
    EXPECT_TRUE(Shown("Please select correct device."));
    EXPECT_EQ(timed->view.texts[TControl::LabelConnectionStatus], "Click to Connect");
    EXPECT_EQ(timed->view.droppedDown, std::vector<TControl>{TControl::cbxDeviceComEnum});
    EXPECT_FALSE(app.Session().Comm().IsOpen());
}

TEST_F(SessionTest, ProgrammedRatesShowInTheReceiversNextReport) {
    StartSimulator({"--restart-quiet", "1"});
    Connect();
    TMainController& app = *timed->app;
    ASSERT_TRUE(RunUntil([&] { return app.Session().IsConnected(); }, 10s)) << sim->Log();
    ASSERT_EQ(app.Session().Report().Rs232Baud, 38400);
    FakeView& view = timed->view;
    view.itemIndex[TControl::cbxBaud_RS232] = 4; // 9600
    view.itemIndex[TControl::cbxBaud_NMEA] = 2;  // 4800
    view.pages[TControl::PageControlConf] = pgBaudRate;
    app.Configuration().ProgramDeviceClicked();
    EXPECT_TRUE(Shown("Settings applied."));
    ExpectRestartAndReconnection();
    EXPECT_EQ(app.Session().Report().Rs232Baud, 9600);
    EXPECT_EQ(app.Session().Report().NmeaBaud, 4800);
    EXPECT_EQ(view.ItemIndex(TControl::cbxBaud_RS232), 4);
    EXPECT_EQ(view.ItemIndex(TControl::cbxBaud_NMEA), 2);
}

TEST_F(SessionTest, RestoreCountsDownWhileTheRestartIsRecovered) {
    StartSimulator({"--restart-quiet", "1"});
    Connect();
    TMainController& app = *timed->app;
    ASSERT_TRUE(RunUntil([&] { return app.Session().IsConnected(); }, 10s)) << sim->Log();
    timed->view.checked[TControl::CheckBoxNetworkRestore] = true;
    timed->view.pages[TControl::PageControlConf] = pgRestore;
    timed->view.messageBoxAnswer = TMessageAnswer::Yes;
    app.Configuration().ProgramDeviceClicked();
    EXPECT_EQ(timed->view.modalShows, std::vector<TWindow>{TWindow::Form2});
    ExpectRestartAndReconnection();
    EXPECT_NE(sim->Log().find("network settings restored"), std::string::npos);
    // The countdown goes on by itself and closes after its fifteen seconds.
    EXPECT_TRUE(RunUntil([&] { return !timed->view.shown[TWindow::Form2]; }, 10s));
}

} // namespace
