// The AIS path of the sentence decoder: a parsed encapsulation sentence is joined with the
// fragments before it, de-armoured, decoded by its message table and entered in the table
// of stations heard. The records live as long as the decoder's state.
#pragma once

#include "ais/AisBits.h"
#include "ais/AisMessage.h"
#include "ais/AisTargets.h"
#include "ais/PendingVdm.h"
#include "nmea/DecodedSentence.h"

#include <ctime>

// The PC's local date and time, read from the system clock once per second of it.
struct AisClock {
    std::time_t Second; // 0: not read yet
    AisStamp Stamp;
};
AisStamp ReadAisClock(AisClock& clock);

struct AisState {
    AisState() { InitAisTargets(Targets); }

    PendingVdm Pending{};
    AisBitBuffer Bits{};
    AisMessage Message{};
    AisTargetTable Targets; // InitAisTargets clears it all
    AisClock Clock{};
};

// For a parsed "!" sentence (VDM, VDO, ABM, BBM): joins it, and once its message is
// complete de-armours and decodes it, updates the target table and adds one to the VDO or
// VDM count of the entry. True when a message was decoded; it is in `ais.Message`, and
// its entry is `ais.Targets.LastIndex`.
bool DecodeAisSentence(const DecodedSentence& sentence, AisState& ais);

// Every other decoded sentence discards a partly joined message and the last decoded one.
void DiscardPartialAisMessage(AisState& ais);
