// TComm: the serial port component. It opens a device, applies the line settings, and
// runs an event thread that hands every line event to the GUI thread through an
// injected, blocking "synchronize" call, so that all handlers run on the GUI thread.
#pragma once

#include "serial/CommDevice.h"
#include "serial/CommTypes.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>

class TThreadComm;

// Runs a function on the GUI thread and returns when it has run (or will never run).
using TSynchronize = std::function<void(const std::function<void()>&)>;

using TNotifyEvent = std::function<void(TThreadComm* sender)>;
using TRxCharEvent = std::function<void(TThreadComm* sender, uint32_t count)>;
using TErrorEvent = std::function<void(TThreadComm* sender, int errors)>;
using TComStatEvent = std::function<void(TThreadComm* sender, uint32_t status, TComStat comStat)>;

// The five event characters; every change re-applies the owner's line settings.
class TCommEventChars {
public:
    explicit TCommEventChars(TThreadComm* owner) : owner_(owner) {}

    char XOnChar() const { return chars_[0]; }
    char XOffChar() const { return chars_[1]; }
    char ErrorChar() const { return chars_[2]; }
    char EofChar() const { return chars_[3]; }
    char EvtChar() const { return chars_[4]; }
    void SetXOnChar(char c) { SetChar(1, c); }
    void SetXOffChar(char c) { SetChar(2, c); }
    void SetErrorChar(char c) { SetChar(3, c); }
    void SetEofChar(char c) { SetChar(4, c); }
    void SetEvtChar(char c) { SetChar(5, c); }

    // Copies the five characters without re-applying anything.
    void Assign(const TCommEventChars& source);

private:
    void SetChar(int index, char c);

    TThreadComm* owner_;
    char chars_[5] = {17, 19, 0, 0, 0};
};

class TCommEventThread;

class TThreadComm {
public:
    explicit TThreadComm(TSynchronize synchronize = {});
    virtual ~TThreadComm();
    TThreadComm(const TThreadComm&) = delete;
    TThreadComm& operator=(const TThreadComm&) = delete;

    // Opens DeviceName and starts the event thread. A device that cannot be opened
    // raises nothing and leaves IsOpen() false, with the reason in OpenFailure(); see
    // Comm.cpp for what does raise.
    void Open();
    // Why the last Open could not open the device.
    const TOpenFailure& OpenFailure() const { return openFailure_; }
    // Stops the event thread without waiting for it and closes the device. Once Close
    // has returned no handler of this component runs.
    void Close();
    bool IsOpen() const { return open_; }
    int Read(void* buffer, int count);
    int Write(const void* buffer, int count);
    void SetDTR(bool on);
    void SetRTS(bool on);

    void SetSynchronize(TSynchronize synchronize) { synchronize_ = std::move(synchronize); }

    // Changeable only while closed; a change while open is ignored.
    const std::string& DeviceName() const { return deviceName_; }
    void SetDeviceName(const std::string& name);
    uint16_t ReadBufSize() const { return readBufSize_; }
    void SetReadBufSize(uint16_t size);
    uint16_t WriteBufSize() const { return writeBufSize_; }
    void SetWriteBufSize(uint16_t size);
    uint32_t SuspendTime() const { return suspendTime_; }
    void SetSuspendTime(uint32_t ms);
    TCommEventTypes MonitorEvents() const { return monitorEvents_; }
    void SetMonitorEvents(TCommEventTypes events);

    // Stored only: the port's time-outs are fixed when it opens.
    int32_t ReadTimeout = 1000;
    int32_t WriteTimeout = 1000;

    // Changeable at any time; a new value is applied to an open port at once.
    TBaudRate BaudRate() const { return baudRate_; }
    void SetBaudRate(TBaudRate rate);
    TParity Parity() const { return parity_; }
    void SetParity(TParity parity);
    TStopBits StopBits() const { return stopBits_; }
    void SetStopBits(TStopBits bits);
    TDataBits DataBits() const { return dataBits_; }
    void SetDataBits(TDataBits bits);
    TCommOptions Options() const { return options_; }
    void SetOptions(TCommOptions options);
    TFlowControl FlowControl() const { return flowControl_; } // stored only
    void SetFlowControl(TFlowControl flow);

    TCommEventChars& EventChars() { return eventChars_; }

    // The settings as last written to the driver.
    const TLineSettings& Dcb() const { return dcb_; }

    TNotifyEvent OnBreak, OnCts, OnDsr, OnRing, OnRlsd, OnRxFlag, OnTxEmpty;
    TErrorEvent OnError;
    TRxCharEvent OnRxChar;
    TComStatEvent OnComStatEvent;
    // The device went away while open (unplugged, or the far end of a pseudo-terminal
    // closed). The event thread has stopped; the port stays open until Close.
    TNotifyEvent OnDeviceLost;

protected:
    // Opens the device into device_; false, with openFailure_ set, when it cannot be opened.
    virtual bool CreateHandle();
    std::unique_ptr<TCommDevice> device_;
    TOpenFailure openFailure_;

private:
    friend class TCommEventChars;
    void ApplyCommSettings();
    void StartEventThread();
    void DispatchEvent(uint32_t mask);
    void DispatchDeviceLost();
    void CloseDevice();

    TSynchronize synchronize_;
    std::recursive_mutex lock_;
    std::string deviceName_ = "Com2";
    uint16_t readBufSize_ = 4096;
    uint16_t writeBufSize_ = 2048;
    uint32_t suspendTime_ = 5;
    TCommEventTypes monitorEvents_ = TCommEventTypes::FirstN(kCommEventTypeCount);
    TBaudRate baudRate_ = br9600;
    TParity parity_ = paNone;
    TStopBits stopBits_ = sb10;
    TDataBits dataBits_ = da8;
    TCommOptions options_;
    TFlowControl flowControl_ = fcDefault;
    TCommEventChars eventChars_{this};
    TLineSettings dcb_;
    bool open_ = false;
    std::shared_ptr<TCommEventThread> eventThread_;
};

// The published component; it adds nothing to TThreadComm.
class TComm : public TThreadComm {
public:
    using TThreadComm::TThreadComm;
};
