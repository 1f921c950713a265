// Enumerations, sets and the error type of the serial port component.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>

enum TBaudRate {
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000
};
inline constexpr int kBaudRateCount = 15;

// Rate in bit/s of each TBaudRate member, in ordinal order.
inline constexpr uint32_t kBaudValues[kBaudRateCount] = {110,   300,   600,    1200,   2400,
                                                         4800,  9600,  14400,  19200,  38400,
                                                         56000, 57600, 115200, 128000, 256000};

// Ordinals equal the Win32 codes NOPARITY..SPACEPARITY.
enum TParity { paNone, paOdd, paEven, paMark, paSpace };
// Ordinals equal the Win32 codes ONESTOPBIT, ONE5STOPBITS, TWOSTOPBITS.
enum TStopBits { sb10, sb15, sb20 };
enum TDataBits { da4, da5, da6, da7, da8 };
enum TFlowControl { fcNone, fcCTS, fcDTR, fcSoftware, fcDefault };
enum TCommOption { coParityCheck, coDsrSensitivity, coIgnoreXOff, coErrorChar, coNullStrip };
enum TCommEventType {
    evBreak,
    evCts,
    evDsr,
    evError,
    evRing,
    evRlsd,
    evRxChar,
    evRxFlag,
    evTxEmpty
};
inline constexpr int kCommEventTypeCount = 9;

// Win32 event bits (EV_RXCHAR is kEvRxChar), shared by both OS layers so that masks mean the
// same everywhere; named apart from windows.h, whose macros would replace the Win32 names.
inline constexpr uint32_t kEvRxChar = 0x0001;
inline constexpr uint32_t kEvRxFlag = 0x0002;
inline constexpr uint32_t kEvTxEmpty = 0x0004;
inline constexpr uint32_t kEvCts = 0x0008;
inline constexpr uint32_t kEvDsr = 0x0010;
inline constexpr uint32_t kEvRlsd = 0x0020;
inline constexpr uint32_t kEvBreak = 0x0040;
inline constexpr uint32_t kEvErr = 0x0080;
inline constexpr uint32_t kEvRing = 0x0100;
inline constexpr uint32_t kAllCommEvents = 0x01FF;

// Event bit of each TCommEventType member, in ordinal order.
inline constexpr uint32_t kCommEventBits[kCommEventTypeCount] = {
    kEvBreak, kEvCts, kEvDsr, kEvErr, kEvRing, kEvRlsd, kEvRxChar, kEvRxFlag, kEvTxEmpty};

// Win32 line-error flags as ClearCommError reports them (CE_RXOVER is kCeRxOver).
inline constexpr int kCeRxOver = 0x0001;
inline constexpr int kCeOverrun = 0x0002;
inline constexpr int kCeRxParity = 0x0004;
inline constexpr int kCeFrame = 0x0008;
inline constexpr int kCeBreak = 0x0010;

// A small set over an enumeration with at most 32 members.
template <typename E> class TEnumSet {
public:
    constexpr TEnumSet() = default;
    constexpr TEnumSet(std::initializer_list<E> members) {
        for (E m : members)
            Include(m);
    }
    static constexpr TEnumSet FirstN(int count) {
        TEnumSet s;
        s.bits_ = count >= 32 ? ~0u : (1u << count) - 1u;
        return s;
    }
    constexpr bool Contains(E m) const { return (bits_ >> static_cast<unsigned>(m)) & 1u; }
    constexpr void Include(E m) { bits_ |= 1u << static_cast<unsigned>(m); }
    constexpr void Exclude(E m) { bits_ &= ~(1u << static_cast<unsigned>(m)); }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr bool operator==(const TEnumSet&) const = default;

private:
    uint32_t bits_ = 0;
};

using TCommOptions = TEnumSet<TCommOption>;
using TCommEventTypes = TEnumSet<TCommEventType>;

// Adds up the event bits of the members of a set.
constexpr uint32_t EventMaskOf(TCommEventTypes events) {
    uint32_t mask = 0;
    for (int i = 0; i < kCommEventTypeCount; ++i)
        if (events.Contains(static_cast<TCommEventType>(i)))
            mask |= kCommEventBits[i];
    return mask;
}

// What the component raises: the message is a template with "%d" replaced by the code.
class ECommError : public std::runtime_error {
public:
    ECommError(const std::string& messageTemplate, int code);
    int Code() const { return code_; }

private:
    int code_;
};
