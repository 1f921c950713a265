// t360kv report: connects, asks for the device report again and writes the
// configuration report to the file given, without opening an editor.
#include "Commands.h"
#include "HeadlessSession.h"

#include "configuration/ConfigurationReport.h"
#include "log/ReportFileName.h"
#include "platform/FileSystem.h"
#include "session/SettingCodes.h"

#include <cstdio>
#include <cstring>
#include <optional>

namespace {
// The report file is written two and a half seconds after the request, as the window does.
constexpr std::chrono::milliseconds kReportWait(2500);
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
    TReceiverSession& receiver = session.Session();
    receiver.RequestReport();
    session.RunFor(kReportWait);
    // The GPS settings as read from the report.
    TReportGpsState gps;
    if (std::optional<TGpsSettings> read = receiver.ReportedSettings().Gps) {
        gps.Enabled = read->OutputOn;
        gps.ModeItem = read->DynModel == kGpsDynModelAtSea ? 1 : 0;
    }
    std::string text =
        ConfigurationReportText(receiver.Report(), gps, kBaudRateCaption, ReadLocalTime());
    // An existing file is replaced, as the overwrite question's default answer does.
    std::string fileName = WithDefaultExtension(out, "TXT");
    TAtomicFileWriter writer(fileName);
    if (!writer.Write(text) || !writer.Commit()) {
        std::fprintf(stderr, "! Cannot create file \"%s\": %s.\n", fileName.c_str(),
                     writer.ErrorText().c_str());
        return kExitFailed;
    }
    std::printf("%s\n", fileName.c_str());
    return kExitPassed;
}
