#include "nmea/Checksum.h"

uint8_t SentenceChecksum(std::string_view text) {
    uint8_t sum = 0;
    for (size_t i = 1; i < text.size(); ++i)
        sum ^= static_cast<uint8_t>(text[i]);
    return sum;
}

bool AppendChecksum(std::string& text) {
    if (text.size() >= 65535)
        return false;
    static constexpr char kHex[] = "0123456789ABCDEF";
    uint8_t sum = SentenceChecksum(text);
    text += '*';
    text += kHex[sum >> 4];
    text += kHex[sum & 0x0F];
    text += "\r\n";
    return true;
}
