// Field rows of the receiver's proprietary sentences, which arrive as $PTST or behind
// the maker's code as $PKRV,c,TST. Their meaning is the receiver's; the rows give only
// their form. Included by the formatter table only.
#pragma once

#include "nmea/FieldLayout.h"
#include "nmea/ProprietaryFields.h"

#include <cstddef>

namespace proprietary_rows {

constexpr size_t DbgPairAt(int k, size_t member) {
    return offsetof(DbgFields, Pair) + static_cast<size_t>(k) * sizeof(DbgPair) + member;
}

// clang-format off
inline constexpr std::array kMid = {
    Field(fkInt32,  "numbers",               offsetof(MidFields, Number))               .Empty(kEmptyId32).Elements(2),
};

inline constexpr std::array kBdy = {
    Field(fkInt32,  "number",                offsetof(BdyFields, Number))               .Empty(kEmptyId32),
    TextField(      "text_1",                offsetof(BdyFields, Text1), 20)            .EmptyText(),
    TextField(      "text_2",                offsetof(BdyFields, Text2), 20)            .EmptyText(),
    Field(fkInt8,   "small_1",               offsetof(BdyFields, Small1))               .Empty(9),
    Field(fkInt8,   "small_2",               offsetof(BdyFields, Small2))               .Empty(9),
};

inline constexpr std::array kTst = {
    Field(fkInt32,  "number_1",              offsetof(TstFields, Number1))              .Empty(99999),
    Field(fkInt8,   "number_2",              offsetof(TstFields, Number2))              .Empty(99),
    Field(fkChar,   "char_1",                offsetof(TstFields, Char1)),
    Field(fkChar,   "char_2",                offsetof(TstFields, Char2)),
    Field(fkInt16,  "number_3",              offsetof(TstFields, Number3))              .Empty(kEmptyInt16),
};

inline constexpr std::array kFrq = {
    Field(fkInt32,  "number_1",              offsetof(FrqFields, Number1))              .Empty(kEmptyId32),
    Field(fkInt8,   "small_1",               offsetof(FrqFields, Small1))               .Empty(kEmptyInt8),
    Field(fkInt32,  "number_2",              offsetof(FrqFields, Number2))              .Empty(kEmptyId32),
    Field(fkInt8,   "small_2",               offsetof(FrqFields, Small2))               .Empty(kEmptyInt8),
};

inline constexpr std::array kBth = {
    Field(fkInt16,  "numbers",               offsetof(BthFields, Number))               .Empty(256).Elements(6),
    TextField(      "text",                  offsetof(BthFields, Text), kWholeFieldSize - 1).EmptyText(),
};

inline constexpr std::array kDbg = {
    Field(fkInt16,  "key_1",                 DbgPairAt(0, offsetof(DbgPair, Key)))      .Empty(999),
    Field(fkInt32,  "value_1",               DbgPairAt(0, offsetof(DbgPair, Value)))    .Empty(INT32_MIN),
    Field(fkInt16,  "key_2",                 DbgPairAt(1, offsetof(DbgPair, Key)))      .Empty(999),
    Field(fkInt32,  "value_2",               DbgPairAt(1, offsetof(DbgPair, Value)))    .Empty(INT32_MIN),
    Field(fkInt16,  "key_3",                 DbgPairAt(2, offsetof(DbgPair, Key)))      .Empty(999),
    Field(fkInt32,  "value_3",               DbgPairAt(2, offsetof(DbgPair, Value)))    .Empty(INT32_MIN),
    Field(fkInt16,  "key_4",                 DbgPairAt(3, offsetof(DbgPair, Key)))      .Empty(999),
    Field(fkInt32,  "value_4",               DbgPairAt(3, offsetof(DbgPair, Value)))    .Empty(INT32_MIN),
};

inline constexpr std::array kTps = {
    Field(fkInt16,  "number",                offsetof(TpsFields, Number))               .Empty(999),
    TextField(      "text",                  offsetof(TpsFields, Text), kWholeFieldSize - 1).EmptyText(),
};

inline constexpr std::array kSmg = {
    TextField(      "text",                  offsetof(SmgFields, Text), 79),
    Field(fkInt8,   "number",                offsetof(SmgFields, Number)),
};

// Hexadecimal fields, read two digits to a byte.
inline constexpr std::array kMob = {
    Field(fkHexTriple,      "triple",        offsetof(MobFields, Triple)),
    Field(fkUInt8,          "number",        offsetof(MobFields, Number))               .Empty(255),
    Field(fkHexByte,        "byte",          offsetof(MobFields, Byte)),
    Field(fkFlaggedHexByte, "flagged_byte",  offsetof(MobFields, FlaggedByte)),
    Field(fkHexString,      "bytes",         offsetof(MobFields, Bytes)),
};
// clang-format on

static_assert(offsetof(MobFields, FlaggedPresent) == offsetof(MobFields, FlaggedByte) + 1 &&
              offsetof(MobFields, ByteCount) == offsetof(MobFields, Bytes) + 9);
static_assert(RowsFitRecord(kMid, sizeof(MidFields)) && RowsFitRecord(kBdy, sizeof(BdyFields)) &&
              RowsFitRecord(kTst, sizeof(TstFields)) && RowsFitRecord(kFrq, sizeof(FrqFields)) &&
              RowsFitRecord(kBth, sizeof(BthFields)) && RowsFitRecord(kDbg, sizeof(DbgFields)) &&
              RowsFitRecord(kTps, sizeof(TpsFields)) && RowsFitRecord(kSmg, sizeof(SmgFields)) &&
              RowsFitRecord(kMob, sizeof(MobFields)));

} // namespace proprietary_rows
