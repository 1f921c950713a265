#include "ais/PendingVdm.h"

#include <cstring>

namespace {

// A fragment of the message being joined: same formatter, total and sequential
// identifier (two empty ones are equal). The channel and the talker may differ.
bool SameMessage(const AisFragment& fragment, const PendingVdm& pending) {
    return std::memcmp(fragment.Formatter, pending.Formatter, sizeof pending.Formatter) == 0 &&
           fragment.Total == pending.Total && fragment.SequentialId == pending.Sequence;
}

// Started with its sentence 1 and still waiting for its last.
bool Unfinished(const PendingVdm& pending) {
    return pending.Number >= 1 && pending.Number < pending.Total;
}

} // namespace

void DiscardPendingVdm(PendingVdm& pending) {
    uint64_t dropped = pending.DroppedFragments;
    if (Unfinished(pending))
        dropped += static_cast<uint64_t>(pending.Number);
    pending = PendingVdm{};
    pending.DroppedFragments = dropped;
}

bool AssembleVdm(const AisFragment& fragment, PendingVdm& pending) {
    size_t length = fragment.PayloadLength;
    bool sameMessage = Unfinished(pending) && SameMessage(fragment, pending);
    if (sameMessage && fragment.Number == pending.Number + 1) {
        if (pending.Length + length > kJoinedPayloadCapacity) {
            DiscardPendingVdm(pending);
            ++pending.DroppedFragments;
            return false;
        }
        std::memcpy(pending.Payload + pending.Length, fragment.Payload, length);
        pending.Length = static_cast<uint8_t>(pending.Length + length);
        pending.Payload[pending.Length] = '\0';
        pending.Number = fragment.Number;
        if (pending.Number != pending.Total)
            return false;
        pending.FillBits = fragment.FillBits;
        return true;
    }

    // A later sentence whose predecessors were not joined, or a number outside 1..total:
    // joining it would make up a message. Out of order within the message being joined,
    // it means a sentence of that message was lost, so that message goes too; a stray
    // fragment of another message leaves it be.
    if (fragment.Number != 1 || fragment.Total < 1) {
        if (sameMessage)
            DiscardPendingVdm(pending);
        ++pending.DroppedFragments;
        return false;
    }

    // A sentence 1 starts a new message and drops an unfinished one. Every member is set;
    // the payload is read only up to its length.
    DiscardPendingVdm(pending);
    pending.Total = fragment.Total;
    pending.Number = 1;
    pending.Sequence = fragment.SequentialId;
    pending.Channel = fragment.Channel;
    std::memcpy(pending.Payload, fragment.Payload, length);
    pending.Payload[length] = '\0';
    pending.Length = static_cast<uint8_t>(length);
    pending.FillBits = fragment.FillBits;
    std::memcpy(pending.Formatter, fragment.Formatter, sizeof pending.Formatter);
    return pending.Total == 1;
}
