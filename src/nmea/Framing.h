// Framing of a received sentence: the checksum test, the rewriting of empty fields and
// the split of the data fields.
//
//   $GPGGA,123519,4807.038,N,...,M,,*47\r\n
//   ^start ^address field ends at the first comma; the checksum covers the characters
//   between the start character and the asterisk; two uppercase hexadecimal digits and
//   CR LF end the line.
#pragma once

#include "nmea/SentenceTypes.h"

#include <cstdint>
#include <string_view>

// True when the line of `length` characters has a "*" followed by two digits that match
// the XOR of the characters between its start character and that "*". Digits are upper
// case. The "*" is the first from the third character on; its position goes to `star`
// when given.
bool VerifyChecksum(const char* line, size_t length, size_t* star = nullptr);

// Longest expanded line, CR LF included.
inline constexpr size_t kMaxExpandedLength = 98;

// Writes a space into every empty field (",," becomes ", ," and ",*" becomes ", *") so
// that a parser recognises an empty field by its leading space; `length` follows. False,
// with the buffer unchanged, when the result would be longer than kMaxExpandedLength.
bool ExpandEmptyFields(char* buffer, size_t& length);

// The data fields of a sentence. Field k (1 based) runs from comma k to comma k + 1; the
// last field runs to the first "*" after the last comma. The list reads a line as if its
// empty fields had been expanded: an empty field reads as one space. The line is not
// changed: each field's text stays followed by its delimiter (a comma or "*"), which no
// number converter reads past.
class FieldList {
public:
    // Finds the commas and the empty fields of the `length` characters of `line` in one
    // pass.
    FieldList(const char* line, size_t length);

    int Count() const { return commas_; }

    // Length of the line once every empty field holds its space.
    size_t ExpandedLength() const { return length_ + emptyFields_; }
    // True when an empty field starts before `position`: expanding it moves the characters
    // that the address field is read from.
    bool HasEmptyFieldBefore(size_t position) const { return firstEmptyField_ < position; }

    // Forgets the commas before `position`, where a rewritten sentence now starts.
    void StartAt(size_t position);

    // Finds where the last field ends. False when no "*" follows the last comma.
    // `firstStar`, the position of the first "*" of the line when known, saves the search
    // when it lies after the last comma.
    bool FindEnd(size_t firstStar = 0);

    // Field k (1 based), its leading spaces skipped unless it is made of spaces only,
    // so an empty field reads as one space.
    std::string_view Field(int k) const {
        const char* start = line_ + comma_[k - 1] + 1;
        const char* end = line_ + (k < commas_ ? comma_[k] : end_);
        if (start == end)
            return " ";
        const char* text = start;
        while (text < end && *text == ' ')
            ++text;
        return text == end ? std::string_view(start, static_cast<size_t>(end - start))
                           : std::string_view(text, static_cast<size_t>(end - text));
    }

private:
    const char* line_;
    size_t length_;
    int commas_ = 0;
    uint8_t comma_[kSentenceBufferSize]; // positions of the commas
    size_t end_ = 0;                     // position of the "*" that ends the last field
    size_t emptyFields_ = 0;
    size_t firstEmptyField_ = SIZE_MAX;
};

// True when the sentence has exactly `n` data fields.
inline bool HasFieldCount(const FieldList& fields, int n) {
    return fields.Count() == n;
}

// True when a field read from the list was empty in the sentence.
inline bool IsEmptyField(std::string_view field) {
    return field[0] == ' ';
}
