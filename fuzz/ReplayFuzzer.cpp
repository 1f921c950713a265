// libFuzzer entry: arbitrary bytes as a capture file replayed by TReplayPacer, at the
// log's own pace (its times read by TLogClock) or as fast as possible a few bytes a tick.
// Either must hand over every line the receive path's splitter cuts from the
// bytes, in order and once, with log times that never go back, and then end, not fail.
// The file is one in memory, rewritten for each input.
#include "Promise.h"

#include "replay/ReplayPacer.h"
#include "session/LineSplitter.h"

#include <cmath>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = TReplayPacer::Clock;

struct Line {
    std::string Text;
    bool OverLong;
    bool operator==(const Line&) const = default;
};

struct Collector : TReplayTarget {
    void ReplayLine(std::string_view line, bool overLong) override {
        Lines.push_back({std::string(line), overLong});
    }
    std::vector<Line> Lines;
};

const std::string& CaptureFile(const uint8_t* data, size_t size) {
    static int file = memfd_create("capture", 0);
    static std::string path = "/proc/self/fd/" + std::to_string(file);
    Require(file >= 0 && ftruncate(file, 0) == 0);
    Require(pwrite(file, data, size, 0) == static_cast<ssize_t>(size));
    return path;
}

std::vector<Line> Cut(const uint8_t* data, size_t size) {
    std::vector<Line> lines;
    auto keep = [&](std::string_view line, bool overLong) {
        lines.push_back({std::string(line), overLong});
    };
    LineSplitter splitter;
    splitter.Feed({reinterpret_cast<const char*>(data), size}, keep);
    splitter.Finish(keep);
    return lines;
}

// A tick an hour after the one before at the log's pace (no line waits longer than five
// minutes), or as fast as possible `maxBytes` a tick.
void Replay(const std::string& path, size_t size, double speed, uint64_t maxBytes,
            const std::vector<Line>& expected) {
    // One pacer for every input: Start begins a replay afresh, and its reader keeps its
    // block buffer.
    static TReplayPacer pacer;
    pacer.SetSpeed(speed, Clock::time_point{});
    Clock::time_point now{};
    Require(pacer.Start(path, now));
    Collector target;
    double logSeconds = 0;
    uint64_t position = 0;
    for (size_t tick = 0; pacer.Status() == TReplayStatus::Playing; ++tick) {
        Require(tick <= 2 * expected.size() + 2);
        now += std::chrono::hours(1);
        pacer.Tick(now, target, maxBytes);
        TReplayProgress progress = pacer.Progress();
        Require(std::isfinite(progress.LogSeconds) && progress.LogSeconds >= logSeconds);
        Require(progress.Position >= position && progress.Position <= size);
        logSeconds = progress.LogSeconds;
        position = progress.Position;
    }
    Require(pacer.Status() == TReplayStatus::Ended);
    Require(target.Lines == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = CaptureFile(data, size);
    std::vector<Line> expected = Cut(data, size);
    // One way of playing for each input, so that each runs once: by the parity of its
    // length, which the fuzzer changes often.
    if (size % 2 == 0)
        Replay(path, size, 1, TReplayPacer::kMaxBytesPerTick, expected);
    else
        Replay(path, size, TReplayPacer::kAsFastAsPossible, 64, expected);
    return 0;
}
