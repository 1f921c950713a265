#include "network/NetworkConsole.h"

#include <string_view>

namespace {

constexpr uint8_t kRetries = 1;
constexpr int32_t kTimeoutTicks = 5;

// The text of a sentence as the transmit view shows it, without its line end.
std::string WithoutLineEnd(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace

TNetworkConsole::TNetworkConsole(TNetworkConsoleHost host) : host_(std::move(host)) {
    if (!host_.LocalAddresses)
        host_.LocalAddresses = LocalIpv4Addresses;
}

bool TNetworkConsole::Send(const char* text) {
    return host_.SendData(text);
}

void TNetworkConsole::ResetNetworkConsole() {
    configMode_ = false;
    queue_.Reset();
    current_ = AtCommandEntry{};
}

void TNetworkConsole::QueueAtCommand(int32_t command) {
    queue_.Push({command, kRetries, 0, kTimeoutTicks, 0, 0});
}

void TNetworkConsole::AtCommandTick() {
    if (current_.Command == acNone && !queue_.Pop(current_))
        return;
    if (current_.Sent == 0) {
        host_.SendData(std::string(AtCommandText(current_.Command)) + "\n");
        current_.Sent = 1;
    }
    if (++current_.Ticks > current_.TimeoutTicks) {
        current_.Ticks = 0;
        if (current_.RetriesLeft > 0) {
            --current_.RetriesLeft;
            current_.Sent = 0;
        } else {
            current_.Done = 1;
        }
    }
    if (current_.Done != 0)
        current_ = AtCommandEntry{};
}

void TNetworkConsole::TimerTick() {
    AtCommandTick();
    if (!configMode_) {
        configModeTicks_ = 0;
        return;
    }
    // While disconnected the count goes on, so the mode ends at the first tick after
    // the port has been opened.
    if (++configModeTicks_ > kConfigModeTimeoutTicks)
        ExitConfigModeIfActive();
}

void TNetworkConsole::EnterConfigMode() {
    if (configMode_)
        return;
    Send(kConfigOnSentence);
    host_.AddTxLine(WithoutLineEnd(kConfigOnSentence));
    configMode_ = true;
}

void TNetworkConsole::ExitConfigMode() {
    if (!configMode_)
        return;
    Send(kConfigOffSentence);
    host_.AddTxLine(WithoutLineEnd(kConfigOffSentence));
    ResetNetworkConsole();
}

void TNetworkConsole::ExitConfigModeIfActive() {
    if (host_.PortOpen() && configMode_)
        ExitConfigMode();
}

void TNetworkConsole::QueueVersionAndAddress() {
    QueueAtCommand(acVersion);
    QueueAtCommand(acSystemIp);
}

bool TNetworkConsole::SendText(const std::string& text) {
    host_.AddTxLine(text);
    return host_.SendData(text + "\n");
}

bool TNetworkConsole::OnNetworkPage(const PagePair& pages) {
    return pages.Known && pages.Main == pgConfiguration && pages.Conf == pgNetwork;
}

void TNetworkConsole::PageChanged(TMainPage mainPage, TConfPage confPage, bool rs232Selected) {
    PagePair before = lastPages_;
    PagePair now{true, mainPage, confPage};
    lastPages_ = now;
    if (!before.Known)
        return;
    // Another configuration page, or the Diagnostics tab in front of the NETWORK page.
    auto besideNetwork = [](const PagePair& pages) {
        return (pages.Main == pgConfiguration && pages.Conf != pgNetwork) ||
               (pages.Main == pgDiagnostics && pages.Conf == pgNetwork);
    };
    if (OnNetworkPage(now) && besideNetwork(before)) {
        linkEnabled_ = false;
        EnterConfigMode();
        QueueVersionAndAddress();
        if (rs232Selected)
            ExitConfigModeIfActive();
    } else if (OnNetworkPage(before) && besideNetwork(now)) {
        ExitConfigModeIfActive();
    }
}

TCompareIpResult TNetworkConsole::CompareIp() {
    localAddresses_ = host_.LocalAddresses();
    if (localAddresses_.size() > kMaxLocalAddresses)
        localAddresses_.resize(kMaxLocalAddresses);
    for (const TIpv4& address : localAddresses_)
        host_.AddTxLine(DottedText(address));
    return {SameSubnet(localAddresses_, deviceIpAddress_), WebAddress(deviceIpAddress_)};
}
