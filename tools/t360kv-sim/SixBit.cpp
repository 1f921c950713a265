#include "SixBit.h"

#include <cctype>

namespace {

// The six-bit value of a character of the AIS set: "@".."_" are 0..31, " ".."?" 32..63.
uint32_t SixBitCharacter(char c) {
    auto code = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(c)));
    if (code >= 64 && code <= 95)
        return code - 64u;
    if (code >= 32 && code <= 63)
        return code;
    return '?';
}

char ArmourCharacter(uint32_t value) {
    // 0..39 become "0".."W", 40..63 skip to "`".."w".
    return static_cast<char>(value < 40 ? value + 48 : value + 56);
}

} // namespace

void AisBitWriter::Unsigned(uint32_t value, int width) {
    for (int bit = width - 1; bit >= 0; --bit)
        bits_.push_back(((value >> bit) & 1u) != 0);
}

void AisBitWriter::Signed(int32_t value, int width) {
    Unsigned(static_cast<uint32_t>(value), width);
}

void AisBitWriter::Text(std::string_view text, int characters) {
    for (int i = 0; i < characters; ++i)
        Unsigned(static_cast<size_t>(i) < text.size()
                     ? SixBitCharacter(text[static_cast<size_t>(i)])
                     : 0u,
                 6);
}

AisPayload AisBitWriter::Armour() const {
    AisPayload payload;
    payload.FillBits = static_cast<int>((6 - bits_.size() % 6) % 6);
    for (size_t start = 0; start < bits_.size(); start += 6) {
        uint32_t value = 0;
        for (size_t i = start; i < start + 6; ++i)
            value = (value << 1) | (i < bits_.size() && bits_[i] ? 1u : 0u);
        payload.Text += ArmourCharacter(value);
    }
    return payload;
}
