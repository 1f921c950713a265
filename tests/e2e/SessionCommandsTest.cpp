// The headless session commands of t360kv against the receiver simulator: their output
// and their exit codes.
#include "HoldingProcess.h"
#include "SimulatorSession.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/wait.h>

#ifndef T360KV_TOOL_PATH
#error "T360KV_TOOL_PATH must name the t360kv executable"
#endif

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
};

class SessionCommandsTest : public SimulatorSession {
protected:
    // Runs t360kv with `arguments` (no blanks in them) in this test's runtime folder, with
    // `environment` (NAME=value ...) set for the tool alone; its standard error goes to a
    // file of its own, shown when an expectation fails.
    ToolRun Run(const std::string& arguments, const std::string& environment = {}) {
        errorFile = runtimeDir + "/t360kv.err";
        std::string command =
            environment + " " + std::string(T360KV_TOOL_PATH) + " " + arguments + " 2>" + errorFile;
        ToolRun run;
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr)
            return run;
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.out.append(buffer, n);
        int status = pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }
    std::string Errors() const {
        std::ifstream in(errorFile);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str() + sim->Log();
    }

    std::string errorFile;
};

TEST_F(SessionCommandsTest, CheckPrintsTheRowsAndPassesWhenAisIsReceived) {
    StartSimulator({"--rate", "20"});
    ToolRun run = Run("check --port " + sim->Port() + " --seconds 3");
    EXPECT_NE(run.out.find("Firmware Version     PASS  T360KV V1.0.8 2024-11-05\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Product Serial No.   PASS  TL360K2409001\n"), std::string::npos);
    EXPECT_TRUE(
        std::regex_search(run.out, std::regex("RX position reports  .{4}  Channel A: [0-9]+  "
                                              "Channel B: [0-9]+\n")))
        << run.out;
    EXPECT_NE(run.out.find("RX position reports  PASS"), std::string::npos) << run.out;
    EXPECT_EQ(run.exitCode, 0) << Errors();
}

TEST_F(SessionCommandsTest, CheckOfASilentReceiverSaysNoReceiver) {
    StartSimulator({"--silent"});
    ToolRun run = Run("check --port " + sim->Port() + " --seconds 1");
    EXPECT_EQ(run.exitCode, 2) << Errors();
    EXPECT_EQ(run.out, "");
}

TEST_F(SessionCommandsTest, ProgramThenReadShowsTheProgrammedSettings) {
    StartSimulator({"--restart-quiet", "1"});
    ToolRun program = Run("program --port " + sim->Port() +
                          " --rs232 19200 --nmea 9600 --gps off --gps-mode altitude");
    ASSERT_EQ(program.exitCode, 0) << Errors();
    const std::string programmed = "firmware=T360KV V1.0.8 2024-11-05\n"
                                   "serial=TL360K2409001\n"
                                   "rs232_baud=19200\n"
                                   "nmea_baud=9600\n"
                                   "gps_output=off\n"
                                   "gps_mode=altitude\n";
    EXPECT_EQ(program.out, programmed);
    ToolRun read = Run("read --port " + sim->Port());
    EXPECT_EQ(read.exitCode, 0) << Errors();
    EXPECT_EQ(read.out, programmed);
}

TEST_F(SessionCommandsTest, ReportWritesTheFileWithTheTxtExtension) {
    StartSimulator();
    std::string out = runtimeDir + "/checked";
    ToolRun run = Run("report --port " + sim->Port() + " --out " + out);
    ASSERT_EQ(run.exitCode, 0) << Errors();
    EXPECT_EQ(run.out, out + ".TXT\n");
    std::ifstream in(out + ".TXT", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("  Serial Number    = TL360K2409001\r\n"), std::string::npos);
    EXPECT_NE(text.str().find("\tRS-232 Baud Rate = 38400\r\n"), std::string::npos);
}

TEST_F(SessionCommandsTest, MistakesOnTheCommandLineAreRefused) {
    StartSimulator();
    for (const char* arguments :
         {"check", "read --port /dev/null --baud 9600", "program --port P --rs232 9600",
          "program --port P", "report --port P", "check --port P --seconds 0"}) {
        SCOPED_TRACE(arguments);
        ToolRun run = Run(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(SessionCommandsTest, HelpPrintsTheUsageAndSucceeds) {
    for (const char* arguments : {"--help", "-h"}) {
        SCOPED_TRACE(arguments);
        ToolRun run = Run(arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.rfind("usage: t360kv <command> [options]\n", 0), 0u) << run.out;
    }
    ToolRun unknown = Run("--frobnicate");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.out, "");
}

// As the window's --port: the text of the port's entry is enough.
TEST_F(SessionCommandsTest, PortIsFoundByTheTextOfItsEntry) {
    StartSimulator();
    ToolRun run = Run("read --port " + std::filesystem::path(sim->Port()).filename().string());
    EXPECT_EQ(run.exitCode, 0) << Errors();
    EXPECT_NE(run.out.find("serial=TL360K2409001\n"), std::string::npos) << run.out;
}

// A path the port list does not hold is opened as given; after the restart that
// programming causes, the same path is opened again while it is there.
TEST_F(SessionCommandsTest, ProgramReconnectsToAPortOutsideThePortList) {
    StartSimulator({"--restart-quiet", "1"});
    // The tool looks for ports in another runtime folder: the simulator's is not listed.
    const std::string elsewhere = runtimeDir + "/elsewhere";
    std::filesystem::create_directory(elsewhere);
    ToolRun program = Run("program --port " + sim->Port() + " --rs232 4800 --nmea 4800",
                          "XDG_RUNTIME_DIR=" + elsewhere);
    EXPECT_EQ(program.exitCode, 0) << Errors();
    EXPECT_NE(program.out.find("rs232_baud=4800\nnmea_baud=4800\n"), std::string::npos)
        << program.out;
}

TEST_F(SessionCommandsTest, RefusedPortSaysWhy) {
    StartSimulator();
    const std::string missing = "/dev/ttyT360KV-missing";
    ToolRun run = Run("read --port " + missing);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(Errors().find("The select device can not connectable.\nNo such device: " + missing +
                            ".\nt360kv read: cannot open " + missing + "\n"),
              std::string::npos)
        << Errors();

    HoldingProcess other(sim->Port());
    run = Run("read --port " + sim->Port());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(Errors().find(" is held by sleep (PID " + std::to_string(other.Pid()) + ").\n"),
              std::string::npos)
        << Errors();
}

} // namespace
