// Finds a target table entry by MMSI without scanning the table: an open-addressing hash
// of fixed size over the entries from 1 on, whose MMSIs are distinct. A zeroed index is
// empty.
#pragma once

#include <cstddef>
#include <cstdint>

struct MmsiIndex {
    // The entry holding `mmsi`, or -1.
    int32_t Find(int32_t mmsi) const;
    // `entry` (1 or more) holds `mmsi`, which no other indexed entry holds.
    void Insert(int32_t mmsi, int32_t entry);
    // `mmsi` is held by no entry any more.
    void Erase(int32_t mmsi);

    // Twice the table's entries and a little more, a power of two.
    static constexpr size_t kSlots = 4096;
    struct Slot {
        int32_t Mmsi;
        int16_t Entry; // 0: the slot is free (entry 0 is never indexed)
    };
    Slot Slots[kSlots];
};
