#include "session/ReceiverSession.h"
#include "nmea/Checksum.h"
#include "session/DeviceReportLine.h"
#include "session/SettingCodes.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr char kReportEnd[] = "[DEVICE DATA END]";
constexpr size_t kMaxSentenceLength = 100; // with "*", checksum, CR and LF

// Parameter numbers of the set sentences.
constexpr int kRs232BaudParameter = 38;
constexpr int kNmeaBaudParameter = 40;
constexpr int kNmeaBaudMirrorParameter = 42; // takes the NMEA code as well
constexpr int kGpsOutputParameter = 50;      // 0 on, 1 off
constexpr int kGpsDynModelParameter = 703;
constexpr char kRestoreSentence[] = "$PKRV,C,DBG,100,150,,,,,,";

template <class... Numbers> std::string Format(const char* format, Numbers... numbers) {
    char text[64];
    std::snprintf(text, sizeof text, format, numbers...);
    return text;
}

} // namespace

TReceiverSession::TReceiverSession(TSynchronize synchronize, std::unique_ptr<TComm> comm)
    : comm_(comm ? std::move(comm) : std::make_unique<TComm>()) {
    comm_->SetSynchronize(std::move(synchronize));
    comm_->SetDeviceName("\\\\.\\COM1");
    comm_->SetBaudRate(br128000);
    comm_->SetParity(paNone);
    comm_->SetDataBits(da8);
    comm_->SetStopBits(sb10);
    comm_->OnRxChar = [this](TThreadComm*, uint32_t count) { ReadWaiting(count); };
    comm_->OnDeviceLost = [this](TThreadComm*) { DeviceLost(); };
}

TReceiverSession::~TReceiverSession() {
    comm_->Close();
}

TSessionState TReceiverSession::State() const {
    if (replaying_)
        return TSessionState::Replaying;
    if (!portOpen_)
        return TSessionState::Closed;
    return connected_ ? TSessionState::Connected : TSessionState::Connecting;
}

void TReceiverSession::SetState(TSessionState state) {
    Tell([state](TSessionObserver& observer) { observer.StateChanged(state); });
}

bool TReceiverSession::Open() {
    if (replaying_) {
        Tell([](TSessionObserver& observer) {
            observer.ErrorOccurred(TSessionError::OpenFailed,
                                   "a recorded log is being replayed: stop it first");
        });
        return false;
    }
    if (comm_->IsOpen()) // left open by a lost device
        comm_->Close();
    portOpen_ = true;
    std::string reason;
    try {
        comm_->Open();
        comm_->SetRTS(true); // raises "Port not open" when the open failed
        comm_->SetDTR(true);
    } catch (const ECommError& error) {
        // "Port not open" says only that the open failed; the component knows why.
        reason = comm_->IsOpen() ? error.what() : comm_->OpenFailure().Reason;
    }
    if (!reason.empty() || !comm_->IsOpen()) {
        portOpen_ = false;
        comm_->Close();
        connected_ = false;
        waitingForReport_ = false;
        SetState(TSessionState::Closed);
        Tell([&reason](TSessionObserver& observer) {
            observer.ErrorOccurred(TSessionError::OpenFailed, reason);
        });
        return false;
    }
    // The port may lead to another receiver than the last one: nothing read before
    // stands for it.
    ForgetIdentity();
    itemsRead_ = 0;
    StartHandshake();
    SetState(TSessionState::Connecting);
    return true;
}

void TReceiverSession::Close() {
    if (portOpen_)
        Tell([](TSessionObserver& observer) { observer.PortClosing(); });
    portOpen_ = false;
    if (comm_->IsOpen())
        comm_->Close();
    connected_ = false;
    waitingForReport_ = false;
    handshakeTicks_ = 0;
    SetState(TSessionState::Closed);
}

void TReceiverSession::DeviceLost() {
    // The same as the port vanishing from the list, without waiting for the list.
    if (portOpen_)
        Close();
    else
        comm_->Close();
    Tell([](TSessionObserver& observer) { observer.DeviceLost(); });
}

void TReceiverSession::StartHandshake() {
    connected_ = false;
    reportEnded_ = false;
    waitingForReport_ = true;
    handshakeTicks_ = 0;
}

void TReceiverSession::CompleteHandshake() {
    connected_ = true;
    waitingForReport_ = false;
    handshakeTicks_ = 0;
    SetState(TSessionState::Connected);
}

void TReceiverSession::HandshakeTick() {
    if (connected_ || !portOpen_)
        return;
    if (handshakeTicks_ % 2 == 1)
        RequestReport();
    if (handshakeTicks_ >= kHandshakeGiveUpTicks) {
        Close();
        Tell([](TSessionObserver& observer) {
            observer.ErrorOccurred(TSessionError::NoReport, std::string());
        });
        return;
    }
    ++handshakeTicks_;
}

void TReceiverSession::CompleteHandshakeByHand() {
    if (!portOpen_ || reportEnded_)
        return;
    reportEnded_ = true;
    if (waitingForReport_)
        CompleteHandshake();
}

void TReceiverSession::ForgetIdentity() {
    report_.FirmwareValid = false;
    report_.SerialNoValid = false;
}

TDeviceSettings TReceiverSession::ReportedSettings() const {
    TDeviceSettings settings;
    if ((itemsRead_ & (riRs232Baud | riNmeaBaud)) == (riRs232Baud | riNmeaBaud))
        settings.Baud = TBaudSettings{report_.Rs232Baud, report_.NmeaBaud};
    if ((itemsRead_ & (riGpsOutput | riGpsDynModel)) == (riGpsOutput | riGpsDynModel))
        settings.Gps = TGpsSettings{!report_.GpsOutputOff, report_.GpsDynModel};
    return settings;
}

bool TReceiverSession::SendBytes(const void* bytes, int length) {
    if (!comm_->IsOpen())
        return false;
    return comm_->Write(bytes, length) > 0;
}

TSendResult TReceiverSession::SendSentence(const std::string& text) {
    auto refuse = [this](TSendResult result, TSessionError error) {
        Tell([error](TSessionObserver& observer) { observer.ErrorOccurred(error, std::string()); });
        return result;
    };
    if (!portOpen_)
        return refuse(srNotConnected, TSessionError::NotConnected);
    std::string sentence = text;
    if (!AppendChecksum(sentence) || sentence.size() > kMaxSentenceLength)
        return refuse(srTooLong, TSessionError::SentenceTooLong);
    if (!SendBytes(sentence.data(), static_cast<int>(sentence.size())))
        return refuse(srWriteFailed, TSessionError::WriteFailed);
    return srSent;
}

TSendResult TReceiverSession::Program(const TDeviceSettings& settings) {
    int rs232 = settings.Baud ? Rs232BaudCode(settings.Baud->Rs232Baud) : 0;
    int nmea = settings.Baud ? NmeaBaudCode(settings.Baud->NmeaBaud) : 0;
    int model = settings.Gps ? GpsDynModelCode(settings.Gps->DynModel) : 0;
    if (rs232 < 0 || nmea < 0 || model < 0)
        return srNotProgrammable;
    // Every sentence is sent even after one failed, as each is a setting of its own;
    // the result is the first failure.
    TSendResult result = srSent;
    auto send = [this, &result](const std::string& sentence) {
        TSendResult sent = SendSentence(sentence);
        if (result == srSent)
            result = sent;
    };
    if (settings.Baud)
        send(Format("$PDBG,%d,%d,%d,%d,%d,%d,,", kRs232BaudParameter, rs232, kNmeaBaudParameter,
                    nmea, kNmeaBaudMirrorParameter, nmea));
    if (settings.Gps) {
        send(Format("$PDBG,%d,%d,,,,,,", kGpsOutputParameter, settings.Gps->OutputOn ? 0 : 1));
        send(Format("$PDBG,%d,%d,,,,,,", kGpsDynModelParameter, model));
    }
    return result;
}

TSendResult TReceiverSession::RestoreNetworkSettings() {
    return SendSentence(kRestoreSentence);
}

void TReceiverSession::StartRestartRecovery() {
    restartState_ = rsAnnounced;
    restartStep_ = 1;
    Tell([](TSessionObserver& observer) { observer.RestartAnnounced(); });
}

void TReceiverSession::RecoveryTick() {
    if (restartState_ != rsAnnounced && restartState_ != rsWaiting)
        return;
    if (restartState_ == rsAnnounced && !portOpen_) {
        // The user has closed the port since the announcement: nothing left to recover.
        restartState_ = rsIdle;
        Tell([](TSessionObserver& observer) {
            observer.RestartFinished(TRestartOutcome::Cancelled);
        });
        return;
    }
    ++restartStep_;
    Tell([this](TSessionObserver& observer) {
        observer.RestartProgressed(restartStep_, kRecoverySteps);
    });
    if (restartState_ == rsAnnounced) {
        restartState_ = rsWaiting;
        Close();
        return;
    }
    if (restartStep_ < kRecoverySteps)
        return;
    TRestartOutcome outcome = TRestartOutcome::PortNotFound;
    if (!PortStillPresent || PortStillPresent()) {
        // A port the user has opened again meanwhile stays as it is.
        outcome = portOpen_ ? TRestartOutcome::AlreadyOpen : TRestartOutcome::Reopened;
        if (outcome == TRestartOutcome::Reopened)
            Open();
    }
    restartState_ = outcome == TRestartOutcome::PortNotFound ? rsPortNotFound : rsIdle;
    Tell([outcome](TSessionObserver& observer) { observer.RestartFinished(outcome); });
}

void TReceiverSession::ReadWaiting(uint32_t count) {
    // A driver may hold more than one buffer's worth: read until count is drained.
    char buffer[kReceiveBufferSize];
    uint64_t remaining = count;
    while (remaining > 0) {
        int want =
            remaining < kReceiveBufferSize ? static_cast<int>(remaining) : kReceiveBufferSize;
        int got = comm_->Read(buffer, want);
        if (got < 1)
            return;
        ReceiveBytes(buffer, static_cast<size_t>(got));
        remaining -= static_cast<uint64_t>(got);
    }
}

void TReceiverSession::ReceiveBytes(const char* bytes, size_t count) {
    lines_.Feed({bytes, count},
                [this](std::string_view line, bool overLong) { ReceiveLine(line, overLong); });
    Tell([](TSessionObserver& observer) { observer.ReceivedBatchEnded(); });
}

void TReceiverSession::ReceiveLine(std::string_view line, bool overLong) {
    Tell([&](TSessionObserver& observer) { observer.LineReceived(line, overLong); });
    if (!overLong)
        ReadLine(line);
}

bool TReceiverSession::BeginReplay(const std::string& name) {
    if (portOpen_ || replaying_) {
        std::string reason = replaying_ ? "another log is being replayed"
                                        : "the port is open: close it to replay a log";
        Tell([&reason](TSessionObserver& observer) {
            observer.ReplayEnded(TReplayEnd::Failed, reason);
        });
        return false;
    }
    // The log stands for a receiver of its own: nothing read before stands for it.
    ForgetIdentity();
    itemsRead_ = 0;
    replaying_ = true;
    replayName_ = name;
    SetState(TSessionState::Replaying);
    return true;
}

void TReceiverSession::ReceiveReplayedLine(std::string_view line, bool overLong) {
    if (replaying_)
        ReceiveLine(line, overLong);
}

void TReceiverSession::EndReplayedBatch() {
    if (replaying_)
        Tell([](TSessionObserver& observer) { observer.ReceivedBatchEnded(); });
}

void TReceiverSession::EndReplay(TReplayEnd end, const std::string& reason) {
    if (!replaying_)
        return;
    replaying_ = false;
    SetState(TSessionState::Closed);
    Tell([end, &reason](TSessionObserver& observer) { observer.ReplayEnded(end, reason); });
}

void TReceiverSession::ReadLine(std::string_view line) {
    if (waitingForReport_ && line.find(kReportEnd) != std::string_view::npos) {
        RequestReport();
        reportEnded_ = true;
    }
    if (waitingForReport_ && reportEnded_)
        CompleteHandshake();
    // The report's keys are read from the line as received, with its line end.
    char text[LineSplitter::kMaxLineLength + 3];
    std::memcpy(text, line.data(), line.size());
    std::memcpy(text + line.size(), "\r\n", 3);
    ReadReport(text);
}

void TReceiverSession::ReadReport(const char* line) {
    unsigned items = ReadReportLine(line, report_);
    if (items == 0)
        return;
    itemsRead_ |= items;
    Tell([this, items](TSessionObserver& observer) { observer.ReportRead(report_, items); });
    if ((items & riRestartAnnounced) && !replaying_)
        StartRestartRecovery();
}
