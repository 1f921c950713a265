// One encapsulation sentence's share of an AIS message, as the sentence decoder hands it
// to the joining: the message it belongs to, its place in it, and its payload.
#pragma once

#include <cstddef>
#include <cstdint>

struct AisFragment {
    char Formatter[4];    // "VDM", "VDO", "ABM" or "BBM"
    int8_t Total;         // sentences of the message
    int8_t Number;        // the place of this one, from 1
    int8_t SequentialId;  // the same for every sentence of a message; a negative value: empty
    int8_t FillBits;      // bits to ignore after the payload's last character
    char Channel;         // the channel letter; the channel number for BBM
    const char* Payload;  // six-bit characters, not NUL-terminated
    size_t PayloadLength; // characters in Payload
};
