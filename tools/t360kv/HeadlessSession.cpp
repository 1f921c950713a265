#include "HeadlessSession.h"

#include <cstdlib>
#include <cstring>

namespace {

// Longer than the handshake's 16 one-second ticks, whatever the phase of the first.
constexpr std::chrono::seconds kHandshakeWait(20);

// The PC-side rates offered for RS-232/NMEA-0183, the first one the default.
constexpr uint32_t kPcRates[] = {115200, 57600, 38400, 19200, 9600, 4800};

bool IsPcRate(uint32_t value) {
    for (uint32_t rate : kPcRates)
        if (rate == value)
            return true;
    return false;
}

TBaudRate RateOf(uint32_t value) {
    for (int i = 0; i < kBaudRateCount; ++i)
        if (BaudValues[i] == value)
            return static_cast<TBaudRate>(i);
    return br115200;
}

} // namespace

bool ReadPortOption(int argc, char** argv, int& i, TPortOptions& options, std::string& error) {
    const std::string name = argv[i];
    if (name != "--port" && name != "--interface" && name != "--baud")
        return false;
    if (i + 1 >= argc) {
        error = name + " needs a value";
        return true;
    }
    const std::string value = argv[++i];
    if (name == "--port") {
        options.Port = value;
    } else if (name == "--interface") {
        if (value != "usb" && value != "rs232")
            error = "--interface takes usb or rs232";
        options.Rs232 = value == "rs232";
    } else {
        char* end = nullptr;
        unsigned long rate = std::strtoul(value.c_str(), &end, 10);
        if (value.empty() || *end != '\0' || !IsPcRate(static_cast<uint32_t>(rate)))
            error = "--baud takes 115200, 57600, 38400, 19200, 9600 or 4800";
        else
            options.PcBaud = static_cast<uint32_t>(rate);
    }
    return true;
}

bool FinishPortOptions(TPortOptions& options, std::string& error) {
    if (options.Port.empty()) {
        error = "--port is required";
        return false;
    }
    if (options.PcBaud != 0 && !options.Rs232) {
        error = "--baud sets the PC-side rate of --interface rs232";
        return false;
    }
    options.Rate =
        options.Rs232 ? RateOf(options.PcBaud != 0 ? options.PcBaud : kPcRates[0]) : br128000;
    return true;
}

THeadlessSession::THeadlessSession(std::FILE* chatter) : view_(chatter) {
    // The timers exist before the controller, which switches them on as it starts.
    for (TTimer timer : kAllTimers)
        timers_[timer] = loop_.AddTimer(std::chrono::milliseconds(TimerInterval(timer)),
                                        [this, timer] { form_->TimerFired(timer); });
    view_.OnTimerEnabled = [this](TTimer timer, bool enabled) {
        loop_.SetTimerEnabled(timers_.at(timer), enabled);
    };
    form_ = std::make_unique<TForm1>(
        view_, [this](const std::function<void()>& call) { loop_.Synchronize(call); });
    // Nothing of the desktop's: a report is written, never opened.
    form_->OpenTextEditor = nullptr;
}

THeadlessSession::~THeadlessSession() {
    if (form_->PortOpen)
        form_->ToggleConnection();
}

bool THeadlessSession::Connect(const TPortOptions& options) {
    portOpened_ = form_->ConnectDevice(options.Port, options.Rate);
    if (!portOpened_)
        return false;
    RunUntil([this] { return form_->SessionUp || !form_->PortOpen; }, kHandshakeWait);
    return form_->SessionUp;
}

std::string THeadlessSession::ConnectFailure(const TPortOptions& options) const {
    return (portOpened_ ? "no receiver answered on " : "cannot open ") + options.Port;
}

bool THeadlessSession::RunUntil(const std::function<bool()>& done,
                                std::chrono::milliseconds timeout) {
    return loop_.RunUntil(done, timeout);
}

void THeadlessSession::RunFor(std::chrono::milliseconds duration) {
    loop_.RunFor(duration);
}
