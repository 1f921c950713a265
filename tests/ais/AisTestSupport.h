// Helpers for the AIS tests: messages written field by field and armoured into payload
// text, the sentences that carry a payload, and parsed sentences for the joiner.
#pragma once

#include "ais/AisBits.h"
#include "ais/AisMessageDecoder.h"
#include "nmea/Checksum.h"
#include "nmea/SentenceDecoder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The bits of one message, most significant first, as the air interface sends them.
class AisBitWriter {
public:
    // The low `width` bits of `value` (two's complement for a negative one).
    AisBitWriter& Put(int64_t value, int width) {
        for (int i = width - 1; i >= 0; --i)
            bits_.push_back((static_cast<uint64_t>(value) >> i & 1) != 0);
        return *this;
    }
    // `characters` six-bit characters of `text`, padded with "@".
    AisBitWriter& PutText(std::string_view text, int characters) {
        for (int i = 0; i < characters; ++i) {
            auto c = static_cast<uint8_t>(static_cast<size_t>(i) < text.size() ? text[i] : '@');
            Put(c >= 64 ? c - 64 : c, 6);
        }
        return *this;
    }
    // Zero bits up to `count`; then up to a whole byte.
    AisBitWriter& PadTo(size_t count) {
        bits_.resize(std::max(bits_.size(), count), false);
        return *this;
    }
    AisBitWriter& PadToBytes() { return PadTo((bits_.size() + 7) / 8 * 8); }
    size_t Size() const { return bits_.size(); }

    // The armoured text; `fillBits` gets the zero bits added to end on a whole character.
    std::string Armour(int& fillBits) const {
        std::string text;
        size_t characters = (bits_.size() + 5) / 6;
        for (size_t c = 0; c < characters; ++c) {
            int value = 0;
            for (size_t b = c * 6; b < c * 6 + 6; ++b)
                value = value << 1 | (b < bits_.size() && bits_[b] ? 1 : 0);
            text += static_cast<char>(value < 40 ? value + 48 : value + 56);
        }
        fillBits = static_cast<int>(characters * 6 - bits_.size());
        return text;
    }

private:
    std::vector<bool> bits_;
};

// Where a message goes: formatter with its talker, channel and sequential identifier
// (empty when below 0).
struct AisRoute {
    std::string address = "!AIVDM";
    std::string channel = "A";
    int sequence = -1;
};

// One encapsulation sentence, completed with its checksum and CR LF.
inline std::string AisSentence(const AisRoute& route, int total, int number,
                               std::string_view payload, int fillBits) {
    std::string line = route.address + "," + std::to_string(total) + "," + std::to_string(number) +
                       "," + (route.sequence < 0 ? "" : std::to_string(route.sequence)) + "," +
                       route.channel + "," + std::string(payload) + "," + std::to_string(fillBits);
    AppendChecksum(line);
    return line;
}

// The sentences of `payload`, cut after every `perSentence` characters; the fill bits
// go with the last.
inline std::vector<std::string> AisSentences(const AisRoute& route, std::string_view payload,
                                             int fillBits, size_t perSentence = 60) {
    std::vector<std::string> lines;
    int total = static_cast<int>((payload.size() + perSentence - 1) / perSentence);
    if (total == 0)
        total = 1;
    for (int number = 1; number <= total; ++number) {
        std::string_view part =
            payload.substr(static_cast<size_t>(number - 1) * perSentence, perSentence);
        lines.push_back(AisSentence(route, total, number, part, number == total ? fillBits : 0));
    }
    return lines;
}

// The lines of a whole message written by `bits`.
inline std::vector<std::string> AisMessageSentences(const AisBitWriter& bits,
                                                    const AisRoute& route = {}) {
    int fillBits = 0;
    std::string payload = bits.Armour(fillBits);
    return AisSentences(route, payload, fillBits);
}

// Parses a complete line into `sentence`; false when the parser refuses it.
inline bool ParseLine(const std::string& line, DecodedSentence& sentence) {
    SentenceBuffer buffer{};
    std::memcpy(buffer, line.data(), std::min(line.size(), sizeof buffer - 1));
    return ParseSentence(buffer, sentence);
}

// A joined message as the joiner leaves it.
inline PendingVdm PendingWith(std::string_view payload, int fillBits) {
    PendingVdm pending{};
    size_t length = std::min(payload.size(), kJoinedPayloadCapacity);
    std::memcpy(pending.Payload, payload.data(), length);
    pending.Length = static_cast<uint8_t>(length);
    pending.FillBits = static_cast<int8_t>(fillBits);
    return pending;
}

// Decodes the message written by `writer`, padded to whole bytes.
inline bool DecodeWritten(AisBitWriter writer, AisMessage& message) {
    int fillBits = 0;
    std::string payload = writer.PadToBytes().Armour(fillBits);
    AisBitBuffer bits{};
    EXPECT_TRUE(DearmourPayload(PendingWith(payload, fillBits), bits)) << payload;
    message = AisMessage{};
    return DecodeAisMessage(bits, message);
}
