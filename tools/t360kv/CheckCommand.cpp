// t360kv check: connects, reads the device report, counts AIS reception for a while and
// prints the SYSTEM CHECK page's rows. The receiver passes when its firmware version and
// serial number were read and AIS was received.
#include "Commands.h"
#include "HeadlessSession.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kDefaultSeconds = 10;

struct CheckRow {
    const char* caption;
    TControl icon;
    std::string value;
};

const char* Verdict(int icon) {
    switch (icon) {
    case ciPassed:
        return "PASS";
    case ciNothingYet:
        return "NONE"; // nothing received
    default:
        return "FAIL";
    }
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
    if (!session.Connect(port)) {
        std::fprintf(stderr, "t360kv check: %s\n", session.ConnectFailure(port).c_str());
        return kExitNoDevice;
    }
    session.RunFor(std::chrono::seconds(seconds));
    session.Form().UpdateSystemCheck();

    TTextView& view = session.View();
    const CheckRow rows[] = {
        {"Firmware Version", TControl::ImageChkFwVer, view.Text(TControl::lblValFwVer)},
        {"Product Serial No.", TControl::ImageChkProdSN, view.Text(TControl::lblValProdSN)},
        {"RX position reports", TControl::ImageChkRx,
         "Channel A: " + view.Text(TControl::lblValRxCntA) +
             "  Channel B: " + view.Text(TControl::lblValRxCntB)},
    };
    bool passed = true;
    for (const CheckRow& row : rows) {
        int icon = view.ImageIndex(row.icon);
        passed = passed && icon == ciPassed;
        std::printf("%-20s %-4s  %s\n", row.caption, Verdict(icon), row.value.c_str());
    }
    return passed ? kExitPassed : kExitFailed;
}
