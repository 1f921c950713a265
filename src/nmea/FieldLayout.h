// Sentence layouts as data: each formatter's data fields are a list of rows (kind,
// name, place in its field record, null marker, rule) that one generic reader walks.
#pragma once

#include "nmea/Framing.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

enum FieldKind : uint8_t {
    fkInt8, // signed integers of that width, truncated to it
    fkUInt8,
    fkInt16,
    fkInt32,
    fkReal,           // 32-bit float
    fkChar,           // the first character of the field
    fkText,           // NUL-terminated copy, cut to `capacity` characters
    fkTime,           // UtcTime
    fkDate,           // UtcDate from ddmmyy
    fkLatLon,         // four fields (latitude, N/S, longitude, E/W) to a GeoPoint
    fkSkip,           // a field that is read and not kept
    fkLiteral,        // a field that must read exactly `literal`; not kept
    fkSetInt8,        // reads no field: stores `marker`
    fkSetChar,        // reads no field: stores `marker` as a character
    fkHexTriple,      // six hexadecimal digits to three bytes; any other length gives zeros
    fkHexByte,        // up to two hexadecimal digits to a byte; longer leaves it unwritten
    fkFlaggedHexByte, // as fkHexByte, followed by a presence byte (0 when empty)
    fkHexString,      // 2 to 18 hexadecimal digits, even, to 9 bytes and a count
};

enum FieldRule : uint8_t {
    frNone,
    frReplace,       // a value outside low..high is stored as `replacement`
    frReject,        // a value outside low..high rejects the sentence
    frRejectEmpty,   // as frReject, and an empty field's marker is judged as well
    frSingleChar,    // the field must be exactly one character long
    frLowByte,       // only the low 8 bits of the value are kept
    frPayloadLength, // 62 characters at most, 63 when the sequential identifier is 1..9
};

// A rule never applies to the marker of an empty field, except frRejectEmpty.
struct FieldRow {
    FieldKind kind;
    std::string_view name; // in snake_case, for the tools that print decoded sentences
    uint16_t offset;       // within the formatter's field record
    uint8_t count = 1;     // consecutive array elements of the same kind
    uint8_t capacity = 0;  // characters kept of a text
    bool hasMarker = false;
    double marker = 0; // stored for an empty field (text: the empty text)
    FieldRule rule = frNone;
    double low = 0;
    double high = 0;
    double replacement = 0;
    const char* literal = nullptr;

    constexpr FieldRow Empty(double value) const {
        FieldRow row = *this;
        row.hasMarker = true;
        row.marker = value;
        return row;
    }
    constexpr FieldRow EmptyText() const { return Empty(0); }
    constexpr FieldRow Elements(uint8_t n) const {
        FieldRow row = *this;
        row.count = n;
        return row;
    }
    constexpr FieldRow Replace(double from, double to, double value) const {
        FieldRow row = Ranged(frReplace, from, to);
        row.replacement = value;
        return row;
    }
    constexpr FieldRow Reject(double from, double to) const { return Ranged(frReject, from, to); }
    constexpr FieldRow RejectEmpty(double from, double to) const {
        return Ranged(frRejectEmpty, from, to);
    }
    constexpr FieldRow Rule(FieldRule r) const { return Ranged(r, 0, 0); }

private:
    constexpr FieldRow Ranged(FieldRule r, double from, double to) const {
        FieldRow row = *this;
        row.rule = r;
        row.low = from;
        row.high = to;
        return row;
    }
};

constexpr FieldRow Field(FieldKind kind, std::string_view name, size_t offset) {
    return FieldRow{kind, name, static_cast<uint16_t>(offset)};
}
constexpr FieldRow TextField(std::string_view name, size_t offset, size_t capacity) {
    FieldRow row = Field(fkText, name, offset);
    row.capacity = static_cast<uint8_t>(capacity);
    return row;
}
constexpr FieldRow SetField(FieldKind kind, std::string_view name, size_t offset, double value) {
    return Field(kind, name, offset).Empty(value);
}
constexpr FieldRow LiteralField(const char* literal) {
    FieldRow row = Field(fkLiteral, "", 0);
    row.literal = literal;
    return row;
}

// Sentence fields a row consumes, and bytes it writes per element.
constexpr int FieldsRead(const FieldRow& row) {
    switch (row.kind) {
    case fkLatLon:
        return 4 * row.count;
    case fkSetInt8:
    case fkSetChar:
        return 0;
    default:
        return row.count;
    }
}
constexpr size_t BytesWritten(const FieldRow& row) {
    switch (row.kind) {
    case fkInt8:
    case fkUInt8:
    case fkChar:
    case fkSetInt8:
    case fkSetChar:
    case fkHexByte:
        return 1;
    case fkInt16:
    case fkFlaggedHexByte:
        return 2;
    case fkHexTriple:
        return 3;
    case fkInt32:
    case fkReal:
    case fkTime:
    case fkDate:
        return 4;
    case fkLatLon:
        return 8;
    case fkText:
        return row.capacity + 1u;
    case fkHexString:
        return 10;
    case fkSkip:
    case fkLiteral:
        return 0;
    }
    return 0;
}

// One accepted form of a sentence: its exact number of data fields and their rows.
struct SentenceLayout {
    uint8_t dataFields;
    std::span<const FieldRow> fields;
    // The rows compiled into straight-line code (see CompiledLayout), or null.
    bool (*read)(const FieldList& fields, char* record) = nullptr;
};

constexpr SentenceLayout Layout(std::span<const FieldRow> fields) {
    int total = 0;
    for (const FieldRow& row : fields)
        total += FieldsRead(row);
    return SentenceLayout{static_cast<uint8_t>(total), fields};
}

// Rows of several lists one after the other, for layouts that share their first rows.
template <size_t... N> constexpr auto Concat(const std::array<FieldRow, N>&... parts) {
    std::array<FieldRow, (N + ...)> rows{};
    size_t next = 0;
    ((std::copy(parts.begin(), parts.end(), rows.begin() + static_cast<std::ptrdiff_t>(next)),
      next += parts.size()),
     ...);
    return rows;
}
template <size_t K, size_t N>
constexpr std::array<FieldRow, K> First(const std::array<FieldRow, N>& rows) {
    static_assert(K <= N);
    std::array<FieldRow, K> first{};
    std::copy(rows.begin(), rows.begin() + K, first.begin());
    return first;
}

// True when every row writes inside a record of `recordSize` bytes and no two rows
// write the same bytes, so that a row of the wrong kind cannot spill into the next.
// Rows that store into the same field in different layouts are checked per layout.
constexpr bool RowsFitRecord(std::span<const FieldRow> fields, size_t recordSize) {
    for (size_t i = 0; i < fields.size(); ++i) {
        size_t begin = fields[i].offset;
        size_t end = begin + BytesWritten(fields[i]) * fields[i].count;
        if (end > recordSize)
            return false;
        for (size_t j = i + 1; j < fields.size(); ++j) {
            size_t otherBegin = fields[j].offset;
            size_t otherEnd = otherBegin + BytesWritten(fields[j]) * fields[j].count;
            if (begin < end && otherBegin < otherEnd && begin < otherEnd && otherBegin < end)
                return false;
        }
    }
    return true;
}

// Reads the data fields of `layout` from a terminated FieldList into the field record
// at `record`. False when a rule rejects; the rows before it are stored.
bool ReadFields(const SentenceLayout& layout, const FieldList& fields, char* record);
