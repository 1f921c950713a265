// libFuzzer entry: arbitrary bytes through the line rules, the GPS line filter and the
// sentence decoder (see DecodeBytes.h).
#include "DecodeBytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodeArbitraryBytes(data, size);
    return 0;
}
