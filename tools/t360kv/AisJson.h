// The JSON form of a decoded AIS message, walked from the field table that decoded it,
// so a field added to a table prints without changes here.
#pragma once

#include "JsonWriter.h"

#include "nmea/SentenceDecoder.h"

// The message in `ais.Message` as one object: its type, then the fields of its table that
// the message held, by name and in the units the decoder stores, with the dimension word
// as to_bow, to_stern, to_port, to_starboard and the arrival word as eta [month, day,
// hour, minute]; spare fields left out. Then the channel of `sentence` and the target
// table entry the message updated.
void WriteAisMessage(JsonWriter& json, const AisState& ais, const DecodedSentence& sentence);
