#include "serial/Comm.h"

#include "serial/CommEventThread.h"

namespace {

constexpr char kAlreadyOpen[] = "Port already assigned (open) (Error: %d)";
constexpr char kBufferError[] = "Error initializing Read/Write Buffers (Error: %d)";
constexpr char kDcbError[] = "Error updating DataControlBlock (Error: %d)";
constexpr char kEscapeError[] = "EscapeCommFunction failure (Error: %d)";
constexpr char kNotOpen[] = "Port not open (Error: %d)";

constexpr uint32_t kReadTotalTimeoutMs = 1000;

// Over one second per byte at every rate, so that no sentence write ever times out.
uint32_t WriteMsPerByte(TBaudRate rate) {
    return 1000 + 11000 / kBaudValues[rate] + 1;
}

std::string FormatMessage(const std::string& messageTemplate, int code) {
    std::string text = messageTemplate;
    auto at = text.find("%d");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(code));
    return text;
}

} // namespace

ECommError::ECommError(const std::string& messageTemplate, int code)
    : std::runtime_error(FormatMessage(messageTemplate, code)), code_(code) {}

void TCommEventChars::SetChar(int index, char c) {
    chars_[index - 1] = c;
    if (owner_)
        owner_->ApplyCommSettings();
}

void TCommEventChars::Assign(const TCommEventChars& source) {
    for (int i = 0; i < 5; ++i)
        chars_[i] = source.chars_[i];
}

TThreadComm::TThreadComm(TSynchronize synchronize) : synchronize_(std::move(synchronize)) {}

TThreadComm::~TThreadComm() {
    Close();
}

bool TThreadComm::CreateHandle() {
    openFailure_ = {};
    device_ = OpenCommDevice(deviceName_, openFailure_);
    return device_ != nullptr;
}

void TThreadComm::Open() {
    int code = 0;
    const char* message = nullptr;
    {
        std::lock_guard<std::recursive_mutex> guard(lock_);
        if (open_) {
            code = -1;
            message = kAlreadyOpen;
        } else if (CreateHandle()) {
            open_ = true;
            device_->SetEventMask(kAllCommEvents);
            if (!device_->SetTimeouts(kReadTotalTimeoutMs, WriteMsPerByte(baudRate_))) {
                CloseDevice();
                return;
            }
            ApplyCommSettings(); // raises at once; the port then stays open without a thread
            if (!device_->SetupQueues(readBufSize_, writeBufSize_)) {
                code = LastCommError();
                message = kBufferError;
            }
            StartEventThread();
        }
    }
    if (code != 0)
        throw ECommError(message, code);
}

void TThreadComm::StartEventThread() {
    device_->SetEventMask(EventMaskOf(monitorEvents_));
    eventThread_ = std::make_shared<TCommEventThread>(device_->CreateEventWaiter(), suspendTime_,
                                                      synchronize_);
    // Close stops the thread, which drops these notifications: they never reach a
    // closed or reopened port.
    eventThread_->Start([this](uint32_t mask) { DispatchEvent(mask); },
                        [this] { DispatchDeviceLost(); });
}

void TThreadComm::Close() {
    if (!open_)
        return;
    // The thread is stopped before the lock is taken: a handler that runs on the event
    // thread (no GUI synchronize) may hold the notification and want the lock.
    if (eventThread_) {
        eventThread_->Stop();
        eventThread_.reset();
    }
    std::lock_guard<std::recursive_mutex> guard(lock_);
    CloseDevice();
}

void TThreadComm::CloseDevice() {
    device_.reset();
    open_ = false;
}

void TThreadComm::ApplyCommSettings() {
    if (!open_ || !device_)
        return;
    device_->SetupQueues(readBufSize_, writeBufSize_);
    TLineSettings dcb;
    dcb.BaudRate = kBaudValues[baudRate_];
    dcb.Parity = static_cast<uint8_t>(parity_);
    dcb.StopBits = static_cast<uint8_t>(stopBits_);
    dcb.ByteSize = static_cast<uint8_t>(4 + static_cast<int>(dataBits_));
    dcb.XonChar = eventChars_.XOnChar();
    dcb.XoffChar = eventChars_.XOffChar();
    dcb.ErrorChar = eventChars_.ErrorChar();
    dcb.EofChar = eventChars_.EofChar();
    dcb.EvtChar = eventChars_.EvtChar();
    dcb.XonLim = 1024;
    dcb.XoffLim = 1024;
    dcb.fParity = options_.Contains(coParityCheck);
    dcb.fDsrSensitivity = options_.Contains(coDsrSensitivity);
    dcb.fTXContinueOnXoff = options_.Contains(coIgnoreXOff);
    dcb.fErrorChar = options_.Contains(coErrorChar);
    dcb.fNull = options_.Contains(coNullStrip);
    if (!device_->ApplyLineSettings(dcb))
        throw ECommError(kDcbError, LastCommError());
    dcb_ = dcb;
}

void TThreadComm::DispatchEvent(uint32_t mask) {
    TComStat comStat;
    int errors = device_->ClearError(comStat);
    const TCommEventThread* thread = eventThread_.get();
    // A handler may close (and even reopen) the port; the rest of this event is then dropped.
    auto live = [&] { return eventThread_.get() == thread; };
    auto notify = [&](uint32_t bit, const TNotifyEvent& handler) {
        if ((mask & bit) && handler && live())
            handler(this);
    };
    notify(kEvBreak, OnBreak);
    notify(kEvCts, OnCts);
    notify(kEvDsr, OnDsr);
    if ((mask & kEvErr) && OnError && live())
        OnError(this, errors);
    notify(kEvRing, OnRing);
    notify(kEvRlsd, OnRlsd);
    if ((mask & kEvRxChar) && OnRxChar && comStat.cbInQue > 0 && live())
        OnRxChar(this, comStat.cbInQue);
    notify(kEvRxFlag, OnRxFlag);
    notify(kEvTxEmpty, OnTxEmpty);
    if (OnComStatEvent && live())
        OnComStatEvent(this, mask, comStat);
}

void TThreadComm::DispatchDeviceLost() {
    if (OnDeviceLost)
        OnDeviceLost(this);
}

int TThreadComm::Read(void* buffer, int count) {
    if (!open_)
        return -1;
    std::lock_guard<std::recursive_mutex> guard(lock_);
    TComStat comStat;
    device_->ClearError(comStat);
    if (count <= 0) {
        device_->ClearError(comStat);
        return 0;
    }
    return device_->Read(buffer, count);
}

int TThreadComm::Write(const void* buffer, int count) {
    if (!open_)
        return -1;
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return device_->Write(buffer, count);
}

void TThreadComm::SetDTR(bool on) {
    if (!open_)
        throw ECommError(kNotOpen, -1);
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (!device_->Escape(on ? efSetDtr : efClrDtr))
        throw ECommError(kEscapeError, LastCommError());
}

void TThreadComm::SetRTS(bool on) {
    if (!open_)
        throw ECommError(kNotOpen, -1);
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (!device_->Escape(on ? efSetRts : efClrRts))
        throw ECommError(kEscapeError, LastCommError());
}

void TThreadComm::SetDeviceName(const std::string& name) {
    if (!open_)
        deviceName_ = name;
}

void TThreadComm::SetReadBufSize(uint16_t size) {
    if (!open_)
        readBufSize_ = size;
}

void TThreadComm::SetWriteBufSize(uint16_t size) {
    if (!open_)
        writeBufSize_ = size;
}

void TThreadComm::SetSuspendTime(uint32_t ms) {
    if (!open_)
        suspendTime_ = ms;
}

void TThreadComm::SetMonitorEvents(TCommEventTypes events) {
    if (!open_)
        monitorEvents_ = events;
}

namespace {

// Stores a line setting if it changed and re-applies the settings of an open port.
template <typename T, typename Apply>
void ChangeSetting(T& field, T value, std::recursive_mutex& lock, Apply apply) {
    if (field == value)
        return;
    field = value;
    std::lock_guard<std::recursive_mutex> guard(lock);
    apply();
}

} // namespace

void TThreadComm::SetBaudRate(TBaudRate rate) {
    ChangeSetting(baudRate_, rate, lock_, [this] { ApplyCommSettings(); });
}

void TThreadComm::SetParity(TParity parity) {
    ChangeSetting(parity_, parity, lock_, [this] { ApplyCommSettings(); });
}

void TThreadComm::SetStopBits(TStopBits bits) {
    ChangeSetting(stopBits_, bits, lock_, [this] { ApplyCommSettings(); });
}

void TThreadComm::SetDataBits(TDataBits bits) {
    ChangeSetting(dataBits_, bits, lock_, [this] { ApplyCommSettings(); });
}

void TThreadComm::SetOptions(TCommOptions options) {
    ChangeSetting(options_, options, lock_, [this] { ApplyCommSettings(); });
}

void TThreadComm::SetFlowControl(TFlowControl flow) {
    ChangeSetting(flowControl_, flow, lock_, [this] { ApplyCommSettings(); });
}
