// JSON forms of a decoded sentence's fields and of the navigation state, walked from
// the same field rows the parsers use, so a new formatter prints without changes here.
#pragma once

#include "JsonWriter.h"

#include "nmea/FormatterTable.h"
#include "nmea/NavigationState.h"

#include <cstdint>

// The members of a field record of `formatter`, per its layout of `dataFieldCount` data
// fields (the one it was accepted with).
void WriteSentenceFields(JsonWriter& json, const FormatterRow& formatter, const char* record,
                         uint8_t dataFieldCount);
// The same for the record in `sentence`.
void WriteSentenceFields(JsonWriter& json, const FormatterRow& formatter,
                         const DecodedSentence& sentence);

// The navigation state's members that a reader of the GPS page cares about, as one JSON
// object.
void WriteNavigation(JsonWriter& json, const NavigationState& state);

// The snake_case name of a group.
const char* GroupName(SentenceGroup group);
