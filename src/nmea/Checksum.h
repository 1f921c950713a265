// The NMEA 0183 checksum: the XOR of the characters between the start character and
// the asterisk, written as two uppercase hexadecimal digits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// XOR of every character of `text` after its first (the "$" or "!").
uint8_t SentenceChecksum(std::string_view text);

// Completes a sentence given without its checksum: appends "*", the two digits, CR and
// LF. A text of 65535 characters or more is left unchanged and the result is false.
bool AppendChecksum(std::string& text);
