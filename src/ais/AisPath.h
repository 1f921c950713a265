// The AIS path of the sentence decoder: the fragment of a parsed encapsulation sentence is
// joined with the fragments before it, de-armoured, decoded by its message table and
// entered in the table of stations heard. The records live as long as the decoder's state.
#pragma once

#include "ais/AisBits.h"
#include "ais/AisFragment.h"
#include "ais/AisMessage.h"
#include "ais/AisTargets.h"
#include "ais/PendingVdm.h"

#include <ctime>

// The PC's local date and time, read from the system clock once per second of it; or,
// once SetAisClock has been called, the time it set.
struct AisClock {
    std::time_t Second; // 0: not read yet; once set, the seconds set
    AisStamp Stamp;
    bool Set;
};
AisStamp ReadAisClock(AisClock& clock);

// Stops the clock at `seconds` after 2000-01-01 00:00 (a calendar without leap days, as
// the target table compares stamps). Decoding a recording steps it itself, so that which
// station's entry is reused depends on the recording, not on how fast it was read.
void SetAisClock(AisClock& clock, uint32_t seconds);

struct AisState {
    AisState() { InitAisTargets(Targets); }

    PendingVdm Pending{};
    AisBitBuffer Bits{};
    AisMessage Message{};
    AisTargetTable Targets; // InitAisTargets clears it all
    AisClock Clock{};
};

// Joins `fragment`, and once its message is complete de-armours and decodes it, updates
// the target table and adds one to the VDO or VDM count of the entry. True when a message
// was decoded; it is in `ais.Message`, and its entry is `ais.Targets.LastIndex`.
bool DecodeAisFragment(const AisFragment& fragment, AisState& ais);

// Every other decoded sentence discards a partly joined message (its fragments count as
// dropped) and the last decoded one.
void DiscardPartialAisMessage(AisState& ais);
