// Sequences of encapsulation sentences through DecodeSentence, with the AIS path's
// promises checked; shared by the AIS fuzzer and its regression test.
#pragma once

#include <cstddef>
#include <cstdint>

struct DecoderState;

// Takes `bytes` as lines of text. Each line is completed with its checksum (a "*hh" it
// has is replaced), so that changed sentences still pass the framing and reach the AIS
// path, and is decoded when the GPS line filter passes it. A line "flood N M" sends N
// position reports from N different stations (at most 2600), numbered from M. Aborts when a promise
// is broken: a line that decodes no message changes no count; a decoded message raises the count of
// its entry alone, by one (or starts it at one for a new station); its texts end inside the record.
// Each input starts from a newly built decoder state.
void DecodeAisSequence(const uint8_t* bytes, size_t size);
// The same, from `state` as it stands.
void DecodeAisSequenceWithState(const uint8_t* bytes, size_t size, DecoderState& state);
