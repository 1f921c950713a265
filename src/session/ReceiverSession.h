// One receiver on one serial port: opening and closing the port, cutting what arrives
// into lines, the handshake that waits for the device report's end marker, reading the
// report, programming the receiver, and recovering from the restart it announces after
// being programmed. It knows no window: what happens reaches its observers.
#pragma once

#include "serial/Comm.h"
#include "session/DeviceInfo.h"
#include "session/DeviceSettings.h"
#include "session/LineSplitter.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Where the connection stands: closed; open and waiting for the device report's end
// marker; connected (the report has ended, or the user completed the handshake by hand);
// replaying a recorded log instead of listening to a port.
enum class TSessionState { Closed, Connecting, Connected, Replaying };

// How a replay of a recorded log ended.
enum class TReplayEnd {
    EndOfFile, // every line was replayed
    Stopped,   // the user stopped it
    Failed,    // it could not start or read on; the reason says why
};

// What became of a sentence to send.
enum TSendResult { srSent, srNotConnected, srTooLong, srWriteFailed, srNotProgrammable };

// Where the restart recovery stands: announced until the port is closed at the next
// tick, then waiting for the receiver, then over (back to idle when its port was opened
// again, or port not found until the next announcement).
enum TRestartState { rsIdle, rsAnnounced, rsWaiting, rsPortNotFound };

// How a restart recovery ended.
enum class TRestartOutcome {
    Cancelled,    // the user closed the port before the recovery did
    Reopened,     // the port is present and the recovery opened it again
    AlreadyOpen,  // the port is present and the user had opened it meanwhile
    PortNotFound, // the port is gone
};

// What went wrong, for the observer to tell the user.
enum class TSessionError {
    OpenFailed,      // the port could not be opened; the reason says why
    NoReport,        // no report's end marker within the handshake's time: port closed
    NotConnected,    // a sentence to send while the port is not open
    SentenceTooLong, // a sentence longer than the receiver takes
    WriteFailed,     // a sentence did not leave
};

// Told of what the session does. Every call comes on the thread that runs the session.
class TSessionObserver {
public:
    virtual ~TSessionObserver() = default;
    // Every received line without its line end, before the session reads it; an
    // over-long one is cut and goes nowhere else.
    virtual void LineReceived(std::string_view /*line*/, bool /*overLong*/) {}
    // The lines of one read have all been told.
    virtual void ReceivedBatchEnded() {}
    virtual void StateChanged(TSessionState /*state*/) {}
    // The port is about to close while it can still be written to.
    virtual void PortClosing() {}
    // A report line set `items` (TReportItem bits) of the report.
    virtual void ReportRead(const TDeviceInfo& /*report*/, unsigned /*items*/) {}
    virtual void RestartAnnounced() {}
    virtual void RestartProgressed(int /*step*/, int /*steps*/) {}
    virtual void RestartFinished(TRestartOutcome /*outcome*/) {}
    // The receiver was unplugged or its line went away; the port has been closed.
    virtual void DeviceLost() {}
    // `reason` is the system's words where it gave any (OpenFailed).
    virtual void ErrorOccurred(TSessionError /*error*/, const std::string& /*reason*/) {}
    // A replay is over and the session is closed again; `reason` says why one failed.
    virtual void ReplayEnded(TReplayEnd /*end*/, const std::string& /*reason*/) {}
};

class TReceiverSession {
public:
    // Steps of the restart recovery, counted on RecoveryTick.
    static constexpr int kRecoverySteps = 10;
    // HandshakeTick calls after which a silent receiver is given up.
    static constexpr int kHandshakeGiveUpTicks = 16;
    static constexpr char kReportRequest[] = "$PTST,,,,,17";

    // `comm` replaces the serial component (tests); `synchronize` hands its events over
    // to the thread that runs the session.
    explicit TReceiverSession(TSynchronize synchronize, std::unique_ptr<TComm> comm = nullptr);
    // Closes the port without telling the observers, which may be gone already.
    ~TReceiverSession();
    TReceiverSession(const TReceiverSession&) = delete;
    TReceiverSession& operator=(const TReceiverSession&) = delete;

    // Observers are told in the order they were added.
    void AddObserver(TSessionObserver& observer) { observers_.push_back(&observer); }
    TComm& Comm() { return *comm_; }

    // --- The port ------------------------------------------------------------------
    void SetDevice(const std::string& deviceName) { comm_->SetDeviceName(deviceName); }
    void SetBaudRate(TBaudRate rate) { comm_->SetBaudRate(rate); }
    // Opens the port and starts the handshake. False, with the observers told why, when
    // the port could not be opened.
    bool Open();
    // Closes the port (telling PortClosing first) and ends the handshake.
    void Close();
    // Whether a restart recovery may open the port again; by default it may.
    std::function<bool()> PortStillPresent;

    TSessionState State() const;
    bool IsOpen() const { return portOpen_; }
    bool IsConnected() const { return connected_; }
    // Whether the report's end marker was seen (or the user completed by hand).
    bool ReportEnded() const { return reportEnded_; }

    // --- Handshake -------------------------------------------------------------------
    // Once a second: asks again for the report on odd ticks, gives up after 16.
    void HandshakeTick();
    // The user vouches for the receiver: the handshake completes without the end marker.
    void CompleteHandshakeByHand();

    // --- Device report ----------------------------------------------------------------
    void RequestReport() { SendSentence(kReportRequest); }
    const TDeviceInfo& Report() const { return report_; }
    // The settings the report has shown since the port was opened.
    TDeviceSettings ReportedSettings() const;
    // Forgets that the firmware version and serial number were read.
    void ForgetIdentity();

    // --- Sending -------------------------------------------------------------------
    // Raw bytes; false when the port is not open or nothing was written.
    bool SendBytes(const void* bytes, int length);
    // Completes a proprietary sentence with its checksum and sends it.
    TSendResult SendSentence(const std::string& text);
    // Sends the set sentences of each group of `settings` that is given. srSent only
    // when every sentence left; srNotProgrammable, with nothing sent, when a value is
    // not one the receiver takes.
    TSendResult Program(const TDeviceSettings& settings);
    // The sentence that restores the network module's settings.
    TSendResult RestoreNetworkSettings();

    // --- Restart recovery ------------------------------------------------------------
    TRestartState RestartState() const { return restartState_; }
    int RestartStep() const { return restartStep_; }
    // Once a second while a recovery runs: closes the port at the first tick, opens it
    // again when the receiver has had time to restart.
    void RecoveryTick();

    // --- Receiving -------------------------------------------------------------------
    // The serial component's OnRxChar: reads `count` waiting bytes.
    void ReadWaiting(uint32_t count);
    std::string_view PendingLine() const { return lines_.Pending(); }
    static constexpr int kReceiveBufferSize = 5000;

    // --- Replaying a recorded log (driven by TLogReplay) -----------------------------
    // The lines of a capture reach the observers as lines from a port do, and are read
    // as those are, but a restart announced in the log recovers nothing: no port is open.
    // Starts a replay of the log `name`: false, with ReplayEnded(Failed) told, while the
    // port is open or another replay runs.
    bool BeginReplay(const std::string& name);
    void ReceiveReplayedLine(std::string_view line, bool overLong);
    void EndReplayedBatch();
    // Ends the replay, back to Closed; nothing happens when none runs.
    void EndReplay(TReplayEnd end, const std::string& reason = {});
    bool IsReplaying() const { return replaying_; }
    // The name of the log being replayed.
    const std::string& ReplayName() const { return replayName_; }

private:
    void ReceiveBytes(const char* bytes, size_t count);
    void ReceiveLine(std::string_view line, bool overLong);
    void ReadLine(std::string_view line);
    void ReadReport(const char* line);
    void StartHandshake();
    void CompleteHandshake();
    void StartRestartRecovery();
    void DeviceLost();
    void SetState(TSessionState state);
    template <class Call> void Tell(Call call) {
        for (TSessionObserver* observer : observers_)
            call(*observer);
    }

    std::unique_ptr<TComm> comm_;
    std::vector<TSessionObserver*> observers_;
    LineSplitter lines_;
    bool portOpen_ = false;
    bool connected_ = false;
    bool waitingForReport_ = false;
    bool reportEnded_ = false;
    int handshakeTicks_ = 0;
    TDeviceInfo report_{};
    unsigned itemsRead_ = 0; // TReportItem bits read since the port was opened
    TRestartState restartState_ = rsIdle;
    int restartStep_ = 0;
    bool replaying_ = false;
    std::string replayName_;
};
