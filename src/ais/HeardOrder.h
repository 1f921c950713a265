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

    // Keys, the least first: the time value (2^32 for never) above the entry's 16 bits,
    // so that equal times order by entry.
    uint64_t Heap[kHeardOrderCapacity];
    int16_t Place[kHeardOrderCapacity]; // an entry's place in Heap plus one; 0: not in it
    int16_t Size;

private:
    void Put(int32_t place, uint64_t key);
    // Moves `key`, meant for `place`, towards the top or the bottom to where it belongs.
    void SiftUp(int32_t place, uint64_t key);
    void SiftDown(int32_t place, uint64_t key);
};
