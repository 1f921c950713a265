#include "serial/SimulatorPorts.h"

#include <cstdlib>
#include <unistd.h>

std::string SimulatorPortFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && access(runtime, W_OK | X_OK) == 0)
        return std::string(runtime) + "/t360kv-sim";
    return "/tmp/t360kv-sim-" + std::to_string(getuid());
}
