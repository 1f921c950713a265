// t360kv monitor: opens a port, asks the receiver for its device report and prints
// every line that arrives, as the data log records it.
#include "Commands.h"
#include "HeadlessSession.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr char kReportEnd[] = "[DEVICE DATA END]";

struct MonitorOptions {
    std::string port;
    TBaudRate rate = br128000;
    int seconds = 0; // 0: until the report's end, at most kReportWaitSeconds
    bool request = true;
};
constexpr int kReportWaitSeconds = 10;

bool ParseRate(const char* text, TBaudRate& rate) {
    long value = std::strtol(text, nullptr, 10);
    for (int i = 0; i < kBaudRateCount; ++i)
        if (kBaudValues[i] == static_cast<uint32_t>(value)) {
            rate = static_cast<TBaudRate>(i);
            return true;
        }
    return false;
}

bool ParseOptions(int argc, char** argv, MonitorOptions& options) {
    for (int i = 0; i < argc; ++i) {
        bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--port") == 0 && hasValue) {
            options.port = argv[++i];
        } else if (std::strcmp(argv[i], "--baud") == 0 && hasValue) {
            if (!ParseRate(argv[++i], options.rate)) {
                std::fprintf(stderr, "t360kv monitor: unsupported baud rate %s\n", argv[i]);
                return false;
            }
        } else if (std::strcmp(argv[i], "--seconds") == 0 && hasValue) {
            options.seconds = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--no-request") == 0) {
            options.request = false;
        } else {
            std::fprintf(stderr, "t360kv monitor: unexpected argument '%s'\n", argv[i]);
            return false;
        }
    }
    if (options.port.empty())
        std::fprintf(stderr, "t360kv monitor: --port is required\n");
    return !options.port.empty();
}

// Prints every line as received, and notes the report's end.
class TLinePrinter : public TSessionObserver {
public:
    void LineReceived(std::string_view line, bool) override {
        std::printf("< %.*s\n", static_cast<int>(line.size()), line.data());
        std::fflush(stdout);
        if (line.find(kReportEnd) != std::string_view::npos)
            reportEnded = true;
    }
    bool reportEnded = false;
};

} // namespace

int RunMonitorCommand(int argc, char** argv) {
    MonitorOptions options;
    if (!ParseOptions(argc, argv, options))
        return 2;
    THeadlessSession session(stdout, /*supervised=*/false);
    TLinePrinter printer;
    TReceiverSession& receiver = session.Session();
    receiver.AddObserver(printer);
    TPortOptions port;
    port.Port = options.port;
    port.Rate = options.rate;
    if (!session.Open(port)) {
        std::fprintf(stderr, "t360kv monitor: cannot open %s\n", options.port.c_str());
        return 2;
    }
    if (options.request) {
        std::printf("> %s\n", TReceiverSession::kReportRequest);
        receiver.RequestReport();
    }
    bool untilReportEnd = options.request && options.seconds == 0;
    int seconds = options.seconds > 0 ? options.seconds : kReportWaitSeconds;
    session.RunUntil([&] { return (untilReportEnd && printer.reportEnded) || !receiver.IsOpen(); },
                     std::chrono::seconds(seconds));
    bool lost = !receiver.IsOpen();
    receiver.Close();
    if (lost)
        return 1;
    return options.request && !printer.reportEnded ? 1 : 0;
}
