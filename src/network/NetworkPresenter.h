// The NETWORK page: the network module's console wired to the session and the transmit
// view, the page changes that enter and leave configuration mode, and the console's
// buttons. The page's tab is never shown and its test controls stay hidden.
#pragma once

#include "network/NetworkConsole.h"
#include "session/ReceiverSession.h"
#include "view/Desktop.h"
#include "view/MainView.h"

class TNetworkPresenter : public TSessionObserver {
public:
    TNetworkPresenter(TMainView& view, TReceiverSession& session, const TDesktop& desktop);

    // A page of either page control came to the front.
    void PageChanged();
    // Every tenth of a second: the console's queued commands.
    void Tick() { console_.TimerTick(); }

    void SendClicked();
    void EnterConfigModeClicked();
    void ExitConfigModeClicked();
    void QueryVersionAndAddressClicked();
    void CompareIpClicked();
    void SettingLinkClicked();
    void TransmitViewDoubleClicked();
    void ReceiveViewDoubleClicked();

    TNetworkConsole& Console() { return console_; }
    // Whether the window offers the page. It does not (its tab is never shown), and then
    // no page change counts as entering it.
    bool PageOffered = false;

    // The receiver leaves configuration mode while it can still be told.
    void PortClosing() override { console_.ExitConfigModeIfActive(); }

private:
    TNetworkConsoleHost Host();

    TMainView& view_;
    TReceiverSession& session_;
    const TDesktop& desktop_;
    TNetworkConsole console_;
    // The configuration page in front after the user's last page change.
    TConfPage shownConfPage_ = pgBaudRate;
};
