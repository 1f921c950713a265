// JSON forms of a decoded sentence's fields and of the navigation state, walked from
// the same field rows the parsers use, so a new formatter prints without changes here.
#pragma once

#include "JsonWriter.h"

#include "nmea/FormatterTable.h"
#include "nmea/NavigationState.h"

// The members of the sentence's field record, per the layout it was accepted with.
void WriteSentenceFields(JsonWriter& json, const FormatterRow& row,
                         const DecodedSentence& sentence);

// The navigation state's members that a reader of the GPS page cares about.
void WriteNavigation(JsonWriter& json, const NavigationState& state);

// The snake_case name of a group.
const char* GroupName(SentenceGroup group);
