// The JSON form of a decoded AIS message, walked from the field table that decoded it,
// so a field added to a table prints without changes here.
#pragma once

#include "JsonWriter.h"

#include "nmea/SentenceDecoder.h"

// A decoded message and where it came from.
struct AisMessageSource {
    const AisMessage& Message;
    unsigned BitCount;    // bits the message held
    char Channel;         // the channel letter; the channel number for BBM
    bool NumberedChannel; // BBM
    int32_t Target;       // the target table entry it updated
};

// The message as one object: its type, then the fields of its table that the message
// held, by name and in the units the decoder stores, with the dimension word as to_bow,
// to_stern, to_port, to_starboard and the arrival word as eta [month, day, hour, minute];
// spare fields left out. Then the channel and the target table entry.
void WriteAisMessage(JsonWriter& json, const AisMessageSource& source);

// The same for the message that `sentence` completed in `ais`.
void WriteAisMessage(JsonWriter& json, const AisState& ais, const DecodedSentence& sentence);
