// The network module console through the controller: the hidden controls, the NETWORK
// page's enter and leave rules on the 100 ms timer, and leaving configuration mode on
// disconnect and at a confirmed close.
#include "ControllerHarness.h"

#include "network/NetworkConsole.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct NetworkWindow : testing::Test {
    NetworkWindow() {
        h.Connect();
        h.TakeWritten();
    }
    void ShowConfPage(TConfPage page) {
        h.view.pages[TControl::PageControlConf] = page;
        h.app->PageChanged();
    }
    // The page rules of a window that offers the NETWORK page.
    void EnterNetworkPage() {
        h.app->Network().PageOffered = true;
        ShowConfPage(pgInternalGps);
        ShowConfPage(pgNetwork);
    }
    // What each tick wrote, by tick number (ticks that wrote nothing left out).
    std::map<int, std::string> Ticks(int count) {
        std::map<int, std::string> written;
        for (int tick = 1; tick <= count; ++tick) {
            h.app->Network().Tick();
            if (std::string bytes = h.TakeWritten(); !bytes.empty())
                written[tick] = bytes;
        }
        return written;
    }

    ControllerHarness h;
};

TEST(NetworkWindowAtStart, TestControlsAreHiddenAndTheValuesNone) {
    ControllerHarness h;
    for (TControl control :
         {TControl::MemoEthernetTx, TControl::MemoEthernetRx, TControl::EditEthernetText,
          TControl::ButtonEthernetSend, TControl::ButtonEnterEthConfigMode,
          TControl::ButtonExitEthConfigMode, TControl::ButtonCMD1, TControl::ButtonCompareIP})
        EXPECT_FALSE(h.view.visible[control]) << ControlName(control);
    EXPECT_EQ(h.view.texts[TControl::LabelEthFirmwareVersion], "None");
    EXPECT_EQ(h.view.texts[TControl::LabelEthIP], "None");
}

TEST(NetworkPageNotOffered, APageChangeToItIsUndoneAndSendsNothing) {
    // The NETWORK page reported in front on either main page, then Configuration chosen.
    for (TMainPage mainPage : {pgConfiguration, pgDiagnostics}) {
        SCOPED_TRACE(mainPage);
        ControllerHarness h;
        h.Connect();
        h.TakeWritten();
        h.view.pages[TControl::PageControlMain] = mainPage;
        h.view.pages[TControl::PageControlConf] = pgInternalGps;
        h.app->PageChanged();
        h.view.pages[TControl::PageControlConf] = pgNetwork;
        h.app->PageChanged();
        h.view.pages[TControl::PageControlMain] = pgConfiguration;
        h.app->PageChanged();
        EXPECT_EQ(h.view.pages[TControl::PageControlConf], pgInternalGps);
        for (int tick = 0; tick < 30; ++tick)
            h.app->Network().Tick();
        EXPECT_EQ(h.TakeWritten(), "");
        EXPECT_FALSE(h.app->Network().Console().ConfigMode());
        EXPECT_TRUE(h.view.lists[TControl::MemoEthernetTx].empty());
    }
}

TEST_F(NetworkWindow, EnteringThePageOverUsbRunsTheCommandsUntilTheTimeOut) {
    EnterNetworkPage();
    EXPECT_EQ(h.TakeWritten(), "$PDBG,163,1,,,,,,*14\r\n");
    EXPECT_EQ(h.view.enabled[TControl::LabelEthernetSettingButton], false);
    EXPECT_EQ(h.view.lists[TControl::MemoEthernetTx],
              std::vector<std::string>{"$PDBG,163,1,,,,,,*14"});
    const std::map<int, std::string> expected = {
        {1, "AT+VER\n"},
        {7, "AT+VER\n"},
        {13, "AT+SYSIP\n"},
        {16, "$PDBG,163,0,,,,,,*15\n"},
    };
    EXPECT_EQ(Ticks(30), expected);
    EXPECT_FALSE(h.app->Network().Console().ConfigMode());
}

TEST_F(NetworkWindow, EnteringThePageOverRs232LeavesConfigurationModeAtOnce) {
    h.view.itemIndex[TControl::ComboBoxDeviceItem] = 1;
    EnterNetworkPage();
    EXPECT_EQ(h.TakeWritten(), "$PDBG,163,1,,,,,,*14\r\n$PDBG,163,0,,,,,,*15\n");
    EXPECT_TRUE(Ticks(20).empty());
}

TEST_F(NetworkWindow, LeavingThePageLeavesConfigurationMode) {
    EnterNetworkPage();
    h.TakeWritten();
    ShowConfPage(pgRestore);
    EXPECT_EQ(h.TakeWritten(), "$PDBG,163,0,,,,,,*15\n");
}

TEST_F(NetworkWindow, DisconnectLeavesConfigurationModeBeforeThePortCloses) {
    h.app->Network().EnterConfigModeClicked();
    h.TakeWritten();
    h.ClickConnect(); // Disconnect
    EXPECT_FALSE(h.comm->IsOpen());
    EXPECT_EQ(h.TakeWritten(), "$PDBG,163,0,,,,,,*15\n");
}

TEST_F(NetworkWindow, ConfirmedCloseLeavesConfigurationModeAndCancelDoesNot) {
    h.app->Network().EnterConfigModeClicked();
    h.TakeWritten();
    h.view.messageBoxAnswer = TMessageAnswer::Cancel;
    ASSERT_FALSE(h.app->CloseRequested());
    EXPECT_EQ(h.TakeWritten(), "");
    h.view.messageBoxAnswer = TMessageAnswer::Ok;
    ASSERT_TRUE(h.app->CloseRequested());
    EXPECT_EQ(h.TakeWritten(), "$PDBG,163,0,,,,,,*15\n");
}

TEST_F(NetworkWindow, TheTwentiethQueuedCommandIsDropped) {
    for (int click = 0; click < 10; ++click)
        h.app->Network().QueryVersionAndAddressClicked();
    EXPECT_EQ(h.app->Network().Console().QueuedCommands(), 19);
}

TEST_F(NetworkWindow, ButtonsSendAndReportAFailedSend) {
    h.view.texts[TControl::EditEthernetText] = "AT+DEVNAME";
    h.app->Network().SendClicked();
    EXPECT_EQ(h.TakeWritten(), "AT+DEVNAME\n");
    h.app->Network().EnterConfigModeClicked();
    h.app->Network().EnterConfigModeClicked();
    EXPECT_EQ(h.TakeWritten(), "$PDBG,163,1,,,,,,*14\r\n");
    h.app->Network().ExitConfigModeClicked();
    h.app->Network().ExitConfigModeClicked();
    EXPECT_EQ(h.TakeWritten(), "$PDBG,163,0,,,,,,*15\n");
    h.app->Network().TransmitViewDoubleClicked();
    EXPECT_TRUE(h.view.lists[TControl::MemoEthernetTx].empty());

    h.ClickConnect(); // Disconnect
    h.app->Network().SendClicked();
    EXPECT_EQ(h.view.messages.back(), "error: Send message error");
    EXPECT_EQ(h.view.messageIcons.back(), TMessageIcon::Error);
}

TEST_F(NetworkWindow, CompareIpWarnsAndOpensTheModulesAddressOnlyAfterOk) {
    std::vector<std::string> opened;
    h.app->Desktop().OpenWebPage = [&opened](const std::string& address) {
        opened.push_back(address);
    };
    h.view.messageBoxAnswers = {TMessageAnswer::Cancel, TMessageAnswer::Ok};
    // The module's address is 0.0.0.0, in no subnet of the PC's.
    h.app->Network().CompareIpClicked();
    EXPECT_EQ(h.view.messages.back(), "Warning: The localhost IP is not the same group!");
    EXPECT_TRUE(opened.empty());
    h.app->Network().SettingLinkClicked();
    EXPECT_EQ(opened, std::vector<std::string>{"http://0.0.0.0"});
}

} // namespace
