// Decoding the bits of one complete AIS message by the field table of its type.
#pragma once

#include "ais/AisBits.h"
#include "ais/AisFieldTables.h"
#include "ais/AisMessage.h"

// Type 22 sent to two stations carries their MMSIs where the corners stand; they are
// stored after the regular fields.
inline constexpr size_t kAddressedMmsiOffset = AisStoredBytes(ais_tables::kChannelManagement);

// Decodes `bits` into `message`, which the caller has zeroed. False for a message type of 0
// or above 24. A message shorter than its table decodes, the fields that did not fit zero.
bool DecodeAisMessage(const AisBitBuffer& bits, AisMessage& message);

// The table `message` was decoded with (its type, and for type 24 the part number in byte
// 6), or null for a type without one.
const AisFieldTable* AisTableOf(const AisMessage& message);

// Rows of `table`, from the first, that a message of `bitCount` bits holds completely.
size_t AisFieldsDecoded(AisFieldTable table, unsigned bitCount);
