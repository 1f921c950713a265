// The target table's entries from 1 on in the order of reuse: the one heard least recently
// first, the lower index first among equals, entries never heard last. A binary heap of
// fixed size that knows each entry's place in it, so a new stamp moves one entry in
// log n steps and a full table finds the entry to reuse without a scan. A zeroed order
// is empty.
#pragma once

#include <cstdint>

inline constexpr int32_t kHeardOrderCapacity = 2250;

struct HeardOrder {
    // Entry `entry` (1 or more) was last heard at time value `heard` (0: never).
    void Set(int32_t entry, uint32_t heard);
    // The entry heard least recently, the first of equals; 1 when none was heard.
    int32_t Oldest() const;

    uint32_t Heard[kHeardOrderCapacity];
    int16_t Heap[kHeardOrderCapacity];  // entries; the oldest first
    int16_t Place[kHeardOrderCapacity]; // an entry's place in Heap plus one; 0: not in it
    int16_t Size;

private:
    uint64_t Key(int32_t place) const;
    void Swap(int32_t a, int32_t b);
    void SiftUp(int32_t place);
    void SiftDown(int32_t place);
};
