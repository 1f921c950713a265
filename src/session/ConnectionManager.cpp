// Connecting to the receiver: opening and closing the port, and the handshake that
// waits for the device report's end marker before the pages are shown.
#include "app/Mainform.h"
#include "app/PortNames.h"
#include "network/NetworkConsole.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr char kReportEnd[] = "[DEVICE DATA END]";
constexpr char kWarning[] = "WARNING";
constexpr char kNotConnectable[] = "The select device can not connectable.";
constexpr char kCheckPort[] = "Please check connection port is correct!";
constexpr char kWrongDevice[] = "Please select correct device.";
constexpr int kHandshakeGiveUpTicks = 16;

// The message of a port that cannot be opened, with the reason below it when known.
std::string NotConnectable(const std::string& reason) {
    return reason.empty() ? kNotConnectable : std::string(kNotConnectable) + "\n" + reason;
}

} // namespace

void TForm1::OpenPortClick() {
    ConnectPressed = !ConnectPressed; // a toggle button flips before its click handler
    std::string reason;
    if (!PortOpen && !PortUsable(&reason)) {
        RefuseConnect(NotConnectable(reason));
        return;
    }
    if (SelectPortDevice() < 0) {
        RefuseConnect(kCheckPort);
        return;
    }
    ToggleConnection();
}

void TForm1::RefuseConnect(const std::string& message) {
    view_.MessageBox(message, kWarning, TMessageButtons::Ok);
    // The click pressed the button; nothing was opened, so it is released again.
    ConnectPressed = PortOpen;
    view_.SetChecked(TControl::OpenPort, ConnectPressed);
}

void TForm1::ToggleConnection() {
    // The receiver leaves the network module's configuration mode while it can still be told.
    network_->ExitConfigModeIfActive();
    if (PortOpen) {
        CloseSerialPort();
    } else if (comm_->IsOpen()) {
        PortOpen = false;
        ConnectPressed = false;
        view_.SetChecked(TControl::OpenPort, false);
    } else {
        PortOpen = true;
        std::string reason;
        if (!OpenSerialPort(reason)) {
            // A port that passed the test-open but cannot be opened now: back to Idle at
            // once rather than "Connecting..." until the handshake gives up.
            CloseSerialPort();
            ResetSession();
            ShowConnectionState();
            view_.MessageBox(NotConnectable(reason), kWarning, TMessageButtons::Ok);
            return;
        }
        // The port may lead to another receiver than the last one (unplugged and
        // replaced, another port chosen): its results start from nothing.
        ClearSystemCheck();
        UpdateSystemCheck();
    }
    ResetSession();
    if (PortOpen)
        HandshakeStep(nullptr);
    ShowConnectionState();
    int n = ComNumberOf(SelectedPortText());
    PortNumber = (n < 1 || n > 255) ? 1 : n;
}

bool TForm1::OpenSerialPort(std::string& reason) {
    try {
        comm_->Open();
        comm_->SetRTS(true); // raises "Port not open" when the open failed
        comm_->SetDTR(true);
        return true;
    } catch (const ECommError& error) {
        // "Port not open" says only that the open failed; the component knows why.
        reason = comm_->IsOpen() ? error.what() : comm_->OpenFailure().Reason;
        return false;
    }
}

void TForm1::CloseSerialPort() {
    PortOpen = false;
    ConnectPressed = false;
    view_.SetChecked(TControl::OpenPort, false);
    if (comm_->IsOpen())
        comm_->Close();
}

void TForm1::ShowConnectionState() {
    view_.SetText(TControl::LabelConnectionStatus,
                  PortOpen ? Texts.Connecting : Texts.Click2Connect);
    if (!PortOpen)
        view_.SetFontColor(TControl::LabelConnectionStatus, TFontColor::Black);
    for (TControl selector :
         {TControl::ComboBoxDeviceItem, TControl::ComboBoxBaudRate, TControl::cbxDeviceComEnum})
        view_.SetEnabled(selector, !PortOpen);
    view_.SetText(TControl::OpenPort, Texts.ButtonCaptions[PortOpen ? 1 : 0]);
}

void TForm1::ResetSession() {
    HandshakeState = hsIdle;
    HandshakeTicks = 0;
    SessionUp = false;
    confPageAfterRestart_ = -1;
    for (TControl selector :
         {TControl::ComboBoxDeviceItem, TControl::ComboBoxBaudRate, TControl::cbxDeviceComEnum})
        view_.SetEnabled(selector, true);
    view_.SetVisible(TControl::PanelView, false);
}

void TForm1::HandshakeStep(char* line) {
    switch (HandshakeState) {
    case hsIdle:
        if (SessionUp && ConnectPressed)
            return;
        ReportEndSeen = false;
        HandshakeState = hsWaitReport;
        HandshakeTicks = 0;
        return;
    case hsWaitReport:
        if (line == nullptr || SessionUp)
            return;
        if (std::strstr(line, kReportEnd) != nullptr) {
            RefreshDeviceReport();
            ReportEndSeen = true;
        }
        if (ReportEndSeen)
            CompleteHandshake();
        return;
    case hsDone:
        return;
    }
}

void TForm1::CompleteHandshake() {
    view_.SetText(TControl::LabelConnectionStatus, Texts.Connected);
    SessionUp = true;
    HandshakeTicks = 0;
    HandshakeState = hsDone;
    view_.SetActivePage(TControl::PageControlConf,
                        confPageAfterRestart_ >= 0 ? confPageAfterRestart_ : pgBaudRate);
    confPageAfterRestart_ = -1;
    view_.SetVisible(TControl::PanelView, true);
    view_.SetTimerEnabled(TTimer::TimerUpdateSysChk, true);
}

void TForm1::CheckHandshakeTimeout() {
    if (HandshakeTicks % 2 == 1)
        RequestDeviceReport();
    if (HandshakeTicks >= kHandshakeGiveUpTicks) {
        HandshakeState = hsIdle;
        ToggleConnection();
        view_.ShowMessage(kWrongDevice);
        view_.DropDown(TControl::cbxDeviceComEnum);
    }
}

void TForm1::LabelConnectionStatusDblClick() {
    if (!PortOpen || ReportEndSeen)
        return;
    ReportEndSeen = true;
    char line[] = "CHECK PASS";
    HandshakeStep(line);
}

void TForm1::BlinkStatus() {
    TFontColor color = TFontColor::Black;
    if (PortOpen && !ReportEndSeen) {
        BlinkOn = !BlinkOn;
        if (BlinkOn)
            color = TFontColor::Red;
    }
    view_.SetFontColor(TControl::LabelConnectionStatus, color);
}

void TForm1::ComboBoxDeviceItemChange() {
    bool usb = view_.ItemIndex(TControl::ComboBoxDeviceItem) == 0;
    view_.SetVisible(TControl::LabelBaudRate, !usb);
    view_.SetVisible(TControl::ComboBoxBaudRate, !usb);
    if (usb)
        comm_->SetBaudRate(br128000);
    else
        ComboBoxBaudRateChange();
}

void TForm1::ComboBoxBaudRateChange() {
    int index = view_.ItemIndex(TControl::ComboBoxBaudRate);
    std::string text =
        index < 0 ? std::string() : view_.ListItem(TControl::ComboBoxBaudRate, index);
    long value = std::strtol(text.c_str(), nullptr, 10);
    TBaudRate rate = br115200;
    for (int i = 0; i < kBaudRateCount; ++i)
        if (static_cast<long>(BaudValues[i]) == value) {
            rate = static_cast<TBaudRate>(i);
            break;
        }
    comm_->SetBaudRate(rate);
}

void TForm1::CommDeviceLost(TThreadComm*) {
    // The receiver was unplugged or its line went away: the same as the port vanishing
    // from the list, without waiting for the list to be refreshed.
    if (PortOpen)
        ToggleConnection();
    else
        comm_->Close();
}

bool TForm1::ConnectDevice(const std::string& device, TBaudRate rate) {
    comm_->SetBaudRate(rate);
    EnumeratePorts();
    FillPortSelector();
    if (SelectPortEntry(device)) {
        OpenPortClick();
        return PortOpen;
    }
    // A device outside the port list (a path given by hand): opened as it is.
    comm_->SetDeviceName(device);
    ConnectPressed = true;
    ToggleConnection();
    PortNumber = 0;
    return PortOpen;
}
