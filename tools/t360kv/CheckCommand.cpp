// t360kv check: connects, reads the device report, counts AIS reception for a while and
// prints the system check's rows. The receiver passes when its firmware version and
// serial number were read and AIS was received.
#include "Commands.h"
#include "HeadlessSession.h"

#include "diagnostics/ReceptionCounts.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kDefaultSeconds = 10;
constexpr char kNotRead[] = "---------";

// Counts AIS reception on the lines the session receives.
class TReceptionObserver : public TSessionObserver {
public:
    void LineReceived(std::string_view line, bool overLong) override {
        if (!overLong)
            counter_.LineReceived(line);
    }
    const TReceptionCounts& Counts() const { return counter_.Counts(); }

private:
    TReceptionCounter counter_;
};

void PrintRow(const char* caption, const char* verdict, const std::string& value) {
    std::printf("%-20s %-4s  %s\n", caption, verdict, value.c_str());
}

} // namespace

int RunCheckCommand(int argc, char** argv) {
    TPortOptions port;
    int seconds = kDefaultSeconds;
    std::string error;
    for (int i = 0; i < argc && error.empty(); ++i) {
        if (ReadPortOption(argc, argv, i, port, error))
            continue;
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
            char* end = nullptr;
            long value = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || value < 1 || value > 3600)
                error = "--seconds takes 1 to 3600";
            seconds = static_cast<int>(value);
            continue;
        }
        error = std::string("unexpected argument '") + argv[i] + "'";
    }
    if (error.empty())
        FinishPortOptions(port, error);
    if (!error.empty()) {
        std::fprintf(stderr, "t360kv check: %s\n", error.c_str());
        return kExitNoDevice;
    }

    THeadlessSession session(stderr);
    TReceptionObserver counter;
    session.Session().AddObserver(counter);
    if (!session.Connect(port)) {
        std::fprintf(stderr, "t360kv check: %s\n", session.ConnectFailure(port).c_str());
        return kExitNoDevice;
    }
    session.RunFor(std::chrono::seconds(seconds));
    const TDeviceInfo& report = session.Session().Report();
    const TReceptionCounts& counts = counter.Counts();
    PrintRow("Firmware Version", report.FirmwareValid ? "PASS" : "FAIL",
             report.FirmwareValid ? report.Firmware : kNotRead);
    PrintRow("Product Serial No.", report.SerialNoValid ? "PASS" : "FAIL",
             report.SerialNoValid ? report.SerialNo : kNotRead);
    // NONE: nothing received.
    PrintRow("RX position reports", counts.AnyReceived() ? "PASS" : "NONE",
             "Channel A: " + std::to_string(counts.ChannelA()) +
                 "  Channel B: " + std::to_string(counts.ChannelB()));
    bool passed = report.FirmwareValid && report.SerialNoValid && counts.AnyReceived();
    return passed ? kExitPassed : kExitFailed;
}
