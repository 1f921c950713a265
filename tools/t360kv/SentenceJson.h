// JSON forms of a decoded sentence's fields and of the navigation state, walked from
// the same field rows the parsers use, so a new formatter prints without changes here.
#pragma once

#include "JsonWriter.h"

#include "nmea/FormatterTable.h"
#include "nmea/NavigationState.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The members of a field record of `formatter`, per its layout of `dataFieldCount` data
// fields (the one it was accepted with).
void WriteSentenceFields(JsonWriter& json, const FormatterRow& formatter, const char* record,
                         uint8_t dataFieldCount);
// The same for the record in `sentence`.
void WriteSentenceFields(JsonWriter& json, const FormatterRow& formatter,
                         const DecodedSentence& sentence);

// The navigation state's members that a reader of the GPS page cares about, as one JSON
// object. A run of sentences often leaves them as they were (the pages of a GSV cycle),
// so the last text is kept and written again while they stay the same.
class NavigationJson {
public:
    void Write(JsonWriter& json, const NavigationState& state);

private:
    // The bytes of the members shown, compared bit for bit (so -0 and 0 differ).
    using Shown = std::array<uint8_t, 64>;
    static Shown ShownOf(const NavigationState& state);
    static void Render(JsonWriter& json, const NavigationState& state);

    bool valid_ = false; // false also when the last text did not fit text_
    Shown shown_{};
    char text_[512];
    size_t length_ = 0;
};

// The snake_case name of a group.
const char* GroupName(SentenceGroup group);
