// Line settings of a Linux tty through termios2, which carries any bit rate (BOTHER).
// Kept apart because <asm/termbits.h> cannot share a file with <termios.h>.
#pragma once

#include <cstdint>

struct TTtyLine {
    uint32_t BaudRate = 0;
    uint8_t Parity = 0;   // NOPARITY..SPACEPARITY
    uint8_t StopBits = 0; // ONESTOPBIT, ONE5STOPBITS, TWOSTOPBITS
    uint8_t ByteSize = 8;
    bool ParityCheck = false;
    char XonChar = 17;
    char XoffChar = 19;
};

// Puts the tty in raw mode with the given line. Flow control stays as the driver had it,
// except software flow control, which is off so that data bytes 17 and 19 pass through.
// Returns 0 or an errno value: EINVAL for a combination the line cannot carry (4 data
// bits; 1.5 stop bits except with 5 data bits; 2 stop bits with 5 data bits) and for a
// rate the driver did not take within 2 %.
int SetTtyLine(int fd, const TTtyLine& line);

// Reads the line as the driver holds it; returns 0 or an errno value.
int GetTtyLine(int fd, TTtyLine& line);

// The c_cflag parity bits (PARENB, PARODD, CMSPAR) of a parity code NOPARITY..SPACEPARITY,
// and the code those bits give back.
uint32_t ParityFlags(uint8_t parity);
uint8_t ParityOfFlags(uint32_t cflag);
