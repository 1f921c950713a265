// The commands of the headless tool; each takes the arguments after its own name and
// returns the process exit code.
#pragma once

int RunMonitorCommand(int argc, char** argv);
int RunPortsCommand(int argc, char** argv);
int RunDecodeCommand(int argc, char** argv);
