// The pieces of `t360kv decode` around the decoder: the JSON text (escaping,
// round-tripping reals, separators), the printing thread and the summary.
#include "DecodeSummary.h"
#include "DecodedLine.h"
#include "JsonText.h"
#include "JsonWriter.h"
#include "LinePrinter.h"

#include "nmea/Checksum.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Lines are gathered in a buffer and written out in blocks; none is lost or cut where a
// block ends.
TEST(JsonWriter, WritesEveryLineWholeAcrossItsBuffer) {
    const std::string line(1000, 'x');
    constexpr size_t kLines = 3 * JsonWriter::kCapacity / 1000;
    std::string text = JsonText([&](JsonWriter& json) {
        for (size_t i = 0; i < kLines; ++i) {
            json.Raw(line);
            json.EndLine();
        }
    });
    ASSERT_EQ(text.size(), kLines * (line.size() + 1));
    for (size_t i = 0; i < kLines; ++i)
        ASSERT_EQ(text.compare(i * 1001, 1001, line + "\n"), 0) << "line " << i;
}

// A member name is written after a comma unless it opens its object, also when the
// buffer was written out between the brace and the name.
TEST(JsonWriter, LeavesTheCommaOutBeforeTheFirstMemberOnly) {
    static constexpr JsonKey kA("a"), kB("b", "_c");
    std::string text = JsonText([&](JsonWriter& json) {
        for (bool flushAfterBrace : {false, true}) {
            json.Punct('{');
            if (flushAfterBrace)
                json.Flush();
            json.Key(kA);
            json.Int(1);
            json.Key(kB);
            json.Bool(true);
            json.Punct('}');
            json.EndLine();
        }
    });
    EXPECT_EQ(text, "{\"a\":1,\"b_c\":true}\n{\"a\":1,\"b_c\":true}\n");
}

// Text written since a mark, kept for writing again, is only handed back while it is
// all still in the buffer.
TEST(JsonWriter, HandsBackWhatWasWrittenSinceAMarkWhileItIsBuffered) {
    JsonText([&](JsonWriter& json) {
        json.Raw("[1,");
        size_t mark = json.Mark();
        json.Int(234);
        EXPECT_EQ(json.WrittenSince(mark), "234");
        json.Flush();
        json.Int(5);
        EXPECT_EQ(json.WrittenSince(mark), "");
    });
}

std::string Escaped(std::string_view bytes) {
    return JsonText([&](JsonWriter& json) { json.String(bytes); });
}

TEST(JsonWriter, EscapesEveryByteOutsidePrintableAscii) {
    EXPECT_EQ(Escaped(std::string("q\"b\\\x01\x7f\x80\xff", 8)),
              "\"q\\\"b\\\\\\u0001\\u007f\\u0080\\u00ff\"");
}

// Every byte value at every place of a longer string.
TEST(JsonWriter, EscapesEveryByteWhereverItStands) {
    auto expected = [](unsigned char byte) -> std::string {
        if (byte == '"' || byte == '\\')
            return std::string("\\") + static_cast<char>(byte);
        if (byte >= 0x20 && byte < 0x7F)
            return std::string(1, static_cast<char>(byte));
        char text[8];
        std::snprintf(text, sizeof text, "\\u%04x", byte);
        return text;
    };
    for (int byte = 0; byte < 256; ++byte)
        for (size_t at : {0u, 5u, 15u, 16u, 31u, 33u}) {
            std::string bytes(40, 'a');
            bytes[at] = static_cast<char>(byte);
            std::string want = "\"" + bytes.substr(0, at) +
                               expected(static_cast<unsigned char>(byte)) + bytes.substr(at + 1) +
                               "\"";
            ASSERT_EQ(Escaped(bytes), want) << "byte " << byte << " at " << at;
        }
}

std::string Real(float value) {
    char text[kRealText];
    return std::string(text, FormatReal(text, value));
}

TEST(FormatReal, WritesMarkersPlainlyAndNonFiniteValuesAsNull) {
    EXPECT_EQ(Real(-100000.0f), "-100000");
    EXPECT_EQ(Real(48.117302f), "48.117302");
    EXPECT_EQ(Real(91.0f), "91");
    EXPECT_EQ(Real(0.0f), "0");
    EXPECT_EQ(Real(999999999.0f), "1e+09");
    EXPECT_EQ(Real(INFINITY), "null");
    EXPECT_EQ(Real(NAN), "null");
}

TEST(FormatReal, EveryFiniteValueReadsBackToTheSameFloat) {
    std::mt19937 random(11);
    for (int i = 0; i < 100000; ++i) {
        float value = std::bit_cast<float>(static_cast<uint32_t>(random()));
        if (!std::isfinite(value))
            continue;
        std::string text = Real(value);
        EXPECT_EQ(std::bit_cast<uint32_t>(std::strtof(text.c_str(), nullptr)),
                  std::bit_cast<uint32_t>(value))
            << text;
    }
}

// Plain decimals are the library's shortest text to the byte, also when a value comes
// again from the texts remembered: over a spread of the range and the short decimals
// that speeds, courses and AIS positions are, each asked twice (the second time it is
// one of the texts remembered).
TEST(FormatReal, WritesWhatTheLibraryWritesForPlainDecimals) {
    auto library = [](float value) {
        char text[kRealText];
        return std::string(
            text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr);
    };
    std::vector<float> values;
    uint32_t low = std::bit_cast<uint32_t>(1e-5f), high = std::bit_cast<uint32_t>(1e9f);
    for (uint32_t bits = low; bits < high; bits += 4099)
        values.push_back(std::bit_cast<float>(bits));
    for (int n = 0; n < 200000; ++n) {
        values.push_back(static_cast<float>(n * 0.1));
        values.push_back(static_cast<float>(n * 0.01));
        values.push_back(static_cast<float>(n * 0.0001 / 60.0)); // AIS positions
    }
    size_t differing = 0;
    for (float value : values)
        for (float signedValue : {value, -value, value, -value})
            if (value >= 1e-5f && Real(signedValue) != library(signedValue) && ++differing < 10)
                ADD_FAILURE() << Real(signedValue) << " vs " << library(signedValue);
    EXPECT_EQ(differing, 0u);
}

TEST(DecodedLine, HoldsTheRecordOfEveryFormatter) {
    for (const FormatterRow& row : FormatterRows())
        EXPECT_LE(RecordExtent(row), DecodedLine::kRecordCapacity) << row.formatter;
}

// The printing thread takes the lines in batches; they come out in order, all of them,
// the last batch part-filled.
TEST(LinePrinter, PrintsEveryLineInOrder) {
    constexpr int kLines = 5000;
    std::FILE* file = std::tmpfile();
    {
        LinePrinter printer(file);
        for (int i = 1; i <= kLines; ++i) {
            DecodedLine& line = printer.Next();
            line = DecodedLine{};
            line.Number = i;
            line.Verdict = lvNotSentence;
        }
        EXPECT_TRUE(printer.Finish());
    }
    std::rewind(file);
    char text[256];
    int expected = 1;
    while (std::fgets(text, sizeof text, file) != nullptr) {
        ASSERT_EQ(text, "{\"line\":" + std::to_string(expected) +
                            ",\"accepted\":false,\"reason\":\"not_sentence\"}\n");
        ++expected;
    }
    EXPECT_EQ(expected, kLines + 1);
    std::fclose(file);
}

// Fragments that completed no message are counted in the summary: a fragment 2 of 2
// without its first, and a first fragment broken off by a "$" sentence.
TEST(DecodeSummary, CountsTheDroppedFragments) {
    auto state = std::make_unique<DecoderState>();
    for (std::string line : {"!AIVDM,2,2,3,A,0000,2", "!AIVDM,2,1,4,A,0000,0", "$GPZDA,,,,,,"}) {
        ASSERT_TRUE(AppendChecksum(line));
        SentenceBuffer buffer{};
        std::memcpy(buffer, line.c_str(), line.size() + 1);
        EXPECT_FALSE(DecodeSentence(buffer, *state) && CarriesAisMessage(state->Sentence));
    }
    std::FILE* file = std::tmpfile();
    DecodeSummary().Print(file, state->Ais);
    std::rewind(file);
    std::string printed;
    char text[256];
    while (std::fgets(text, sizeof text, file) != nullptr)
        printed += text;
    std::fclose(file);
    EXPECT_NE(printed.find("\nAIS fragments dropped: 2\n"), std::string::npos) << printed;
}

} // namespace
