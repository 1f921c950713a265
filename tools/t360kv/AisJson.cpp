#include "AisJson.h"

#include "ais/AisMessageDecoder.h"

#include <array>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

using namespace json_text;

// `,"name":` for a member after the first.
template <size_t N> struct MemberKey {
    char Text[N];
    static constexpr size_t Length = N;
};
template <std::string_view const& Name> constexpr auto MakeMemberKey() {
    MemberKey<Name.size() + 4> key{};
    key.Text[0] = ',';
    key.Text[1] = '"';
    for (size_t i = 0; i < Name.size(); ++i)
        key.Text[2 + i] = Name[i];
    key.Text[Name.size() + 2] = '"';
    key.Text[Name.size() + 3] = ':';
    return key;
}
template <const auto& Table, size_t Row> struct RowName {
    static constexpr std::string_view Name = Table[Row].Name;
};
template <std::string_view const& Name> constexpr auto kKey = MakeMemberKey<Name>();

template <auto& Key> char* PutKey(char* out) {
    std::memcpy(out, Key.Text, Key.Length);
    return out + Key.Length;
}

constexpr std::string_view kBow = "to_bow", kStern = "to_stern", kPort = "to_port",
                           kStarboard = "to_starboard", kEta = "eta", kDest1 = "dest1",
                           kDest2 = "dest2", kChannel = "channel", kTarget = "target";

char* PutDimensions(char* out, uint32_t word) {
    out = PutInt(PutKey<kKey<kBow>>(out), word >> 21 & 0x1FF);
    out = PutInt(PutKey<kKey<kStern>>(out), word >> 12 & 0x1FF);
    out = PutInt(PutKey<kKey<kPort>>(out), word >> 6 & 0x3F);
    return PutInt(PutKey<kKey<kStarboard>>(out), word & 0x3F);
}

char* PutEta(char* out, uint32_t word) {
    out = PutInt(Put(PutKey<kKey<kEta>>(out), "["), word >> 16 & 0x0F);
    out = PutInt(Put(out, ","), word >> 11 & 0x1F);
    out = PutInt(Put(out, ","), word >> 6 & 0x1F);
    return Put(PutInt(Put(out, ","), word & 0x3F), "]");
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
[[gnu::always_inline]] inline bool PutRow(char*& out, const AisMessage& message,
                                          unsigned bitCount) {
    constexpr AisField field = Table[Row];
    constexpr size_t offset = AisStoredBytes(AisFieldTable(Table).first(Row));
    constexpr unsigned end = BitEndOfRow(Table, Row);
    if (end > bitCount)
        return false;
    if constexpr (field.Name == "spare") {
        return true;
    } else if constexpr (field.Kind == akDimensions) {
        out = PutDimensions(out, LoadAisValue<uint32_t>(message, offset));
    } else if constexpr (field.Kind == akEta) {
        out = PutEta(out, LoadAisValue<uint32_t>(message, offset));
    } else {
        out = PutKey<kKey<RowName<Table, Row>::Name>>(out);
        if constexpr (field.Kind == akByte || field.Kind == akTimeStamp) {
            out = PutInt(out, message.Bytes[offset]);
        } else if constexpr (field.Kind == akUInt16 || field.Kind == akApplicationId ||
                             field.Kind == akHeading) {
            out = PutInt(out, LoadAisValue<uint16_t>(message, offset));
        } else if constexpr (field.Kind == akUInt32 || field.Kind == akId ||
                             field.Kind == akCommState) {
            out = PutInt(out, LoadAisValue<uint32_t>(message, offset));
        } else if constexpr (field.Kind == akText || field.Kind == akTextToEnd) {
            const char* text = reinterpret_cast<const char*>(message.Bytes + offset);
            out = PutString(out, std::string_view(text, strnlen(text, kAisMessageSize - offset)));
        } else { // the kinds stored as reals
            out = FormatReal(out, LoadAisValue<float>(message, offset));
        }
    }
    return true;
}

// Room for a row's member, its name included.
constexpr size_t RowRoom(const AisField& field, size_t offset) {
    size_t name = field.Name.size() + 4;
    switch (field.Kind) {
    case akDimensions:
        return 4 * (16 + kIntText);
    case akEta:
        return 8 + 4 * (kIntText + 1) + 2;
    case akText:
    case akTextToEnd:
        return name + StringRoom(kAisMessageSize - offset);
    case akSignedScaled:
    case akUnsignedScaled:
    case akCourse:
    case akLongitude:
    case akLatitude:
    case akRateOfTurn:
        return name + kRealText;
    default:
        return name + kIntText;
    }
}

// The most text a message of the table can take, the members after its fields included.
constexpr size_t MessageRoom(AisFieldTable table) {
    size_t room = 2 + 4 * (16 + kIntText) + StringRoom(1);
    size_t offset = 0;
    for (const AisField& field : table) {
        room += RowRoom(field, offset);
        offset += AisStoredSize(field);
    }
    return room;
}

template <const auto& Table>
char* PutRows(char* out, const AisMessage& message, unsigned bitCount) {
    out = PutInt(Put(out, "\"type\":"), message.Bytes[0]);
    [&]<size_t... Row>(std::index_sequence<Row...>) {
        (PutRow<Table, Row + 1>(out, message, bitCount) && ...);
    }
    (std::make_index_sequence<std::size(Table) - 1>{});
    return out;
}

struct CompiledTable {
    char* (*Put)(char*, const AisMessage&, unsigned);
    size_t Room;
};
// By message type, as kByType (part B of type 24 last).
constexpr auto kCompiled = ais_tables::ForEachTable([]<const auto & Table>() {
    return CompiledTable{PutRows<Table>, MessageRoom(Table)};
});

} // namespace

namespace {

const CompiledTable* CompiledFor(const AisMessage& message) {
    const AisFieldTable* table = AisTableOf(message);
    return table != nullptr ? &kCompiled[static_cast<size_t>(table - ais_tables::kByType.data())]
                            : nullptr;
}

} // namespace

size_t AisMessageRoom(const AisMessage& message) {
    const CompiledTable* compiled = CompiledFor(message);
    return compiled != nullptr ? compiled->Room : MessageRoom({});
}

char* PutAisMessage(char* out, const AisMessageSource& source) {
    const AisMessage& message = source.Message;
    const CompiledTable* compiled = CompiledFor(message);
    *out++ = '{';
    if (compiled != nullptr && source.BitCount >= 6) {
        out = compiled->Put(out, message, source.BitCount);
        // Type 22 sent to two stations: their MMSIs, stored after the fields.
        static constexpr size_t kAddressedOffset =
            AisOffsetOf(ais_tables::kChannelManagement, "addressed");
        if (message.Bytes[0] == 22 && message.Bytes[kAddressedOffset] == 1) {
            out = PutInt(PutKey<kKey<kDest1>>(out),
                         LoadAisValue<uint32_t>(message, kAddressedMmsiOffset));
            out = PutInt(PutKey<kKey<kDest2>>(out),
                         LoadAisValue<uint32_t>(message, kAddressedMmsiOffset + 4));
        }
    }
    out = out[-1] == '{' ? Put(out, "\"channel\":") : PutKey<kKey<kChannel>>(out);
    out = source.NumberedChannel ? PutInt(out, source.Channel)
                                 : PutString(out, std::string_view(&source.Channel, 1));
    out = PutInt(PutKey<kKey<kTarget>>(out), source.Target);
    *out++ = '}';
    return out;
}

void WriteAisMessage(JsonWriter& json, const AisMessageSource& source) {
    char* out = json.BeginText(AisMessageRoom(source.Message));
    json.EndText(PutAisMessage(out, source));
}

void WriteAisMessage(JsonWriter& json, const AisState& ais, const DecodedSentence& sentence) {
    WriteAisMessage(json, {ais.Message, ais.Bits.Count, sentence.Encapsulation.Channel,
                           std::memcmp(sentence.Formatter, "BBM", 4) == 0, ais.Targets.LastIndex});
}
