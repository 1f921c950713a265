// libFuzzer entry: sequences of encapsulation sentences through the AIS path (see
// AisSequences.h).
#include "AisSequences.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodeAisSequence(data, size);
    return 0;
}
