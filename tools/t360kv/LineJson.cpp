#include "LineJson.h"

#include "AisJson.h"

#include <cstring>

namespace {

// The start, talker, formatter and subtype, which decide the header text.
void HeaderKeyOf(const DecodedLine& line, char (&key)[10]) {
    key[0] = line.Start;
    std::memcpy(key + 1, line.Talker, 3);
    std::memcpy(key + 4, line.Formatter, 4);
    key[8] = line.ProprietarySubtype;
    key[9] = 0;
}

constexpr JsonKey kLine("line"), kAccepted("accepted"), kReason("reason"), kStart("start"),
    kTalker("talker"), kFormatter("formatter"), kSubtype("subtype"), kGroup("group"),
    kFields("fields"), kNav("nav"), kAis("ais");

} // namespace

void LineJson::WriteHeader(JsonWriter& json, const DecodedLine& line) {
    char key[10];
    HeaderKeyOf(line, key);
    SentenceGroup group = line.Accepted ? line.Row->group : sgNone;
    if (headerLength_ != 0 && std::memcmp(key, headerKey_, sizeof key) == 0 &&
        group == headerGroup_ && line.Accepted == headerAccepted_)
        return json.Raw(std::string_view(header_, headerLength_));
    size_t mark = json.Mark();
    json.Key(kStart);
    json.String(std::string_view(&line.Start, 1));
    json.Key(kTalker);
    json.String(std::string_view(line.Talker, strnlen(line.Talker, 3)));
    json.Key(kFormatter);
    json.String(std::string_view(line.Formatter, strnlen(line.Formatter, 4)));
    json.Key(kSubtype);
    json.String(line.ProprietarySubtype != 0 ? std::string_view(&line.ProprietarySubtype, 1)
                                             : std::string_view());
    if (line.Accepted) {
        json.Key(kGroup);
        json.String(GroupName(group));
    }
    std::string_view header = json.WrittenSince(mark);
    headerLength_ = header.size() <= sizeof header_ ? header.size() : 0;
    std::memcpy(header_, header.data(), headerLength_);
    std::memcpy(headerKey_, key, sizeof key);
    headerGroup_ = group;
    headerAccepted_ = line.Accepted;
}

void LineJson::Write(JsonWriter& json, const DecodedLine& line) {
    json.Punct('{');
    json.Key(kLine);
    json.Int(line.Number);
    json.Key(kAccepted);
    json.Bool(line.Accepted);
    if (!line.Accepted) {
        json.Key(kReason);
        json.String(RejectionName(line.Verdict, line.Result));
        if (line.HeaderRead)
            WriteHeader(json, line);
    } else {
        if (line.HeaderRead)
            WriteHeader(json, line);
        json.Key(kFields);
        WriteSentenceFields(json, *line.Row, line.Record, line.DataFieldCount);
        if (line.HasNavigation) {
            json.Key(kNav);
            WriteNavigation(json, line.Navigation);
        }
        if (line.HasAisMessage) {
            json.Key(kAis);
            WriteAisMessage(json, {line.Message, line.AisBitCount, line.Channel,
                                   std::memcmp(line.Formatter, "BBM", 4) == 0, line.AisTarget});
        }
    }
    json.Punct('}');
    json.EndLine();
}
