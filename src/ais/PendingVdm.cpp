#include "ais/PendingVdm.h"

#include <cstring>

namespace {

// The next fragment of the pending message: same formatter, total and sequential
// identifier (two empty ones are equal), and the number after the last one joined. The
// channel and the talker may differ.
bool Continues(const DecodedSentence& sentence, const PendingVdm& pending) {
    const EncapsulationFields& fragment = sentence.Encapsulation;
    return std::memcmp(sentence.Formatter, pending.Formatter, sizeof pending.Formatter) == 0 &&
           fragment.FragmentCount == pending.Total && fragment.SequentialId == pending.Sequence &&
           fragment.FragmentNumber == pending.Number + 1;
}

} // namespace

bool AssembleVdm(const DecodedSentence& sentence, PendingVdm& pending) {
    const EncapsulationFields& fragment = sentence.Encapsulation;
    size_t length = strnlen(fragment.Payload, sizeof fragment.Payload);
    if (Continues(sentence, pending)) {
        if (pending.Length + length > kJoinedPayloadCapacity) {
            pending = PendingVdm{};
            return false;
        }
        std::memcpy(pending.Payload + pending.Length, fragment.Payload, length);
        pending.Length = static_cast<uint8_t>(pending.Length + length);
        pending.Payload[pending.Length] = '\0';
        pending.Number = fragment.FragmentNumber;
        if (pending.Number != pending.Total)
            return false;
        pending.FillBits = fragment.FillBits;
        return true;
    }

    // Anything else starts a new message, whatever its number. Every member is set; the
    // payload is read only up to its length.
    pending.Total = fragment.FragmentCount;
    pending.Number = fragment.FragmentNumber;
    pending.Sequence = fragment.SequentialId;
    pending.Channel = fragment.Channel;
    std::memcpy(pending.Payload, fragment.Payload, length);
    pending.Payload[length] = '\0';
    pending.Length = static_cast<uint8_t>(length);
    pending.FillBits = fragment.FillBits;
    std::memcpy(pending.Formatter, sentence.Formatter, sizeof pending.Formatter);
    return pending.Total == 1 && pending.Number == 1;
}
