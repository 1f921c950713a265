#include "ais/MmsiIndex.h"

namespace {

constexpr size_t kMask = MmsiIndex::kSlots - 1;

// MMSIs share their leading digits (the country); multiplying spreads them.
size_t Home(int32_t mmsi) {
    return static_cast<size_t>((static_cast<uint32_t>(mmsi) * 2654435761u) >> 20) & kMask;
}

} // namespace

int32_t MmsiIndex::Find(int32_t mmsi) const {
    for (size_t slot = Home(mmsi);; slot = (slot + 1) & kMask) {
        if (Slots[slot].Entry == 0)
            return -1;
        if (Slots[slot].Mmsi == mmsi)
            return Slots[slot].Entry;
    }
}

void MmsiIndex::Insert(int32_t mmsi, int32_t entry) {
    size_t slot = Home(mmsi);
    while (Slots[slot].Entry != 0)
        slot = (slot + 1) & kMask;
    Slots[slot] = {mmsi, static_cast<int16_t>(entry)};
}

void MmsiIndex::Erase(int32_t mmsi) {
    size_t hole = Home(mmsi);
    for (;; hole = (hole + 1) & kMask) {
        if (Slots[hole].Entry == 0)
            return;
        if (Slots[hole].Mmsi == mmsi)
            break;
    }
    // Move later keys of the same run back into the hole when their home slot does not lie
    // cyclically between the hole and where they stand, so every key stays reachable.
    for (size_t next = (hole + 1) & kMask; Slots[next].Entry != 0; next = (next + 1) & kMask) {
        size_t home = Home(Slots[next].Mmsi);
        bool staysPut = hole <= next ? hole < home && home <= next : hole < home || home <= next;
        if (staysPut)
            continue;
        Slots[hole] = Slots[next];
        hole = next;
    }
    Slots[hole] = {};
}
