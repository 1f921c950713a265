// How the component's parity codes become termios flags and back. A pseudo-terminal
// carries no parity, so the mapping is checked directly: odd and even swapped, or mark
// and space, would otherwise go unnoticed until a real line garbled every byte.
#include "serial/posix/TtyLine.h"
#include "serial/CommTypes.h"

#include <gtest/gtest.h>

#include <termios.h>

namespace {

struct ParityCase {
    TParity Parity;
    tcflag_t Flags; // PARENB, PARODD, CMSPAR
};

const ParityCase kParityCases[] = {
    {paNone, 0},
    {paOdd, PARENB | PARODD},
    {paEven, PARENB},
    {paMark, PARENB | PARODD | CMSPAR},
    {paSpace, PARENB | CMSPAR},
};

TEST(TtyLineParity, EachCodeSetsItsFlagsAndReadsBackAsItself) {
    for (const ParityCase& c : kParityCases) {
        SCOPED_TRACE(c.Parity);
        EXPECT_EQ(ParityFlags(static_cast<uint8_t>(c.Parity)), c.Flags);
        // The other bits of c_cflag do not disturb the reading.
        EXPECT_EQ(ParityOfFlags(c.Flags | CS8 | CREAD | CLOCAL | CSTOPB), c.Parity);
    }
}

TEST(TtyLineParity, OddBitWithoutParityEnabledIsNoParity) {
    EXPECT_EQ(ParityOfFlags(PARODD | CMSPAR | CS8), paNone);
}

} // namespace
