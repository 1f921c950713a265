#include "AisJson.h"

#include "ais/AisMessageDecoder.h"

#include <array>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

constexpr JsonKey kBow("to_bow"), kStern("to_stern"), kPort("to_port"), kStarboard("to_starboard"),
    kEta("eta"), kDest1("dest1"), kDest2("dest2"), kChannel("channel"), kTarget("target"),
    kType("type");

void WriteMember(JsonWriter& json, const JsonKey& key, int64_t value) {
    json.Key(key);
    json.Int(value);
}

void WriteDimensions(JsonWriter& json, uint32_t word) {
    WriteMember(json, kBow, word >> 21 & 0x1FF);
    WriteMember(json, kStern, word >> 12 & 0x1FF);
    WriteMember(json, kPort, word >> 6 & 0x3F);
    WriteMember(json, kStarboard, word & 0x3F);
}

void WriteEta(JsonWriter& json, uint32_t word) {
    json.Key(kEta);
    json.Punct('[');
    json.Int(word >> 16 & 0x0F);
    json.Punct(',');
    json.Int(word >> 11 & 0x1F);
    json.Punct(',');
    json.Int(word >> 6 & 0x1F);
    json.Punct(',');
    json.Int(word & 0x3F);
    json.Punct(']');
}

constexpr unsigned BitEndOfRow(AisFieldTable table, size_t row) {
    unsigned end = 0;
    for (size_t i = 0; i <= row; ++i)
        end += static_cast<unsigned>(table[i].Width);
    return end;
}

// One row of a table, compiled with its name, kind and offset as constants: false when
// the message ended before it.
template <const auto& Table, size_t Row>
[[gnu::always_inline]] inline bool WriteRow(JsonWriter& json, const AisMessage& message,
                                            unsigned bitCount) {
    constexpr AisField field = Table[Row];
    constexpr size_t offset = AisStoredBytes(AisFieldTable(Table).first(Row));
    constexpr unsigned end = BitEndOfRow(Table, Row);
    static constexpr JsonKey kName(field.Name);
    if (end > bitCount)
        return false;
    if constexpr (field.Name == "spare") {
        return true;
    } else if constexpr (field.Kind == akDimensions) {
        WriteDimensions(json, LoadAisValue<uint32_t>(message, offset));
    } else if constexpr (field.Kind == akEta) {
        WriteEta(json, LoadAisValue<uint32_t>(message, offset));
    } else {
        json.Key(kName);
        if constexpr (field.Kind == akByte || field.Kind == akTimeStamp) {
            json.Int(message.Bytes[offset]);
        } else if constexpr (field.Kind == akUInt16 || field.Kind == akApplicationId ||
                             field.Kind == akHeading) {
            json.Int(LoadAisValue<uint16_t>(message, offset));
        } else if constexpr (field.Kind == akUInt32 || field.Kind == akId ||
                             field.Kind == akCommState) {
            json.Int(LoadAisValue<uint32_t>(message, offset));
        } else if constexpr (field.Kind == akText || field.Kind == akTextToEnd) {
            const char* text = reinterpret_cast<const char*>(message.Bytes + offset);
            json.String(std::string_view(text, strnlen(text, kAisMessageSize - offset)));
        } else { // the kinds stored as reals
            json.Real(LoadAisValue<float>(message, offset));
        }
    }
    return true;
}

template <const auto& Table>
void WriteRows(JsonWriter& json, const AisMessage& message, unsigned bitCount) {
    WriteMember(json, kType, message.Bytes[0]);
    [&]<size_t... Row>(std::index_sequence<Row...>) {
        (WriteRow<Table, Row + 1>(json, message, bitCount) && ...);
    }
    (std::make_index_sequence<std::size(Table) - 1>{});
}

using WriteTable = void (*)(JsonWriter&, const AisMessage&, unsigned);
// By message type, as kByType (part B of type 24 last).
constexpr auto kWriteTable =
    ais_tables::ForEachTable([]<const auto & Table>()->WriteTable { return WriteRows<Table>; });

} // namespace

void WriteAisMessage(JsonWriter& json, const AisMessageSource& source) {
    const AisMessage& message = source.Message;
    const AisFieldTable* table = AisTableOf(message);
    json.Punct('{');
    if (table != nullptr && source.BitCount >= 6) {
        kWriteTable[static_cast<size_t>(table - ais_tables::kByType.data())](json, message,
                                                                             source.BitCount);
        // Type 22 sent to two stations: their MMSIs, stored after the fields.
        static constexpr size_t kAddressedOffset =
            AisOffsetOf(ais_tables::kChannelManagement, "addressed");
        if (message.Bytes[0] == 22 && message.Bytes[kAddressedOffset] == 1) {
            WriteMember(json, kDest1, LoadAisValue<uint32_t>(message, kAddressedMmsiOffset));
            WriteMember(json, kDest2, LoadAisValue<uint32_t>(message, kAddressedMmsiOffset + 4));
        }
    }
    json.Key(kChannel);
    if (source.NumberedChannel)
        json.Int(source.Channel);
    else
        json.String(std::string_view(&source.Channel, 1));
    WriteMember(json, kTarget, source.Target);
    json.Punct('}');
}

void WriteAisMessage(JsonWriter& json, const AisState& ais, const DecodedSentence& sentence) {
    WriteAisMessage(json, {ais.Message, ais.Bits.Count, sentence.Encapsulation.Channel,
                           std::memcmp(sentence.Formatter, "BBM", 4) == 0, ais.Targets.LastIndex});
}
