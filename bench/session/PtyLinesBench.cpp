// Lines per second from the receiver simulator through a pseudo-terminal, the serial
// component's event thread, the hand-over to the GUI thread and the receiver session.
//   pty_lines_bench [SECONDS] [AIS_RATE]
#include "SimProcess.h"

#include "session/EventLoop.h"
#include "session/ReceiverSession.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Counts the lines told and their bytes with their CR LF.
class LineCounter : public TSessionObserver {
public:
    long lines = 0;
    long bytes = 0;
    void LineReceived(std::string_view line, bool overLong) override {
        if (overLong)
            return;
        ++lines;
        bytes += static_cast<long>(line.size()) + 2;
    }
};

} // namespace

int main(int argc, char** argv) {
    int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    std::string rate = argc > 2 ? argv[2] : "100000";
    SimProcess sim({"--rate", rate});
    TEventLoop loop;
    TReceiverSession session(
        [&loop](const std::function<void()>& call) { loop.Synchronize(call); });
    LineCounter counter;
    session.AddObserver(counter);
    session.SetDevice(sim.Port());
    if (!session.Open())
        return 1;
    loop.RunFor(std::chrono::milliseconds(500)); // let the stream settle
    long lines0 = counter.lines, bytes0 = counter.bytes;
    auto start = std::chrono::steady_clock::now();
    loop.RunFor(std::chrono::seconds(seconds));
    double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    session.Close();
    double lps = static_cast<double>(counter.lines - lines0) / elapsed;
    double bps = static_cast<double>(counter.bytes - bytes0) / elapsed;
    std::printf("pty_lines_bench: %.0f lines/s, %.2f MB/s through pty + TComm + receiver session "
                "(simulator AIS rate %s/s, %d s)\n",
                lps, bps / 1e6, rate.c_str(), seconds);
    return 0;
}
