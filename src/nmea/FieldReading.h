// Reading one field row into a field record: the rules, kinds and markers of FieldRow.
// In a header so that a layout compiled from its rows (CompiledLayout) reads each row
// with its kind, rule and offset as constants.
#pragma once

#include "nmea/Converters.h"
#include "nmea/EquipmentFields.h"
#include "nmea/FieldLayout.h"
#include "nmea/Framing.h"

#include <cstring>

namespace field_reading {

template <typename T> inline void Store(char* at, T value) {
    std::memcpy(at, &value, sizeof value);
}

template <typename T> inline bool Outside(const FieldRow& row, T value) {
    return value < static_cast<T>(row.low) || value > static_cast<T>(row.high);
}

// Applies the row's rule to a number; false when it rejects the sentence.
template <typename T> inline bool ApplyRule(const FieldRow& row, bool empty, T& value) {
    if (empty && row.rule != frRejectEmpty)
        return true;
    switch (row.rule) {
    case frReplace:
        if (Outside(row, value))
            value = static_cast<T>(row.replacement);
        return true;
    case frReject:
    case frRejectEmpty:
        return !Outside(row, value);
    case frLowByte:
        value = static_cast<T>(static_cast<int64_t>(value) & 0xFF);
        return true;
    default:
        return true;
    }
}

// An integer of the field's width: the number as written, truncated to the width, then
// judged by the rule.
template <typename T>
inline bool ReadInteger(const FieldRow& row, std::string_view field, char* at) {
    bool empty = row.hasMarker && IsEmptyField(field);
    int64_t value =
        static_cast<T>(empty ? static_cast<int64_t>(row.marker) : ParseInteger(field.data()));
    if (row.rule != frNone && !ApplyRule(row, empty, value))
        return false;
    Store(at, static_cast<T>(value));
    return true;
}

inline bool ReadReal(const FieldRow& row, std::string_view field, char* at) {
    bool empty = row.hasMarker && IsEmptyField(field);
    float value = empty ? static_cast<float>(row.marker) : ParseReal(field.data());
    if (row.rule != frNone && !ApplyRule(row, empty, value))
        return false;
    Store(at, value);
    return true;
}

inline bool ReadText(const FieldRow& row, std::string_view field, char* at, const char* record) {
    size_t length = field.size();
    if (row.rule == frPayloadLength) {
        int8_t sequentialId = reinterpret_cast<const EncapsulationFields*>(record)->SequentialId;
        size_t limit = sequentialId >= 1 && sequentialId <= 9 ? 63 : 62;
        if (length > limit)
            return false;
    }
    if (row.hasMarker && IsEmptyField(field))
        length = 0;
    if (length > row.capacity)
        length = row.capacity;
    std::memcpy(at, field.data(), length);
    at[length] = '\0';
    return true;
}

// The receiver's hexadecimal fields: digits are read in pairs, a bad digit rejects.
inline bool ReadHexTriple(std::string_view field, char* at) {
    uint8_t bytes[3] = {0, 0, 0};
    if (!IsEmptyField(field) && field.size() == 6)
        for (size_t i = 0; i < 3; ++i)
            if (!ParseHexByte(field.data() + 2 * i, 2, bytes[i]))
                return false;
    std::memcpy(at, bytes, sizeof bytes);
    return true;
}

inline bool ReadHexByte(const FieldRow& row, std::string_view field, char* at) {
    bool flagged = row.kind == fkFlaggedHexByte;
    if (IsEmptyField(field)) {
        if (flagged)
            at[1] = 0;
        else
            Store(at, uint8_t{255});
        return true;
    }
    if (field.size() > 2)
        return true;
    uint8_t byte;
    if (!ParseHexByte(field.data(), field.size(), byte))
        return false;
    Store(at, byte);
    if (flagged)
        at[1] = 1;
    return true;
}

inline void ReadHexString(std::string_view field, char* at) {
    size_t length = field.size();
    uint8_t count = 0;
    if (!IsEmptyField(field) && length % 2 == 0 && length >= 2 && length <= 18) {
        count = static_cast<uint8_t>(length / 2);
        for (size_t i = 0; i < length / 2; ++i) {
            uint8_t byte;
            if (!ParseHexByte(field.data() + 2 * i, 2, byte)) {
                count = 0;
                break;
            }
            Store(at + i, byte);
        }
    }
    Store(at + 9, count);
}

// Reads one element of a row, taking its fields from `next` on.
[[gnu::always_inline]] inline bool ReadElement(const FieldRow& row, const FieldList& fields,
                                               int& next, char* at, const char* record) {
    switch (row.kind) {
    case fkInt8:
        return ReadInteger<int8_t>(row, fields.Field(next++), at);
    case fkUInt8:
        return ReadInteger<uint8_t>(row, fields.Field(next++), at);
    case fkInt16:
        return ReadInteger<int16_t>(row, fields.Field(next++), at);
    case fkInt32:
        return ReadInteger<int32_t>(row, fields.Field(next++), at);
    case fkReal:
        return ReadReal(row, fields.Field(next++), at);
    case fkChar: {
        std::string_view field = fields.Field(next++);
        bool empty = row.hasMarker && IsEmptyField(field);
        if (row.rule == frSingleChar && field.size() != 1)
            return false;
        Store(at, empty ? static_cast<char>(row.marker) : field[0]);
        return true;
    }
    case fkText:
        return ReadText(row, fields.Field(next++), at, record);
    case fkTime: {
        UtcTime time;
        std::memcpy(&time, at, sizeof time);
        ParseUtcTime(fields.Field(next++), time);
        Store(at, time);
        return true;
    }
    case fkDate:
        Store(at, ParseDate(fields.Field(next++)));
        return true;
    case fkLatLon: {
        GeoPoint point = ParseLatLon(fields.Field(next), fields.Field(next + 1),
                                     fields.Field(next + 2), fields.Field(next + 3));
        next += 4;
        Store(at, point);
        return true;
    }
    case fkSkip:
        ++next;
        return true;
    case fkLiteral:
        return fields.Field(next++) == row.literal;
    case fkSetInt8:
        Store(at, static_cast<int8_t>(row.marker));
        return true;
    case fkSetChar:
        Store(at, static_cast<char>(row.marker));
        return true;
    case fkHexTriple:
        return ReadHexTriple(fields.Field(next++), at);
    case fkHexByte:
    case fkFlaggedHexByte:
        return ReadHexByte(row, fields.Field(next++), at);
    case fkHexString:
        ReadHexString(fields.Field(next++), at);
        return true;
    }
    return false;
}

// Reads every element of a row, taking its fields from `next` on.
[[gnu::always_inline]] inline bool ReadRow(const FieldRow& row, const FieldList& fields, int& next,
                                           char* record) {
    size_t stride = row.count > 1 ? BytesWritten(row) : 0;
    char* at = record + row.offset;
    for (int element = 0; element < row.count; ++element, at += stride)
        if (!ReadElement(row, fields, next, at, record))
            return false;
    return true;
}

} // namespace field_reading
