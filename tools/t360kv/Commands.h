// The commands of the headless tool; each takes the arguments after its own name and
// returns the process exit code.
#pragma once

int RunMonitorCommand(int argc, char** argv);
int RunPortsCommand(int argc, char** argv);
int RunDecodeCommand(int argc, char** argv);
int RunCheckCommand(int argc, char** argv);
int RunReadCommand(int argc, char** argv);
int RunProgramCommand(int argc, char** argv);
int RunReportCommand(int argc, char** argv);
int RunStationsCommand(int argc, char** argv);
