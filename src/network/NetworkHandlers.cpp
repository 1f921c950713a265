// The NETWORK page of the main window: the console wired to the send path and the
// transmit view, the page changes that enter and leave configuration mode, and the
// console's buttons. The page's tab is never shown and its test controls stay hidden.
#include "app/Mainform.h"
#include "log/DataLogPage.h"
#include "network/NetworkConsole.h"

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

void TForm1::CreateNetworkConsole() {
    TNetworkConsoleHost host;
    host.SendData = [this](const std::string& bytes) {
        return SendData(bytes.data(), static_cast<int>(bytes.size()));
    };
    host.PortOpen = [this] { return PortOpen; };
    host.AddTxLine = [this](const std::string& line) {
        view_.AppendLine(TControl::MemoEthernetTx, line);
    };
    network_ = std::make_unique<TNetworkConsole>(std::move(host));
    view_.SetText(TControl::LabelEthFirmwareVersion, kNone);
    view_.SetText(TControl::LabelEthIP, kNone);
    for (TControl control : kTestControls)
        view_.SetVisible(control, false);
}

void TForm1::NetworkPageChanged() {
    auto confPage = static_cast<TConfPage>(view_.ActivePage(TControl::PageControlConf));
    if (confPage == pgNetwork && !NetworkPageOffered) {
        // A page that is not offered is never in front: the change is undone and the
        // console sees none, so it neither enters configuration mode nor sends commands.
        view_.SetActivePage(TControl::PageControlConf, shownConfPage_);
        return;
    }
    shownConfPage_ = confPage;
    bool wasLinkEnabled = network_->LinkEnabled();
    network_->PageChanged(static_cast<TMainPage>(view_.ActivePage(TControl::PageControlMain)),
                          confPage, view_.ItemIndex(TControl::ComboBoxDeviceItem) == 1);
    if (wasLinkEnabled && !network_->LinkEnabled())
        view_.SetEnabled(TControl::LabelEthernetSettingButton, false);
}

void TForm1::ButtonEthernetSendClick() {
    if (!network_->SendText(view_.EditText(TControl::EditEthernetText)))
        view_.MessageBox(kSendErrorText, kSendErrorCaption, TMessageButtons::Ok,
                         TMessageIcon::Error);
}

void TForm1::ButtonEnterEthConfigModeClick() {
    network_->EnterConfigMode();
}

void TForm1::ButtonExitEthConfigModeClick() {
    network_->ExitConfigMode();
}

void TForm1::ButtonCMD1Click() {
    network_->QueueVersionAndAddress();
}

void TForm1::ButtonCompareIPClick() {
    TCompareIpResult result = network_->CompareIp();
    if (!result.SameSubnet && view_.MessageBox(kNotSameSubnetQuestion, kNotSameSubnetCaption,
                                               TMessageButtons::OkCancel) != IDOK)
        return;
    if (OpenWebPage)
        OpenWebPage(result.WebAddress);
}

void TForm1::LabelEthernetSettingButtonClick() {
    if (PortOpen && ReportEndSeen)
        ButtonCompareIPClick();
}

void TForm1::MemoEthernetTxDblClick() {
    view_.ListClear(TControl::MemoEthernetTx);
}

void TForm1::MemoEthernetRxDblClick() {
    view_.ListClear(TControl::MemoEthernetRx);
}
