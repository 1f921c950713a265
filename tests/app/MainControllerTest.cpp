// Start-up, page buttons and closing of the main window controller.
#include "ControllerHarness.h"

#include <gtest/gtest.h>

namespace {

TEST(MainController, StartsIdleOnTheConfigurationAndSystemCheckPages) {
    ControllerHarness h;
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_EQ(h.view.texts[TControl::OpenPort], "Connect");
    EXPECT_FALSE(h.view.visible[TControl::PanelView]);
    EXPECT_EQ(h.view.pages[TControl::PageControlMain], pgConfiguration);
    EXPECT_EQ(h.view.pages[TControl::PageControlConf], pgBaudRate);
    EXPECT_EQ(h.view.pages[TControl::PageControlDiagnosis], pgSystemCheck);
    EXPECT_FALSE(h.view.visible[TControl::mnuOption]);
    EXPECT_TRUE(h.view.visible[TControl::SpeedButtonReload]);
    EXPECT_TRUE(h.view.timers[TTimer::HandshakeTick]);
    EXPECT_TRUE(h.view.timers[TTimer::HalfSecondTick]);
    EXPECT_TRUE(h.view.timers[TTimer::NetworkConsoleTick]);
    EXPECT_FALSE(h.view.timers[TTimer::SystemCheckTick]);
    EXPECT_EQ(h.app->Connection().PortNumber(), 0);
    EXPECT_EQ(h.comm->BaudRate(), br128000);
    EXPECT_EQ(h.comm->DeviceName(), "\\\\.\\COM1");
}

TEST(MainController, PortListFoundAtStartUpIsKept) {
    ControllerHarness h({"USB Serial Port (COM5)", "Communications Port (COM1)"});
    EXPECT_EQ(static_cast<int>(h.app->Connection().PortNames().size()), 2);
}

TEST(MainController, DeviceButtonsShowOnlyOnTheConfigurationPage) {
    ControllerHarness h;
    h.view.pages[TControl::PageControlMain] = pgDiagnostics;
    h.app->PageChanged();
    EXPECT_FALSE(h.view.visible[TControl::SpeedButtonReload]);
    EXPECT_FALSE(h.view.visible[TControl::SpeedButtonSetting]);
    h.view.pages[TControl::PageControlMain] = pgConfiguration;
    h.app->PageChanged();
    EXPECT_TRUE(h.view.visible[TControl::SpeedButtonReload]);
    EXPECT_TRUE(h.view.visible[TControl::SpeedButtonSetting]);
}

TEST(MainController, CancelledExitChangesNothing) {
    ControllerHarness h;
    h.ClickConnect();
    h.Receive("[DEVICE DATA END]\r\n");
    ASSERT_TRUE(h.app->Session().IsConnected());
    h.view.messageBoxAnswer = TMessageAnswer::Cancel;
    EXPECT_FALSE(h.app->CloseRequested());
    EXPECT_EQ(h.view.messages.back(), "Exit!: Are you sure to exit?");
    EXPECT_TRUE(h.comm->IsOpen());
    EXPECT_TRUE(h.app->Session().IsConnected());
    EXPECT_EQ(h.app->settingsWrites, 0);
}

TEST(MainController, ConfirmedExitClosesThePortBeforeWritingSettings) {
    ControllerHarness h;
    h.ClickConnect();
    ASSERT_TRUE(h.comm->IsOpen());
    h.view.messageBoxAnswer = TMessageAnswer::Ok;
    EXPECT_TRUE(h.app->CloseRequested());
    EXPECT_FALSE(h.comm->IsOpen());
    EXPECT_EQ(h.app->settingsWrites, 1);
    EXPECT_FALSE(h.app->portOpenWhenSettingsWritten);
}

TEST(MainController, ExitButtonAsksTheWindowToClose) {
    ControllerHarness h;
    h.app->ExitClicked();
    EXPECT_EQ(h.view.closeRequests, 1);
}

} // namespace
