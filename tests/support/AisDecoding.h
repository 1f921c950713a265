// Whether the sentence decoder completes AIS messages yet. Until it does, no "!"
// sentence is accepted, so the system check counts no reception.
#pragma once

#include "nmea/SentenceDecoder.h"

#include <cstring>
#include <memory>

// A complete single-fragment AIS message on channel B, with its real checksum.
inline constexpr char kSampleAisLine[] = "!AIVDM,1,1,,B,100h00PP0@PHFV`Mg5gTH?vNPUIp,0*3B\r\n";

inline bool AisMessagesDecode() {
    SentenceBuffer buffer{};
    std::memcpy(buffer, kSampleAisLine, sizeof kSampleAisLine);
    auto state = std::make_unique<DecoderState>();
    return DecodeSentence(buffer, *state);
}
