#include "serial/posix/TtyLine.h"

#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

namespace {

constexpr uint8_t kNoParity = 0, kOddParity = 1, kEvenParity = 2, kMarkParity = 3, kSpaceParity = 4;
constexpr uint8_t kOneFiveStopBits = 1, kTwoStopBits = 2;

tcflag_t SizeFlag(uint8_t byteSize) {
    switch (byteSize) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    case 8:
        return CS8;
    default:
        return 0;
    }
}

bool RateAccepted(uint32_t asked, uint32_t got) {
    uint32_t diff = asked > got ? asked - got : got - asked;
    return static_cast<uint64_t>(diff) * 50 <= asked; // within 2 %
}

} // namespace

// Mark and space are "stick" parity: CMSPAR with PARODD sends a parity bit of 1, without
// it a parity bit of 0.
uint32_t ParityFlags(uint8_t parity) {
    switch (parity) {
    case kOddParity:
        return PARENB | PARODD;
    case kEvenParity:
        return PARENB;
    case kMarkParity:
        return PARENB | PARODD | CMSPAR;
    case kSpaceParity:
        return PARENB | CMSPAR;
    default:
        return 0;
    }
}

uint8_t ParityOfFlags(uint32_t cflag) {
    bool odd = (cflag & PARODD) != 0;
    if (!(cflag & PARENB))
        return kNoParity;
    if (cflag & CMSPAR)
        return odd ? kMarkParity : kSpaceParity;
    return odd ? kOddParity : kEvenParity;
}

int SetTtyLine(int fd, const TTtyLine& line) {
    tcflag_t size = SizeFlag(line.ByteSize);
    bool badStop = (line.StopBits == kOneFiveStopBits && line.ByteSize != 5) ||
                   (line.StopBits == kTwoStopBits && line.ByteSize == 5);
    if (size == 0 || badStop || line.BaudRate == 0 || line.Parity > kSpaceParity)
        return EINVAL;

    struct termios2 old {};
    if (ioctl(fd, TCGETS2, &old) != 0)
        return errno;
    struct termios2 t = old;
    t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL |
                                        IXON | IXOFF | IXANY | IMAXBEL | INPCK | IUCLC);
    if (line.ParityCheck)
        t.c_iflag |= INPCK;
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK | ECHONL | ECHOCTL | ECHOKE | ICANON |
                                        ISIG | IEXTEN);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CBAUD |
                                        (CBAUD << IBSHIFT));
    t.c_cflag |= CREAD | CLOCAL | size | BOTHER | (BOTHER << IBSHIFT);
    t.c_cflag |= ParityFlags(line.Parity);
    if (line.StopBits != 0) // 1.5 stop bits is what the UART sends for CSTOPB with 5 bits
        t.c_cflag |= CSTOPB;
    t.c_ispeed = line.BaudRate;
    t.c_ospeed = line.BaudRate;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    t.c_cc[VSTART] = static_cast<cc_t>(line.XonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(line.XoffChar);
    if (ioctl(fd, TCSETS2, &t) != 0)
        return errno;

    // A driver may round a rate or drop a setting silently (a pseudo-terminal forces 8
    // data bits without parity); running with a wrong line is worse than refusing, so
    // the old line comes back and the caller hears EINVAL.
    struct termios2 now {};
    if (ioctl(fd, TCGETS2, &now) != 0)
        return errno;
    constexpr tcflag_t kFrame = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;
    bool parityKept = !(t.c_cflag & PARENB) || (now.c_cflag & kFrame) == (t.c_cflag & kFrame);
    if ((now.c_cflag & (CSIZE | PARENB | CSTOPB)) != (t.c_cflag & (CSIZE | PARENB | CSTOPB)) ||
        !parityKept || !RateAccepted(line.BaudRate, now.c_ospeed)) {
        ioctl(fd, TCSETS2, &old);
        return EINVAL;
    }
    return 0;
}

int GetTtyLine(int fd, TTtyLine& line) {
    struct termios2 t {};
    if (ioctl(fd, TCGETS2, &t) != 0)
        return errno;
    line.BaudRate = t.c_ospeed;
    switch (t.c_cflag & CSIZE) {
    case CS5:
        line.ByteSize = 5;
        break;
    case CS6:
        line.ByteSize = 6;
        break;
    case CS7:
        line.ByteSize = 7;
        break;
    default:
        line.ByteSize = 8;
        break;
    }
    line.Parity = ParityOfFlags(t.c_cflag);
    if (!(t.c_cflag & CSTOPB))
        line.StopBits = 0;
    else
        line.StopBits = line.ByteSize == 5 ? kOneFiveStopBits : kTwoStopBits;
    line.ParityCheck = (t.c_iflag & INPCK) != 0;
    line.XonChar = static_cast<char>(t.c_cc[VSTART]);
    line.XoffChar = static_cast<char>(t.c_cc[VSTOP]);
    return 0;
}
