// With hostile input mixed in, a receiver that keeps to the line rules (a line feed ends
// a line, CR and NUL are dropped, a line over 82 characters is discarded, a sentence
// must pass its checksum) still gets every valid line the simulator sent, in order, and
// nothing else that passes as valid.
#include "AisFleet.h"
#include "QueueDrain.h"
#include "Sentence.h"
#include "Simulator.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

struct Received {
    std::vector<std::string> accepted; // lines within the limit that pass as valid
    size_t overLong = 0;
    size_t longest = 0;
    size_t spoilt = 0;           // sentences within the limit failing the checksum
    size_t withHighBytes = 0;    // lines within the limit holding bytes of 128 and above
    size_t mendedByDropping = 0; // valid lines that had a CR or NUL inside
};

Received ReceiveLikeTheTool(const std::string& bytes) {
    Received received;
    std::string line;
    bool dropped = false;       // a CR or NUL since the last kept character
    bool droppedInside = false; // ... followed by more of the line
    for (char c : bytes) {
        if (c == '\r' || c == '\0') {
            dropped = true;
        } else if (c != '\n') {
            droppedInside = droppedInside || dropped;
            dropped = false;
            line += c;
        } else {
            received.longest = std::max(received.longest, line.size());
            bool highBytes = std::any_of(line.begin(), line.end(), [](char ch) {
                return static_cast<unsigned char>(ch) >= 128;
            });
            bool sentence = line.starts_with("$") || line.starts_with("!");
            if (line.size() > 82) {
                ++received.overLong;
            } else if (highBytes) {
                ++received.withHighBytes;
            } else if (sentence && !HasValidChecksum(line)) {
                ++received.spoilt;
            } else {
                received.accepted.push_back(line); // a sentence or a report line
                received.mendedByDropping += droppedInside ? 1 : 0;
            }
            line.clear();
            dropped = droppedInside = false;
        }
    }
    return received;
}

TEST(SimulatedNoise, EveryValidLineStillArrivesWholeAndInOrder) {
    SimOptions options;
    options.Noise = true;
    options.AisRate = 50;
    auto start = Simulator::SteadyTime(100h);
    Simulator simulator(options, std::make_unique<AisFleet>(), 7, start,
                        Simulator::UtcTime(1733788800s), [](const std::string&) {});
    Drained all;
    for (int step = 0; step <= 60 * 20; ++step) {
        auto now = start + step * 50ms;
        if (step % 40 == 0)
            simulator.Receive("$PTST,,,,,17*29\r\n", now);
        simulator.Tick(now);
        Drained drained = Drain(simulator.Output());
        all.Bytes += drained.Bytes;
        all.Valid.insert(all.Valid.end(), drained.Valid.begin(), drained.Valid.end());
    }

    Received received = ReceiveLikeTheTool(all.Bytes);
    EXPECT_EQ(received.accepted, all.Valid);
    // The noise was there, of every kind.
    EXPECT_GT(received.overLong, 0u);
    EXPECT_GT(received.longest, 1000000u);
    EXPECT_GT(received.spoilt, 0u);
    EXPECT_GT(received.withHighBytes, 0u);
    EXPECT_GT(received.mendedByDropping, 0u);
}

} // namespace
