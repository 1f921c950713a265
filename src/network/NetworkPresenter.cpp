#include "network/NetworkPresenter.h"
#include "session/SendErrorText.h"

namespace {

constexpr char kNone[] = "None";

// Hidden at start-up; only the titles, the two values and the web link stay.
constexpr TControl kTestControls[] = {
    TControl::MemoEthernetTx,
    TControl::MemoEthernetRx,
    TControl::EditEthernetText,
    TControl::ButtonEthernetSend,
    TControl::ButtonEnterEthConfigMode,
    TControl::ButtonExitEthConfigMode,
    TControl::ButtonCMD1,
    TControl::ButtonCompareIP,
};

} // namespace

TNetworkPresenter::TNetworkPresenter(TMainView& view, TReceiverSession& session,
                                     const TDesktop& desktop)
    : view_(view), session_(session), desktop_(desktop), console_(Host()) {
    view_.SetText(TControl::LabelEthFirmwareVersion, kNone);
    view_.SetText(TControl::LabelEthIP, kNone);
    for (TControl control : kTestControls)
        view_.SetVisible(control, false);
}

TNetworkConsoleHost TNetworkPresenter::Host() {
    TNetworkConsoleHost host;
    host.SendData = [this](const std::string& bytes) {
        return session_.SendBytes(bytes.data(), static_cast<int>(bytes.size()));
    };
    host.PortOpen = [this] { return session_.IsOpen(); };
    host.AddTxLine = [this](const std::string& line) {
        view_.AppendLine(TControl::MemoEthernetTx, line);
    };
    return host;
}

void TNetworkPresenter::PageChanged() {
    auto confPage = static_cast<TConfPage>(view_.ActivePage(TControl::PageControlConf));
    if (confPage == pgNetwork && !PageOffered) {
        // A page that is not offered is never in front: the change is undone and the
        // console sees none, so it neither enters configuration mode nor sends commands.
        view_.SetActivePage(TControl::PageControlConf, shownConfPage_);
        return;
    }
    shownConfPage_ = confPage;
    bool wasLinkEnabled = console_.LinkEnabled();
    console_.PageChanged(static_cast<TMainPage>(view_.ActivePage(TControl::PageControlMain)),
                         confPage, view_.ItemIndex(TControl::ComboBoxDeviceItem) == 1);
    if (wasLinkEnabled && !console_.LinkEnabled())
        view_.SetEnabled(TControl::LabelEthernetSettingButton, false);
}

void TNetworkPresenter::SendClicked() {
    if (!console_.SendText(view_.EditText(TControl::EditEthernetText)))
        view_.MessageBox(kSendErrorText, kSendErrorCaption, TMessageButtons::Ok,
                         TMessageIcon::Error);
}

void TNetworkPresenter::EnterConfigModeClicked() {
    console_.EnterConfigMode();
}

void TNetworkPresenter::ExitConfigModeClicked() {
    console_.ExitConfigMode();
}

void TNetworkPresenter::QueryVersionAndAddressClicked() {
    console_.QueueVersionAndAddress();
}

void TNetworkPresenter::CompareIpClicked() {
    TCompareIpResult result = console_.CompareIp();
    if (!result.SameSubnet && view_.MessageBox(kNotSameSubnetQuestion, kNotSameSubnetCaption,
                                               TMessageButtons::OkCancel) != TMessageAnswer::Ok)
        return;
    if (desktop_.OpenWebPage)
        desktop_.OpenWebPage(result.WebAddress);
}

void TNetworkPresenter::SettingLinkClicked() {
    if (session_.IsOpen() && session_.ReportEnded())
        CompareIpClicked();
}

void TNetworkPresenter::TransmitViewDoubleClicked() {
    view_.ListClear(TControl::MemoEthernetTx);
}

void TNetworkPresenter::ReceiveViewDoubleClicked() {
    view_.ListClear(TControl::MemoEthernetRx);
}
