#include "AisJson.h"

#include "ais/AisMessageDecoder.h"

#include <cstring>
#include <string_view>

namespace {

void WriteDimensions(JsonWriter& json, uint32_t word) {
    json.Key("to_bow");
    json.Int(word >> 21 & 0x1FF);
    json.Key("to_stern");
    json.Int(word >> 12 & 0x1FF);
    json.Key("to_port");
    json.Int(word >> 6 & 0x3F);
    json.Key("to_starboard");
    json.Int(word & 0x3F);
}

void WriteEta(JsonWriter& json, uint32_t word) {
    json.Key("eta");
    json.BeginArray();
    json.Int(word >> 16 & 0x0F);
    json.Int(word >> 11 & 0x1F);
    json.Int(word >> 6 & 0x1F);
    json.Int(word & 0x3F);
    json.EndArray();
}

void WriteField(JsonWriter& json, const AisField& field, const AisMessage& message, size_t offset) {
    switch (field.Kind) {
    case akDimensions:
        return WriteDimensions(json, LoadAisValue<uint32_t>(message, offset));
    case akEta:
        return WriteEta(json, LoadAisValue<uint32_t>(message, offset));
    default:
        break;
    }
    json.Key(field.Name);
    switch (field.Kind) {
    case akByte:
    case akTimeStamp:
        json.Int(message.Bytes[offset]);
        break;
    case akUInt16:
    case akApplicationId:
    case akHeading:
        json.Int(LoadAisValue<uint16_t>(message, offset));
        break;
    case akUInt32:
    case akId:
    case akCommState:
        json.Int(LoadAisValue<uint32_t>(message, offset));
        break;
    case akText:
    case akTextToEnd: {
        const char* text = reinterpret_cast<const char*>(message.Bytes + offset);
        json.String(std::string_view(text, strnlen(text, kAisMessageSize - offset)));
        break;
    }
    default: // the kinds stored as reals
        json.Real(LoadAisValue<float>(message, offset));
        break;
    }
}

} // namespace

void WriteAisMessage(JsonWriter& json, const AisState& ais, const DecodedSentence& sentence) {
    const AisMessage& message = ais.Message;
    json.BeginObject();
    if (const AisFieldTable* table = AisTableOf(message)) {
        size_t decoded = AisFieldsDecoded(*table, ais.Bits.Count);
        size_t offset = 0;
        for (size_t i = 0; i < decoded; ++i) {
            const AisField& field = (*table)[i];
            if (field.Name != "spare")
                WriteField(json, field, message, offset);
            offset += AisStoredSize(field);
        }
        // Type 22 sent to two stations: their MMSIs, stored after the fields.
        if (message.Bytes[0] == 22 && message.Bytes[AisOffsetOf(*table, "addressed")] == 1) {
            json.Key("dest1");
            json.Int(LoadAisValue<uint32_t>(message, kAddressedMmsiOffset));
            json.Key("dest2");
            json.Int(LoadAisValue<uint32_t>(message, kAddressedMmsiOffset + 4));
        }
    }
    json.Key("channel");
    char channel = sentence.Encapsulation.Channel;
    if (std::memcmp(sentence.Formatter, "BBM", 4) == 0)
        json.Int(channel);
    else
        json.String(std::string_view(&channel, 1));
    json.Key("target");
    json.Int(ais.Targets.LastIndex);
    json.EndObject();
}
