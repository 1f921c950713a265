#include "QueueDrain.h"

#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

Drained Drain(OutputQueue& queue) {
    int ends[2];
    if (pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    Drained drained;
    auto sent = [&drained](const std::string& line) { drained.Valid.push_back(line); };
    while (!queue.Empty()) {
        if (!queue.WriteTo(ends[1], sent))
            throw std::runtime_error("write failed");
        char buffer[65536];
        ssize_t n;
        while ((n = read(ends[0], buffer, sizeof buffer)) > 0)
            drained.Bytes.append(buffer, static_cast<size_t>(n));
    }
    close(ends[0]);
    close(ends[1]);
    return drained;
}
