// t360kv stations: the AIS STATIONS page's table and coverage from recorded captures,
// through the page's own station list, rows and coverage.
#include "Commands.h"

#include "nmea/GpsLineFilter.h"
#include "nmea/SentenceDecoder.h"
#include "session/LineSplitter.h"
#include "stations/StationList.h"
#include "stations/StationTable.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// "LAT,LON" in signed decimal degrees.
std::optional<TGeoPosition> ParseOwn(const char* text) {
    char* end = nullptr;
    double latitude = std::strtod(text, &end);
    if (end == text || *end != ',')
        return std::nullopt;
    const char* rest = end + 1;
    double longitude = std::strtod(rest, &end);
    if (end == rest || *end != '\0' || !IsUsablePosition(latitude, longitude))
        return std::nullopt;
    return TGeoPosition{latitude, longitude};
}

class StationsReader {
public:
    explicit StationsReader(std::optional<TGeoPosition> own) : own_(own) {}

    bool Read(std::FILE* in) {
        static constexpr size_t kChunk = 1 << 16;
        std::vector<char> chunk(kChunk);
        size_t got;
        auto handle = [this](std::string_view line, bool overLong) { Handle(line, overLong); };
        while ((got = std::fread(chunk.data(), 1, kChunk, in)) > 0)
            lines_.Feed({chunk.data(), got}, handle);
        lines_.Finish(handle);
        return std::ferror(in) == 0;
    }

    std::optional<TGeoPosition> Own() const {
        return own_ ? own_ : ReceiverPosition(state_->Navigation, list_);
    }
    const TStationList& List() const { return list_; }
    int64_t Now() const { return linesRead_; }

private:
    void Handle(std::string_view line, bool overLong) {
        ++linesRead_;
        if (overLong || line.size() + 3 > sizeof(SentenceBuffer))
            return;
        SentenceBuffer buffer;
        std::memcpy(buffer, line.data(), line.size());
        std::memcpy(buffer + line.size(), "\r\n", 3);
        if (!PassesGpsLineFilter(buffer, line.size() + 2))
            return;
        // Stations are heard one second per line of the input, as `decode` counts them.
        if (buffer[0] == '!')
            SetAisClock(state_->Ais.Clock, static_cast<uint32_t>(linesRead_));
        if (DecodeSentence(buffer, *state_) && CarriesAisMessage(state_->Sentence))
            list_.Feed(state_->Ais, state_->Sentence.Encapsulation.Channel, linesRead_, Own());
    }

    std::optional<TGeoPosition> own_;
    std::unique_ptr<DecoderState> state_ = std::make_unique<DecoderState>();
    TStationList list_{state_->Ais.Targets};
    LineSplitter lines_;
    int64_t linesRead_ = 0;
};

// The cells are in the English code page, whose degree sign is one byte; the terminal
// reads UTF-8.
std::string Utf8(const std::string& cell) {
    std::string text;
    for (char c : cell)
        text += c == '\xB0' ? std::string("\xC2\xB0") : std::string(1, c);
    return text;
}

// Characters, not bytes, of a UTF-8 text.
size_t Width(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void PrintTable(const TStationTable& table) {
    std::vector<size_t> widths(kStationColumnCount);
    for (int column = 0; column < kStationColumnCount; ++column) {
        auto c = static_cast<TStationColumn>(column);
        widths[column] = std::strlen(StationColumnTitle(c));
        for (int row = 0; row < table.RowCount(); ++row)
            widths[column] = std::max(widths[column], Width(Utf8(table.Cell(row, c))));
    }
    auto print = [&](auto cell) {
        for (int column = 0; column < kStationColumnCount; ++column) {
            std::string text = cell(static_cast<TStationColumn>(column));
            std::printf("%s%s%*s", column ? "  " : "", text.c_str(),
                        static_cast<int>(widths[column] - Width(text)), "");
        }
        std::printf("\n");
    };
    print([](TStationColumn c) { return std::string(StationColumnTitle(c)); });
    for (int row = 0; row < table.RowCount(); ++row)
        print([&](TStationColumn c) { return Utf8(table.Cell(row, c)); });
}

void PrintCoverage(const TCoverageView& coverage) {
    std::printf("\ncoverage (farthest station per sector, NM):\n");
    for (int sector = 0; sector < kCoverageSectors; ++sector)
        if (coverage.FarthestNm[sector] > 0)
            std::printf("  %03d-%03d  %7.1f  %d\n", sector * 10, sector * 10 + 10,
                        coverage.FarthestNm[sector], coverage.FarthestMmsi[sector]);
    std::printf("stations per distance band:\n");
    for (int band = 0; band < kDistanceBands; ++band)
        std::printf("  %-9s %d\n", coverage.BandTitles[band].c_str(), coverage.BandCounts[band]);
    std::printf("unusable: %d\n", coverage.Unusable);
}

} // namespace

int RunStationsCommand(int argc, char** argv) {
    std::vector<const char*> files;
    bool csv = false;
    std::optional<TGeoPosition> own;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--csv") == 0) {
            csv = true;
        } else if (std::strcmp(argv[i], "--own") == 0) {
            if (i + 1 >= argc || !(own = ParseOwn(argv[i + 1]))) {
                std::fprintf(stderr, "t360kv stations: --own takes LAT,LON in decimal degrees, "
                                     "latitude -90 to 90, longitude -180 to 180\n");
                return 2;
            }
            ++i;
        } else {
            files.push_back(argv[i]);
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "usage: t360kv stations FILE... [--csv] [--own LAT,LON]\n");
        return 2;
    }
    StationsReader reader(own);
    for (const char* file : files) {
        std::FILE* in = std::fopen(file, "rb");
        if (in == nullptr) {
            std::fprintf(stderr, "t360kv stations: cannot open %s: %s\n", file,
                         std::strerror(errno));
            return 2;
        }
        bool read = reader.Read(in);
        std::fclose(in);
        if (!read) {
            std::fprintf(stderr, "t360kv stations: cannot read %s\n", file);
            return 2;
        }
    }
    TStationTable table(reader.List());
    table.Refresh(reader.Now(), reader.Own());
    if (csv) {
        std::fputs(table.Csv().c_str(), stdout);
    } else {
        PrintTable(table);
        TCoverageView coverage = reader.List().Coverage();
        PrintCoverage(coverage);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
