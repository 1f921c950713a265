// t360kv program: programs the receiver as Program Device does, page by page, waits
// after each for the receiver's restart and the reconnection, and then checks that the
// receiver's report shows what was programmed.
#include "Commands.h"
#include "DeviceSettingsText.h"
#include "HeadlessSession.h"

#include "session/SettingCodes.h"

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// The receiver announces its restart at once; the recovery then takes ten seconds and
// the handshake up to sixteen more.
constexpr std::chrono::seconds kAnnouncementWait(10);
constexpr std::chrono::seconds kReconnectWait(30);

struct ProgramOptions {
    TPortOptions port;
    std::optional<int> rs232Item, nmeaItem; // items of the BAUD RATE selectors
    std::optional<bool> gpsOn;
    std::optional<int> gpsModeItem;
    bool restoreNetwork = false;
};

template <size_t N> std::optional<int> ItemOf(const TSelectorItem (&items)[N], const char* text) {
    for (size_t i = 0; i < N; ++i)
        if (std::strcmp(items[i].Text, text) == 0)
            return static_cast<int>(i);
    return std::nullopt;
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
            o.rs232Item = ItemOf(Rs232BaudCodes, value);
            if (!o.rs232Item)
                error = "--rs232 takes 115200, 57600, 38400, 19200, 9600 or 4800";
        } else if (name == "--nmea") {
            o.nmeaItem = ItemOf(NmeaBaudCodes, value);
            if (!o.nmeaItem)
                error = "--nmea takes 38400, 9600 or 4800";
        } else if (name == "--gps") {
            if (std::strcmp(value, "on") != 0 && std::strcmp(value, "off") != 0)
                error = "--gps takes on or off";
            o.gpsOn = std::strcmp(value, "on") == 0;
        } else if (name == "--gps-mode") {
            if (std::strcmp(value, "altitude") == 0)
                o.gpsModeItem = 0;
            else if (std::strcmp(value, "sea") == 0)
                o.gpsModeItem = 1;
            else
                error = "--gps-mode takes sea or altitude";
        } else {
            error = "unexpected argument '" + name + "'";
        }
    }
    if (!error.empty())
        return error;
    // Each page programs all of its settings at once.
    if (o.rs232Item.has_value() != o.nmeaItem.has_value())
        return "--rs232 and --nmea go together";
    if (o.gpsOn.has_value() != o.gpsModeItem.has_value())
        return "--gps and --gps-mode go together";
    if (!o.rs232Item && !o.gpsOn && !o.restoreNetwork)
        return "nothing to program: give --rs232/--nmea, --gps/--gps-mode or --restore-network";
    FinishPortOptions(o.port, error);
    return error;
}

// Program Device on `page`, then the receiver's restart and the reconnection.
bool ProgramPage(THeadlessSession& session, int page) {
    TForm1& form = session.Form();
    session.View().SetActivePage(TControl::PageControlConf, page);
    form.SpeedButtonSettingClick();
    if (!session.RunUntil([&form] { return form.RestartState != rsIdle; }, kAnnouncementWait)) {
        std::fprintf(stderr, "t360kv program: the receiver did not announce a restart\n");
        return false;
    }
    bool back = session.RunUntil(
        [&form] {
            return form.RestartState == rsPortNotFound ||
                   (form.RestartState == rsIdle && form.SessionUp);
        },
        kReconnectWait);
    if (!back || !form.SessionUp) {
        std::fprintf(stderr, "t360kv program: the receiver did not come back after its restart\n");
        return false;
    }
    return true;
}

// What the receiver reports after programming, against what was asked.
bool ReportShowsProgrammed(const TDeviceInfo& info, const ProgramOptions& o) {
    bool same = true;
    if (o.rs232Item)
        same = same && std::to_string(info.Rs232Baud) == Rs232BaudCodes[*o.rs232Item].Text &&
               std::to_string(info.NmeaBaud) == NmeaBaudCodes[*o.nmeaItem].Text;
    if (o.gpsOn)
        same = same && info.GpsOutputOff == !*o.gpsOn &&
               info.GpsDynModel == GpsDynModelCodes[*o.gpsModeItem].Code;
    return same;
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
    TTextView& view = session.View();
    if (options.rs232Item) {
        view.SetItemIndex(TControl::cbxBaud_RS232, *options.rs232Item);
        view.SetItemIndex(TControl::cbxBaud_NMEA, *options.nmeaItem);
        if (!ProgramPage(session, pgBaudRate))
            return kExitFailed;
    }
    if (options.gpsOn) {
        view.SetChecked(TControl::CheckBoxInternalGPSEnable, *options.gpsOn);
        view.SetItemIndex(TControl::ComboBoxGPSNavStatus, *options.gpsModeItem);
        if (!ProgramPage(session, pgInternalGps))
            return kExitFailed;
    }
    if (options.restoreNetwork) {
        view.SetChecked(TControl::CheckBoxNetworkRestore, true);
        if (!ProgramPage(session, pgRestore))
            return kExitFailed;
    }
    const TDeviceInfo& info = session.Form().DeviceInfo;
    std::fputs(DeviceSettingsText(info).c_str(), stdout);
    if (!ReportShowsProgrammed(info, options)) {
        std::fprintf(stderr, "t360kv program: the receiver reports other settings than those "
                             "programmed\n");
        return kExitFailed;
    }
    return kExitPassed;
}
