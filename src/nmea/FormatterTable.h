// The formatters the decoder knows: for each, its group, where its fields go in
// DecodedSentence, the layouts its parser accepts and, for GNSS sentences, its merge into
// NavigationState. Looked up in constant time by the three formatter characters.
#pragma once

#include "nmea/FieldLayout.h"
#include "nmea/NavigationState.h"

#include <span>

struct FormatterRow {
    char formatter[4];
    SentenceGroup group;
    uint16_t recordOffset; // of the formatter's field record within DecodedSentence
    std::span<const SentenceLayout> layouts; // tried in order; none: no parser
    void (*prepare)(DecodedSentence&);       // runs before the field count is tested
    void (*merge)(const DecodedSentence&, NavigationState&); // sgGnss only
};

// The row of a formatter (at most three characters, NUL-padded), or null.
const FormatterRow* FindFormatter(const char (&formatter)[4]);

// The layout of `row` with exactly as many data fields as `fields` has, or null.
const SentenceLayout* LayoutOf(const FormatterRow& row, const FieldList& fields);

// Every row, in table order (for tools that list them).
std::span<const FormatterRow> FormatterRows();
