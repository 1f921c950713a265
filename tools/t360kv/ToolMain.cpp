// t360kv: the configurator without a window, for scripts and technicians in a terminal.
#include "Commands.h"
#include "ProgramVersion.h"

#include <cstdio>
#include <cstring>

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* summary;
};

constexpr Command kCommands[] = {
    {"ports", RunPortsCommand, "   the serial ports present: friendly name, tab, device path"},
    {"monitor", RunMonitorCommand,
     "--port P [--baud N] [--seconds S] [--no-request]   request the device report and print "
     "every received line"},
    {"check", RunCheckCommand,
     "--port P [--interface usb|rs232] [--baud N] [--seconds S]   connect, read the report, "
     "count AIS for S seconds (default 10) and print the system check; exit 0 pass, 1 fail, "
     "2 no receiver"},
    {"read", RunReadCommand,
     "--port P [--interface usb|rs232] [--baud N]   print the receiver's settings as key=value"},
    {"program", RunProgramCommand,
     "--port P [--rs232 B --nmea B] [--gps on|off --gps-mode sea|altitude] "
     "[--restore-network]   program the receiver and wait for it to come back"},
    {"report", RunReportCommand,
     "--port P --out FILE   write the configuration report (\".TXT\" added to a bare name)"},
    {"decode", RunDecodeCommand,
     "[FILE...]   decode recorded sentences (files or standard input) and print one JSON "
     "object per line"},
    {"stations", RunStationsCommand,
     "FILE... [--csv] [--own LAT,LON]   the stations heard in recorded sentences and the "
     "coverage from the receiver (own position from the GPS sentences unless given)"},
};

// The usage goes to standard output when asked for, to standard error after a mistake.
int Usage(std::FILE* out, int exitCode) {
    std::fprintf(out, "usage: t360kv <command> [options]\n\ncommands:\n");
    for (const Command& c : kCommands)
        std::fprintf(out, "  %s %s\n", c.name, c.summary);
    std::fprintf(out, "\n--port P: a device path, COMn, or text of the port's entry in "
                      "`t360kv ports`.\n");
    std::fprintf(out, "t360kv --help: this text; t360kv --version: the program's version.\n");
    return exitCode;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage(stderr, 2);
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
        return Usage(stdout, 0);
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("t360kv %s\n", T360KV_VERSION);
        return 0;
    }
    for (const Command& c : kCommands)
        if (std::strcmp(argv[1], c.name) == 0)
            return c.run(argc - 2, argv + 2);
    std::fprintf(stderr, "t360kv: unknown command '%s'\n", argv[1]);
    return Usage(stderr, 2);
}
