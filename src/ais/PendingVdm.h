// Joining the sentences of one AIS message. A message may be split over up to nine
// encapsulation sentences (VDM, VDO, ABM, BBM); their payloads are appended in order
// from the first sentence until the last one arrives.
#pragma once

#include "ais/AisFragment.h"

#include <cstddef>
#include <cstdint>

// Longest joined payload kept, without its NUL. The longest message of the air interface,
// 1008 bits, needs 168 characters.
inline constexpr size_t kJoinedPayloadCapacity = 172;

// The message being joined; after it completes it stays here until the next sentence
// replaces it.
struct PendingVdm {
    int8_t Total;    // sentences of the message
    int8_t Number;   // the last sentence joined
    int8_t Sequence; // sequential message identifier, negative when empty
    char Channel;    // of the first sentence
    char Payload[kJoinedPayloadCapacity + 1];
    int8_t FillBits; // of the first sentence; of the last once the message completes
    char Formatter[4];
    uint8_t Length; // characters in Payload
    // Fragments that never became part of a complete message: those of a message broken
    // off before its last sentence, and those that arrived without the sentences before
    // them. Kept for the whole run.
    uint64_t DroppedFragments;
};

// Stores or appends `fragment`. True when the
// pending message is now complete. Only a message that starts with its sentence 1 and
// goes on in order completes: a sentence 1 starts a new message, the next sentence of
// the message being joined continues it, and any other fragment is dropped. A fragment
// of the message being joined that is out of order drops that message too, and so does
// one that would make its payload longer than kJoinedPayloadCapacity.
bool AssembleVdm(const AisFragment& fragment, PendingVdm& pending);

// Drops the message being joined; when it was not complete, its fragments count as
// dropped.
void DiscardPendingVdm(PendingVdm& pending);
