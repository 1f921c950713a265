#include "AisJson.h"

#include "ais/AisMessageDecoder.h"

#include <array>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

using namespace json_text;

// One member (or, for the dimension and arrival words, a few) of a table row, with its
// name written ahead of time.
struct Step {
    AisFieldKind Kind;
    uint8_t Offset;  // in AisMessage
    uint16_t BitEnd; // the row is in a message of at least this many bits
    Key Name;
};

struct Plan {
    std::vector<Step> Steps;
    size_t Room; // the most text the object can take
};

// Room for a value of the kind, without its name.
size_t ValueRoom(const AisField& field, size_t offset) {
    switch (field.Kind) {
    case akDimensions:
        return 4 * (Key::kCapacity + kIntText);
    case akEta:
        return Key::kCapacity + 4 * (kIntText + 1) + 2;
    case akText:
    case akTextToEnd:
        return StringRoom(kAisMessageSize - offset);
    case akSignedScaled:
    case akUnsignedScaled:
    case akCourse:
    case akLongitude:
    case akLatitude:
    case akRateOfTurn:
        return kRealText;
    default:
        return kIntText;
    }
}

Plan PlanOf(AisFieldTable table) {
    Plan plan{{}, 2};
    unsigned position = 0;
    size_t offset = 0;
    for (const AisField& field : table) {
        position += static_cast<unsigned>(field.Width);
        if (field.Name != "spare") {
            plan.Steps.push_back({field.Kind, static_cast<uint8_t>(offset),
                                  static_cast<uint16_t>(position),
                                  MakeKey(field.Name, "", plan.Steps.empty())});
            plan.Room += Key::kCapacity + ValueRoom(field, offset);
        }
        offset += AisStoredSize(field);
    }
    // The addressed MMSIs, the channel and the target.
    plan.Room += 4 * (Key::kCapacity + kIntText) + StringRoom(1);
    return plan;
}

const Plan& PlanFor(const AisFieldTable& table) {
    static const std::array<Plan, ais_tables::kByType.size()> plans = [] {
        std::array<Plan, ais_tables::kByType.size()> all;
        for (size_t i = 0; i < all.size(); ++i)
            all[i] = PlanOf(ais_tables::kByType[i]);
        return all;
    }();
    return plans[static_cast<size_t>(&table - ais_tables::kByType.data())];
}

char* PutDimensions(char* out, uint32_t word) {
    static const Key kBow = MakeKey("to_bow", "", false), kStern = MakeKey("to_stern", "", false),
                     kPort = MakeKey("to_port", "", false),
                     kStarboard = MakeKey("to_starboard", "", false);
    out = PutInt(Put(out, kBow), word >> 21 & 0x1FF);
    out = PutInt(Put(out, kStern), word >> 12 & 0x1FF);
    out = PutInt(Put(out, kPort), word >> 6 & 0x3F);
    return PutInt(Put(out, kStarboard), word & 0x3F);
}

char* PutEta(char* out, uint32_t word) {
    static const Key kEta = MakeKey("eta", "", false);
    out = PutInt(Put(Put(out, kEta), "["), word >> 16 & 0x0F);
    out = PutInt(Put(out, ","), word >> 11 & 0x1F);
    out = PutInt(Put(out, ","), word >> 6 & 0x1F);
    return Put(PutInt(Put(out, ","), word & 0x3F), "]");
}

char* PutStep(char* out, const Step& step, const AisMessage& message) {
    size_t offset = step.Offset;
    switch (step.Kind) {
    case akDimensions:
        return PutDimensions(out, LoadAisValue<uint32_t>(message, offset));
    case akEta:
        return PutEta(out, LoadAisValue<uint32_t>(message, offset));
    default:
        break;
    }
    out = Put(out, step.Name);
    switch (step.Kind) {
    case akByte:
    case akTimeStamp:
        return PutInt(out, message.Bytes[offset]);
    case akUInt16:
    case akApplicationId:
    case akHeading:
        return PutInt(out, LoadAisValue<uint16_t>(message, offset));
    case akUInt32:
    case akId:
    case akCommState:
        return PutInt(out, LoadAisValue<uint32_t>(message, offset));
    case akText:
    case akTextToEnd: {
        const char* text = reinterpret_cast<const char*>(message.Bytes + offset);
        return PutString(out, std::string_view(text, strnlen(text, kAisMessageSize - offset)));
    }
    default: // the kinds stored as reals
        return FormatReal(out, LoadAisValue<float>(message, offset));
    }
}

} // namespace

void WriteAisMessage(JsonWriter& json, const AisMessageSource& source) {
    static const Key kDest1 = MakeKey("dest1", "", false), kDest2 = MakeKey("dest2", "", false);
    static const Key kChannelFirst = MakeKey("channel", "", true),
                     kChannel = MakeKey("channel", "", false),
                     kTarget = MakeKey("target", "", false);
    const AisMessage& message = source.Message;
    const AisFieldTable* table = AisTableOf(message);
    const Plan* plan = table != nullptr ? &PlanFor(*table) : nullptr;
    char* out = json.BeginText(plan != nullptr ? plan->Room : 4 * (Key::kCapacity + kIntText));
    *out++ = '{';
    if (plan != nullptr) {
        for (const Step& step : plan->Steps) {
            if (step.BitEnd > source.BitCount)
                break;
            out = PutStep(out, step, message);
        }
        // Type 22 sent to two stations: their MMSIs, stored after the fields.
        static const size_t kAddressedOffset =
            AisOffsetOf(ais_tables::kChannelManagement, "addressed");
        if (message.Bytes[0] == 22 && message.Bytes[kAddressedOffset] == 1) {
            out = PutInt(Put(out, kDest1), LoadAisValue<uint32_t>(message, kAddressedMmsiOffset));
            out =
                PutInt(Put(out, kDest2), LoadAisValue<uint32_t>(message, kAddressedMmsiOffset + 4));
        }
    }
    out = Put(out, out[-1] == '{' ? kChannelFirst : kChannel);
    out = source.NumberedChannel ? PutInt(out, source.Channel)
                                 : PutString(out, std::string_view(&source.Channel, 1));
    out = PutInt(Put(out, kTarget), source.Target);
    *out++ = '}';
    json.EndText(out);
}

void WriteAisMessage(JsonWriter& json, const AisState& ais, const DecodedSentence& sentence) {
    WriteAisMessage(json, {ais.Message, ais.Bits.Count, sentence.Encapsulation.Channel,
                           std::memcmp(sentence.Formatter, "BBM", 4) == 0, ais.Targets.LastIndex});
}
