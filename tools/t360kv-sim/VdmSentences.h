// Wrapping an armoured AIS payload into the VDM sentences that carry it.
#pragma once

#include "SixBit.h"

#include <string>
#include <vector>

// Payload characters per sentence: with the other fields and the checksum a fragment
// stays within 80 characters.
constexpr size_t kVdmFragmentCharacters = 60;

// The complete sentences of one message on `channel` ('A' or 'B'). A message of more than
// one fragment carries `sequenceId` (0 to 9); the fill bits go with the last fragment.
std::vector<std::string> VdmSentences(const AisPayload& payload, char channel, int sequenceId);
