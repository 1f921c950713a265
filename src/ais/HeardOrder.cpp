#include "ais/HeardOrder.h"

namespace {

constexpr uint64_t kNeverHeard = uint64_t{1} << 32;

} // namespace

void HeardOrder::Put(int32_t place, uint64_t key) {
    Heap[place] = key;
    Place[key & 0xFFFF] = static_cast<int16_t>(place + 1);
}

void HeardOrder::SiftUp(int32_t place, uint64_t key) {
    while (place > 0) {
        int32_t parent = (place - 1) / 2;
        if (Heap[parent] < key)
            break;
        Put(place, Heap[parent]);
        place = parent;
    }
    Put(place, key);
}

void HeardOrder::SiftDown(int32_t place, uint64_t key) {
    for (;;) {
        int32_t child = 2 * place + 1;
        if (child >= Size)
            break;
        if (child + 1 < Size && Heap[child + 1] < Heap[child])
            ++child;
        if (key < Heap[child])
            break;
        Put(place, Heap[child]);
        place = child;
    }
    Put(place, key);
}

void HeardOrder::Set(int32_t entry, uint32_t heard) {
    if (entry < 1 || entry >= kHeardOrderCapacity)
        return;
    uint64_t key = (heard == 0 ? kNeverHeard : heard) << 16 | static_cast<uint64_t>(entry);
    if (Place[entry] == 0) {
        SiftUp(Size++, key);
        return;
    }
    int32_t place = Place[entry] - 1;
    if (key < Heap[place])
        SiftUp(place, key);
    else
        SiftDown(place, key);
}

int32_t HeardOrder::Oldest() const {
    if (Size == 0 || Heap[0] >> 16 == kNeverHeard)
        return 1;
    return static_cast<int32_t>(Heap[0] & 0xFFFF);
}
