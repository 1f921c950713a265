// Windows serial device: a COM port opened for overlapped I/O. A COM port is exclusive by
// nature, so the port is never duplicated; the event waiter reaches it through state that
// it shares with the device, and the device closes it under that state's lock.
#include "serial/CommDevice.h"
#include "serial/CommTypes.h"
#include "serial/win32/DeviceGoneErrors.h"

// The standard library may have defined these already.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <memory>
#include <mutex>
#include <string>

// Masks and error flags pass between the component and the port unchanged.
static_assert(kEvRxChar == EV_RXCHAR && kEvRxFlag == EV_RXFLAG && kEvTxEmpty == EV_TXEMPTY &&
              kEvCts == EV_CTS && kEvDsr == EV_DSR && kEvRlsd == EV_RLSD && kEvBreak == EV_BREAK &&
              kEvErr == EV_ERR && kEvRing == EV_RING);
static_assert(kCeRxOver == CE_RXOVER && kCeOverrun == CE_OVERRUN && kCeRxParity == CE_RXPARITY &&
              kCeFrame == CE_FRAME && kCeBreak == CE_BREAK);

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
// Owns a handle whose "none" value is null; CreateFile's failure value is checked before.
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

UniqueHandle NewEvent(bool manualReset) {
    return UniqueHandle(CreateEventA(nullptr, manualReset ? TRUE : FALSE, FALSE, nullptr));
}

// Prepares a record for the next overlapped operation; completion signals `event`.
void Rearm(OVERLAPPED& overlapped, HANDLE event) {
    overlapped = OVERLAPPED{};
    overlapped.hEvent = event;
}

// How long a wait that failed for another reason (an empty event mask, for one) rests
// before it is tried again, so that the event thread does not spin.
constexpr DWORD kRetryMs = 50;
// How long a cancelled wait may take to complete before it is left to the system.
constexpr DWORD kAbandonMs = 2000;

// What the device and its waiter share. The waiter may outlive the device: the event
// thread is detached and may still be in Wait, or handing an event to the GUI thread.
struct TPortState {
    TPortState(UniqueHandle portHandle, UniqueHandle wakeEvent)
        : port(std::move(portHandle)), wake(std::move(wakeEvent)) {}

    std::mutex mutex;  // held by a wait while it uses the port, and by the close
    UniqueHandle port; // null once the device has closed it
    UniqueHandle wake; // auto-reset: one Wake() ends one wait
};

class TWin32EventWaiter : public TCommEventWaiter {
public:
    explicit TWin32EventWaiter(std::shared_ptr<TPortState> state)
        : state_(std::move(state)), pending_(std::make_unique<TPendingWait>()) {
        pending_->event = NewEvent(true);
    }

    // The EV_* bits that WaitCommEvent reports are the component's event bits as they are.
    Result Wait() override {
        std::lock_guard<std::mutex> guard(state_->mutex);
        if (!state_->port || !pending_ || !pending_->event)
            return Result{0, true}; // no port left to wait on
        if (TakeWake())
            return Result{};
        TPendingWait& wait = *pending_;
        Rearm(wait.overlapped, wait.event.get());
        wait.events = 0;
        if (WaitCommEvent(state_->port.get(), &wait.events, &wait.overlapped))
            return Result{static_cast<uint32_t>(wait.events), false};
        DWORD error = GetLastError();
        if (error != ERROR_IO_PENDING)
            return Failed(error);

        // The wake event comes first so that a stop request wins over a line event.
        HANDLE handles[2] = {state_->wake.get(), wait.event.get()};
        if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) {
            Abandon();
            return Result{};
        }
        DWORD unused = 0;
        if (!GetOverlappedResult(state_->port.get(), &wait.overlapped, &unused, FALSE))
            return Failed(GetLastError());
        return Result{static_cast<uint32_t>(wait.events), false};
    }

    void Wake() override { SetEvent(state_->wake.get()); }

private:
    bool TakeWake() { return WaitForSingleObject(state_->wake.get(), 0) == WAIT_OBJECT_0; }

    // Ends the pending WaitCommEvent, so that the system no longer writes to the record
    // once Wait has returned. CancelIo reaches I/O of the calling thread only, which is
    // the thread that started the wait. A driver that never completes the cancelled wait
    // must not hold the port's close (which waits for the mutex held here) for ever: after
    // kAbandonMs the record is left to the system, which may still write to it, and the
    // waiter reports the port gone.
    void Abandon() {
        CancelIo(state_->port.get());
        if (WaitForSingleObject(pending_->event.get(), kAbandonMs) == WAIT_OBJECT_0) {
            DWORD unused = 0;
            GetOverlappedResult(state_->port.get(), &pending_->overlapped, &unused, FALSE);
            return;
        }
        static_cast<void>(pending_.release()); // a few bytes and an event handle, once
    }

    Result Failed(DWORD error) {
        if (TakeWake())
            return Result{};
        if (MeansDeviceGone(error))
            return Result{0, true};
        WaitForSingleObject(state_->wake.get(), kRetryMs);
        return Result{};
    }

    // What a pending WaitCommEvent writes to when it completes.
    struct TPendingWait {
        UniqueHandle event; // manual-reset, as GetOverlappedResult requires
        OVERLAPPED overlapped{};
        DWORD events = 0;
    };

    std::shared_ptr<TPortState> state_;
    std::unique_ptr<TPendingWait> pending_; // null once abandoned to the system
};

void CopyLineSettings(const TLineSettings& s, DCB& dcb) {
    dcb.BaudRate = s.BaudRate;
    dcb.Parity = s.Parity;
    dcb.StopBits = s.StopBits;
    dcb.ByteSize = s.ByteSize;
    dcb.XonChar = s.XonChar;
    dcb.XoffChar = s.XoffChar;
    dcb.ErrorChar = s.ErrorChar;
    dcb.EofChar = s.EofChar;
    dcb.EvtChar = s.EvtChar;
    dcb.XonLim = s.XonLim;
    dcb.XoffLim = s.XoffLim;
    dcb.fParity = s.fParity;
    dcb.fDsrSensitivity = s.fDsrSensitivity;
    dcb.fTXContinueOnXoff = s.fTXContinueOnXoff;
    dcb.fErrorChar = s.fErrorChar;
    dcb.fNull = s.fNull;
}

class TWin32CommDevice : public TCommDevice {
public:
    TWin32CommDevice(UniqueHandle port, UniqueHandle wake, UniqueHandle readEvent,
                     UniqueHandle writeEvent)
        : state_(std::make_shared<TPortState>(std::move(port), std::move(wake))),
          readEvent_(std::move(readEvent)), writeEvent_(std::move(writeEvent)) {}

    ~TWin32CommDevice() override {
        // Release a waiter first: the wake event ends its wait, and the empty mask
        // completes its WaitCommEvent. It then lets go of the mutex at once, as it never
        // holds the mutex while it waits for anything else.
        SetEvent(state_->wake.get());
        SetCommMask(Port(), 0);
        std::lock_guard<std::mutex> guard(state_->mutex);
        state_->port.reset();
    }

    bool SetTimeouts(uint32_t readTotalMs, uint32_t writeMsPerByte) override {
        COMMTIMEOUTS timeouts{};
        timeouts.ReadIntervalTimeout = MAXDWORD;
        timeouts.ReadTotalTimeoutMultiplier = 0;
        timeouts.ReadTotalTimeoutConstant = readTotalMs;
        timeouts.WriteTotalTimeoutMultiplier = writeMsPerByte;
        timeouts.WriteTotalTimeoutConstant = 0;
        return SetCommTimeouts(Port(), &timeouts) != FALSE;
    }

    bool SetupQueues(uint32_t inSize, uint32_t outSize) override {
        return SetupComm(Port(), inSize, outSize) != FALSE;
    }

    // A DCB that could not be read is not written back: it would hold zeros, not what the
    // driver reported, in every field that TLineSettings does not set.
    bool ApplyLineSettings(const TLineSettings& settings) override {
        DCB dcb{};
        dcb.DCBlength = static_cast<DWORD>(sizeof dcb);
        if (!GetCommState(Port(), &dcb))
            return false;
        CopyLineSettings(settings, dcb);
        return SetCommState(Port(), &dcb) != FALSE;
    }

    bool SetEventMask(uint32_t mask) override { return SetCommMask(Port(), mask) != FALSE; }

    int ClearError(TComStat& status) override {
        DWORD errors = 0;
        COMSTAT stat{};
        if (!ClearCommError(Port(), &errors, &stat))
            errors = 0;
        status.cbInQue = static_cast<uint32_t>(stat.cbInQue);
        status.cbOutQue = static_cast<uint32_t>(stat.cbOutQue);
        return static_cast<int>(errors);
    }

    // The count comes from GetOverlappedResult also when ReadFile completes at once: with
    // an OVERLAPPED record the system documents ReadFile's own count as unreliable.
    int Read(void* buffer, int count) override {
        if (count <= 0)
            return 0;
        Rearm(readOverlapped_, readEvent_.get());
        if (!ReadFile(Port(), buffer, static_cast<DWORD>(count), nullptr, &readOverlapped_) &&
            GetLastError() != ERROR_IO_PENDING)
            return 0;
        DWORD done = 0;
        if (!GetOverlappedResult(Port(), &readOverlapped_, &done, TRUE))
            DropLineError();
        return static_cast<int>(done);
    }

    // Polls for completion rather than blocking on the event; SwitchToThread lets the
    // other threads of this processor run between two polls.
    int Write(const void* buffer, int count) override {
        if (count <= 0)
            return 0;
        Rearm(writeOverlapped_, writeEvent_.get());
        if (!WriteFile(Port(), buffer, static_cast<DWORD>(count), nullptr, &writeOverlapped_) &&
            GetLastError() != ERROR_IO_PENDING) {
            DropLineError();
            return 0;
        }
        DWORD done = 0;
        while (!GetOverlappedResult(Port(), &writeOverlapped_, &done, FALSE)) {
            if (GetLastError() != ERROR_IO_INCOMPLETE) {
                DropLineError();
                break;
            }
            SwitchToThread();
        }
        return static_cast<int>(done);
    }

    bool Escape(TEscapeFunction function) override {
        return EscapeCommFunction(Port(), static_cast<DWORD>(function)) != FALSE;
    }

    std::unique_ptr<TCommEventWaiter> CreateEventWaiter() override {
        return std::make_unique<TWin32EventWaiter>(state_);
    }

private:
    HANDLE Port() const { return state_->port.get(); }

    // A failed transfer leaves a line error that blocks further I/O until it is cleared.
    void DropLineError() {
        DWORD errors = 0;
        ClearCommError(Port(), &errors, nullptr);
    }

    std::shared_ptr<TPortState> state_;
    UniqueHandle readEvent_; // manual-reset, for the read and write records below
    UniqueHandle writeEvent_;
    OVERLAPPED readOverlapped_{};
    OVERLAPPED writeOverlapped_{};
};

// A COM port that another program holds open answers "access denied".
std::string OpenFailureReason(DWORD error, const std::string& path) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "No such device: " + path + ".";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return "Busy: " + path + " is held by another program.";
    default:
        return "Cannot open " + path + " (Error: " + std::to_string(error) + ").";
    }
}

} // namespace

std::unique_ptr<TCommDevice> OpenCommDevice(const std::string& path, TOpenFailure& failure) {
    HANDLE opened = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        failure.Error = LastCommError();
        failure.Reason = OpenFailureReason(static_cast<DWORD>(failure.Error), path);
        return nullptr;
    }
    UniqueHandle port(opened);
    UniqueHandle wake = NewEvent(false);
    UniqueHandle readEvent = NewEvent(true);
    UniqueHandle writeEvent = NewEvent(true);
    if (!wake || !readEvent || !writeEvent) {
        failure.Error = LastCommError();
        failure.Reason = OpenFailureReason(static_cast<DWORD>(failure.Error), path);
        return nullptr;
    }
    return std::make_unique<TWin32CommDevice>(std::move(port), std::move(wake),
                                              std::move(readEvent), std::move(writeEvent));
}

int LastCommError() {
    return static_cast<int>(GetLastError());
}
