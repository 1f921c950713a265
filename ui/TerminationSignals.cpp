#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <iterator>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Written by the handler, read on the GUI thread: [0] is written, [1] is read.
int signalSocket[2] = {-1, -1};

void WriteSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full socket already holds a wake-up; losing this byte loses nothing.
    [[maybe_unused]] ssize_t written = write(signalSocket[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> terminated)
    : terminated_(std::move(terminated)) {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSocket) != 0)
        throw std::runtime_error("cannot watch for the termination signals");
    notifier_ = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::TakeSignal);
    struct sigaction action = {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &action, &previous_[i]);
}

TerminationSignals::~TerminationSignals() {
    for (size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &previous_[i], nullptr);
    delete notifier_;
    close(signalSocket[0]);
    close(signalSocket[1]);
    signalSocket[0] = signalSocket[1] = -1;
}

void TerminationSignals::TakeSignal() {
    char bytes[64];
    if (read(signalSocket[1], bytes, sizeof bytes) > 0)
        terminated_();
}
