// libFuzzer entry: arbitrary bytes as a capture file replayed by TReplayPacer, at the
// log's own pace (its times read by TLogClock) or as fast as possible a few bytes a tick.
// Either must hand over every line the receive path's splitter cuts from the
// bytes, in order and once, with log times that never go back, and then end, not fail.
// The file is one temporary file, rewritten for each input and opened by its path as
// the program opens a capture.
#include "Promise.h"

#include "replay/ReplayPacer.h"
#include "session/LineSplitter.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using Clock = TReplayPacer::Clock;

// The lines the splitter cuts from the input, to be handed over in order and once. Kept
// for every input, as the allocation of a text per line cost more than the replay;
// Cut fills them afresh, so nothing of an input before remains.
struct ExpectedLines {
    std::string Texts; // one after the other
    struct Line {
        size_t At;
        size_t Length;
        bool OverLong;
    };
    std::vector<Line> Lines;

    std::string_view Text(const Line& line) const { return {Texts.data() + line.At, line.Length}; }
};

// Checks each line handed over against the next expected one.
struct Checker : TReplayTarget {
    explicit Checker(const ExpectedLines& expected) : Expected(expected) {}
    void ReplayLine(std::string_view line, bool overLong) override {
        Require(Handed < Expected.Lines.size());
        const ExpectedLines::Line& next = Expected.Lines[Handed++];
        Require(line == Expected.Text(next) && overLong == next.OverLong);
    }
    const ExpectedLines& Expected;
    size_t Handed = 0;
};

// The file replayed: one for the whole run in the temporary folder (fuzz.sh points it at
// its work folder in memory), rewritten for each input. A memory file's /proc/self/fd
// path took twice as long to look up at each open and size check.
class CaptureFile {
public:
    CaptureFile() : path_((std::filesystem::temp_directory_path() / "capture-XXXXXX").string()) {
        file_ = mkstemp(path_.data());
        Require(file_ >= 0);
    }
    ~CaptureFile() {
        unlink(path_.c_str());
        close(file_);
    }
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    // The file's path, holding `data` and nothing after it.
    const std::string& Hold(const uint8_t* data, size_t size) {
        Require(pwrite(file_, data, size, 0) == static_cast<ssize_t>(size));
        if (size < size_)
            Require(ftruncate(file_, static_cast<off_t>(size)) == 0);
        size_ = size;
        return path_;
    }

private:
    std::string path_;
    int file_ = -1;
    size_t size_ = 0;
};

const ExpectedLines& Cut(const uint8_t* data, size_t size) {
    static ExpectedLines expected;
    expected.Texts.clear();
    expected.Lines.clear();
    auto keep = [&](std::string_view line, bool overLong) {
        expected.Lines.push_back({expected.Texts.size(), line.size(), overLong});
        expected.Texts.append(line);
    };
    static LineSplitter splitter;
    splitter.Clear();
    splitter.Feed({reinterpret_cast<const char*>(data), size}, keep);
    splitter.Finish(keep);
    return expected;
}

// A tick an hour after the one before at the log's pace (no line waits longer than five
// minutes), or as fast as possible `maxBytes` a tick.
void Replay(const std::string& path, size_t size, double speed, uint64_t maxBytes,
            const ExpectedLines& expected) {
    // One pacer for every input: Start begins a replay afresh, and its reader keeps its
    // block buffer.
    static TReplayPacer pacer;
    pacer.SetSpeed(speed, Clock::time_point{});
    Clock::time_point now{};
    Require(pacer.Start(path, now));
    Checker target(expected);
    double logSeconds = 0;
    uint64_t position = 0;
    for (size_t tick = 0; pacer.Status() == TReplayStatus::Playing; ++tick) {
        Require(tick <= 2 * expected.Lines.size() + 2);
        now += std::chrono::hours(1);
        pacer.Tick(now, target, maxBytes);
        TReplayProgress progress = pacer.Progress();
        Require(std::isfinite(progress.LogSeconds) && progress.LogSeconds >= logSeconds);
        Require(progress.Position >= position && progress.Position <= size);
        logSeconds = progress.LogSeconds;
        position = progress.Position;
    }
    Require(pacer.Status() == TReplayStatus::Ended);
    Require(target.Handed == expected.Lines.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CaptureFile file;
    const std::string& path = file.Hold(data, size);
    const ExpectedLines& expected = Cut(data, size);
    // One way of playing for each input, so that each runs once: by the parity of its
    // length, which the fuzzer changes often.
    if (size % 2 == 0)
        Replay(path, size, 1, TReplayPacer::kMaxBytesPerTick, expected);
    else
        Replay(path, size, TReplayPacer::kAsFastAsPossible, 64, expected);
    return 0;
}
