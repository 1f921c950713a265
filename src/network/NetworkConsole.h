// The console for the receiver's network module (the NETWORK page): configuration mode,
// which a proprietary sentence switches on and off, AT commands queued and sent with one
// retry, free text, and the comparison of the PC's addresses with the module's. It is
// driven by the 100 ms timer's ticks and writes through the host's send function.
#pragma once

#include "network/AtCommandQueue.h"
#include "network/Ipv4.h"
#include "view/MainView.h"

#include <functional>
#include <string>
#include <vector>

inline constexpr char kConfigOnSentence[] = "$PDBG,163,1,,,,,,*14\r\n";
inline constexpr char kConfigOffSentence[] = "$PDBG,163,0,,,,,,*15\n";
inline constexpr char kNotSameSubnetQuestion[] = "The localhost IP is not the same group!";
inline constexpr char kNotSameSubnetCaption[] = "Warning";

// Configuration mode ends by itself after this many timer ticks while connected.
inline constexpr int kConfigModeTimeoutTicks = 15;

struct TNetworkConsoleHost {
    // Writes bytes to the receiver; false when nothing was written.
    std::function<bool(const std::string& bytes)> SendData;
    // The user has the port open.
    std::function<bool()> PortOpen;
    // Adds a line to the transmit view.
    std::function<void(const std::string& line)> AddTxLine;
    // The PC's own addresses; LocalIpv4Addresses when not set.
    std::function<std::vector<TIpv4>()> LocalAddresses;
};

// The outcome of Compare IP: without the same subnet the window asks
// kNotSameSubnetQuestion (OK, Cancel) before it opens the web address.
struct TCompareIpResult {
    bool SameSubnet;
    std::string WebAddress;
};

class TNetworkConsole {
public:
    explicit TNetworkConsole(TNetworkConsoleHost host);

    // Configuration mode off, the queue and the command in progress emptied.
    void ResetNetworkConsole();
    // Queues a command with one retry and a time-out of 5 ticks; dropped when full.
    void QueueAtCommand(int32_t command);
    // One step of the command in progress.
    void AtCommandTick();
    // The 100 ms timer: a queue step, then the configuration-mode time-out.
    void TimerTick();

    // "Config On": sends kConfigOnSentence, unless configuration mode is on already.
    void EnterConfigMode();
    // "Config Off": sends kConfigOffSentence and resets, unless configuration mode is off.
    void ExitConfigMode();
    // Config Off while the port is open; on disconnect, on close, on the time-out and on
    // leaving the NETWORK page.
    void ExitConfigModeIfActive();
    // "CMD1": queues AT+VER and AT+SYSIP.
    void QueueVersionAndAddress();
    // "Send": the text followed by LF. False when the send failed.
    bool SendText(const std::string& text);

    // The pages after each page change: entering the NETWORK page enters configuration
    // mode and queues CMD1 (and leaves the mode again at once over RS-232/NMEA-0183);
    // leaving it leaves configuration mode.
    void PageChanged(TMainPage mainPage, TConfPage confPage, bool rs232Selected);

    // Collects the PC's addresses into the transmit view and compares them with the
    // module's address.
    TCompareIpResult CompareIp();

    bool ConfigMode() const { return configMode_; }
    int QueuedCommands() const { return queue_.Count(); }
    const AtCommandEntry& CurrentAtCommand() const { return current_; }
    // The web link of the page; disabled from the first visit of the page on.
    bool LinkEnabled() const { return linkEnabled_; }
    const std::vector<TIpv4>& LocalAddresses() const { return localAddresses_; }
    // The module's address; no reply reader fills it yet, so it stays 0.0.0.0.
    const TIpv4& DeviceIpAddress() const { return deviceIpAddress_; }

private:
    struct PagePair {
        bool Known = false;
        TMainPage Main = pgConfiguration;
        TConfPage Conf = pgBaudRate;
    };
    static bool OnNetworkPage(const PagePair& pages);
    bool Send(const char* text);

    TNetworkConsoleHost host_;
    TAtCommandQueue queue_;
    AtCommandEntry current_{};
    bool configMode_ = false;
    int configModeTicks_ = 0;
    PagePair lastPages_;
    bool linkEnabled_ = true;
    std::vector<TIpv4> localAddresses_;
    TIpv4 deviceIpAddress_{};
};
