// The counts that `t360kv decode` reports at the end: lines, and accepted and rejected
// sentences per formatter, or the reason when a line was refused before its formatter
// was read; AIS messages decoded per type, and the stations of the target table.
#pragma once

#include "nmea/SentenceDecoder.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Why a line did not reach a parser, before the decoder's own reasons.
enum LineVerdict : uint8_t {
    lvDecoder,        // the decoder answered; see its DecodeResult
    lvReceiveTooLong, // over 82 characters: the receive path discards it
    lvNotSentence,    // does not start with "$" or "!"
    lvTooLong,        // over 82 characters with its CR LF: the GPS line filter drops it
};

// The name of the reason a line was rejected, as printed.
const char* RejectionName(LineVerdict verdict, DecodeResult result);

class DecodeSummary {
public:
    DecodeSummary();
    // Counts one line; `sentence` is read only when its header was filled.
    void Count(LineVerdict verdict, DecodeResult result, const DecodedSentence& sentence);
    // Counts a decoded AIS message by its type.
    void CountAisMessage(const AisMessage& message);
    void Print(std::FILE* out, const AisTargetTable& targets) const;

private:
    struct Tally {
        uint64_t accepted = 0;
        uint64_t rejected = 0;
    };
    uint64_t lines_ = 0;
    uint64_t accepted_ = 0;
    std::vector<Tally> byRow_;                      // per row of the formatter table
    std::map<std::string, Tally> byOtherFormatter_; // formatters without a row
    std::map<std::string_view, uint64_t> byReason_; // refused before the formatter was read
    uint64_t aisByType_[25] = {};                   // index: the message type
};
