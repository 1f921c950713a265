// libFuzzer entry: the network module's console driven by arbitrary bytes, each a step:
// a timer tick, the buttons, page changes, typed text, and what comes from outside the
// console (whether the port is open, whether a write got through, the PC's addresses).
// The module's own answers have no reader yet: they reach only the data log, whose
// receive path the sentence fuzzer covers. What the console writes must stay what the
// module understands, configuration mode must end by itself, and its queue and views
// must stay bounded.
#include "Promise.h"

#include "network/NetworkConsole.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// What the console may write: the two configuration sentences, the AT commands and the
// text the user typed (`typed`).
bool Understood(const std::string& bytes, const std::string& typed) {
    return bytes == kConfigOnSentence || bytes == kConfigOffSentence || bytes == "AT+VER\n" ||
           bytes == "AT+SYSIP\n" || bytes == "AT+DEVNAME\n" || bytes == typed;
}

struct Host {
    bool PortOpen = true;
    bool WritesGetThrough = true;
    std::vector<TIpv4> Addresses;
    // Each write is checked as it is made; only the count and the last are kept, as
    // keeping a copy of every one cost more than the console's own work.
    size_t Writes = 0;
    std::string LastWritten;
    size_t TxLines = 0;
    std::string Typed; // the text last typed and sent, with its LF

    TNetworkConsoleHost Bind() {
        return {[this](const std::string& bytes) {
                    Require(Understood(bytes, Typed));
                    ++Writes;
                    LastWritten = bytes;
                    return PortOpen && WritesGetThrough;
                },
                [this] { return PortOpen; }, [this](const std::string&) { ++TxLines; },
                [this] { return Addresses; }};
    }
};

class Steps {
public:
    Steps(const uint8_t* data, size_t size) : at_(data), end_(data + size) {}
    bool Left() const { return at_ < end_; }
    uint8_t Next() { return at_ < end_ ? *at_++ : 0; }

private:
    const uint8_t* at_;
    const uint8_t* end_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Host host;
    TNetworkConsole console(host.Bind());
    Steps steps(data, size);
    int configModeTicks = 0;
    while (steps.Left()) {
        size_t written = host.Writes;
        bool wasOn = console.ConfigMode();
        switch (steps.Next() % 12) {
        case 0:
            console.TimerTick();
            configModeTicks = wasOn ? configModeTicks + 1 : 0;
            // Left by itself at the first tick with the port open after its time is up.
            Require(!console.ConfigMode() || !host.PortOpen ||
                    configModeTicks <= kConfigModeTimeoutTicks);
            break;
        case 1:
            console.EnterConfigMode();
            Require(console.ConfigMode());
            Require(wasOn ? host.Writes == written
                          : host.Writes == written + 1 && host.LastWritten == kConfigOnSentence);
            break;
        case 2:
            console.ExitConfigMode();
            Require(!console.ConfigMode());
            Require(!wasOn ||
                    (host.LastWritten == kConfigOffSentence && console.QueuedCommands() == 0 &&
                     console.CurrentAtCommand().Command == acNone));
            break;
        case 3:
            console.ExitConfigModeIfActive();
            Require(!host.PortOpen || !console.ConfigMode());
            break;
        case 4:
            console.QueueVersionAndAddress();
            break;
        case 5:
            console.QueueAtCommand(acVersion + steps.Next() % 3);
            break;
        case 6: {
            uint8_t pages = steps.Next();
            console.PageChanged(static_cast<TMainPage>(pages & 1),
                                static_cast<TConfPage>(pages >> 1 & 3), (pages & 8) != 0);
            break;
        }
        case 7: {
            std::string text;
            for (uint8_t length = steps.Next() % 16; length > 0 && steps.Left(); --length)
                text += static_cast<char>(steps.Next());
            host.Typed = text + "\n";
            Require(console.SendText(text) == (host.PortOpen && host.WritesGetThrough));
            break;
        }
        case 8: {
            size_t shown = host.TxLines;
            TCompareIpResult result = console.CompareIp();
            size_t kept = std::min(host.Addresses.size(), kMaxLocalAddresses);
            Require(host.TxLines == shown + kept && console.LocalAddresses().size() == kept);
            // No reply reader fills the module's address: it stays 0.0.0.0.
            Require(result.WebAddress == "http://0.0.0.0");
            bool sameSubnet = false;
            for (size_t i = 0; i < kept; ++i)
                sameSubnet |= host.Addresses[i][0] == 0 && host.Addresses[i][1] == 0 &&
                              host.Addresses[i][2] == 0;
            Require(result.SameSubnet == sameSubnet);
            break;
        }
        case 9:
            host.Addresses.resize(steps.Next() % 48);
            for (TIpv4& address : host.Addresses)
                for (uint8_t& part : address)
                    part = steps.Next();
            break;
        case 10: {
            uint8_t port = steps.Next();
            host.PortOpen = (port & 1) != 0;
            host.WritesGetThrough = (port & 2) != 0;
            break;
        }
        default:
            console.ResetNetworkConsole();
            Require(!console.ConfigMode() && console.QueuedCommands() == 0);
            break;
        }
        Require(console.QueuedCommands() < TAtCommandQueue::kCapacity);
    }
    return 0;
}
