// The controller as the session commands (check, read, program, report) run it: a
// TForm1 on the text view, with every timer of the window running on an event loop in
// real time, and the options that choose the port and the line.
#pragma once

#include "TextView.h"

#include "app/EventLoop.h"
#include "app/Mainform.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
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

class THeadlessSession {
public:
    // Prints the controller's messages and status to `chatter`.
    explicit THeadlessSession(std::FILE* chatter);
    ~THeadlessSession();
    THeadlessSession(const THeadlessSession&) = delete;
    THeadlessSession& operator=(const THeadlessSession&) = delete;

    TForm1& Form() { return *form_; }
    TTextView& View() { return view_; }

    // Opens the port and waits for the handshake (at most the 16 seconds after which
    // the controller gives up). False when the port did not open or the receiver never
    // completed its report.
    bool Connect(const TPortOptions& options);
    // Why Connect failed, for the command's last line: "cannot open P" (the reason has
    // been printed with the controller's message) or "no receiver answered on P".
    std::string ConnectFailure(const TPortOptions& options) const;
    // Runs the timers and received lines until `done` holds or `timeout` has passed.
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    void RunFor(std::chrono::milliseconds duration);

private:
    TEventLoop loop_;
    TTextView view_;
    std::map<TTimer, int> timers_;
    std::unique_ptr<TForm1> form_;
    bool portOpened_ = false;
};
