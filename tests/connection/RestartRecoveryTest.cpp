// The restart recovery: the receiver's announcement closes the port at the next system
// check tick and reopens it eight ticks later, with the progress dialog up meanwhile.
#include "ControllerHarness.h"

#include <gtest/gtest.h>

namespace {

const char kAnnouncement[] = "$PKRV,R,TXT,SYSTEM RESTART*4B\r\n";

TEST(RestartRecovery, ClosesAtTheFirstTickAndReopensAtTheNinth) {
    ControllerHarness h({"Communications Port (COM1)", "USB Serial Port (COM5)"});
    h.view.itemIndex[TControl::cbxDeviceComEnum] = 1;
    h.Connect();
    ASSERT_TRUE(h.app->Session().IsConnected());
    h.Receive(kAnnouncement);
    EXPECT_EQ(h.app->Session().RestartState(), rsAnnounced);
    EXPECT_TRUE(h.view.shown[TWindow::frmWaitingProgress]);
    EXPECT_EQ(h.view.progressMax[TControl::ProgressBar1], 10);
    EXPECT_EQ(h.view.progress[TControl::ProgressBar1], 0);
    EXPECT_TRUE(h.comm->IsOpen()) << "nothing closes before the next tick";

    h.SystemCheckTicks(); // tick 1: Connected -> Idle
    EXPECT_EQ(h.app->Session().RestartState(), rsWaiting);
    EXPECT_EQ(h.view.progress[TControl::ProgressBar1], 2);
    EXPECT_FALSE(h.comm->IsOpen());
    EXPECT_FALSE(h.app->Session().IsOpen());
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_FALSE(h.view.visible[TControl::PanelView]);

    for (int tick = 2; tick <= 8; ++tick) {
        h.SystemCheckTicks();
        EXPECT_EQ(h.app->Session().RestartState(), rsWaiting);
        EXPECT_EQ(h.view.progress[TControl::ProgressBar1], tick + 1);
        EXPECT_FALSE(h.comm->IsOpen()) << "tick " << tick;
        EXPECT_TRUE(h.view.shown[TWindow::frmWaitingProgress]);
    }

    h.SystemCheckTicks(); // tick 9: Idle -> Connecting on the same port
    EXPECT_EQ(h.app->Session().RestartState(), rsIdle);
    EXPECT_EQ(h.view.progress[TControl::ProgressBar1], 10);
    EXPECT_FALSE(h.view.shown[TWindow::frmWaitingProgress]);
    EXPECT_TRUE(h.comm->IsOpen());
    EXPECT_EQ(h.Status(), "Connecting...");
    EXPECT_TRUE(h.app->Connection().ConnectPressed());
    EXPECT_TRUE(h.view.checked[TControl::OpenPort]);
    EXPECT_EQ(h.view.ItemIndex(TControl::cbxDeviceComEnum), 1);
    EXPECT_EQ(h.app->Connection().PortNumber(), 5);

    h.Receive("[DEVICE DATA END]\r\n");
    EXPECT_TRUE(h.app->Session().IsConnected());
    EXPECT_TRUE(h.view.messages.empty());
}

TEST(RestartRecovery, TheReconnectionShowsThePageProgrammedFrom) {
    ControllerHarness h;
    h.Connect();
    h.view.pages[TControl::PageControlConf] = pgInternalGps;
    h.view.itemIndex[TControl::ComboBoxGPSNavStatus] = 1;
    h.app->Configuration().ProgramDeviceClicked();
    ASSERT_NE(h.TakeWritten().find("$PDBG,703,5"), std::string::npos);
    h.Receive(kAnnouncement);
    h.SystemCheckTicks(9);
    h.Receive("[DEVICE DATA END]\r\n");
    ASSERT_TRUE(h.app->Session().IsConnected());
    EXPECT_EQ(h.view.pages[TControl::PageControlConf], pgInternalGps);

    // A connection the user opens starts on BAUD RATE, as the first one did.
    h.ClickConnect(); // Disconnect
    h.Connect();
    EXPECT_EQ(h.view.pages[TControl::PageControlConf], pgBaudRate);
}

TEST(RestartRecovery, PortGoneMeanwhileLeavesTheToolDisconnected) {
    ControllerHarness h;
    h.Connect();
    h.Receive(kAnnouncement);
    h.SystemCheckTicks();
    // The receiver comes back under another port; the debounced refresh takes it in.
    h.ports->names = {"USB Serial Port (COM7)"};
    h.ports->changed();
    h.HalfSecondTicks(4);
    h.SystemCheckTicks(8);
    EXPECT_EQ(h.app->Session().RestartState(), rsPortNotFound);
    EXPECT_FALSE(h.view.shown[TWindow::frmWaitingProgress]);
    EXPECT_FALSE(h.comm->IsOpen());
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_EQ(h.view.lists[TControl::cbxDeviceComEnum],
              std::vector<std::string>{"USB Serial Port (COM7)"});
    // "Settings applied." must not be the last word on a receiver that is gone.
    EXPECT_EQ(h.view.messages,
              std::vector<std::string>{
                  "WARNING: The receiver did not come back after its restart: COM5 is not "
                  "present. Check its connection, then select its port and connect again."});
    h.SystemCheckTicks(5);
    EXPECT_EQ(h.app->Session().RestartState(), rsPortNotFound)
        << "stays until the next announcement";
    EXPECT_FALSE(h.comm->IsOpen());
}

TEST(RestartRecovery, EveryAnnouncementStartsAgainAtOne) {
    ControllerHarness h;
    h.Connect();
    h.Receive(kAnnouncement);
    h.SystemCheckTicks(9);
    h.Receive("[DEVICE DATA END]\r\n");
    ASSERT_TRUE(h.app->Session().IsConnected());
    h.Receive(kAnnouncement);
    h.Receive(kAnnouncement);
    EXPECT_EQ(h.app->Session().RestartState(), rsAnnounced);
    h.SystemCheckTicks();
    EXPECT_FALSE(h.comm->IsOpen());
}

TEST(RestartRecovery, AnnouncementBeforeTheFirstHandshakeStillRecovers) {
    ControllerHarness h;
    h.ClickConnect(); // Connecting: the system check timer has not been started yet
    ASSERT_FALSE(h.view.timers[TTimer::SystemCheckTick]);
    h.Receive(kAnnouncement);
    EXPECT_TRUE(h.view.timers[TTimer::SystemCheckTick]);
    h.SystemCheckTicks(9);
    EXPECT_FALSE(h.view.shown[TWindow::frmWaitingProgress]);
    EXPECT_EQ(h.Status(), "Connecting...");
}

TEST(RestartRecovery, PortClosedByTheUserBeforeTheFirstTickStaysClosed) {
    ControllerHarness h;
    h.Connect();
    h.Receive(kAnnouncement);
    h.ClickConnect(); // Disconnect
    h.SystemCheckTicks(12);
    EXPECT_FALSE(h.comm->IsOpen());
    EXPECT_EQ(h.app->Session().RestartState(), rsIdle);
    EXPECT_FALSE(h.view.shown[TWindow::frmWaitingProgress]);
    EXPECT_EQ(h.Status(), "Click to Connect");
}

TEST(RestartRecovery, PortOpenedByTheUserDuringTheWaitIsLeftOpen) {
    ControllerHarness h;
    h.Connect();
    h.Receive(kAnnouncement);
    h.SystemCheckTicks();
    h.ClickConnect(); // the user connects again before the wait is over
    ASSERT_TRUE(h.comm->IsOpen());
    h.SystemCheckTicks(8);
    EXPECT_TRUE(h.comm->IsOpen());
    EXPECT_EQ(h.Status(), "Connecting...");
    EXPECT_EQ(h.app->Session().RestartState(), rsIdle);
    EXPECT_FALSE(h.view.shown[TWindow::frmWaitingProgress]);
}

TEST(RestartRecovery, ReopeningThatFailsLeavesConnectReleased) {
    ControllerHarness h;
    h.Connect();
    h.Receive(kAnnouncement);
    h.SystemCheckTicks();
    h.comm->failOpen = true;
    h.SystemCheckTicks(8);
    EXPECT_FALSE(h.comm->IsOpen());
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_FALSE(h.app->Connection().ConnectPressed());
    EXPECT_FALSE(h.view.checked[TControl::OpenPort]);
    EXPECT_FALSE(h.view.shown[TWindow::frmWaitingProgress]);
    EXPECT_EQ(h.view.messages,
              std::vector<std::string>{"WARNING: The select device can not connectable."});
}

} // namespace
