// The simulated receiver as the tool meets it: the report, the set sentences, the restart
// announcement and the quiet time after it, driven through an injected clock.
#include "AisFleet.h"
#include "QueueDrain.h"
#include "Simulator.h"

#include "nmea/Checksum.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>

namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

constexpr char kReportRequest[] = "$PTST,,,,,17*29\r\n";
constexpr char kAnnouncement[] = "$PKRV,R,TXT,SYSTEM RESTART*4B";

bool Contains(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool IsSentence(const std::string& line) {
    return line.starts_with("$") || line.starts_with("!");
}

Lines Without(const Lines& lines, bool (*unwanted)(const std::string&)) {
    Lines kept;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(kept),
                 [unwanted](const std::string& line) { return !unwanted(line); });
    return kept;
}

class SimulatedDevice : public testing::Test {
protected:
    void Start(SimOptions options = {}, std::unique_ptr<AisSource> ais = nullptr) {
        // A quarter of a second before a whole UTC second: the first fix is due at 0.75 s.
        log_.clear();
        simulator_ = std::make_unique<Simulator>(
            options, std::move(ais), 1, start_, Simulator::UtcTime(1733788800s) - 250ms,
            [this](const std::string& line) { log_.push_back(line); });
    }

    Simulator::SteadyTime At(double seconds) const {
        return start_ + std::chrono::duration_cast<Simulator::SteadyTime::duration>(
                            std::chrono::duration<double>(seconds));
    }

    // The valid lines the receiver sends in answer to `bytes` arriving at `seconds`.
    Lines Send(const std::string& bytes, double seconds) {
        RunUntil(seconds);
        simulator_->Receive(bytes, At(seconds));
        return Drain(simulator_->Output()).Valid;
    }

    // The valid lines streamed from the last call until `seconds`, in 50 ms steps.
    Lines RunUntil(double seconds) {
        for (; clock_ <= seconds; clock_ += 0.05)
            simulator_->Tick(At(clock_));
        return Drain(simulator_->Output()).Valid;
    }

    Lines Report(double seconds) { return Without(Send(kReportRequest, seconds), IsSentence); }

    Simulator::SteadyTime start_ = Simulator::SteadyTime(100h);
    double clock_ = 0;
    std::unique_ptr<Simulator> simulator_;
    Lines log_;
};

TEST_F(SimulatedDevice, ReportRequestIsAnsweredWithTheWholeReport) {
    for (const char* request : {"$PTST,,,,,17*29\r\n", "$PTST,,,,,17*29\n"}) {
        Start();
        simulator_->Receive(request, At(0));
        Drained answer = Drain(simulator_->Output());
        ASSERT_FALSE(answer.Valid.empty());
        EXPECT_EQ(answer.Valid.back(), "[DEVICE DATA END]");
        for (const char* line :
             {"Firmware:T360KV V1.0.8 2024-11-05", "NMEA_1_TX:(38400)", "NMEA_2_TX:(38400)",
              "GPS_Output=ON", "[GPS_NAV5_dynModel]=5", "[SerialNo]=TL360K2409001"})
            EXPECT_TRUE(Contains(answer.Valid, line)) << line;
        std::string wire;
        for (const std::string& line : answer.Valid) {
            EXPECT_LE(line.size() + 2, 82u) << line;
            wire += line + "\r\n";
        }
        EXPECT_EQ(answer.Bytes, wire);
        EXPECT_TRUE(Contains(log_, "rx: $PTST,,,,,17*29"));
        EXPECT_TRUE(Contains(log_, "report sent"));
    }
}

TEST_F(SimulatedDevice, SetSentenceShowsInTheReportAfterTheRestart) {
    struct Case {
        const char* sentence;
        Lines changed;
    };
    const Case cases[] = {
        {"$PDBG,38,5,40,6,42,6,,*2D", {"NMEA_1_TX:(4800)", "NMEA_2_TX:(9600)"}},
        {"$PDBG,38,0,40,5,42,5,,*28", {"NMEA_1_TX:(9600)", "NMEA_2_TX:(115200)"}},
        {"$PDBG,50,1,,,,,,*25", {"GPS_Output=OFF"}},
        {"$PDBG,703,4,,,,,,*11", {"[GPS_NAV5_dynModel]=4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentence);
        Start();
        clock_ = 0;
        Lines before = Report(0.1);
        EXPECT_EQ(Send(c.sentence + std::string("\r\n"), 0.2), Lines{kAnnouncement});

        Lines after = Report(3.5);
        Lines expected = before;
        for (const std::string& line : c.changed) {
            auto key = line.substr(0, line.find_first_of("(=") + 1);
            auto old = std::find_if(expected.begin(), expected.end(),
                                    [&](const std::string& l) { return l.starts_with(key); });
            ASSERT_NE(old, expected.end());
            *old = line;
        }
        EXPECT_EQ(after, expected);
    }
}

TEST_F(SimulatedDevice, RejectedSetSentenceChangesNothingAndAnnouncesNothing) {
    const char* rejected[] = {
        "$PDBG,38,5,40,5,42,5,,*00", // wrong checksum
        "$PDBG,38,5,40,6,42,6,,*2d", // checksum in lower case
        "$PDBG,50,1,,,,,,",          // no checksum
        "$PDBG,38,4,40,2,42,2,,*2C", // baud code 4 is not on the scale
        "$PDBG,703,6,,,,,,*13",      // no such dynamic model
        "$PDBG,51,1,,,,,,*24",       // no such parameter
        "$PDBG,38,,,,,,,*1A",        // parameter without value
    };
    for (const char* sentence : rejected) {
        SCOPED_TRACE(sentence);
        Start();
        clock_ = 0;
        Lines before = Report(0.1);
        EXPECT_EQ(Send(sentence + std::string("\r\n"), 0.2), Lines{});
        // Still streaming, and the same report.
        Lines streamed = RunUntil(1.5);
        EXPECT_TRUE(std::any_of(streamed.begin(), streamed.end(),
                                [](const std::string& l) { return l.starts_with("$GNRMC"); }));
        EXPECT_EQ(Report(1.6), before);
    }
}

TEST_F(SimulatedDevice, AnnouncesTheRestartThenAnswersNothingForTheQuietTime) {
    ASSERT_EQ(SentenceChecksum("$PKRV,R,TXT,SYSTEM RESTART"), 0x4B);
    for (const char* sentence : {"$PDBG,703,4,,,,,,*11\r\n", "$PKRV,C,DBG,100,150,,,,,,*18\r\n"}) {
        SCOPED_TRACE(sentence);
        SimOptions options;
        options.RestartQuietSeconds = 3;
        Start(options, std::make_unique<AisFleet>());
        clock_ = 0;
        EXPECT_FALSE(RunUntil(2.0).empty());

        simulator_->Receive(sentence, At(2.0));
        Drained answer = Drain(simulator_->Output());
        EXPECT_EQ(answer.Valid, Lines{kAnnouncement});
        EXPECT_EQ(answer.Bytes, kAnnouncement + std::string("\r\n"));

        EXPECT_EQ(RunUntil(4.9), Lines{});
        EXPECT_EQ(Send(kReportRequest, 4.95), Lines{});
        Lines resumed = RunUntil(6.2);
        EXPECT_TRUE(std::any_of(resumed.begin(), resumed.end(),
                                [](const std::string& l) { return l.starts_with("$GNRMC"); }));
        EXPECT_TRUE(std::any_of(resumed.begin(), resumed.end(),
                                [](const std::string& l) { return l.starts_with("!AIVDM"); }));
        EXPECT_EQ(Report(6.3).back(), "[DEVICE DATA END]");
    }
}

TEST_F(SimulatedDevice, GpsOutputOffStopsTheGnssSentencesOnly) {
    SimOptions options;
    options.RestartQuietSeconds = 0;
    Start(options, std::make_unique<AisFleet>());
    Send("$PDBG,50,1,,,,,,*25\r\n", 0.1);
    Lines streamed = RunUntil(5);
    EXPECT_FALSE(streamed.empty());
    EXPECT_EQ(Without(streamed, [](const std::string& l) { return l.starts_with("!AIVDM"); }),
              Lines{});

    Send("$PDBG,50,0,,,,,,*24\r\n", 5.1);
    streamed = RunUntil(7);
    EXPECT_TRUE(std::any_of(streamed.begin(), streamed.end(),
                            [](const std::string& l) { return l.starts_with("$GNGGA"); }));
}

// Nothing on the line looks like the GPS while its output is off: neither a fix nor the
// noise mixed into the stream.
TEST_F(SimulatedDevice, GpsOutputOffLeavesNoGnssSentenceInTheNoiseEither) {
    SimOptions options;
    options.RestartQuietSeconds = 0;
    options.Noise = true;
    options.AisRate = 100;
    Start(options, std::make_unique<AisFleet>());
    auto streamedLines = [this](double until) {
        std::string bytes;
        for (; clock_ <= until; clock_ += 0.05) {
            simulator_->Tick(At(clock_));
            bytes += Drain(simulator_->Output()).Bytes;
        }
        Lines lines;
        for (size_t start = 0; start < bytes.size();) {
            size_t end = std::min(bytes.find('\n', start), bytes.size());
            lines.push_back(bytes.substr(start, std::min<size_t>(end - start, 8)));
            start = end + 1;
        }
        return lines;
    };
    auto gnss = [](const std::string& line) { return line.starts_with("$G"); };
    Send("$PDBG,50,1,,,,,,*25\r\n", 0.1);
    Lines off = streamedLines(10);
    EXPECT_GT(off.size(), 500u);
    EXPECT_EQ(std::count_if(off.begin(), off.end(), gnss), 0);

    Send("$PDBG,50,0,,,,,,*24\r\n", 10.1);
    Lines on = streamedLines(12);
    EXPECT_GT(std::count_if(on.begin(), on.end(), gnss), 0);
}

TEST_F(SimulatedDevice, SilentReceiverAnswersAndStreamsNothingButLogsWhatArrives) {
    SimOptions options;
    options.Silent = true;
    Start(options, std::make_unique<AisFleet>());
    EXPECT_EQ(Send(kReportRequest, 0.5), Lines{});
    EXPECT_EQ(Send("$PDBG,50,1,,,,,,*25\r\n", 1), Lines{});
    EXPECT_EQ(RunUntil(5), Lines{});
    EXPECT_TRUE(Contains(log_, "rx: $PTST,,,,,17*29"));
}

} // namespace
