// The lines the GPS status page hands to the sentence decoder.
#pragma once

#include "nmea/SentenceTypes.h"

// True for a dispatched line (its CR LF included in `length`) that starts with "$" or
// "!" and is at most 82 characters long.
inline bool PassesGpsLineFilter(const char* line, size_t length) {
    return length > 0 && (line[0] == '$' || line[0] == '!') && length <= kMaxSentenceLength;
}
