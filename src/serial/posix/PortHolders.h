// Who else has a serial device open. Linux lets any number of programs open a tty, and
// the locks that keep them apart (flock, TIOCEXCL) only stop openers that use them, so
// the processes holding the device are looked up through their descriptor links in
// /proc, as Windows refuses a port that another program holds.
#pragma once

#include <string>
#include <vector>

struct TPortHolder {
    int Pid = 0;
    std::string Name; // the process's command name, empty when it cannot be read
};

// The processes other than this one that hold `devicePath` (a device node) open. Only
// processes whose descriptors this user may look at are found. A process that holds the
// master of a pseudo-terminal plays the device at its far end (the receiver simulator
// keeps both ends open) and is not counted as an opener of its slave.
std::vector<TPortHolder> OtherPortHolders(const std::string& devicePath);

// The command name of a process ("minicom"), empty when it cannot be read.
std::string ProcessName(int pid);

// "minicom (PID 4242)", or "PID 4242" when the name is unknown.
std::string DescribeProcess(int pid, const std::string& name);
