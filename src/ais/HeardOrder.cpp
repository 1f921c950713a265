#include "ais/HeardOrder.h"

// Time value, then entry; an entry never heard after every heard one.
uint64_t HeardOrder::Key(int32_t place) const {
    int32_t entry = Heap[place];
    uint64_t heard = Heard[entry] == 0 ? uint64_t{1} << 32 : Heard[entry];
    return heard << 16 | static_cast<uint64_t>(entry);
}

void HeardOrder::Swap(int32_t a, int32_t b) {
    int16_t entry = Heap[a];
    Heap[a] = Heap[b];
    Heap[b] = entry;
    Place[Heap[a]] = static_cast<int16_t>(a + 1);
    Place[Heap[b]] = static_cast<int16_t>(b + 1);
}

void HeardOrder::SiftUp(int32_t place) {
    while (place > 0) {
        int32_t parent = (place - 1) / 2;
        if (Key(parent) <= Key(place))
            return;
        Swap(parent, place);
        place = parent;
    }
}

void HeardOrder::SiftDown(int32_t place) {
    for (;;) {
        int32_t least = place;
        for (int32_t child = 2 * place + 1; child <= 2 * place + 2 && child < Size; ++child)
            if (Key(child) < Key(least))
                least = child;
        if (least == place)
            return;
        Swap(least, place);
        place = least;
    }
}

void HeardOrder::Set(int32_t entry, uint32_t heard) {
    if (entry < 1 || entry >= kHeardOrderCapacity)
        return;
    Heard[entry] = heard;
    if (Place[entry] == 0) {
        Heap[Size] = static_cast<int16_t>(entry);
        Place[entry] = static_cast<int16_t>(++Size);
    }
    int32_t place = Place[entry] - 1;
    SiftUp(place);
    SiftDown(Place[entry] - 1);
}

int32_t HeardOrder::Oldest() const {
    if (Size == 0 || Heard[Heap[0]] == 0)
        return 1;
    return Heap[0];
}
