#include "app/Mainform.h"

TForm1::TForm1(TMainView& view, TSynchronize synchronize, std::unique_ptr<TComm> comm)
    : view_(view), comm_(comm ? std::move(comm) : std::make_unique<TComm>()) {
    comm_->SetSynchronize(std::move(synchronize));
    comm_->SetDeviceName("\\\\.\\COM1");
    comm_->SetBaudRate(br128000);
    comm_->SetParity(paNone);
    comm_->SetDataBits(da8);
    comm_->SetStopBits(sb10);
    comm_->OnRxChar = [this](TThreadComm* sender, uint32_t count) { CommRxChar(sender, count); };
    comm_->OnDeviceLost = [this](TThreadComm* sender) { CommDeviceLost(sender); };
    pendingLine_.reserve(kPendingLineCap);
}

TForm1::~TForm1() {
    comm_->Close();
}

bool TForm1::ConnectPort(const std::string& device, TBaudRate rate) {
    comm_->SetDeviceName(device);
    comm_->SetBaudRate(rate);
    PortOpen = true;
    ConnectPressed = true;
    try {
        comm_->Open();
        comm_->SetRTS(true);
        comm_->SetDTR(true);
    } catch (const ECommError& error) {
        view_.ShowMessage(error.what());
        DisconnectPort();
        return false;
    }
    view_.SetText(TControl::OpenPort, "Disconnect");
    view_.SetText(TControl::LabelConnectionStatus, "Connecting...");
    return true;
}

void TForm1::DisconnectPort() {
    PortOpen = false;
    ConnectPressed = false;
    comm_->Close();
    view_.SetText(TControl::OpenPort, "Connect");
    view_.SetText(TControl::LabelConnectionStatus, "Click to Connect");
}

void TForm1::CommDeviceLost(TThreadComm*) {
    // The receiver was unplugged or its line went away: end the session instead of
    // waiting on a dead port. The status text tells the user.
    DisconnectPort();
}

void TForm1::HandleGpsLine(char*) {}
void TForm1::HandshakeStep(char*) {}
void TForm1::ParseReportLine(char*) {}
