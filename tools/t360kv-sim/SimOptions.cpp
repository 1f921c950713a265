#include "SimOptions.h"

#include <charconv>
#include <string_view>
#include <system_error>

const char kSimUsage[] =
    "usage: t360kv-sim [options]\n"
    "Plays a T360KV receiver on a pseudo-terminal; the first line printed is its port.\n"
    "  --name NAME          port link name (default: the first free ttySIM0, ttySIM1, ...)\n"
    "  --ais FILE           replay the !AIVDM/!AIVDO sentences of FILE\n"
    "  --replay FILE        play every line of the capture FILE (GNSS, AIS, anything) in\n"
    "                       place of the made-up streams, paced by its RMC/GGA/ZDA times\n"
    "                       (untimed lines at the pace of a 38400 baud link); at its end\n"
    "                       the port stays open and silent\n"
    "  --speed X            replay X times as fast (default 1, up to 100000; max: as fast\n"
    "                       as the port is read)\n"
    "  --loop               start the capture again at its end\n"
    "  --rate N             AIS sentences per second (default 4, up to 100000)\n"
    "  --no-gps             no GNSS sentences\n"
    "  --no-ais             no AIS sentences\n"
    "  --noise              mix hostile input into the valid lines\n"
    "  --silent             never answer, stream nothing\n"
    "  --restart-quiet S    seconds of silence after a restart (default 3)\n"
    "  --transcript FILE    write every valid line sent to FILE\n"
    "  --start SECONDS      start the clock (and so the sky) at this Unix time\n"
    "  --help               print this text\n"
    "  --version            print the program's name and version\n";

namespace {

bool ReadNumber(const char* text, double& value, double most) {
    std::string_view view(text);
    auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    return error == std::errc() && end == view.data() + view.size() && value >= 0 && value <= most;
}

} // namespace

bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error) {
    for (int i = 0; i < argc; ++i) {
        std::string_view arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        bool takesValue = arg == "--name" || arg == "--ais" || arg == "--rate" ||
                          arg == "--restart-quiet" || arg == "--transcript" || arg == "--start" ||
                          arg == "--replay" || arg == "--speed";
        if (takesValue && value == nullptr) {
            error = std::string(arg) + " needs a value";
            return false;
        }
        if (takesValue)
            ++i;
        if (arg == "--silent") {
            options.Silent = true;
        } else if (arg == "--noise") {
            options.Noise = true;
        } else if (arg == "--no-gps") {
            options.Gps = false;
        } else if (arg == "--no-ais") {
            options.Ais = false;
        } else if (arg == "--loop") {
            options.ReplayLoop = true;
        } else if (arg == "--help" || arg == "-h") {
            options.Help = true;
        } else if (arg == "--version") {
            options.Version = true;
        } else if (arg == "--name") {
            options.Name = value;
            if (options.Name.empty() || options.Name.find('/') != std::string::npos ||
                options.Name == "." || options.Name == "..") {
                error = "--name takes a plain file name";
                return false;
            }
        } else if (arg == "--ais") {
            options.AisFile = value;
        } else if (arg == "--replay") {
            options.ReplayFile = value;
        } else if (arg == "--speed") {
            if (std::string_view(value) == "max") {
                options.ReplaySpeed = 0;
            } else if (!ReadNumber(value, options.ReplaySpeed, kMaxReplaySpeed) ||
                       options.ReplaySpeed <= 0) {
                error = "--speed takes a number above 0 up to 100000, or max";
                return false;
            }
        } else if (arg == "--transcript") {
            options.TranscriptFile = value;
        } else if (arg == "--rate") {
            if (!ReadNumber(value, options.AisRate, kMaxAisRate)) {
                error = "--rate takes a number from 0 to 100000";
                return false;
            }
        } else if (arg == "--restart-quiet") {
            if (!ReadNumber(value, options.RestartQuietSeconds, 3600)) {
                error = "--restart-quiet takes seconds from 0 to 3600";
                return false;
            }
        } else if (arg == "--start") {
            if (!ReadNumber(value, options.StartSeconds, kLatestStartSeconds)) {
                error = "--start takes Unix seconds from 0 to 4102444800";
                return false;
            }
        } else {
            error = "unexpected argument '" + std::string(arg) + "'";
            return false;
        }
    }
    if (!options.ReplayFile.empty() && !options.AisFile.empty()) {
        error = "--replay plays the whole capture: it does not go with --ais";
        return false;
    }
    return true;
}
