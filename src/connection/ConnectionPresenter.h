// The connection bar: the interface and baud selectors, the port selector with the ports
// present (refreshed when ports come and go), the Connect button and the status label
// that blinks until the receiver is known. It shows what the session does: the state of
// the connection, its errors, and the restart recovery's progress dialog.
#pragma once

#include "serial/PortSystem.h"
#include "session/ReceiverSession.h"
#include "view/MainView.h"
#include "view/Texts.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

class TConnectionPresenter : public TSessionObserver {
public:
    TConnectionPresenter(TMainView& view, TReceiverSession& session, const TTexts& texts,
                         std::unique_ptr<TPortSystem> ports);

    // Starts watching the system's ports.
    void WatchPorts();
    // Ports may have come or gone; safe from any thread.
    void DeviceChangeNotified() { deviceChangePending_ = true; }
    // A change has been notified and the port list not read since.
    bool DeviceChangePending() const { return deviceChangePending_; }

    // --- The user's doing ------------------------------------------------------------
    void ConnectClicked();
    // The user vouches for the receiver while it has not finished its report.
    void StatusDoubleClicked();
    void InterfaceChosen();
    void BaudRateChosen();
    // Opens the port when closed, closes it when open.
    void ToggleConnection();
    // For front ends without a port selector (the command-line tool): selects the
    // entry of `device` when the port list has one, then connects as Connect does.
    bool ConnectDevice(const std::string& device, TBaudRate rate);

    // Every half second: the port list is read again a while after ports came or went,
    // and the status blinks while the receiver is unknown.
    void DebounceDeviceChange();
    void BlinkStatus();

    // --- The port selector -----------------------------------------------------------
    void EnumeratePorts();
    void FillPortSelector();
    // The test-open of the selected entry's port; `reason`, when given, says why it failed.
    bool PortUsable(std::string* reason = nullptr);
    // The serial component's device from the selected entry; its COM number, -1 when none.
    int SelectPortDevice();
    // Selects the entry that `text` selects (see PortEntrySelectedBy); false when none.
    bool SelectPortEntry(const std::string& text);
    // Friendly names of the present ports that carry "(COM".
    const std::vector<std::string>& PortNames() const { return portNames_; }
    static constexpr int kMaxPorts = 256;
    // n of the COMn in use; 0 before the first connection or for a device path.
    int PortNumber() const { return portNumber_; }
    // The Connect button's state.
    bool ConnectPressed() const { return connectPressed_; }

    // Writes the Connect button's caption and the status of the connection's state in
    // the current language.
    void ShowCaptionAndStatus();

    // --- What the session does -------------------------------------------------------
    void StateChanged(TSessionState state) override;
    void RestartAnnounced() override;
    void RestartProgressed(int step, int steps) override;
    void RestartFinished(TRestartOutcome outcome) override;
    void ErrorOccurred(TSessionError error, const std::string& reason) override;

private:
    void RefuseConnect(const std::string& message);
    void ShowConnectionState(bool portOpen);
    void ShowReplaying();
    std::string StatusText(TSessionState state) const;
    void CheckConnectedPortPresent();
    bool PortListed(int number) const;
    void SelectListedPort(int number);
    std::string SelectedPortText();

    TMainView& view_;
    TReceiverSession& session_;
    const TTexts& texts_;
    std::unique_ptr<TPortSystem> ports_;
    std::vector<std::string> portNames_;
    std::atomic<bool> deviceChangePending_{false};
    int deviceChangeTicks_ = 0;
    bool connectPressed_ = false;
    bool blinkOn_ = false;
    int portNumber_ = 0;
    // The configuration page the restart recovery's connection shows once it completes;
    // -1 for any other connection, which starts on BAUD RATE.
    int confPageAfterRestart_ = -1;
};
