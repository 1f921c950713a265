// Helpers for the sentence decoder's tests: complete a sentence body with its checksum
// and decode it the way the GPS status page does, in a fresh buffer.
#pragma once

#include "nmea/Checksum.h"
#include "nmea/SentenceDecoder.h"

#include <cstring>
#include <memory>
#include <string>

// "$GPGGA,..." becomes "$GPGGA,...*hh\r\n".
inline std::string WithChecksum(std::string body) {
    AppendChecksum(body);
    return body;
}

// Copies a line into a decoder buffer.
inline void Load(SentenceBuffer& buffer, const std::string& line) {
    std::memset(buffer, 0, sizeof buffer);
    std::memcpy(buffer, line.data(), std::min(line.size(), sizeof buffer - 1));
}

// The decoder's records on the heap (they are large), zeroed like the program's.
struct TestDecoder {
    std::unique_ptr<DecoderState> owned = std::make_unique<DecoderState>();
    DecoderState& state = *owned;
    DecodedSentence& sentence = state.Sentence;
    NavigationState& navigation = state.Navigation;
    DecodeResult result = drDecoded;

    // Decodes `body` completed with its checksum.
    bool Decode(const std::string& body) { return DecodeLine(WithChecksum(body)); }
    bool DecodeLine(const std::string& line) {
        SentenceBuffer buffer;
        Load(buffer, line);
        return DecodeSentence(buffer, state, &result);
    }
    // Parses without merging.
    bool Parse(const std::string& body) {
        SentenceBuffer buffer;
        Load(buffer, WithChecksum(body));
        return ParseSentence(buffer, sentence, &result);
    }
};
