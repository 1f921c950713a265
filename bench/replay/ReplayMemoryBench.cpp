// Replays a large capture as fast as possible through the receiver session and prints
// the time it took and the peak resident memory before and after: a replay reads in
// blocks, so the peak must not grow with the file.
//
//   replay_memory_bench [MEGABYTES]   (default 200; the capture is written to a
//                                      temporary file and removed afterwards)
#include "MemoryComm.h"

#include "nmea/Checksum.h"
#include "replay/LogReplay.h"

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct CountingObserver : TSessionObserver {
    uint64_t lines = 0;
    uint64_t bytes = 0;
    void LineReceived(std::string_view line, bool) override {
        ++lines;
        bytes += line.size();
    }
};

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::string Sentence(std::string body) {
    AppendChecksum(body);
    return body;
}

// One second of a receiver: a fix, a satellite view and an AIS sentence, its time
// running on across midnight.
void WriteCapture(const std::string& path, uint64_t megabytes) {
    std::ofstream file(path, std::ios::binary);
    const std::string gsv = Sentence("$GPGSV,1,1,03,05,45,090,41,12,30,180,35,20,10,270,22");
    const std::string ais = "!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0*26\r\n";
    uint64_t written = 0;
    for (uint64_t second = 0; written < megabytes * 1024 * 1024; ++second) {
        char time[16];
        std::snprintf(time, sizeof time, "%02d%02d%02d", int(second / 3600 % 24),
                      int(second / 60 % 60), int(second % 60));
        std::string block = Sentence(std::string("$GPRMC,") + time +
                                     ",A,2530.0000,N,12115.0000,W,12.5,84.4,101224,,,A") +
                            gsv + ais;
        file << block;
        written += block.size();
    }
}

} // namespace

int main(int argc, char** argv) {
    uint64_t megabytes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 200;
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("t360kv-replay-bench-" + std::to_string(getpid()) + ".nmea");
    WriteCapture(path.string(), megabytes);
    long before = PeakRssKb();

    auto memory = std::make_unique<TMemoryComm>();
    TReceiverSession session(TSynchronize{}, std::move(memory));
    CountingObserver observer;
    session.AddObserver(observer);
    TLogReplay replay(session);
    auto started = std::chrono::steady_clock::now();
    replay.SetSpeed(TReplayPacer::kAsFastAsPossible, started);
    if (!replay.Start(path.string(), started)) {
        std::fprintf(stderr, "cannot replay %s\n", path.string().c_str());
        return 1;
    }
    uint64_t ticks = 0;
    while (replay.IsRunning()) {
        replay.Tick(std::chrono::steady_clock::now());
        ++ticks;
    }
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    long after = PeakRssKb();
    std::filesystem::remove(path);

    std::printf(
        "replayed %llu MB: %llu lines in %llu ticks, %.2f s (%.0f MB/s)\n",
        static_cast<unsigned long long>(megabytes), static_cast<unsigned long long>(observer.lines),
        static_cast<unsigned long long>(ticks), seconds, static_cast<double>(megabytes) / seconds);
    std::printf("peak RSS: %ld kB before the replay, %ld kB after (+%ld kB)\n", before, after,
                after - before);
    return 0;
}
