#include "HeadlessSession.h"

#include "dialogs/DialogTexts.h"
#include "serial/PortNames.h"
#include "session/SessionErrorText.h"

#include <cstdlib>
#include <cstring>

namespace {

// Longer than the handshake's 16 one-second ticks, whatever the phase of the first.
constexpr std::chrono::seconds kHandshakeWait(20);
// The session's handshake and restart recovery count seconds.
constexpr std::chrono::milliseconds kTick(1000);

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
        if (kBaudValues[i] == value)
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

THeadlessSession::THeadlessSession(std::FILE* chatter, bool supervised)
    : chatter_(chatter), ports_(SystemPorts()), session_(loop_.HandOver()) {
    session_.AddObserver(*this);
    if (!supervised)
        return;
    loop_.SetTimerEnabled(loop_.AddTimer(kTick, [this] { session_.HandshakeTick(); }), true);
    loop_.SetTimerEnabled(loop_.AddTimer(kTick, [this] { session_.RecoveryTick(); }), true);
}

// The session closes its port as it goes, telling no observer: the commands' own
// observers may be gone by then.
THeadlessSession::~THeadlessSession() = default;

bool THeadlessSession::Open(const TPortOptions& options) {
    session_.SetBaudRate(options.Rate);
    std::vector<std::string> entries;
    if (ports_->Enumerate(entries))
        std::erase_if(entries, [](const std::string& name) { return ComNumberOf(name) < 0; });
    int index = PortEntrySelectedBy(options.Port, entries,
                                    [this](int n) { return ports_->DevicePath(ComDeviceName(n)); });
    if (index < 0) {
        // A device outside the port list (a path given by hand): opened as it is, and
        // after a restart looked for as it is.
        session_.SetDevice(options.Port);
        session_.PortStillPresent = [this, device = options.Port] {
            std::string reason;
            return ports_->CanOpen(device, reason);
        };
    } else {
        int n = ComNumberOf(entries[static_cast<size_t>(index)]);
        std::string reason;
        if (!ports_->CanOpen(ComDeviceName(n), reason)) {
            ErrorOccurred(TSessionError::OpenFailed, reason);
            return false;
        }
        if (n < 1 || n > 255) {
            Say('!', std::string(kWarningCaption) + ": " + kCheckPortText);
            return false;
        }
        session_.SetDevice(ComDeviceName(n));
        // The receiver is found again after its restart by its port's entry.
        session_.PortStillPresent = [this, n] { return PortListed(n); };
    }
    portOpened_ = session_.Open();
    return portOpened_;
}

bool THeadlessSession::PortListed(int number) {
    std::vector<std::string> names;
    if (!ports_->Enumerate(names))
        return false;
    for (const std::string& name : names)
        if (name.find(ComTag(number)) != std::string::npos)
            return true;
    return false;
}

bool THeadlessSession::Connect(const TPortOptions& options) {
    if (!Open(options))
        return false;
    RunUntil([this] { return session_.IsConnected() || !session_.IsOpen(); }, kHandshakeWait);
    return session_.IsConnected();
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

void THeadlessSession::Say(char mark, const std::string& text) {
    std::fprintf(chatter_, "%c %s\n", mark, text.c_str());
    std::fflush(chatter_);
}

void THeadlessSession::StateChanged(TSessionState state) {
    if (state == shownState_)
        return;
    shownState_ = state;
    Say('#', state == TSessionState::Connected    ? "connected"
             : state == TSessionState::Connecting ? "connecting"
                                                  : "port closed");
}

void THeadlessSession::RestartAnnounced() {
    Say('#', kProgressText);
}

// A message box's default answer is taken; its words are printed.
void THeadlessSession::ErrorOccurred(TSessionError error, const std::string& reason) {
    TErrorMessage message = SessionErrorMessage(error, reason);
    Say('!', message.Caption.empty() ? message.Text : message.Caption + ": " + message.Text);
}
