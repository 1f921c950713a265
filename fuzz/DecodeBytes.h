// Arbitrary bytes through the path a received line takes to the sentence decoder, with
// the decoder's promises checked; shared by the fuzzer and its regression test.
#pragma once

#include <cstddef>
#include <cstdint>

struct DecoderState;

// Cuts `bytes` into lines by the receive path's rules and decodes every line the GPS line
// filter passes, then decodes the first bytes as one raw buffer as well. Aborts when a
// promise is broken: a rejected line must leave the navigation state as it was. Each
// input starts from a newly built decoder state.
void DecodeArbitraryBytes(const uint8_t* bytes, size_t size);
// The same, from `state` as it stands.
void DecodeArbitraryBytesWithState(const uint8_t* bytes, size_t size, DecoderState& state);
