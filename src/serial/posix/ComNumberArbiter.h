// COM numbers for the ports that have no fixed number, kept the way Windows' COM name
// arbiter keeps them: each identity (a USB device's /dev/serial/by-id name, a sysfs
// device path, "sim:<link name>") gets a number once and keeps it, so the same device
// shows up as the same COM port every time.
//
// The numbers live in a text file, one "<number> <identity>" a line, in the order they
// were given. A new identity gets the lowest number of its range that no identity holds
// and no port with a fixed number uses now; numbers are never handed to another
// identity, except when a range is full: then the oldest identity not present now gives
// its number up. The file is replaced atomically; when it cannot be written the numbers
// are still kept for this run, in memory.
#pragma once

#include <set>
#include <string>
#include <vector>

struct TComNumberRange {
    int First;
    int Last;
};

// Ports that have no fixed number, and the simulator's ports, well apart; on-board
// ports ttyS<n> are COM<n+1>, mostly below both.
constexpr TComNumberRange kDeviceComNumbers{10, 199};
constexpr TComNumberRange kSimulatorComNumbers{200, 255};

struct TComNumberRequest {
    std::string Identity;
    TComNumberRange Range;
};

// The number of each request, in order; 0 when its range is full of ports present now.
// `file` may be empty: numbers are then kept for this run only. `fixedNumbers` are the
// numbers of the ports present that have a fixed number; an identity holding one of
// them gets another.
std::vector<int> AssignComNumbers(const std::string& file,
                                  const std::vector<TComNumberRequest>& requests,
                                  const std::set<int>& fixedNumbers);
