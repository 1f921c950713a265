// t360kv program: programs the receiver one group of settings at a time (the baud
// rates, the internal GPS, the network module's restore), waits after each for the
// receiver's restart and the reconnection, and then checks that the receiver's report
// shows what was programmed.
#include "Commands.h"
#include "DeviceSettingsText.h"
#include "HeadlessSession.h"

#include "session/DeviceSettings.h"
#include "session/SettingCodes.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>

namespace {

// The receiver announces its restart at once; the recovery then takes ten seconds and
// the handshake up to sixteen more.
constexpr std::chrono::seconds kAnnouncementWait(10);
constexpr std::chrono::seconds kReconnectWait(30);

struct ProgramOptions {
    TPortOptions port;
    std::optional<int32_t> rs232Baud, nmeaBaud;
    std::optional<bool> gpsOn;
    std::optional<int32_t> gpsModel;
    bool restoreNetwork = false;
};

// The rate of `text` when the receiver takes it (`codeOf` gives a code).
std::optional<int32_t> RateOf(const char* text, int (*codeOf)(int32_t)) {
    char* end = nullptr;
    long rate = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || rate <= 0 || rate > INT32_MAX ||
        codeOf(static_cast<int32_t>(rate)) < 0)
        return std::nullopt;
    return static_cast<int32_t>(rate);
}

std::string ReadOptions(int argc, char** argv, ProgramOptions& o) {
    std::string error;
    for (int i = 0; i < argc && error.empty(); ++i) {
        if (ReadPortOption(argc, argv, i, o.port, error))
            continue;
        const std::string name = argv[i];
        if (name == "--restore-network") {
            o.restoreNetwork = true;
            continue;
        }
        if (i + 1 >= argc)
            return "unexpected argument '" + name + "'";
        const char* value = argv[++i];
        if (name == "--rs232") {
            o.rs232Baud = RateOf(value, Rs232BaudCode);
            if (!o.rs232Baud)
                error = "--rs232 takes 115200, 57600, 38400, 19200, 9600 or 4800";
        } else if (name == "--nmea") {
            o.nmeaBaud = RateOf(value, NmeaBaudCode);
            if (!o.nmeaBaud)
                error = "--nmea takes 38400, 9600 or 4800";
        } else if (name == "--gps") {
            if (std::strcmp(value, "on") != 0 && std::strcmp(value, "off") != 0)
                error = "--gps takes on or off";
            o.gpsOn = std::strcmp(value, "on") == 0;
        } else if (name == "--gps-mode") {
            if (std::strcmp(value, "altitude") == 0)
                o.gpsModel = kGpsDynModelAltitude;
            else if (std::strcmp(value, "sea") == 0)
                o.gpsModel = kGpsDynModelAtSea;
            else
                error = "--gps-mode takes sea or altitude";
        } else {
            error = "unexpected argument '" + name + "'";
        }
    }
    if (!error.empty())
        return error;
    // Each group of settings is programmed whole.
    if (o.rs232Baud.has_value() != o.nmeaBaud.has_value())
        return "--rs232 and --nmea go together";
    if (o.gpsOn.has_value() != o.gpsModel.has_value())
        return "--gps and --gps-mode go together";
    if (!o.rs232Baud && !o.gpsOn && !o.restoreNetwork)
        return "nothing to program: give --rs232/--nmea, --gps/--gps-mode or --restore-network";
    FinishPortOptions(o.port, error);
    return error;
}

// Sends one group of settings with `program`, then waits for the receiver's restart
// and the reconnection.
bool ProgramGroup(THeadlessSession& session, const std::function<TSendResult()>& program) {
    TReceiverSession& receiver = session.Session();
    if (program() != srSent)
        return false; // the session has said why
    if (!session.RunUntil([&receiver] { return receiver.RestartState() != rsIdle; },
                          kAnnouncementWait)) {
        std::fprintf(stderr, "t360kv program: the receiver did not announce a restart\n");
        return false;
    }
    bool back = session.RunUntil(
        [&receiver] {
            return receiver.RestartState() == rsPortNotFound ||
                   (receiver.RestartState() == rsIdle && receiver.IsConnected());
        },
        kReconnectWait);
    if (!back || !receiver.IsConnected()) {
        std::fprintf(stderr, "t360kv program: the receiver did not come back after its restart\n");
        return false;
    }
    return true;
}

} // namespace

int RunProgramCommand(int argc, char** argv) {
    ProgramOptions options;
    if (std::string error = ReadOptions(argc, argv, options); !error.empty()) {
        std::fprintf(stderr, "t360kv program: %s\n", error.c_str());
        return kExitNoDevice;
    }

    THeadlessSession session(stderr);
    if (!session.Connect(options.port)) {
        std::fprintf(stderr, "t360kv program: %s\n", session.ConnectFailure(options.port).c_str());
        return kExitNoDevice;
    }
    TReceiverSession& receiver = session.Session();
    TDeviceSettings programmed;
    if (options.rs232Baud)
        programmed.Baud = TBaudSettings{*options.rs232Baud, *options.nmeaBaud};
    if (options.gpsOn)
        programmed.Gps = TGpsSettings{*options.gpsOn, *options.gpsModel};
    if (programmed.Baud && !ProgramGroup(session, [&] {
            return receiver.Program({programmed.Baud, {}});
        }))
        return kExitFailed;
    if (programmed.Gps && !ProgramGroup(session, [&] {
            return receiver.Program({{}, programmed.Gps});
        }))
        return kExitFailed;
    if (options.restoreNetwork &&
        !ProgramGroup(session, [&] { return receiver.RestoreNetworkSettings(); }))
        return kExitFailed;
    std::fputs(DeviceSettingsText(receiver.Report()).c_str(), stdout);
    // What the receiver reports after programming, against what was asked.
    TDeviceSettings reported = receiver.ReportedSettings();
    bool same = (!programmed.Baud || reported.Baud == programmed.Baud) &&
                (!programmed.Gps || reported.Gps == programmed.Gps);
    if (!same) {
        std::fprintf(stderr, "t360kv program: the receiver reports other settings than those "
                             "programmed\n");
        return kExitFailed;
    }
    return kExitPassed;
}
