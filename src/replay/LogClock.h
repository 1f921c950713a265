// The log's own time: where each line of a capture stands, in seconds from its start.
//
// A line that carries a UTC time (RMC, GGA, ZDA) is a time mark, and so is every line
// after it up to the next mark: a receiver sends a fix's other sentences just after its
// time. The mark's date (RMC, ZDA), when there is one, places it against the last dated
// mark; without one, a time of day more than twelve hours before the last mark's has
// passed midnight. Until the first mark, and in a capture without any, the lines stand
// where the receiver's NMEA link at 38400 baud would have begun sending them.
//
// A step back (sentences out of order) keeps the time where it was, and a jump of more
// than five minutes either way (a gap in the recording, two recordings joined) is not
// waited for: the time goes on from there.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The UTC time of a sentence: its second of the day, and its day (days since
// 1970-01-01) when the sentence has a date.
struct TTimeMark {
    double SecondOfDay = 0;
    std::optional<int64_t> Day;
};

// The time mark of an RMC, GGA or ZDA sentence with a time and a right checksum.
std::optional<TTimeMark> ReadTimeMark(std::string_view line);

class TLogClock {
public:
    // Characters a second of a 38400 baud link (ten bits a character).
    static constexpr double kNominalCharsPerSecond = 3840;
    static constexpr double kLongestWaitSeconds = 300;

    // Where `line`, which ends `endOffset` bytes into the capture, stands. Lines are
    // placed in the order of the file.
    double Place(std::string_view line, uint64_t endOffset);
    // Whether a time mark has been seen.
    bool Timed() const { return mark_.has_value(); }
    // Back to the start of a capture.
    void Reset() { *this = TLogClock(); }

private:
    std::optional<TTimeMark> mark_; // the last mark that moved the time
    double seconds_ = 0;            // the log time of that mark
    uint64_t lineStart_ = 0;        // where the line to be placed begins in the capture
};
