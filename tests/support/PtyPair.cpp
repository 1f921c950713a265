#include "PtyPair.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair() {
    char name[256] = {};
    if (openpty(&far_, &near_, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    path_ = name;
    termios raw{};
    tcgetattr(near_, &raw);
    cfmakeraw(&raw);
    tcsetattr(near_, TCSANOW, &raw);
    fcntl(far_, F_SETFL, fcntl(far_, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair() {
    CloseFar();
    close(near_);
}

void PtyPair::WriteFar(const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(far_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            pollfd p{far_, POLLOUT, 0};
            poll(&p, 1, 1000);
        } else if (!(n < 0 && errno == EINTR)) {
            throw std::runtime_error("write to pty failed");
        }
    }
}

std::string PtyPair::ReadFar(int timeoutMs) {
    std::string got;
    pollfd p{far_, POLLIN, 0};
    while (poll(&p, 1, timeoutMs) > 0 && (p.revents & POLLIN)) {
        char buf[4096];
        ssize_t n = read(far_, buf, sizeof buf);
        if (n <= 0)
            break;
        got.append(buf, static_cast<size_t>(n));
        timeoutMs = 50; // collect the rest of a burst
    }
    return got;
}

void PtyPair::CloseFar() {
    if (far_ >= 0)
        close(far_);
    far_ = -1;
}
