// t360kv-sim --replay: the options, the capture's lines paced by its times through an
// injected clock, the end (silent, or again with --loop), and the real program on its
// pseudo-terminal.
#include "QueueDrain.h"
#include "SimOptions.h"
#include "SimProcess.h"
#include "Simulator.h"
#include "TempFolder.h"

#include "nmea/Checksum.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

std::string Sentence(std::string body) {
    AppendChecksum(body);
    return body.substr(0, body.size() - 2);
}

// GNSS and AIS lines, two seconds by their RMC times.
Lines Voyage() {
    return {Sentence("$GPRMC,120000,A,2530.0000,N,12115.0000,W,12.5,84.4,101224,,,A"),
            "!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0*26",
            Sentence("$GPRMC,120001,A,2530.0000,N,12115.0000,W,12.5,84.4,101224,,,A"),
            Sentence("$GPGSV,1,1,01,05,45,090,41")};
}

std::string Bytes(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

TEST(SimReplayOptions, ParsesTheReplayAndRefusesMistakes) {
    struct Case {
        std::vector<const char*> args;
        bool ok;
        double speed;
        bool loop;
    };
    const Case cases[] = {
        {{"--replay", "v.log"}, true, 1, false},
        {{"--replay", "v.log", "--speed", "10", "--loop"}, true, 10, true},
        {{"--replay", "v.log", "--speed", "max"}, true, 0, false},
        {{"--replay", "v.log", "--speed", "0"}, false, 0, false},
        {{"--replay", "v.log", "--speed", "fast"}, false, 0, false},
        {{"--replay", "v.log", "--speed", "100001"}, false, 0, false},
        {{"--replay"}, false, 0, false},
        {{"--replay", "v.log", "--ais", "a.log"}, false, 0, false},
    };
    for (const Case& c : cases) {
        SimOptions options;
        std::string error;
        std::vector<char*> argv;
        for (const char* arg : c.args)
            argv.push_back(const_cast<char*>(arg));
        bool ok = ParseSimOptions(static_cast<int>(argv.size()), argv.data(), options, error);
        EXPECT_EQ(ok, c.ok) << c.args.size() << " " << error;
        if (!ok) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        EXPECT_EQ(options.ReplayFile, "v.log");
        EXPECT_EQ(options.ReplaySpeed, c.speed);
        EXPECT_EQ(options.ReplayLoop, c.loop);
    }
    EXPECT_NE(std::string(kSimUsage).find("--replay FILE"), std::string::npos);
}

class SimReplay : public testing::Test {
protected:
    void Start(double speed, bool loop) {
        SimOptions options;
        options.ReplayFile = folder.Write("voyage.log", Bytes(Voyage()));
        options.ReplaySpeed = speed;
        options.ReplayLoop = loop;
        log.clear();
        simulator =
            std::make_unique<Simulator>(options, nullptr, 1, start, Simulator::UtcTime(1733788800s),
                                        [this](const std::string& line) { log.push_back(line); });
    }
    Lines At(double seconds) {
        simulator->Tick(start + std::chrono::round<Simulator::SteadyTime::duration>(
                                    std::chrono::duration<double>(seconds)));
        return Drain(simulator->Output()).Valid;
    }

    TempFolder folder;
    Simulator::SteadyTime start = Simulator::SteadyTime(100h);
    std::unique_ptr<Simulator> simulator;
    Lines log;
};

TEST_F(SimReplay, PlaysTheCaptureAtItsOwnPaceInPlaceOfTheMadeUpStreams) {
    const Lines voyage = Voyage();
    struct Case {
        double speed;
        double secondStep;
    };
    for (Case c : {Case{1, 1}, Case{10, 0.1}}) {
        Start(c.speed, false);
        EXPECT_EQ(At(0), Lines(voyage.begin(), voyage.begin() + 2)) << c.speed;
        EXPECT_EQ(At(c.secondStep * 0.9), Lines()) << c.speed;
        EXPECT_EQ(At(c.secondStep), Lines(voyage.begin() + 2, voyage.end())) << c.speed;
        // Silent after the end, made-up GNSS included.
        EXPECT_EQ(At(30), Lines()) << c.speed;
        EXPECT_NE(std::find(log.begin(), log.end(), "replay ended: the port stays open and silent"),
                  log.end());
    }
}

TEST_F(SimReplay, LoopStartsAgainAtTheEnd) {
    Start(0, true);
    Lines sent;
    for (int tick = 0; tick < 3; ++tick) {
        Lines more = At(0);
        sent.insert(sent.end(), more.begin(), more.end());
    }
    const Lines voyage = Voyage();
    ASSERT_GE(sent.size(), 2 * voyage.size());
    for (size_t i = 0; i < sent.size(); ++i)
        EXPECT_EQ(sent[i], voyage[i % voyage.size()]) << i;
}

TEST_F(SimReplay, AMissingCaptureIsRefused) {
    SimOptions options;
    options.ReplayFile = folder / "gone/voyage.log";
    EXPECT_THROW(Simulator(options, nullptr, 1, start, Simulator::UtcTime(1733788800s),
                           [](const std::string&) {}),
                 std::runtime_error);
}

// The lines the far end of the simulator's port gives, until `count` have come.
Lines ReadLines(const std::string& port, size_t count) {
    int fd = open(port.c_str(), O_RDONLY | O_NOCTTY);
    if (fd < 0)
        throw std::runtime_error("cannot open " + port);
    termios settings{};
    tcgetattr(fd, &settings);
    cfmakeraw(&settings);
    tcsetattr(fd, TCSANOW, &settings);
    Lines lines;
    std::string pending;
    char buffer[4096];
    pollfd waiting{fd, POLLIN, 0};
    while (lines.size() < count && poll(&waiting, 1, 10000) > 0) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        pending.append(buffer, static_cast<size_t>(got));
        for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
            std::string line = pending.substr(0, end);
            if (line.ends_with('\r'))
                line.pop_back();
            lines.push_back(line);
            pending.erase(0, end + 1);
        }
    }
    close(fd);
    return lines;
}

TEST_F(SimReplay, TheProgramPlaysTheCaptureInOrderOnItsPortAndLoops) {
    // A bigger voyage than the output holds: the replay waits for the port to be read.
    Lines voyage;
    for (int i = 0; i < 3000; ++i)
        voyage.push_back(Sentence("$GPTXT,01,01,02,LINE " + std::to_string(i)));
    const std::string path = folder.Write("voyage.log", Bytes(voyage));
    SimProcess sim({"--replay", path, "--speed", "max", "--loop"});
    Lines lines = ReadLines(sim.Port(), 2 * voyage.size() + 10);
    ASSERT_GE(lines.size(), 2 * voyage.size() + 10);
    // The port may have held lines from before it was opened: the first whole voyage
    // line read starts the comparison.
    auto first = std::find(lines.begin(), lines.end(), voyage[0]);
    ASSERT_NE(first, lines.end());
    size_t from = static_cast<size_t>(first - lines.begin());
    for (size_t i = from; i < lines.size(); ++i)
        ASSERT_EQ(lines[i], voyage[(i - from) % voyage.size()]) << i;
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_NE(sim.Log().find("replay starts again"), std::string::npos);
}

} // namespace
