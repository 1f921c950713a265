// Lines per second from the receiver simulator through a pseudo-terminal, the serial
// component's event thread, the hand-over to the GUI thread and the receive path.
//   pty_lines_bench [SECONDS] [AIS_RATE]
#include "FakeView.h"
#include "SimProcess.h"

#include "app/EventLoop.h"
#include "app/Mainform.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class CountingForm : public TForm1 {
public:
    using TForm1::TForm1;
    long lines = 0;
    long bytes = 0;

protected:
    void HandleGpsLine(char* line) override {
        ++lines;
        bytes += static_cast<long>(std::char_traits<char>::length(line));
    }
};

} // namespace

int main(int argc, char** argv) {
    int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    std::string rate = argc > 2 ? argv[2] : "100000";
    SimProcess sim({"--rate", rate});
    TEventLoop loop;
    FakeView view;
    CountingForm form(view, [&loop](const std::function<void()>& call) { loop.Synchronize(call); });
    if (!form.ConnectDevice(sim.Port(), br128000))
        return 1;
    loop.RunFor(std::chrono::milliseconds(500)); // let the stream settle
    long lines0 = form.lines, bytes0 = form.bytes;
    auto start = std::chrono::steady_clock::now();
    loop.RunFor(std::chrono::seconds(seconds));
    double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    form.ToggleConnection();
    double lps = static_cast<double>(form.lines - lines0) / elapsed;
    double bps = static_cast<double>(form.bytes - bytes0) / elapsed;
    std::printf("pty_lines_bench: %.0f lines/s, %.2f MB/s through pty + TComm + receive path "
                "(simulator AIS rate %s/s, %d s)\n",
                lps, bps / 1e6, rate.c_str(), seconds);
    return 0;
}
