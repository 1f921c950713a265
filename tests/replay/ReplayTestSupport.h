// Captures written for the replay tests, and a target that records what a replay hands
// over.
#pragma once

#include "nmea/Checksum.h"
#include "replay/ReplayPacer.h"

#include <chrono>
#include <string>
#include <vector>

// `body` completed with its checksum, without a line end.
inline std::string Sentence(std::string body) {
    AppendChecksum(body);
    return body.substr(0, body.size() - 2);
}

inline std::string Rmc(const std::string& time, const std::string& date = "101224") {
    return Sentence("$GPRMC," + time + ",A,2530.0000,N,12115.0000,W,12.5,84.4," + date + ",,,A");
}

inline std::string Gga(const std::string& time) {
    return Sentence("$GPGGA," + time + ",2530.0000,N,12115.0000,W,1,08,0.9,10.0,M,20.0,M,,");
}

inline const std::string kGsv = Sentence("$GPGSV,1,1,01,05,45,090,41");

// The lines joined with CR LF, each ended by one.
inline std::string CaptureOf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

struct RecordingTarget : TReplayTarget {
    std::vector<std::string> lines;
    std::vector<bool> overLong;
    int batches = 0;
    void ReplayLine(std::string_view line, bool isOverLong) override {
        lines.emplace_back(line);
        overLong.push_back(isOverLong);
    }
    void ReplayBatchEnded() override { ++batches; }
};

// A steady time `seconds` after an arbitrary start.
inline TReplayPacer::Clock::time_point At(double seconds) {
    return TReplayPacer::Clock::time_point(std::chrono::hours(100)) +
           std::chrono::round<TReplayPacer::Clock::duration>(
               std::chrono::duration<double>(seconds));
}
