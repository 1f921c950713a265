// Joining the sentences of one AIS message. A message may be split over up to nine
// encapsulation sentences (VDM, VDO, ABM, BBM); their payloads are appended in order
// until the last one arrives.
#pragma once

#include "nmea/DecodedSentence.h"

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
    int8_t Sequence; // sequential message identifier, kEmptyInt8 when empty
    char Channel;    // of the first sentence
    char Payload[kJoinedPayloadCapacity + 1];
    int8_t FillBits; // of the first sentence; of the last once the message completes
    char Formatter[4];
    uint8_t Length; // characters in Payload
};

// Stores or appends the fragment in `sentence` (a parsed "!" sentence). True when the
// pending message is now complete. A fragment that continues the pending message but
// would make its payload longer than kJoinedPayloadCapacity drops the whole message.
bool AssembleVdm(const DecodedSentence& sentence, PendingVdm& pending);
