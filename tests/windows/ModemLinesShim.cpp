// A test fixture, never part of the programs: an LD_PRELOAD library for wine that lets a
// Windows program use a pseudo-terminal as a COM port.
//
// The end-to-end test under wine reaches the receiver simulator through a COM port that
// wine maps to the simulator's pseudo-terminal. Wine's serial layer reads and sets the
// modem lines (TIOCMGET, TIOCMSET, TIOCMBIS, TIOCMBIC) and the interrupt counters
// (TIOCGICOUNT) to answer SetCommState, EscapeCommFunction, GetCommModemStatus and
// WaitCommEvent; a pseudo-terminal has no modem lines and refuses them, and wine then
// fails those calls with error 50 (not supported). A real serial port answers them.
// This library answers them in the port's place, only when the device refused them: DSR,
// CTS and carrier on (a receiver plugged in and powered), DTR and RTS as last set, no
// line errors or breaks counted. Every other ioctl, and every one the device answers
// itself, passes through.
//
// Built with the host's compiler by tests/windows/ToolUnderWine.sh:
//   g++ -shared -fPIC -o modem-lines.so ModemLinesShim.cpp
#include <asm/ioctls.h>
#include <asm/termios.h>
#include <linux/serial.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace {

using IoctlFunction = int (*)(int, unsigned long, ...);

// The lines the PC drives, per descriptor: wine sets DTR and RTS and reads them back.
constexpr int kDescriptors = 4096;
constexpr int kDrivenLines = TIOCM_DTR | TIOCM_RTS;
std::atomic<int> drivenLines[kDescriptors];

// What a receiver on the other end holds up.
constexpr int kInputLines = TIOCM_DSR | TIOCM_CTS | TIOCM_CAR;

IoctlFunction RealIoctl() {
    static IoctlFunction real = reinterpret_cast<IoctlFunction>(dlsym(RTLD_NEXT, "ioctl"));
    return real;
}

bool IsModemRequest(unsigned long request) {
    return request == TIOCMGET || request == TIOCMSET || request == TIOCMBIS ||
           request == TIOCMBIC || request == TIOCGICOUNT;
}

// Answers a modem request in the device's place; the device is a terminal that refused it.
int Answer(int fd, unsigned long request, void* argument) {
    if (fd < 0 || fd >= kDescriptors || argument == nullptr) {
        errno = EINVAL;
        return -1;
    }
    std::atomic<int>& driven = drivenLines[fd];
    const int given = request == TIOCGICOUNT ? 0 : *static_cast<const int*>(argument);
    switch (request) {
    case TIOCMGET:
        *static_cast<int*>(argument) = driven.load() | kInputLines;
        break;
    case TIOCMSET:
        driven.store(given & kDrivenLines);
        break;
    case TIOCMBIS:
        driven.fetch_or(given & kDrivenLines);
        break;
    case TIOCMBIC:
        driven.fetch_and(~given);
        break;
    default: // TIOCGICOUNT: nothing counted
        std::memset(argument, 0, sizeof(serial_icounter_struct));
        break;
    }
    return 0;
}

} // namespace

// glibc declares ioctl as not throwing; this definition takes its place in the process.
// NOLINTNEXTLINE(readability-identifier-naming): the C library's name, which it replaces
extern "C" int ioctl(int fd, unsigned long request, ...) noexcept {
    va_list arguments;
    va_start(arguments, request);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);

    IoctlFunction real = RealIoctl();
    if (real == nullptr) {
        errno = ENOSYS;
        return -1;
    }
    const int result = real(fd, request, argument);
    if (result == 0 || !IsModemRequest(request))
        return result;
    const int refusal = errno;
    if ((refusal != ENOTTY && refusal != EINVAL) || !isatty(fd)) {
        errno = refusal;
        return result;
    }
    return Answer(fd, request, argument);
}
