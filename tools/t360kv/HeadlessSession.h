// The receiver session as the session commands (check, read, program, report, monitor)
// run it: on an event loop with the session's one-second ticks in real time, its state
// and messages printed, and the options that choose the port and the line.
#pragma once

#include "serial/PortSystem.h"
#include "session/EventLoop.h"
#include "session/ReceiverSession.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

// Exit codes of the session commands.
inline constexpr int kExitPassed = 0;
inline constexpr int kExitFailed = 1;   // a check failed, or the receiver did not do as asked
inline constexpr int kExitNoDevice = 2; // no such port, or the receiver never answered

// --port P [--interface usb|rs232] [--baud N]
struct TPortOptions {
    std::string Port;
    bool Rs232 = false;
    uint32_t PcBaud = 0; // 0: not given
    // The line rate: USB's own, or the PC-side rate of RS-232/NMEA-0183 (115200 unless
    // --baud says otherwise). Set by FinishPortOptions.
    TBaudRate Rate = br128000;
};

// Reads the port option at argv[i], and its value (moving i past it). False when argv[i]
// is none; sets `error` for a bad or missing value.
bool ReadPortOption(int argc, char** argv, int& i, TPortOptions& options, std::string& error);
// Checks the options read and sets Rate; false with `error` set on a mistake.
bool FinishPortOptions(TPortOptions& options, std::string& error);

class THeadlessSession : public TSessionObserver {
public:
    // Prints the session's state, progress and messages to `chatter`. Without
    // `supervised`, nothing asks for the report or gives the receiver up: the session
    // only listens and sends what it is told.
    explicit THeadlessSession(std::FILE* chatter, bool supervised = true);
    ~THeadlessSession() override;
    THeadlessSession(const THeadlessSession&) = delete;
    THeadlessSession& operator=(const THeadlessSession&) = delete;

    TReceiverSession& Session() { return session_; }

    // Opens the port and waits for the handshake (at most the 16 seconds after which
    // the session gives up). False when the port did not open or the receiver never
    // completed its report.
    bool Connect(const TPortOptions& options);
    // Opens the port as Connect does, without waiting for the handshake.
    bool Open(const TPortOptions& options);
    // Why Connect failed, for the command's last line: "cannot open P" (the reason has
    // been printed with the session's message) or "no receiver answered on P".
    std::string ConnectFailure(const TPortOptions& options) const;
    // Runs the timers and received lines until `done` holds or `timeout` has passed.
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    void RunFor(std::chrono::milliseconds duration);

    void StateChanged(TSessionState state) override;
    void RestartAnnounced() override;
    void ErrorOccurred(TSessionError error, const std::string& reason) override;

private:
    void Say(char mark, const std::string& text);
    bool PortListed(int number);

    std::FILE* chatter_;
    TEventLoop loop_;
    std::unique_ptr<TPortSystem> ports_;
    TReceiverSession session_;
    TSessionState shownState_ = TSessionState::Closed;
    bool portOpened_ = false;
};
