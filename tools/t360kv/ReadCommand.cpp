// t360kv read: connects and prints the settings of the device report.
#include "Commands.h"
#include "DeviceSettingsText.h"
#include "HeadlessSession.h"

#include <cstdio>

int RunReadCommand(int argc, char** argv) {
    TPortOptions port;
    std::string error;
    for (int i = 0; i < argc && error.empty(); ++i)
        if (!ReadPortOption(argc, argv, i, port, error))
            error = std::string("unexpected argument '") + argv[i] + "'";
    if (error.empty())
        FinishPortOptions(port, error);
    if (!error.empty()) {
        std::fprintf(stderr, "t360kv read: %s\n", error.c_str());
        return kExitNoDevice;
    }

    THeadlessSession session(stderr);
    if (!session.Connect(port)) {
        std::fprintf(stderr, "t360kv read: %s\n", session.ConnectFailure(port).c_str());
        return kExitNoDevice;
    }
    // The handshake completes on the report's end marker: its lines have been read.
    const TDeviceInfo& info = session.Session().Report();
    std::fputs(DeviceSettingsText(info).c_str(), stdout);
    return info.FirmwareValid && info.SerialNoValid ? kExitPassed : kExitFailed;
}
