// The target table's entries from 1 on in the order of reuse: the one heard least recently
// first, the lower index first among equals; entries never heard are not in it. A list
// linked both ways, kept in that order: a new stamp is the latest time or close to it (the
// clock only goes on), so the entry moves to the end, or a few places before it, in a
// step or a few, and the entry to reuse is the first, without a scan. A zeroed order is
// empty.
#pragma once

#include <cstdint>

inline constexpr int32_t kHeardOrderCapacity = 2250;

struct HeardOrder {
    // Entry `entry` (1 or more) was last heard at time value `heard` (0: never).
    void Set(int32_t entry, uint32_t heard);
    // The entry heard least recently, the first of equals; 1 when none was heard.
    int32_t Oldest() const;

    uint32_t Heard[kHeardOrderCapacity];   // 0: never, and not in the list
    int16_t Previous[kHeardOrderCapacity]; // the entry before, 0 for none
    int16_t Next[kHeardOrderCapacity];     // the entry after, 0 for none
    int16_t First;
    int16_t Last;

private:
    void Unlink(int32_t entry);
    // Links `entry` after `before`, or first when it is 0.
    void LinkAfter(int32_t before, int32_t entry);
};
