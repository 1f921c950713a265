#include "ais/AisMessageDecoder.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

using namespace ais_tables;

// What every table must hold to be walked safely: the 6-bit type first; numbers at most
// 32 bits wide; texts of whole characters; a text to the end of the message only as the
// last row, so that it can be cut to the room left; the fixed-size rows inside
// AisMessage; no two rows of one name but "spare".
constexpr bool IsSound(AisFieldTable table) {
    if (table.empty() || table[0].Width != 6 || table[0].Kind != akByte)
        return false;
    for (size_t i = 0; i < table.size(); ++i) {
        const AisField& field = table[i];
        bool text = field.Kind == akText || field.Kind == akTextToEnd;
        if (field.Width < 1 || (!text && field.Width > 32) || (text && field.Width % 6 != 0))
            return false;
        if (field.Kind == akTextToEnd && i + 1 != table.size())
            return false;
        for (size_t j = i + 1; j < table.size(); ++j)
            if (field.Name != "spare" && field.Name == table[j].Name)
                return false;
    }
    return AisStoredBytes(table) <= kAisMessageSize;
}
constexpr bool AllSound() {
    for (AisFieldTable table : kByType)
        if (!IsSound(table))
            return false;
    return true;
}
static_assert(AllSound());

// The places the decoder writes by hand, where the walk writes them too.
constexpr size_t kPartNumberOffset = 6;
constexpr size_t kAddressedFlagOffset = 29;
static_assert(AisOffsetOf(kStaticDataA, "partno") == kPartNumberOffset &&
              AisOffsetOf(kStaticDataB, "partno") == kPartNumberOffset);
static_assert(AisOffsetOf(kChannelManagement, "addressed") == kAddressedFlagOffset);
static_assert(kAddressedMmsiOffset == 37 && kAddressedMmsiOffset + 8 <= kAisMessageSize);

constexpr unsigned kPartNumberBit = AisBitOf(kStaticDataA, "partno");
constexpr unsigned kAddressedFlagBit = AisBitOf(kChannelManagement, "addressed");
constexpr unsigned kFirstDestinationBit = AisBitOf(kChannelManagement, "ne_lon");
static_assert(kPartNumberBit == 38 && kAddressedFlagBit == 139 && kFirstDestinationBit == 69);

template <typename T> void Store(AisMessage& message, size_t offset, T value) {
    std::memcpy(message.Bytes + offset, &value, sizeof value);
}

int32_t SignExtend(uint32_t value, unsigned width) {
    uint32_t sign = uint32_t{1} << (width - 1);
    return static_cast<int32_t>((value ^ sign) - sign);
}

// Six-bit characters: 0 to 31 are "@" and "A" to "_", 32 to 63 stand for themselves.
size_t StoreText(const AisBitBuffer& bits, unsigned position, size_t characters,
                 AisMessage& message, size_t offset) {
    for (size_t i = 0; i < characters; ++i, position += 6) {
        uint32_t value = ReadBits(bits, position, 6);
        message.Bytes[offset + i] = static_cast<uint8_t>(value < 32 ? value + 64 : value);
    }
    message.Bytes[offset + characters] = 0;
    return characters + 1;
}

constexpr unsigned BitOfRow(AisFieldTable table, size_t row) {
    unsigned position = 0;
    for (size_t i = 0; i < row; ++i)
        position += static_cast<unsigned>(table[i].Width);
    return position;
}

constexpr size_t OffsetOfRow(AisFieldTable table, size_t row) {
    return AisStoredBytes(table.first(row));
}

// Each table is compiled into straight-line code: the width, kind, scale, bit and offset
// of every row are constants there. A row stores its field and says whether the message
// went on that far.
template <const auto& Table, size_t Row>
[[gnu::always_inline]] inline bool StoreRow(const AisBitBuffer& bits, AisMessage& message) {
    constexpr AisField field = Table[Row];
    constexpr unsigned position = BitOfRow(Table, Row);
    constexpr size_t offset = OffsetOfRow(Table, Row);
    constexpr unsigned width = static_cast<unsigned>(field.Width);
    if (position + width > bits.Count)
        return false;
    if constexpr (field.Kind == akText) {
        StoreText(bits, position, width / 6, message, offset);
    } else if constexpr (field.Kind == akTextToEnd) {
        // Only the name extension of an over-long aid-to-navigation report is ever cut.
        size_t characters =
            std::min<size_t>((bits.Count - position) / 6, kAisMessageSize - offset - 1);
        StoreText(bits, position, characters, message, offset);
    } else {
        uint32_t raw = ReadBits(bits, position, width);
        if constexpr (field.Kind == akByte || field.Kind == akTimeStamp) {
            message.Bytes[offset] = static_cast<uint8_t>(raw);
        } else if constexpr (field.Kind == akUInt16 || field.Kind == akApplicationId) {
            Store(message, offset, static_cast<uint16_t>(raw));
        } else if constexpr (field.Kind == akHeading) {
            Store(message, offset, static_cast<uint16_t>(raw > 359 ? 511 : raw));
        } else if constexpr (field.Kind == akUInt32 || field.Kind == akId ||
                             field.Kind == akCommState || field.Kind == akDimensions ||
                             field.Kind == akEta) {
            Store(message, offset, raw);
        } else if constexpr (field.Kind == akSignedScaled) {
            Store(message, offset, static_cast<float>(SignExtend(raw, width) * field.Scale));
        } else if constexpr (field.Kind == akUnsignedScaled || field.Kind == akCourse) {
            Store(message, offset, static_cast<float>(raw * field.Scale));
        } else if constexpr (field.Kind == akLongitude || field.Kind == akLatitude) {
            Store(message, offset,
                  static_cast<float>(SignExtend(raw, width) * field.Scale * 0.016666666666666666));
        } else if constexpr (field.Kind == akRateOfTurn) {
            int32_t turn = SignExtend(raw, width);
            double root = turn * 0.21128248468201988;
            Store(message, offset, static_cast<float>(turn < 0 ? -root * root : root * root));
        } else {
            static_assert(field.Kind != field.Kind, "a kind every table may use");
        }
    }
    return true;
}

// The rows after the type, in order, until the message ends.
template <const auto& Table> void DecodeRows(const AisBitBuffer& bits, AisMessage& message) {
    [&]<size_t... Row>(std::index_sequence<Row...>) {
        (StoreRow<Table, Row + 1>(bits, message) && ...);
    }
    (std::make_index_sequence<std::size(Table) - 1>{});
}

// By message type, as kByType (part B of type 24 last).
constexpr auto kDecoders = ForEachTable([]<const auto & Table>() { return DecodeRows<Table>; });

} // namespace

const AisFieldTable* AisTableOf(const AisMessage& message) {
    return AisTableFor(message.Bytes[0], message.Bytes[kPartNumberOffset]);
}

size_t AisFieldsDecoded(AisFieldTable table, unsigned bitCount) {
    unsigned position = 0;
    size_t rows = 0;
    for (const AisField& field : table) {
        position += static_cast<unsigned>(field.Width);
        if (position > bitCount)
            break;
        ++rows;
    }
    return rows;
}

bool DecodeAisMessage(const AisBitBuffer& bits, AisMessage& message) {
    unsigned type = ReadBits(bits, 0, 6);
    message.Bytes[0] = static_cast<uint8_t>(type);
    unsigned partNumber = 0;
    if (type == 24) {
        partNumber = ReadBits(bits, kPartNumberBit, 2);
        message.Bytes[kPartNumberOffset] = static_cast<uint8_t>(partNumber);
    }
    const AisFieldTable* table = AisTableFor(type, partNumber);
    if (table == nullptr)
        return false;
    if (type == 22) {
        uint32_t addressed = ReadBits(bits, kAddressedFlagBit, 1);
        message.Bytes[kAddressedFlagOffset] = static_cast<uint8_t>(addressed);
        if (addressed == 1) {
            Store(message, kAddressedMmsiOffset, ReadBits(bits, kFirstDestinationBit, 30));
            Store(message, kAddressedMmsiOffset + 4, ReadBits(bits, kFirstDestinationBit + 35, 30));
        }
    }

    kDecoders[static_cast<size_t>(table - kByType.data())](bits, message);
    return true;
}
