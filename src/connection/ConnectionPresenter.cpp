#include "connection/ConnectionPresenter.h"
#include "serial/PortNames.h"
#include "session/SessionErrorText.h"

#include <cstdlib>

namespace {

constexpr TControl kSelectors[] = {TControl::ComboBoxDeviceItem, TControl::ComboBoxBaudRate,
                                   TControl::cbxDeviceComEnum};

} // namespace

TConnectionPresenter::TConnectionPresenter(TMainView& view, TReceiverSession& session,
                                           const TTexts& texts, std::unique_ptr<TPortSystem> ports)
    : view_(view), session_(session), texts_(texts), ports_(std::move(ports)) {
    // The restart recovery opens its port again only while the port list holds it.
    session_.PortStillPresent = [this] { return PortListed(portNumber_); };
    view_.SetText(TControl::OpenPort, texts_.ButtonCaptions[0]);
    view_.SetText(TControl::LabelConnectionStatus, texts_.Click2Connect);
    EnumeratePorts();
    FillPortSelector();
    ShowConnectionState(false);
    view_.SetVisible(TControl::PanelView, false);
}

void TConnectionPresenter::WatchPorts() {
    ports_->Watch([this] { DeviceChangeNotified(); });
}

void TConnectionPresenter::ConnectClicked() {
    connectPressed_ = !connectPressed_; // a toggle button flips before its click handler
    std::string reason;
    if (!session_.IsOpen() && !PortUsable(&reason)) {
        RefuseConnect(SessionErrorMessage(TSessionError::OpenFailed, reason).Text);
        return;
    }
    if (SelectPortDevice() < 0) {
        RefuseConnect(kCheckPortText);
        return;
    }
    ToggleConnection();
}

void TConnectionPresenter::RefuseConnect(const std::string& message) {
    view_.MessageBox(message, kWarningCaption, TMessageButtons::Ok);
    // The click pressed the button; nothing was opened, so it is released again.
    connectPressed_ = session_.IsOpen();
    view_.SetChecked(TControl::OpenPort, connectPressed_);
}

void TConnectionPresenter::ToggleConnection() {
    if (session_.IsOpen())
        session_.Close();
    else if (!session_.Open())
        return; // back to Idle at once, the reason told
    int n = ComNumberOf(SelectedPortText());
    portNumber_ = (n < 1 || n > 255) ? 1 : n;
}

bool TConnectionPresenter::ConnectDevice(const std::string& device, TBaudRate rate) {
    session_.SetBaudRate(rate);
    EnumeratePorts();
    FillPortSelector();
    if (SelectPortEntry(device)) {
        ConnectClicked();
        return session_.IsOpen();
    }
    // A device outside the port list (a path given by hand): opened as it is.
    session_.SetDevice(device);
    connectPressed_ = true;
    ToggleConnection();
    portNumber_ = 0;
    return session_.IsOpen();
}

void TConnectionPresenter::StatusDoubleClicked() {
    session_.CompleteHandshakeByHand();
}

void TConnectionPresenter::InterfaceChosen() {
    bool usb = view_.ItemIndex(TControl::ComboBoxDeviceItem) == 0;
    view_.SetVisible(TControl::LabelBaudRate, !usb);
    view_.SetVisible(TControl::ComboBoxBaudRate, !usb);
    if (usb)
        session_.SetBaudRate(br128000);
    else
        BaudRateChosen();
}

void TConnectionPresenter::BaudRateChosen() {
    int index = view_.ItemIndex(TControl::ComboBoxBaudRate);
    std::string text =
        index < 0 ? std::string() : view_.ListItem(TControl::ComboBoxBaudRate, index);
    long value = std::strtol(text.c_str(), nullptr, 10);
    TBaudRate rate = br115200;
    for (int i = 0; i < kBaudRateCount; ++i)
        if (static_cast<long>(kBaudValues[i]) == value) {
            rate = static_cast<TBaudRate>(i);
            break;
        }
    session_.SetBaudRate(rate);
}

void TConnectionPresenter::BlinkStatus() {
    TFontColor color = TFontColor::Black;
    if (session_.IsOpen() && !session_.ReportEnded()) {
        blinkOn_ = !blinkOn_;
        if (blinkOn_)
            color = TFontColor::Red;
    }
    view_.SetFontColor(TControl::LabelConnectionStatus, color);
}

void TConnectionPresenter::ShowCaptionAndStatus() {
    view_.SetText(TControl::OpenPort, texts_.ButtonCaptions[session_.IsOpen() ? 1 : 0]);
    view_.SetText(TControl::LabelConnectionStatus, StatusText(session_.State()));
}

std::string TConnectionPresenter::StatusText(TSessionState state) const {
    switch (state) {
    case TSessionState::Connected:
        return texts_.Connected;
    case TSessionState::Connecting:
        return texts_.Connecting;
    case TSessionState::Replaying:
        return "Replaying " + session_.ReplayName();
    case TSessionState::Closed:
        break;
    }
    return texts_.Click2Connect;
}

void TConnectionPresenter::ShowConnectionState(bool portOpen) {
    view_.SetText(TControl::LabelConnectionStatus,
                  portOpen ? texts_.Connecting : texts_.Click2Connect);
    if (!portOpen)
        view_.SetFontColor(TControl::LabelConnectionStatus, TFontColor::Black);
    for (TControl selector : kSelectors)
        view_.SetEnabled(selector, !portOpen);
    view_.SetText(TControl::OpenPort, texts_.ButtonCaptions[portOpen ? 1 : 0]);
}

void TConnectionPresenter::StateChanged(TSessionState state) {
    // A replay stands for the receiver: no port may open until it is over.
    view_.SetEnabled(TControl::OpenPort, state != TSessionState::Replaying);
    if (state == TSessionState::Replaying) {
        ShowReplaying();
        return;
    }
    if (state == TSessionState::Connected) {
        view_.SetText(TControl::LabelConnectionStatus, texts_.Connected);
        view_.SetActivePage(TControl::PageControlConf,
                            confPageAfterRestart_ >= 0 ? confPageAfterRestart_ : pgBaudRate);
        confPageAfterRestart_ = -1;
        view_.SetVisible(TControl::PanelView, true);
        view_.SetTimerEnabled(TTimer::SystemCheckTick, true);
        return;
    }
    if (state == TSessionState::Closed) {
        connectPressed_ = false;
        view_.SetChecked(TControl::OpenPort, false);
    }
    confPageAfterRestart_ = -1;
    view_.SetVisible(TControl::PanelView, false);
    ShowConnectionState(state == TSessionState::Connecting);
}

// The pages show what the log brings; the system check counts it from the start.
void TConnectionPresenter::ShowReplaying() {
    view_.SetText(TControl::LabelConnectionStatus, StatusText(TSessionState::Replaying));
    view_.SetFontColor(TControl::LabelConnectionStatus, TFontColor::Black);
    for (TControl selector : kSelectors)
        view_.SetEnabled(selector, false);
    view_.SetVisible(TControl::PanelView, true);
    view_.SetTimerEnabled(TTimer::SystemCheckTick, true);
}

void TConnectionPresenter::RestartAnnounced() {
    view_.SetProgressMax(TControl::ProgressBar1, TReceiverSession::kRecoverySteps);
    view_.SetProgressPosition(TControl::ProgressBar1, 0);
    view_.ShowWindow(TWindow::frmWaitingProgress);
    // The recovery runs on this timer's ticks; an announcement that comes before the
    // first handshake has completed must not leave the dialog up for good.
    view_.SetTimerEnabled(TTimer::SystemCheckTick, true);
}

void TConnectionPresenter::RestartProgressed(int step, int) {
    view_.SetProgressPosition(TControl::ProgressBar1, step);
}

void TConnectionPresenter::RestartFinished(TRestartOutcome outcome) {
    if (outcome != TRestartOutcome::Cancelled) {
        FillPortSelector();
        SelectListedPort(portNumber_);
    }
    if (outcome == TRestartOutcome::Reopened)
        // The user sees the result on the page programmed, not the first page.
        confPageAfterRestart_ = view_.ActivePage(TControl::PageControlConf);
    if (outcome == TRestartOutcome::Reopened || outcome == TRestartOutcome::AlreadyOpen) {
        // Pressed only when the port did open.
        connectPressed_ = session_.IsOpen();
        view_.SetChecked(TControl::OpenPort, connectPressed_);
    }
    view_.HideWindow(TWindow::frmWaitingProgress);
    if (outcome == TRestartOutcome::PortNotFound)
        view_.MessageBox("The receiver did not come back after its restart: COM" +
                             std::to_string(portNumber_) +
                             " is not present. Check its connection, then select its port and "
                             "connect again.",
                         kWarningCaption, TMessageButtons::Ok);
}

void TConnectionPresenter::ErrorOccurred(TSessionError error, const std::string& reason) {
    TErrorMessage message = SessionErrorMessage(error, reason);
    if (message.Caption.empty())
        view_.ShowMessage(message.Text);
    else
        view_.MessageBox(message.Text, message.Caption, TMessageButtons::Ok,
                         message.IsError ? TMessageIcon::Error : TMessageIcon::None);
    // The user is led to choose another port.
    if (error == TSessionError::NoReport)
        view_.DropDown(TControl::cbxDeviceComEnum);
}
