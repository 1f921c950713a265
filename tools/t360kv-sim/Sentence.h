// Completing the sentences the simulated receiver sends and checking the ones it gets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The body ("$GNGGA,..." or "!AIVDM,...") followed by "*" and its two checksum digits;
// the line end is added when the line is written.
std::string CompleteSentence(std::string body);

// True when the line is a "$" or "!" sentence that ends in "*" and the two upper-case
// digits of the checksum of the characters before the asterisk.
bool HasValidChecksum(std::string_view line);

// The comma-separated fields of a sentence body, the address field first.
std::vector<std::string_view> SplitFields(std::string_view body);
