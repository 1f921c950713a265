// The operating-system side of the serial port component: one open device, and a
// waiter that the event thread blocks in. Linux implements it with termios and poll(),
// Windows with the Win32 communications functions; the component above is the same.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

// The line settings the component controls. Every other setting of the driver
// (flow control, modem-line handling) keeps what the driver reported.
struct TLineSettings {
    uint32_t BaudRate = 9600; // bit/s
    uint8_t Parity = 0;       // NOPARITY..SPACEPARITY
    uint8_t StopBits = 0;     // ONESTOPBIT, ONE5STOPBITS, TWOSTOPBITS
    uint8_t ByteSize = 8;     // 4..8
    char XonChar = 17;
    char XoffChar = 19;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
    uint16_t XonLim = 1024;
    uint16_t XoffLim = 1024;
    bool fParity = false;
    bool fDsrSensitivity = false;
    bool fTXContinueOnXoff = false;
    bool fErrorChar = false;
    bool fNull = false;
};

// Queue status as ClearCommError reports it.
struct TComStat {
    uint32_t cbInQue = 0;
    uint32_t cbOutQue = 0;
};

// EscapeCommFunction codes.
enum TEscapeFunction { efSetRts = 3, efClrRts = 4, efSetDtr = 5, efClrDtr = 6 };

// Blocks the event thread until a line event comes, the device goes away, or Wake().
class TCommEventWaiter {
public:
    struct Result {
        uint32_t Events = 0;     // EV_* bits; 0 when woken or nothing happened
        bool DeviceLost = false; // the device reported hang-up or vanished
    };
    virtual ~TCommEventWaiter() = default;
    virtual Result Wait() = 0;
    // Makes a blocked or the next Wait() return at once; safe from any thread.
    virtual void Wake() = 0;
};

class TCommDevice {
public:
    virtual ~TCommDevice() = default; // closes the device

    virtual bool SetTimeouts(uint32_t readTotalMs, uint32_t writeMsPerByte) = 0;
    virtual bool SetupQueues(uint32_t inSize, uint32_t outSize) = 0;
    // Reads the driver's settings, replaces the fields of TLineSettings, writes them back.
    virtual bool ApplyLineSettings(const TLineSettings& settings) = 0;
    virtual bool SetEventMask(uint32_t mask) = 0;
    // Returns and clears the line-error flags (CE_*) and reports the queues.
    virtual int ClearError(TComStat& status) = 0;
    // Both return the count transferred; 0 on failure.
    virtual int Read(void* buffer, int count) = 0;
    virtual int Write(const void* buffer, int count) = 0;
    virtual bool Escape(TEscapeFunction function) = 0;
    // A waiter that stays usable after this device object is destroyed.
    virtual std::unique_ptr<TCommEventWaiter> CreateEventWaiter() = 0;
};

// Why a device could not be opened: the OS error, and the reason in words for the user,
// naming the device and, for a busy device, the program that holds it when known
// ("Busy: /dev/ttyUSB0 is held by minicom (PID 4242).").
struct TOpenFailure {
    int Error = 0;
    std::string Reason;
};

// Opens a device for reading and writing, not shared with any other opener.
// Returns null on failure, with what failed in `failure`.
std::unique_ptr<TCommDevice> OpenCommDevice(const std::string& path, TOpenFailure& failure);

// The last OS error code of the calling thread (GetLastError / errno).
int LastCommError();
