// `t360kv stations` on recorded captures against a small computation of its own: the
// classes counted from the message types each MMSI sent, and the farthest station per
// 10-degree sector by a haversine written here.
#include "TempFolder.h"
#include "nmea/SentenceDecoder.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kCapture = std::string(T360KV_TEST_DATA_DIR) + "/ais/gpsd/sample.aivdm";
const std::string kMarnavCapture =
    std::string(T360KV_TEST_DATA_DIR) + "/ais/marnav/ais-sample.txt.gz";

std::string RunStations(const std::string& arguments, int& exitCode) {
    std::string command = std::string(T360KV_TOOL) + " stations " + arguments + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe.get())) > 0)
        output.append(chunk, got);
    int status = pclose(pipe.release());
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

double HaversineNm(double lat1, double lon1, double lat2, double lon2) {
    const double r = 3.141592653589793 / 180;
    double a =
        std::pow(std::sin((lat2 - lat1) * r / 2), 2) +
        std::cos(lat1 * r) * std::cos(lat2 * r) * std::pow(std::sin((lon2 - lon1) * r / 2), 2);
    return 2 * std::asin(std::sqrt(a)) * 3440.069;
}

double BearingOf(double lat1, double lon1, double lat2, double lon2) {
    const double r = 3.141592653589793 / 180;
    double y = std::sin((lon2 - lon1) * r) * std::cos(lat2 * r);
    double x = std::cos(lat1 * r) * std::sin(lat2 * r) -
               std::sin(lat1 * r) * std::cos(lat2 * r) * std::cos((lon2 - lon1) * r);
    double b = std::atan2(y, x) / r;
    return b < 0 ? b + 360 : b;
}

std::string ClassOf(const std::set<int>& types) {
    auto has = [&](std::initializer_list<int> list) {
        for (int t : list)
            if (types.count(t))
                return true;
        return false;
    };
    if (has({21}))
        return "Aid to navigation";
    if (has({9}))
        return "SAR aircraft";
    if (has({4}))
        return "Base station";
    if (has({1, 2, 3, 5}))
        return "Class A";
    if (has({18, 19, 24}))
        return "Class B";
    if (has({16, 17, 20, 22, 23}))
        return "Base station";
    return "";
}

struct Expected {
    std::map<std::string, int> classes;
    std::map<int, std::pair<double, int>> farthest; // sector: NM, MMSI
};

// Decodes the capture with a decoder of its own and reads each station's position from
// its entry after every message.
Expected Compute(const std::string& capture, double ownLatitude, double ownLongitude) {
    Expected expected;
    auto state = std::make_unique<DecoderState>();
    std::map<int, std::set<int>> types;
    std::ifstream in(capture, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > 82 || line.empty() || line[0] != '!')
            continue;
        SentenceBuffer buffer{};
        std::string framed = line + "\r\n";
        std::memcpy(buffer, framed.data(), framed.size());
        if (!DecodeSentence(buffer, *state) || !CarriesAisMessage(state->Sentence))
            continue;
        int entry = state->Ais.Targets.LastIndex;
        if (entry <= 0)
            continue;
        const AisTarget& target = state->Ais.Targets.Targets[entry];
        types[target.Mmsi].insert(state->Ais.Message.Bytes[0]);
        double lat = target.Latitude, lon = target.Longitude;
        if (std::fabs(lat) > 90 || std::fabs(lon) > 180)
            continue;
        double nm = HaversineNm(ownLatitude, ownLongitude, lat, lon);
        if (nm > 500)
            continue;
        int sector = static_cast<int>(BearingOf(ownLatitude, ownLongitude, lat, lon) / 10);
        auto& best = expected.farthest[sector];
        if (nm > best.first)
            best = {nm, target.Mmsi};
    }
    for (const auto& [mmsi, heard] : types)
        ++expected.classes[ClassOf(heard)];
    return expected;
}

// The farthest station per sector from the text output's coverage lines.
std::map<int, std::pair<double, int>> FarthestPrinted(const std::string& text) {
    std::map<int, std::pair<double, int>> farthest;
    size_t coverage = text.find("coverage");
    if (coverage == std::string::npos)
        return farthest;
    std::istringstream lines(text.substr(coverage));
    std::string line;
    std::getline(lines, line);
    int from, to, mmsi;
    double nm;
    while (std::getline(lines, line) &&
           std::sscanf(line.c_str(), " %d-%d %lf %d", &from, &to, &nm, &mmsi) == 4)
        farthest[from / 10] = {nm, mmsi};
    return farthest;
}

void ExpectFarthest(const std::string& text, const Expected& expected) {
    std::map<int, std::pair<double, int>> farthest = FarthestPrinted(text);
    ASSERT_EQ(farthest.size(), expected.farthest.size()) << text;
    for (const auto& [sector, best] : expected.farthest) {
        SCOPED_TRACE(sector);
        EXPECT_NEAR(farthest[sector].first, best.first, 0.1);
        EXPECT_EQ(farthest[sector].second, best.second);
    }
}

TEST(StationsCommand, ClassesAndFarthestPerSectorMatchAnIndependentCount) {
    Expected expected = Compute(kCapture, 40, -72);
    ASSERT_FALSE(expected.farthest.empty());
    int exitCode = 0;
    std::string csv = RunStations("--csv --own 40,-72 " + kCapture, exitCode);
    ASSERT_EQ(exitCode, 0) << csv;
    std::map<std::string, int> classes;
    std::istringstream rows(csv);
    std::string row;
    std::getline(rows, row); // the header
    while (std::getline(rows, row)) {
        // MMSI, name, class: names in this capture hold no quoted commas.
        std::vector<std::string> fields;
        std::istringstream cells(row);
        std::string cell;
        while (std::getline(cells, cell, ','))
            fields.push_back(cell);
        ASSERT_GE(fields.size(), 3u) << row;
        ++classes[fields[2]];
    }
    EXPECT_EQ(classes, expected.classes);

    std::string text = RunStations("--own 40,-72 " + kCapture, exitCode);
    ASSERT_EQ(exitCode, 0);
    ExpectFarthest(text, expected);
}

// The marnav capture, heard worldwide, overflows the table of stations, so entries are
// reused and the classes listed at the end are not those of every MMSI heard; the
// coverage since the start keeps every report, whichever entry it went to.
TEST(StationsCommand, FarthestPerSectorHoldsWhenTheTableOverflows) {
    TempFolder folder;
    std::string plain = folder / "marnav.nmea";
    {
        gzFile in = gzopen(kMarnavCapture.c_str(), "rb");
        ASSERT_NE(in, nullptr);
        std::ofstream out(plain, std::ios::binary);
        char chunk[1 << 16];
        int got;
        while ((got = gzread(in, chunk, sizeof chunk)) > 0)
            out.write(chunk, got);
        gzclose(in);
    }
    // San Francisco Bay: a dozen sectors within 500 NM, most of the stations beyond.
    Expected expected = Compute(plain, 37.8, -122.4);
    ASSERT_GE(expected.farthest.size(), 10u);
    int exitCode = 0;
    std::string text = RunStations("--own 37.8,-122.4 " + plain, exitCode);
    ASSERT_EQ(exitCode, 0);
    ExpectFarthest(text, expected);
}

TEST(StationsCommand, BadInputsExitWithTheReason) {
    const struct {
        std::string arguments;
        const char* reason;
    } cases[] = {
        {"/nonexistent/capture.nmea", "cannot open /nonexistent/capture.nmea"},
        {"--own 91,0 " + kCapture, "--own takes LAT,LON"},
        {"--own 40 " + kCapture, "--own takes LAT,LON"},
        {"--own 40,-72x " + kCapture, "--own takes LAT,LON"},
        {"", "usage"},
    };
    for (const auto& c : cases) {
        int exitCode = 0;
        std::string output = RunStations(c.arguments, exitCode);
        EXPECT_EQ(exitCode, 2) << c.arguments;
        EXPECT_NE(output.find(c.reason), std::string::npos) << output;
    }
}

} // namespace
