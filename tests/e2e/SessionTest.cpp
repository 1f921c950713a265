// The device session end to end: the controller with real timers against the receiver
// simulator over its pseudo-terminal.
#include "SimulatorSession.h"
#include "TimedForm.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace std::chrono_literals;

namespace {

class SessionTest : public SimulatorSession {
protected:
    // The simulator's entry is selected explicitly, by its device path.
    void Connect() {
        timed = std::make_unique<TimedForm>();
        ASSERT_TRUE(timed->form->ConnectDevice(sim->Port(), br128000)) << sim->Log();
        ASSERT_NE(timed->form->PortNumber, 0) << "the simulator's port is not in the list";
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
        TForm1& form = *timed->form;
        ASSERT_TRUE(RunUntil([&] { return form.RestartState != rsIdle; }, 10s)) << sim->Log();
        EXPECT_TRUE(timed->view.shown[TWindow::frmWaitingProgress]);
        ASSERT_TRUE(RunUntil([&] { return !form.Comm().IsOpen(); }, 5s));
        ASSERT_TRUE(RunUntil([&] { return form.RestartState == rsIdle && form.SessionUp; }, 30s))
            << "recovery " << form.RestartState << "\n"
            << sim->Log();
        EXPECT_FALSE(timed->view.shown[TWindow::frmWaitingProgress]);
        EXPECT_EQ(timed->view.texts[TControl::LabelConnectionStatus], "Connected...");
    }

    std::unique_ptr<TimedForm> timed;
};

TEST_F(SessionTest, ConnectShowsConnectedThePagesAndTheSystemCheck) {
    StartSimulator();
    Connect();
    TForm1& form = *timed->form;
    EXPECT_EQ(timed->view.texts[TControl::LabelConnectionStatus], "Connecting...");
    ASSERT_TRUE(RunUntil([&] { return form.SessionUp; }, 10s)) << sim->Log();
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
    TForm1& form = *timed->form;
    ASSERT_TRUE(RunUntil([&] { return !form.PortOpen; }, 25s));
    EXPECT_TRUE(Shown("Please select correct device."));
    EXPECT_EQ(timed->view.texts[TControl::LabelConnectionStatus], "Click to Connect");
    EXPECT_EQ(timed->view.droppedDown, std::vector<TControl>{TControl::cbxDeviceComEnum});
    EXPECT_FALSE(form.Comm().IsOpen());
}

TEST_F(SessionTest, ProgrammedRatesShowInTheReceiversNextReport) {
    StartSimulator({"--restart-quiet", "1"});
    Connect();
    TForm1& form = *timed->form;
    ASSERT_TRUE(RunUntil([&] { return form.SessionUp; }, 10s)) << sim->Log();
    ASSERT_EQ(form.DeviceInfo.Rs232Baud, 38400);
    FakeView& view = timed->view;
    view.itemIndex[TControl::cbxBaud_RS232] = 4; // 9600
    view.itemIndex[TControl::cbxBaud_NMEA] = 2;  // 4800
    view.pages[TControl::PageControlConf] = pgBaudRate;
    form.SpeedButtonSettingClick();
    EXPECT_TRUE(Shown("Settings applied."));
    ExpectRestartAndReconnection();
    EXPECT_EQ(form.DeviceInfo.Rs232Baud, 9600);
    EXPECT_EQ(form.DeviceInfo.NmeaBaud, 4800);
    EXPECT_EQ(view.ItemIndex(TControl::cbxBaud_RS232), 4);
    EXPECT_EQ(view.ItemIndex(TControl::cbxBaud_NMEA), 2);
}

TEST_F(SessionTest, RestoreCountsDownWhileTheRestartIsRecovered) {
    StartSimulator({"--restart-quiet", "1"});
    Connect();
    TForm1& form = *timed->form;
    ASSERT_TRUE(RunUntil([&] { return form.SessionUp; }, 10s)) << sim->Log();
    timed->view.checked[TControl::CheckBoxNetworkRestore] = true;
    timed->view.pages[TControl::PageControlConf] = pgRestore;
    timed->view.messageBoxAnswer = IDYES;
    form.SpeedButtonSettingClick();
    EXPECT_EQ(timed->view.modalShows, std::vector<TWindow>{TWindow::Form2});
    ExpectRestartAndReconnection();
    EXPECT_NE(sim->Log().find("network settings restored"), std::string::npos);
    // The countdown goes on by itself and closes after its fifteen seconds.
    EXPECT_TRUE(RunUntil([&] { return !timed->view.shown[TWindow::Form2]; }, 10s));
}

} // namespace
