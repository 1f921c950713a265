// Framing of a received sentence: the checksum test, the rewriting of empty fields and
// the split of the data fields.
//
//   $GPGGA,123519,4807.038,N,...,M,,*47\r\n
//   ^start ^address field ends at the first comma; the checksum covers the characters
//   between the start character and the asterisk; two uppercase hexadecimal digits and
//   CR LF end the line.
#pragma once

#include "nmea/SentenceTypes.h"

// True when the line has a "*" followed by two digits that match the XOR of the
// characters between its start character and that "*". Digits are upper case.
bool VerifyChecksum(const char* line);

// Longest expanded line, CR LF included.
inline constexpr size_t kMaxExpandedLength = 98;

// Writes a space into every empty field (",," becomes ", ," and ",*" becomes ", *") so
// that a parser recognises an empty field by its leading space. False, with the buffer
// unchanged, when the result would be longer than kMaxExpandedLength characters.
bool ExpandEmptyFields(char* buffer);

// Most data fields any sentence has.
inline constexpr int kMaxDataFields = 19;

// The data fields of an expanded sentence. Field k (1 based) runs from comma k to comma
// k + 1; the last field runs to the first "*" after the last comma.
class FieldList {
public:
    // Counts the commas of `text`, which starts at the start character.
    explicit FieldList(char* text);

    int Count() const { return commas_; }

    // Cuts the fields apart in the text (each delimiter becomes a NUL). False when the
    // last field has no "*" after it.
    bool Terminate();

    // Field k (1 based), its leading spaces skipped unless it is made of spaces only,
    // so an empty field reads as one space.
    char* Field(int k) const;

private:
    int commas_ = 0;
    char* comma_[kMaxDataFields + 1];
};

// True when the sentence has exactly `n` data fields.
inline bool HasFieldCount(const FieldList& fields, int n) {
    return fields.Count() == n;
}

// True when a field read from the list was empty in the sentence.
inline bool IsEmptyField(const char* field) {
    return field[0] == ' ';
}
