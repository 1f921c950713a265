#include "AisSequences.h"

#include "AisJson.h"
#include "FreshDecoderState.h"

#include "ais/AisMessageDecoder.h"
#include "nmea/Checksum.h"
#include "nmea/GpsLineFilter.h"
#include "nmea/SentenceDecoder.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

JsonWriter& Sink() {
    static std::FILE* null = std::fopen("/dev/null", "w");
    static JsonWriter json(null);
    return json;
}

void Require(bool promise) {
    if (!promise)
        std::abort();
}

// The counts of the entries in use (the others are never touched), their number and the
// entry last updated.
struct TableMark {
    int64_t counts[kAisTargetCapacity];
    int32_t count;
    int32_t lastIndex;
    int32_t lastType;

    void Take(const AisTargetTable& table) {
        for (int32_t i = 0; i < table.Count; ++i)
            counts[i] = int64_t{table.Targets[i].VdmCount} + table.Targets[i].VdoCount;
        count = table.Count;
        lastIndex = table.LastIndex;
        lastType = table.LastType;
    }
};

// Every text of the decoded message ends inside the record.
void CheckTexts(const AisState& ais) {
    const AisFieldTable* table = AisTableOf(ais.Message);
    Require(table != nullptr);
    size_t offset = 0;
    for (const AisField& field : *table) {
        if (offset >= kAisMessageSize)
            break;
        if (field.Kind == akText || field.Kind == akTextToEnd) {
            const char* text = reinterpret_cast<const char*>(ais.Message.Bytes + offset);
            Require(strnlen(text, kAisMessageSize - offset) < kAisMessageSize - offset);
        }
        offset += AisStoredSize(field);
    }
}

// With `everyEntry`, the counts of all entries are compared, not only the updated one's.
void Decode(std::string_view text, DecoderState& state, bool everyEntry, uint32_t& lines) {
    // The AIS clock steps a second a line, as `t360kv decode` steps it, so that which
    // station's entry is reused depends on the input alone.
    SetAisClock(state.Ais.Clock, ++lines);
    // One text for every line, so that a line costs no allocation (under the sanitizers
    // an allocation costs more than decoding the line); it holds nothing between lines.
    static std::string line;
    line.assign(text);
    size_t star = line.rfind('*');
    if (star != std::string::npos && star + 3 >= line.size())
        line.resize(star);
    if (!AppendChecksum(line) || !PassesGpsLineFilter(line.data(), line.size()))
        return;
    SentenceBuffer buffer;
    std::memcpy(buffer, line.c_str(), line.size() + 1);

    const AisTargetTable& table = state.Ais.Targets;
    static TableMark before;
    if (everyEntry)
        before.Take(table);
    int32_t lastIndex = table.LastIndex;
    int64_t lastCounts = lastIndex < 0 ? 0
                                       : int64_t{table.Targets[lastIndex].VdmCount} +
                                             table.Targets[lastIndex].VdoCount;
    bool message = DecodeSentence(buffer, state) && CarriesAisMessage(state.Sentence);
    int32_t updated = message ? table.LastIndex : -1;
    Require(table.Count >= 1 && table.Count <= kAisTargetCapacity);
    Require(updated < table.Count);
    if (!message) {
        Require(table.LastIndex == lastIndex &&
                (lastIndex < 0 ||
                 int64_t{table.Targets[lastIndex].VdmCount} + table.Targets[lastIndex].VdoCount ==
                     lastCounts));
        if (everyEntry)
            Require(table.Count == before.count && table.LastType == before.lastType);
    }
    // Only the updated entry's count changes: one more, or one for a new station.
    for (int32_t i = 0; everyEntry && i < table.Count; ++i) {
        int64_t counts = int64_t{table.Targets[i].VdmCount} + table.Targets[i].VdoCount;
        int64_t was = i < before.count ? before.counts[i] : 0;
        Require(i == updated ? counts == was + 1 || counts == 1 : counts == was);
    }
    if (!message)
        return;
    CheckTexts(state.Ais);
    WriteAisMessage(Sink(), state.Ais, state.Sentence);
    Sink().EndLine();
}

// The armoured payload of a 168-bit position report from `mmsi`.
std::string PositionReport(uint32_t mmsi) {
    uint8_t bits[21] = {};
    bits[0] = 1 << 2; // type 1, repeat 0
    for (int i = 0; i < 30; ++i)
        if ((mmsi >> (29 - i) & 1) != 0)
            bits[(8 + i) / 8] |= static_cast<uint8_t>(0x80 >> ((8 + i) % 8));
    std::string payload;
    for (int c = 0; c < 28; ++c) {
        int value = 0;
        for (int b = c * 6; b < c * 6 + 6; ++b)
            value = value << 1 | (bits[b / 8] >> (7 - b % 8) & 1);
        payload += static_cast<char>(value < 40 ? value + 48 : value + 56);
    }
    return payload;
}

void Flood(std::string_view arguments, DecoderState& state, uint32_t& lines) {
    char* end = nullptr;
    std::string text(arguments);
    unsigned long stations = std::strtoul(text.c_str(), &end, 10);
    unsigned long first = std::strtoul(end, nullptr, 10);
    stations = stations > 2600 ? 2600 : stations;
    for (unsigned long i = 0; i < stations; ++i)
        Decode("!AIVDM,1,1,,A," + PositionReport(static_cast<uint32_t>(first + i)) + ",0", state,
               false, lines);
}

constexpr uint64_t WordHash(std::string_view word) {
    uint64_t hash = 14695981039346656037u;
    for (char c : word)
        hash = (hash ^ static_cast<uint8_t>(c)) * 1099511628211u;
    return hash;
}

// A flood costs thousands of decodes. Shown the keyword by its comparison, the fuzzer
// wrote it into about one input in two hundred and spent over a third of its time on
// them; compared as a hash outside its coverage, the keyword stays out of its sight, and
// the kept flood input runs in the regression test.
#if defined(__clang__)
__attribute__((no_sanitize("coverage")))
#endif
bool IsFlood(std::string_view line) {
    return line.size() >= 6 && WordHash(line.substr(0, 6)) == WordHash("flood ");
}

} // namespace

void DecodeAisSequence(const uint8_t* bytes, size_t size) {
    static FreshDecoderState kept;
    DecodeAisSequenceWithState(bytes, size, kept.Take());
}

void DecodeAisSequenceWithState(const uint8_t* bytes, size_t size, DecoderState& state) {
    uint32_t lines = 0;
    std::string_view input(reinterpret_cast<const char*>(bytes), size);
    while (!input.empty()) {
        size_t end = input.find('\n');
        std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (IsFlood(line))
            Flood(line.substr(6), state, lines);
        else
            Decode(line, state, true, lines);
    }
}
