#include "LineJson.h"

#include "AisJson.h"

#include <cstring>

namespace {

using namespace json_text;

// The start, talker, formatter and subtype, which decide the header text.
void HeaderKeyOf(const DecodedLine& line, char (&key)[10]) {
    key[0] = line.Start;
    std::memcpy(key + 1, line.Talker, 3);
    std::memcpy(key + 4, line.Formatter, 4);
    key[8] = line.ProprietarySubtype;
    key[9] = 0;
}

} // namespace

void LineJson::WriteHeader(JsonWriter& json, const DecodedLine& line) {
    char key[10];
    HeaderKeyOf(line, key);
    SentenceGroup group = line.Accepted ? line.Row->group : sgNone;
    if (headerLength_ == 0 || std::memcmp(key, headerKey_, sizeof key) != 0 ||
        group != headerGroup_ || line.Accepted != headerAccepted_) {
        // Each string is at most 3 bytes, so the text fits its buffer.
        char* out = Put(header_, "\"start\":");
        out = PutString(out, std::string_view(&line.Start, 1));
        out = PutString(Put(out, ",\"talker\":"),
                        std::string_view(line.Talker, strnlen(line.Talker, 3)));
        out = PutString(Put(out, ",\"formatter\":"),
                        std::string_view(line.Formatter, strnlen(line.Formatter, 4)));
        out = PutString(Put(out, ",\"subtype\":"),
                        line.ProprietarySubtype != 0 ? std::string_view(&line.ProprietarySubtype, 1)
                                                     : std::string_view());
        if (line.Accepted) {
            out = Put(out, ",\"group\":\"");
            out = Put(Put(out, GroupName(group)), "\"");
        }
        headerLength_ = static_cast<size_t>(out - header_);
        std::memcpy(headerKey_, key, sizeof key);
        headerGroup_ = group;
        headerAccepted_ = line.Accepted;
    }
    json.Members(std::string_view(header_, headerLength_));
}

void LineJson::Write(JsonWriter& json, const DecodedLine& line) {
    json.BeginObject();
    char* out = json.BeginText(64);
    out = PutInt(Put(out, "\"line\":"), line.Number);
    json.EndText(Put(out, line.Accepted ? ",\"accepted\":true" : ",\"accepted\":false"));
    if (!line.Accepted) {
        json.Key("reason");
        json.String(RejectionName(line.Verdict, line.Result));
        if (line.HeaderRead)
            WriteHeader(json, line);
    } else {
        WriteHeader(json, line);
        json.Key("fields");
        WriteSentenceFields(json, *line.Row, line.Record, line.DataFieldCount);
        if (line.HasNavigation) {
            json.Key("nav");
            navigation_.Write(json, line.Navigation);
        }
        if (line.HasAisMessage) {
            json.Key("ais");
            WriteAisMessage(json, {line.Message, line.AisBitCount, line.Channel,
                                   std::memcmp(line.Formatter, "BBM", 4) == 0, line.AisTarget});
        }
    }
    json.EndObject();
    json.EndLine();
}
