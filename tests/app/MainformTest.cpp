// Start-up, page buttons and closing of the main window controller.
#include "FormHarness.h"

#include <gtest/gtest.h>

namespace {

TEST(Mainform, StartsIdleOnTheConfigurationAndSystemCheckPages) {
    FormHarness h;
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_EQ(h.view.texts[TControl::OpenPort], "Connect");
    EXPECT_FALSE(h.view.visible[TControl::PanelView]);
    EXPECT_EQ(h.view.pages[TControl::PageControlMain], pgConfiguration);
    EXPECT_EQ(h.view.pages[TControl::PageControlConf], pgBaudRate);
    EXPECT_EQ(h.view.pages[TControl::PageControlDiagnosis], pgSystemCheck);
    EXPECT_FALSE(h.view.visible[TControl::mnuOption]);
    EXPECT_TRUE(h.view.visible[TControl::SpeedButtonReload]);
    EXPECT_TRUE(h.view.timers[TTimer::Timer1]);
    EXPECT_TRUE(h.view.timers[TTimer::Timer2]);
    EXPECT_TRUE(h.view.timers[TTimer::TimerEthernetRoutine]);
    EXPECT_FALSE(h.view.timers[TTimer::TimerUpdateSysChk]);
    EXPECT_EQ(h.form->PortNumber, 0);
    EXPECT_EQ(h.comm->BaudRate(), br128000);
    EXPECT_EQ(h.comm->DeviceName(), "\\\\.\\COM1");
}

TEST(Mainform, PortListFoundAtStartUpIsKept) {
    FormHarness h({"USB Serial Port (COM5)", "Communications Port (COM1)"});
    EXPECT_EQ(h.form->PortCount(), 2);
}

TEST(Mainform, DeviceButtonsShowOnlyOnTheConfigurationPage) {
    FormHarness h;
    h.view.pages[TControl::PageControlMain] = pgDiagnostics;
    h.form->PageControlMainChange();
    EXPECT_FALSE(h.view.visible[TControl::SpeedButtonReload]);
    EXPECT_FALSE(h.view.visible[TControl::SpeedButtonSetting]);
    h.view.pages[TControl::PageControlMain] = pgConfiguration;
    h.form->PageControlMainChange();
    EXPECT_TRUE(h.view.visible[TControl::SpeedButtonReload]);
    EXPECT_TRUE(h.view.visible[TControl::SpeedButtonSetting]);
}

TEST(Mainform, CancelledExitChangesNothing) {
    FormHarness h;
    h.ClickConnect();
    h.Receive("[DEVICE DATA END]\r\n");
    ASSERT_TRUE(h.form->SessionUp);
    h.view.messageBoxAnswer = IDCANCEL;
    EXPECT_FALSE(h.form->FormCloseQuery());
    EXPECT_EQ(h.view.messages.back(), "Exit!: Are you sure to exit?");
    EXPECT_TRUE(h.comm->IsOpen());
    EXPECT_TRUE(h.form->SessionUp);
    EXPECT_EQ(h.form->settingsWrites, 0);
}

TEST(Mainform, ConfirmedExitClosesThePortBeforeWritingSettings) {
    FormHarness h;
    h.ClickConnect();
    ASSERT_TRUE(h.comm->IsOpen());
    h.view.messageBoxAnswer = IDOK;
    EXPECT_TRUE(h.form->FormCloseQuery());
    EXPECT_FALSE(h.comm->IsOpen());
    EXPECT_EQ(h.form->settingsWrites, 1);
    EXPECT_FALSE(h.form->portOpenWhenSettingsWritten);
}

TEST(Mainform, ExitButtonAsksTheWindowToClose) {
    FormHarness h;
    h.form->btnExitClick();
    EXPECT_EQ(h.view.closeRequests, 1);
}

} // namespace
