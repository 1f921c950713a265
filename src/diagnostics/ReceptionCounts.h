// AIS reception as the system check counts it: decoded encapsulation sentences on
// channel A, and on any other channel; the receiver's own reports (VDO) do not count.
#pragma once

#include "nmea/DecodedSentence.h"
#include "nmea/SentenceDecoder.h"

#include <cstdint>
#include <string_view>

class TReceptionCounts {
public:
    void Count(const DecodedSentence& sentence);
    void Clear() { a_ = b_ = 0; }
    int32_t ChannelA() const { return a_; }
    int32_t ChannelB() const { return b_; }
    bool AnyReceived() const { return static_cast<int64_t>(a_) + b_ > 0; }

private:
    int32_t a_ = 0;
    int32_t b_ = 0;
};

// Counts the received lines of a front end that shows no GPS STATUS page (whose decoder
// the window's count shares): decodes each line itself, as that page does.
class TReceptionCounter {
public:
    // A received line, without its line end.
    void LineReceived(std::string_view line);
    const TReceptionCounts& Counts() const { return counts_; }

private:
    DecoderState decoder_;
    TReceptionCounts counts_;
};
