// Building AIS message bits field by field and armouring them as the six-bit payload
// text of VDM sentences.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct AisPayload {
    std::string Text; // armoured characters "0".."W" and "`".."w"
    int FillBits = 0; // bits added to make the last character whole, 0 to 5
};

class AisBitWriter {
public:
    // The low `width` bits of `value`, most significant first.
    void Unsigned(uint32_t value, int width);
    // A two's-complement number in `width` bits.
    void Signed(int32_t value, int width);
    // `characters` six-bit characters: upper-case letters, digits, blanks and the
    // punctuation of the AIS character set; short text is filled with "@". A character
    // outside the set goes out as "?".
    void Text(std::string_view text, int characters);

    size_t BitCount() const { return bits_.size(); }
    AisPayload Armour() const;

private:
    std::vector<bool> bits_;
};
