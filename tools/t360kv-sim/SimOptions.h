// The command line of the receiver simulator.
#pragma once

#include <string>

struct SimOptions {
    bool Silent = false; // never answers, streams nothing
    bool Noise = false;  // hostile input between the valid lines
    bool Gps = true;
    bool Ais = true;
    double AisRate = 4; // AIS sentences per second
    double RestartQuietSeconds = 3;
    double StartSeconds = -1;   // UTC of the first second, in Unix seconds; -1: now
    std::string AisFile;        // replay this capture instead of made-up vessels
    std::string ReplayFile;     // play this capture's lines instead of every made-up stream
    double ReplaySpeed = 1;     // times the capture's own pace; 0: as fast as possible
    bool ReplayLoop = false;    // start the capture again at its end
    std::string Name;           // port link name; empty: the first free ttySIM<n>
    std::string TranscriptFile; // every valid line sent, one per line
    bool Help = false;
    bool Version = false;
};

constexpr double kMaxAisRate = 100000;
constexpr double kMaxReplaySpeed = 100000;
constexpr double kLatestStartSeconds = 4102444800; // 2100-01-01

// Reads the arguments after the program name. False, with `error` set, on a mistake.
bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error);

extern const char kSimUsage[];
