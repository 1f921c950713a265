// Where simulated receivers offer their serial ports: each simulator puts a symbolic
// link to its pseudo-terminal in this per-user folder, so that the port list can show
// it without root rights and without guessing at /dev/pts.
#pragma once

#include <string>

// "$XDG_RUNTIME_DIR/t360kv-sim" when that variable names a writable folder, otherwise
// "/tmp/t360kv-sim-<uid>". The folder may not exist yet.
std::string SimulatorPortFolder();
