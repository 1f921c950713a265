// TForm1: the main window controller. It owns the serial component and the session
// state, runs every handler on the GUI thread, and reaches the window only through
// TMainView, so that it runs the same under Qt, in the command-line tool and in tests.
#pragma once

#include "app/MainView.h"
#include "serial/Comm.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

inline constexpr char kApplicationTitle[] = "Tidelane T360KV Configurator (Essential)";

class TForm1 {
public:
    // `comm` replaces the serial component (benchmarks feed it from memory); by default
    // a TComm is created that hands its events over with `synchronize`.
    TForm1(TMainView& view, TSynchronize synchronize, std::unique_ptr<TComm> comm = nullptr);
    virtual ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    TComm& Comm() { return *comm_; }

    // Opens `device` at `rate` and raises RTS and DTR; false (with the reason shown)
    // when the port cannot be opened.
    bool ConnectPort(const std::string& device, TBaudRate rate);
    // Closes the port; the status returns to "Click to Connect".
    void DisconnectPort();

    // --- Receive path --------------------------------------------------------------
    // Handler of the serial component's OnRxChar: reads the waiting bytes and cuts them
    // into lines for the data log and the three line consumers.
    void CommRxChar(TThreadComm* Sender, uint32_t Count);
    // The line being received; never holds CR, LF or NUL.
    const std::string& PendingLine() const { return pendingLine_; }
    // State of the DATA LOG page's Start Log button.
    bool LoggingOn = false;

    // --- Send path -------------------------------------------------------------------
    bool SendData(const void* bytes, int length);
    // Completes a proprietary sentence with its checksum and sends it. Returns 0 when
    // sent, 1 without a connection, 2 when the completed text is over 100 characters.
    int SendSentence(const std::string& text, int confirm);

    // The user has opened the port (tag of the Connect button) and its pressed state.
    bool PortOpen = false;
    bool ConnectPressed = false;

    // Longest line that is dispatched, not counting CR LF.
    static constexpr size_t kMaxLineLength = 82;
    // Longest pending line kept; a stream without line feeds cannot grow memory further.
    static constexpr size_t kPendingLineCap = 4096;
    // Receive buffer of one read.
    static constexpr int kReceiveBufferSize = 5000;
    // A dispatched line: the text, CR, LF and NUL.
    static constexpr size_t kDispatchSize = kMaxLineLength + 3;

protected:
    // The line consumers, in the order they are called; each receives a private copy of
    // the line followed by CR LF, NUL-terminated, which it may change.
    virtual void HandleGpsLine(char* line);
    virtual void HandshakeStep(char* line);
    virtual void ParseReportLine(char* line);

private:
    void CommDeviceLost(TThreadComm* Sender);
    void ReceiveBytes(const uint8_t* bytes, int count);
    void CompleteLine();
    void DispatchLine();

    TMainView& view_;
    std::unique_ptr<TComm> comm_;
    std::string pendingLine_;
};
