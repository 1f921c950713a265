#include "nmea/FieldLayout.h"

#include "nmea/Converters.h"
#include "nmea/EquipmentFields.h"

#include <cstring>

namespace {

template <typename T> void Store(char* at, T value) {
    std::memcpy(at, &value, sizeof value);
}

template <typename T> bool Outside(const FieldSpec& spec, T value) {
    return value < static_cast<T>(spec.low) || value > static_cast<T>(spec.high);
}

// Applies the row's rule to a number; false when it rejects the sentence.
template <typename T> bool ApplyRule(const FieldSpec& spec, bool empty, T& value) {
    if (empty && spec.rule != frRejectEmpty)
        return true;
    switch (spec.rule) {
    case frReplace:
        if (Outside(spec, value))
            value = static_cast<T>(spec.replacement);
        return true;
    case frReject:
    case frRejectEmpty:
        return !Outside(spec, value);
    case frLowByte:
        value = static_cast<T>(static_cast<int64_t>(value) & 0xFF);
        return true;
    default:
        return true;
    }
}

// An integer of the field's width: the number as written, truncated to the width, then
// judged by the rule.
template <typename T> bool ReadInteger(const FieldSpec& spec, std::string_view field, char* at) {
    bool empty = spec.hasMarker && IsEmptyField(field);
    int64_t value =
        static_cast<T>(empty ? static_cast<int64_t>(spec.marker) : ParseInteger(field.data()));
    if (spec.rule != frNone && !ApplyRule(spec, empty, value))
        return false;
    Store(at, static_cast<T>(value));
    return true;
}

bool ReadReal(const FieldSpec& spec, std::string_view field, char* at) {
    bool empty = spec.hasMarker && IsEmptyField(field);
    float value = empty ? static_cast<float>(spec.marker) : ParseReal(field.data());
    if (spec.rule != frNone && !ApplyRule(spec, empty, value))
        return false;
    Store(at, value);
    return true;
}

bool ReadText(const FieldSpec& spec, std::string_view field, char* at, const char* record) {
    size_t length = field.size();
    if (spec.rule == frPayloadLength) {
        int8_t sequentialId = reinterpret_cast<const EncapsulationFields*>(record)->SequentialId;
        size_t limit = sequentialId >= 1 && sequentialId <= 9 ? 63 : 62;
        if (length > limit)
            return false;
    }
    if (spec.hasMarker && IsEmptyField(field))
        length = 0;
    if (length > spec.capacity)
        length = spec.capacity;
    std::memcpy(at, field.data(), length);
    at[length] = '\0';
    return true;
}

// The receiver's hexadecimal fields: digits are read in pairs, a bad digit rejects.
bool ReadHexTriple(std::string_view field, char* at) {
    uint8_t bytes[3] = {0, 0, 0};
    if (!IsEmptyField(field) && field.size() == 6)
        for (size_t i = 0; i < 3; ++i)
            if (!ParseHexByte(field.data() + 2 * i, 2, bytes[i]))
                return false;
    std::memcpy(at, bytes, sizeof bytes);
    return true;
}

bool ReadHexByte(const FieldSpec& spec, std::string_view field, char* at) {
    bool flagged = spec.kind == fkFlaggedHexByte;
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

void ReadHexString(std::string_view field, char* at) {
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
bool ReadElement(const FieldSpec& spec, const FieldList& fields, int& next, char* at,
                 const char* record) {
    switch (spec.kind) {
    case fkInt8:
        return ReadInteger<int8_t>(spec, fields.Field(next++), at);
    case fkUInt8:
        return ReadInteger<uint8_t>(spec, fields.Field(next++), at);
    case fkInt16:
        return ReadInteger<int16_t>(spec, fields.Field(next++), at);
    case fkInt32:
        return ReadInteger<int32_t>(spec, fields.Field(next++), at);
    case fkReal:
        return ReadReal(spec, fields.Field(next++), at);
    case fkChar: {
        std::string_view field = fields.Field(next++);
        bool empty = spec.hasMarker && IsEmptyField(field);
        if (spec.rule == frSingleChar && field.size() != 1)
            return false;
        Store(at, empty ? static_cast<char>(spec.marker) : field[0]);
        return true;
    }
    case fkText:
        return ReadText(spec, fields.Field(next++), at, record);
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
        return fields.Field(next++) == spec.literal;
    case fkSetInt8:
        Store(at, static_cast<int8_t>(spec.marker));
        return true;
    case fkSetChar:
        Store(at, static_cast<char>(spec.marker));
        return true;
    case fkHexTriple:
        return ReadHexTriple(fields.Field(next++), at);
    case fkHexByte:
    case fkFlaggedHexByte:
        return ReadHexByte(spec, fields.Field(next++), at);
    case fkHexString:
        ReadHexString(fields.Field(next++), at);
        return true;
    }
    return false;
}

} // namespace

bool ReadFields(const SentenceLayout& layout, const FieldList& fields, char* record) {
    int next = 1;
    for (const FieldSpec& spec : layout.fields) {
        char* at = record + spec.offset;
        if (!ReadElement(spec, fields, next, at, record))
            return false;
        if (spec.count > 1) {
            size_t stride = BytesWritten(spec);
            for (int element = 1; element < spec.count; ++element)
                if (!ReadElement(spec, fields, next, at += stride, record))
                    return false;
        }
    }
    return true;
}
