// t360kv-sim: a simulated T360KV receiver on a pseudo-terminal, the partner of the
// end-to-end tests and the device of a demonstration without hardware. It prints the
// path of its port as the first line on stdout, logs what it receives on stderr, and
// runs until SIGTERM or SIGINT.
#include "AisFleet.h"
#include "AisReplay.h"
#include "PortLink.h"
#include "ProgramVersion.h"
#include "PtyPort.h"
#include "SimOptions.h"
#include "Simulator.h"

#include "serial/SimulatorPorts.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <poll.h>
#include <random>
#include <stdexcept>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

using SteadyClock = std::chrono::steady_clock;
constexpr int kLongestWaitMs = 1000;

void Log(const std::string& line) {
    std::fprintf(stderr, "t360kv-sim: %s\n", line.c_str());
}

// The stop signals arrive on a descriptor that the loop polls, so no work happens in a
// signal handler.
class StopSignals {
public:
    StopSignals() {
        sigemptyset(&signals_);
        for (int signal : {SIGTERM, SIGINT, SIGHUP})
            sigaddset(&signals_, signal);
        sigprocmask(SIG_BLOCK, &signals_, nullptr);
        fd_ = signalfd(-1, &signals_, SFD_CLOEXEC);
        if (fd_ < 0)
            throw std::runtime_error("cannot watch for stop signals");
    }
    ~StopSignals() { close(fd_); }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;
    int Fd() const { return fd_; }

private:
    sigset_t signals_{};
    int fd_ = -1;
};

std::unique_ptr<AisSource> MakeAisSource(const SimOptions& options) {
    if (!options.Ais)
        return nullptr;
    if (options.AisFile.empty())
        return std::make_unique<AisFleet>();
    std::string error;
    std::unique_ptr<AisReplay> replay = AisReplay::Load(options.AisFile, error);
    if (!replay)
        throw std::runtime_error(error);
    return replay;
}

int WaitMs(SteadyClock::time_point due, SteadyClock::time_point now) {
    if (due <= now)
        return 0;
    auto ms = std::chrono::ceil<std::chrono::milliseconds>(due - now).count();
    return static_cast<int>(std::min<decltype(ms)>(ms, kLongestWaitMs));
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

int Run(const SimOptions& options) {
    std::unique_ptr<AisSource> ais = MakeAisSource(options);
    File transcript;
    if (!options.TranscriptFile.empty()) {
        transcript.reset(std::fopen(options.TranscriptFile.c_str(), "w"));
        if (!transcript)
            throw std::runtime_error("cannot write " + options.TranscriptFile);
    }
    StopSignals stop;
    PtyPort port;
    PortLink link(SimulatorPortFolder(), options.Name, port.DevicePath());
    std::printf("%s\n", link.Path().c_str());
    std::fflush(stdout);
    Log("port " + link.Path() + " -> " + port.DevicePath());

    auto utcAtStart = std::chrono::system_clock::now();
    if (options.StartSeconds >= 0)
        utcAtStart = std::chrono::system_clock::time_point(
            std::chrono::duration_cast<std::chrono::system_clock::duration>(
                std::chrono::duration<double>(options.StartSeconds)));
    Simulator simulator(options, std::move(ais), std::random_device{}(), SteadyClock::now(),
                        utcAtStart, Log);
    auto recordSent = [&transcript](const std::string& line) {
        if (transcript)
            std::fprintf(transcript.get(), "%s\n", line.c_str());
    };
    for (;;) {
        SteadyClock::time_point now = SteadyClock::now();
        simulator.Tick(now);
        if (!simulator.Output().WriteTo(port.MasterFd(), recordSent))
            Log(std::string("write to the port failed: ") + std::strerror(errno));
        if (transcript)
            std::fflush(transcript.get());

        short portEvents = POLLIN;
        if (!simulator.Output().Empty())
            portEvents |= POLLOUT;
        pollfd fds[2] = {{port.MasterFd(), portEvents, 0}, {stop.Fd(), POLLIN, 0}};
        if (poll(fds, 2, WaitMs(simulator.NextDue(), now)) < 0 && errno != EINTR)
            throw std::runtime_error("poll failed");
        if (fds[1].revents & POLLIN) {
            Log("stopping");
            return 0;
        }
        if (fds[0].revents & POLLIN) {
            char bytes[4096];
            ssize_t n = read(port.MasterFd(), bytes, sizeof bytes);
            if (n > 0)
                simulator.Receive(std::string_view(bytes, static_cast<size_t>(n)),
                                  SteadyClock::now());
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(argc - 1, argv + 1, options, error)) {
        std::fprintf(stderr, "t360kv-sim: %s\n%s", error.c_str(), kSimUsage);
        return 2;
    }
    if (options.Help) {
        std::fputs(kSimUsage, stdout);
        return 0;
    }
    if (options.Version) {
        std::printf("t360kv-sim %s\n", T360KV_VERSION);
        return 0;
    }
    try {
        return Run(options);
    } catch (const std::exception& e) {
        Log(e.what());
        return 1;
    }
}
