#include "ais/HeardOrder.h"

void HeardOrder::Unlink(int32_t entry) {
    int16_t before = Previous[entry], after = Next[entry];
    (before != 0 ? Next[before] : First) = after;
    (after != 0 ? Previous[after] : Last) = before;
}

void HeardOrder::LinkAfter(int32_t before, int32_t entry) {
    int16_t after = before != 0 ? Next[before] : First;
    Previous[entry] = static_cast<int16_t>(before);
    Next[entry] = after;
    (before != 0 ? Next[before] : First) = static_cast<int16_t>(entry);
    (after != 0 ? Previous[after] : Last) = static_cast<int16_t>(entry);
}

void HeardOrder::Set(int32_t entry, uint32_t heard) {
    if (entry < 1 || entry >= kHeardOrderCapacity)
        return;
    if (Heard[entry] != 0)
        Unlink(entry);
    Heard[entry] = heard;
    if (heard == 0)
        return;
    // From the end back to the last entry that comes before this one.
    int32_t before = Last;
    while (before != 0 && (Heard[before] > heard || (Heard[before] == heard && before > entry)))
        before = Previous[before];
    LinkAfter(before, entry);
}

int32_t HeardOrder::Oldest() const {
    return First != 0 ? First : 1;
}
