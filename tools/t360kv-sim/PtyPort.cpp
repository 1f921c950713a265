#include "PtyPort.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

PtyPort::PtyPort() {
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&master_, &device_, name, &raw, nullptr) != 0)
        throw std::runtime_error(std::string("cannot open a pseudo-terminal: ") +
                                 std::strerror(errno));
    devicePath_ = name;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(device_, F_SETFD, FD_CLOEXEC);
}

PtyPort::~PtyPort() {
    close(device_);
    close(master_);
}
