// Every message of types 1 to 24 that the decoder completes in two real captures, against
// an independent decoder's output (gpsdecode -j, in tests/data/ais/reference): type, MMSI,
// position, speed, course, heading, names, call sign, destination and ship type agree
// within float32 precision. The lines go the receive path's way (CR and NUL dropped,
// lines over 80 characters left out) through DecodeSentence, as in the configurator.
//
// Where the two differ by design, the comparison says so:
// - a speed "nan" is stored as the raw 1023 scaled, 102.3; "fast" as 1022 scaled, 102.2
//   (1022 for the aircraft of type 9);
// - a heading above 359 is stored as 511;
// - texts are stored as sent: compared up to the first "@", trailing spaces dropped;
// - an aid to navigation's name is its name and its name extension, the name's trailing
//   spaces kept when an extension follows;
// - type 17 positions are printed to a tenth of a degree by the reference;
// - the reference reports a type 24 station once both halves were heard, in one record:
//   each half is compared with the records of its MMSI, and a half without one is counted
//   apart.
#include "CrossCheckReference.h"

#include "ais/AisMessageDecoder.h"
#include "nmea/GpsLineFilter.h"
#include "nmea/SentenceDecoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// What the comparison reads of one decoded message, by field name.
struct Decoded {
    int line = 0;
    unsigned type = 0;
    double mmsi = 0;
    int part = -1;
    std::map<std::string, double, std::less<>> numbers;
    std::map<std::string, std::string, std::less<>> texts;
};

Decoded Read(const AisState& ais, int line) {
    Decoded decoded;
    decoded.line = line;
    const AisMessage& message = ais.Message;
    decoded.type = message.Bytes[0];
    const AisFieldTable& table = *AisTableOf(message);
    size_t rows = AisFieldsDecoded(table, ais.Bits.Count);
    size_t offset = 0;
    for (size_t i = 0; i < rows; ++i) {
        const AisField& field = table[i];
        std::string name(field.Name);
        switch (field.Kind) {
        case akText:
        case akTextToEnd:
            decoded.texts[name] = reinterpret_cast<const char*>(message.Bytes + offset);
            break;
        case akByte:
            decoded.numbers[name] = message.Bytes[offset];
            break;
        case akHeading:
            decoded.numbers[name] = LoadAisValue<uint16_t>(message, offset);
            break;
        case akId:
            decoded.numbers[name] = LoadAisValue<uint32_t>(message, offset);
            break;
        case akLongitude:
        case akLatitude:
        case akUnsignedScaled:
        case akCourse:
            decoded.numbers[name] = LoadAisValue<float>(message, offset);
            break;
        default:
            break;
        }
        offset += AisStoredSize(field);
    }
    decoded.mmsi = decoded.numbers["mmsi"];
    if (decoded.type == 24)
        decoded.part = static_cast<int>(decoded.numbers["partno"]);
    return decoded;
}

std::vector<Decoded> DecodeCapture(const std::string& path) {
    std::vector<Decoded> messages;
    auto state = std::make_unique<DecoderState>();
    int number = 0;
    for (std::string line : ReadLines(path)) {
        ++number;
        std::erase(line, '\r');
        std::erase(line, '\0');
        if (line.size() > kMaxSentenceLength - 2)
            continue;
        SentenceBuffer buffer{};
        std::memcpy(buffer, line.data(), line.size());
        std::memcpy(buffer + line.size(), "\r\n", 3);
        if (PassesGpsLineFilter(buffer, line.size() + 2) && DecodeSentence(buffer, *state) &&
            CarriesAisMessage(state->Sentence))
            messages.push_back(Read(state->Ais, number));
    }
    return messages;
}

// Texts as sent end at the first "@" and may be padded with spaces.
std::string Trimmed(const std::string& text) {
    std::string trimmed = text.substr(0, text.find('@'));
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.pop_back();
    return trimmed;
}

class Comparison {
public:
    Comparison(const Decoded& ours, const ReferenceRecord& theirs) : ours_(ours), theirs_(theirs) {}

    // The members that differ, "" when all agree.
    std::string Differences() {
        Position("lon");
        Position("lat");
        Number("speed");
        Number("course");
        Heading();
        Number("shiptype");
        for (const char* name : {"shipname", "callsign", "destination"})
            if (auto text = ours_.texts.find(name); text != ours_.texts.end())
                Text(name, Trimmed(text->second));
        if (ours_.type == 21 && ours_.texts.count("name") != 0) {
            auto extension = ours_.texts.find("name_extension");
            std::string rest = extension == ours_.texts.end() ? "" : Trimmed(extension->second);
            const std::string& name = ours_.texts.at("name");
            Text("name", rest.empty() ? Trimmed(name) : name.substr(0, name.find('@')) + rest);
        }
        return differences_;
    }

private:
    void Differ(const char* name, const std::string& ours, const std::string& theirs) {
        differences_ += std::string(" ") + name + ": " + ours + " / " + theirs;
    }
    const double* Ours(const char* name) {
        auto found = ours_.numbers.find(name);
        return found == ours_.numbers.end() ? nullptr : &found->second;
    }

    // Float32 precision, and the reference's six decimals (a tenth for type 17).
    void Position(const char* name) {
        const double* ours = Ours(name);
        if (ours == nullptr)
            return;
        std::optional<double> theirs = theirs_.Number(name);
        auto value = static_cast<float>(theirs.value_or(0));
        double tolerance =
            ours_.type == 17
                ? 0.05
                : 5e-7 + (std::nextafter(std::fabs(value), INFINITY) - std::fabs(value));
        if (!theirs || std::fabs(*ours - *theirs) > tolerance)
            Differ(name, std::to_string(*ours), theirs_.Raw(name));
    }

    void Number(const char* name) {
        const double* ours = Ours(name);
        if (ours == nullptr)
            return;
        std::optional<double> theirs = theirs_.Number(name);
        std::optional<std::string> word = theirs_.Text(name);
        bool agree =
            theirs ? std::fabs(*ours - *theirs) < 1e-4
                   : (word == "nan" && std::fabs(*ours - 102.3) < 1e-4) ||
                         (word == "fast" && (std::fabs(*ours - 102.2) < 1e-4 || *ours == 1022));
        if (!agree)
            Differ(name, std::to_string(*ours), theirs_.Raw(name));
    }

    void Heading() {
        const double* ours = Ours("heading");
        if (ours == nullptr)
            return;
        std::optional<double> theirs = theirs_.Number("heading");
        if (!theirs || *ours != (*theirs > 359 ? 511 : *theirs))
            Differ("heading", std::to_string(*ours), theirs_.Raw("heading"));
    }

    void Text(const char* name, const std::string& ours) {
        if (theirs_.Text(name) != ours)
            Differ(name, ours, theirs_.Raw(name));
    }

    const Decoded& ours_;
    const ReferenceRecord& theirs_;
    std::string differences_;
};

struct Tally {
    size_t completed = 0;
    size_t agree = 0;
    size_t differ = 0;
    size_t unmatched = 0;           // no reference record of that type and MMSI nearby
    size_t halvesWithoutRecord = 0; // type 24 halves of stations the reference never reported
    std::string firstDifferences;
};

// A type 24 half agrees with one of the reference's records of its MMSI.
bool HalfAgrees(const Decoded& half, const std::vector<const ReferenceRecord*>& records) {
    for (const ReferenceRecord* record : records) {
        bool agrees = half.part == 0
                          ? record->Text("shipname") == Trimmed(half.texts.at("shipname"))
                          : record->Text("callsign") == Trimmed(half.texts.at("callsign")) &&
                                record->Number("shiptype") == half.numbers.at("shiptype");
        if (agrees)
            return true;
    }
    return false;
}

// Aligns the decoded messages with the reference records by type and MMSI in order: a
// message missing on either side (a line too long for the receive path, a type over 24,
// a payload shape the decoder refuses) is skipped over within a window.
Tally CrossCheck(const std::string& capture, const std::string& reference) {
    std::vector<Decoded> ours = DecodeCapture(capture);
    std::vector<ReferenceRecord> theirs = ReadReference(reference);
    std::map<double, std::vector<const ReferenceRecord*>> staticReports;
    for (const ReferenceRecord& record : theirs)
        if (record.Number("type") == 24)
            staticReports[record.Number("mmsi").value_or(-1)].push_back(&record);

    Tally tally;
    tally.completed = ours.size();
    constexpr size_t kWindow = 30;
    size_t next = 0;
    for (const Decoded& message : ours) {
        std::string differences;
        if (message.type == 24) {
            auto records = staticReports.find(message.mmsi);
            if (records == staticReports.end()) {
                ++tally.halvesWithoutRecord;
                continue;
            }
            if (!HalfAgrees(message, records->second))
                differences = " type 24 part " + std::to_string(message.part);
        } else {
            size_t match = next;
            while (match < theirs.size() && match < next + kWindow &&
                   (theirs[match].Number("type") != message.type ||
                    theirs[match].Number("mmsi") != message.mmsi))
                ++match;
            if (match == theirs.size() || match == next + kWindow) {
                ++tally.unmatched;
                continue;
            }
            next = match + 1;
            differences = Comparison(message, theirs[match]).Differences();
        }
        if (differences.empty()) {
            ++tally.agree;
        } else if (++tally.differ <= 10) {
            tally.firstDifferences += "line " + std::to_string(message.line) + " type " +
                                      std::to_string(message.type) + ":" + differences + "\n";
        }
    }
    std::printf("%s: %zu messages completed, %zu agree, %zu differ, %zu without a reference "
                "record nearby, %zu type 24 halves of stations the reference never reported; "
                "the reference has %zu records\n",
                capture.c_str(), tally.completed, tally.agree, tally.differ, tally.unmatched,
                tally.halvesWithoutRecord, theirs.size());
    return tally;
}

const std::string kData = std::string(T360KV_TEST_DATA_DIR) + "/ais/";

TEST(AisCrossCheck, TheMarnavCaptureAgreesWithTheReference) {
    Tally tally = CrossCheck(kData + "marnav/ais-sample.txt.gz",
                             kData + "reference/marnav-ais-sample.gpsdecode.jsonl.gz");
    EXPECT_GT(tally.completed, 82000u);
    EXPECT_EQ(tally.differ, 0u) << tally.firstDifferences;
    EXPECT_EQ(tally.unmatched, 0u);
    EXPECT_EQ(tally.agree + tally.halvesWithoutRecord, tally.completed);
}

TEST(AisCrossCheck, TheAnnotatedSampleAgreesWithTheReference) {
    Tally tally = CrossCheck(kData + "gpsd/sample.aivdm",
                             kData + "reference/gpsd-sample.aivdm.gpsdecode.jsonl");
    EXPECT_GT(tally.completed, 75u);
    EXPECT_EQ(tally.differ, 0u) << tally.firstDifferences;
    EXPECT_EQ(tally.unmatched, 0u);
    EXPECT_EQ(tally.agree + tally.halvesWithoutRecord, tally.completed);
}

} // namespace
