#include "DecodeBytes.h"

#include "FreshDecoderState.h"

#include "SentenceJson.h"

#include "nmea/GpsLineFilter.h"
#include "nmea/SentenceDecoder.h"
#include "session/LineSplitter.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// The decoded fields are also printed, as `t360kv decode` does, to a sink.
JsonWriter& Sink() {
    static std::FILE* null = std::fopen("/dev/null", "w");
    static JsonWriter json(null);
    return json;
}

void Decode(SentenceBuffer& buffer, DecoderState& state) {
    NavigationState before = state.Navigation;
    DecodeResult result;
    DecodeSentence(buffer, state, &result);
    bool accepted = result == drDecoded || result == drEncapsulated;
    if (!accepted && std::memcmp(&before, &state.Navigation, sizeof before) != 0)
        std::abort();
    if (accepted) {
        const FormatterRow* row = FindFormatter(state.Sentence.Formatter);
        if (row == nullptr)
            std::abort();
        WriteSentenceFields(Sink(), *row, state.Sentence);
        WriteNavigation(Sink(), state.Navigation);
        Sink().EndLine();
    }
}

void DecodeLine(std::string_view line, bool overLong, DecoderState& state, uint32_t& linesRead) {
    // The AIS clock steps a second a line, as `t360kv decode` steps it, so that which
    // station's entry is reused depends on the input alone.
    SetAisClock(state.Ais.Clock, ++linesRead);
    if (overLong)
        return;
    SentenceBuffer buffer;
    std::memcpy(buffer, line.data(), line.size());
    std::memcpy(buffer + line.size(), "\r\n", 3);
    if (PassesGpsLineFilter(buffer, line.size() + 2))
        Decode(buffer, state);
}

} // namespace

void DecodeArbitraryBytes(const uint8_t* bytes, size_t size) {
    static FreshDecoderState kept;
    DecodeArbitraryBytesWithState(bytes, size, kept.Take());
}

void DecodeArbitraryBytesWithState(const uint8_t* bytes, size_t size, DecoderState& state) {
    uint32_t linesRead = 0;
    auto decodeLine = [&](std::string_view line, bool overLong) {
        DecodeLine(line, overLong, state, linesRead);
    };
    LineSplitter lines;
    lines.Feed({reinterpret_cast<const char*>(bytes), size}, decodeLine);
    lines.Finish(decodeLine);

    // A whole buffer of whatever came, up to its capacity: no CR LF, NUL bytes, any length.
    SentenceBuffer buffer;
    size_t take = size < sizeof buffer - 1 ? size : sizeof buffer - 1;
    std::memcpy(buffer, bytes, take);
    buffer[take] = '\0';
    SetAisClock(state.Ais.Clock, ++linesRead);
    Decode(buffer, state);
}
