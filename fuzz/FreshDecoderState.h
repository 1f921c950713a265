// One decoder state kept for every input of a fuzzer. Building a state clears a target
// table of 2250 stations (over 400 kB), which took far longer than decoding a short input;
// putting back only what an input can have changed keeps each input as fast as its own
// decoding, while a finding still reproduces alone.
#pragma once

#include "nmea/SentenceDecoder.h"

#include <memory>

class FreshDecoderState {
public:
    FreshDecoderState();

    // The kept state, byte for byte as a newly built one. The target table is put back
    // only as far as an input can reach: the entries in use (entries beyond the count are
    // never written), the MMSI index once a station was added, and the heard order's keys
    // and places of those entries.
    DecoderState& Take();

    // A newly built state, for comparing.
    const DecoderState& Pristine() const { return *pristine_; }

private:
    std::unique_ptr<const DecoderState> pristine_;
    std::unique_ptr<DecoderState> state_;
};
