#include "nmea/Framing.h"

#include "session/Checksum.h"

#include <cstring>
#include <string_view>

namespace {

// Value of one checksum digit; anything but 0-9 and A-F gives a value that cannot match
// in general, which is how a lower-case digit fails.
int DigitValue(unsigned char c) {
    return c <= '9' ? c - '0' : c - 'A' + 10;
}

} // namespace

bool VerifyChecksum(const char* line) {
    // The "*" is looked for from the third character on and must leave room for its two
    // digits; a line without one fails.
    std::ptrdiff_t length = static_cast<std::ptrdiff_t>(std::strlen(line));
    std::ptrdiff_t star = 2;
    while (star <= length - 3 && line[star] != '*')
        ++star;
    if (star > length - 3)
        return false;
    uint8_t sum = SentenceChecksum(std::string_view(line, static_cast<size_t>(star)));
    int stated = 16 * DigitValue(static_cast<unsigned char>(line[star + 1])) +
                 DigitValue(static_cast<unsigned char>(line[star + 2]));
    return (stated & 0xFF) == sum;
}

bool ExpandEmptyFields(char* buffer) {
    char work[kSentenceBufferSize];
    size_t length = 0;
    for (const char* p = buffer; *p != '\0'; ++p) {
        bool empty = *p == ',' && (p[1] == ',' || p[1] == '*');
        if (length + (empty ? 2 : 1) > kMaxExpandedLength)
            return false;
        work[length++] = *p;
        if (empty)
            work[length++] = ' ';
    }
    std::memcpy(buffer, work, length);
    buffer[length] = '\0';
    return true;
}

FieldList::FieldList(char* text) {
    for (char* p = std::strchr(text, ','); p != nullptr; p = std::strchr(p + 1, ',')) {
        if (commas_ <= kMaxDataFields)
            comma_[commas_] = p;
        ++commas_;
    }
}

bool FieldList::Terminate() {
    if (commas_ == 0 || commas_ > kMaxDataFields)
        return false;
    char* last = comma_[commas_ - 1];
    char* star = std::strchr(last + 1, '*');
    if (star == nullptr)
        return false;
    for (int k = 0; k < commas_; ++k)
        *comma_[k] = '\0';
    *star = '\0';
    return true;
}

char* FieldList::Field(int k) const {
    char* start = comma_[k - 1] + 1;
    char* text = start;
    while (*text == ' ')
        ++text;
    return *text == '\0' ? start : text;
}
