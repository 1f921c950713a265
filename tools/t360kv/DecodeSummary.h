// The counts that `t360kv decode` reports at the end: lines, and accepted and rejected
// sentences per formatter, or the reason when a line was refused before its formatter
// was read; AIS messages decoded per type, the fragments that completed none, and the
// stations of the target table.
#pragma once

#include "DecodedLine.h"

#include "nmea/SentenceDecoder.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class DecodeSummary {
public:
    DecodeSummary();
    // Counts one line, and the AIS message it completed.
    void Count(const DecodedLine& line);
    void Print(std::FILE* out, const AisState& ais) const;

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
