// t360kv report: connects, reads the device as Read Device does and writes the
// configuration report to the file given, without opening an editor.
#include "Commands.h"
#include "HeadlessSession.h"

#include "log/ReportFileName.h"

#include <cstdio>
#include <cstring>

namespace {
// Read Device offers the report five half-second ticks after its request.
constexpr std::chrono::seconds kOfferWait(10);
} // namespace

int RunReportCommand(int argc, char** argv) {
    TPortOptions port;
    std::string out;
    std::string error;
    for (int i = 0; i < argc && error.empty(); ++i) {
        if (ReadPortOption(argc, argv, i, port, error))
            continue;
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc && argv[i + 1][0] != '\0') {
            out = argv[++i];
            continue;
        }
        error = std::string("unexpected argument '") + argv[i] + "'";
    }
    if (error.empty() && out.empty())
        error = "--out is required";
    if (error.empty())
        FinishPortOptions(port, error);
    if (!error.empty()) {
        std::fprintf(stderr, "t360kv report: %s\n", error.c_str());
        return kExitNoDevice;
    }

    THeadlessSession session(stderr);
    if (!session.Connect(port)) {
        std::fprintf(stderr, "t360kv report: %s\n", session.ConnectFailure(port).c_str());
        return kExitNoDevice;
    }
    TForm1& form = session.Form();
    // The questions take their default answers: save, and replace an existing file.
    session.View().SaveFileName = out;
    form.spbDbgTestCmdClick();
    session.RunUntil([&form] { return form.ReportOutcome != roNone; }, kOfferWait);
    if (form.ReportOutcome != roWritten)
        return kExitFailed;
    std::printf("%s\n", WithDefaultExtension(out, "TXT").c_str());
    return kExitPassed;
}
