// The JSON object `t360kv decode` prints for one input line (the schema is in
// docs/decode.md).
#pragma once

#include "DecodedLine.h"
#include "JsonWriter.h"
#include "SentenceJson.h"

class LineJson {
public:
    void Write(JsonWriter& json, const DecodedLine& line);

private:
    // The members from start to group.
    void WriteHeader(JsonWriter& json, const DecodedLine& line);

    // The header members of the last line, kept while the next lines name the same
    // sentence (most of a recording is a few sentences over and over); writing them for
    // every line made decoding AIS captures about 4 % slower.
    char headerKey_[10] = {};
    SentenceGroup headerGroup_ = sgNone;
    bool headerAccepted_ = false;
    size_t headerLength_ = 0;
    char header_[512];
};
