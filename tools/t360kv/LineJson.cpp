#include "LineJson.h"

#include "AisJson.h"

#include <cstring>
#include <optional>

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

std::string_view LineJson::Header(const DecodedLine& line) {
    char key[10];
    HeaderKeyOf(line, key);
    SentenceGroup group = line.Accepted ? line.Row->group : sgNone;
    if (headerLength_ == 0 || std::memcmp(key, headerKey_, sizeof key) != 0 ||
        group != headerGroup_ || line.Accepted != headerAccepted_) {
        // Each string is at most 3 bytes, so the text fits its buffer.
        char* out = Put(header_, ",\"start\":");
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
    return std::string_view(header_, headerLength_);
}

// The line's object is written in one piece, its room reckoned first from the rooms of
// its parts.
void LineJson::Write(JsonWriter& json, const DecodedLine& line) {
    static constexpr size_t kPrefixRoom = 96; // line, accepted, the longest reason
    std::string_view header = line.HeaderRead ? Header(line) : std::string_view();
    std::string_view navigation =
        line.HasNavigation ? navigation_.Text(line.Navigation) : std::string_view();
    AisMessageSource ais{line.Message, line.AisBitCount, line.Channel,
                         std::memcmp(line.Formatter, "BBM", 4) == 0, line.AisTarget};
    size_t room = kPrefixRoom + header.size() + 2;
    std::optional<SentenceFieldsText> fields;
    if (line.Accepted) {
        fields.emplace(*line.Row, line.DataFieldCount);
        room += 16 + fields->Room() + 8 + navigation.size() +
                (line.HasAisMessage ? 8 + AisMessageRoom(line.Message) : 0);
    }

    char* out = json.BeginText(room);
    out = PutInt(Put(out, "{\"line\":"), line.Number);
    if (!line.Accepted) {
        out = Put(out, ",\"accepted\":false,\"reason\":\"");
        out = Put(Put(out, RejectionName(line.Verdict, line.Result)), "\"");
        out = Put(out, header);
    } else {
        out = Put(Put(out, ",\"accepted\":true"), header);
        out = Put(out, ",\"fields\":");
        out = fields->Put(out, line.Record);
        if (line.HasNavigation)
            out = Put(Put(out, ",\"nav\":"), navigation);
        if (line.HasAisMessage)
            out = PutAisMessage(Put(out, ",\"ais\":"), ais);
    }
    json.EndText(Put(out, "}"));
    json.EndLine();
}
