#include "termios2_line.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <cstdlib>

namespace tovaline {

namespace {

bool getTermios(int fd, termios2& t) {
    return ::ioctl(fd, TCGETS2, &t) == 0;
}

bool setTermios(int fd, const termios2& t) {
    return ::ioctl(fd, TCSETS2, &t) == 0;
}

// Raw in every direction: the library sees the line's bytes as they are and
// does flow control itself. Breaks show only as line-error counts (IGNBRK);
// parity errors are delivered as received (no INPCK).
void setRawFlags(termios2& t) {
    t.c_iflag &= ~(BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK |
                   IGNPAR | IUCLC | IMAXBEL);
    t.c_iflag |= IGNBRK;
    t.c_oflag &= ~OPOST;
    t.c_lflag &= ~(ECHO | ECHOE | ECHOK | ECHONL | ICANON | ISIG | IEXTEN | NOFLSH | TOSTOP);
    t.c_cflag &= ~CRTSCTS;
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
}

tcflag_t sizeFlag(int dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

int dataBitsOf(tcflag_t cflag) {
    switch (cflag & CSIZE) {
    case CS5:
        return 5;
    case CS6:
        return 6;
    case CS7:
        return 7;
    default:
        return 8;
    }
}

tcflag_t parityFlags(int parity) {
    switch (parity) {
    case 1:
        return PARENB;
    case 2:
        return PARENB | PARODD;
    case 3:
        return PARENB | PARODD | CMSPAR;
    case 4:
        return PARENB | CMSPAR;
    default:
        return 0;
    }
}

int parityOf(tcflag_t cflag) {
    if (!(cflag & PARENB)) return 0;
    const bool odd = cflag & PARODD;
    if (cflag & CMSPAR) return odd ? 3 : 4;
    return odd ? 2 : 1;
}

LineSettings settingsOf(const termios2& t) {
    LineSettings s;
    s.speed = static_cast<int32_t>(t.c_ospeed);
    s.parity = parityOf(t.c_cflag);
    s.dataBits = dataBitsOf(t.c_cflag);
    s.stopBits = (t.c_cflag & CSTOPB) ? 1 : 0;
    return s;
}

bool speedClose(int32_t actual, int32_t wanted) {
    return std::llabs(static_cast<long long>(actual) - wanted) * 100 <=
           static_cast<long long>(wanted) * 3;
}

} // namespace

bool makeLineRaw(int fd) {
    termios2 t;
    if (!getTermios(fd, t)) return false;
    setRawFlags(t);
    return setTermios(fd, t);
}

bool readLineSettings(int fd, LineSettings& out) {
    termios2 t;
    if (!getTermios(fd, t)) return false;
    out = settingsOf(t);
    return true;
}

void flushLine(int fd) {
    ::ioctl(fd, TCFLSH, TCIOFLUSH);
}

bool applyLineSettings(int fd, const LineSettings& settings) {
    // One and a half stop bits cannot be expressed here at all.
    if (settings.speed <= 0 || settings.stopBits == 2) return false;
    termios2 previous;
    if (!getTermios(fd, previous)) return false;

    termios2 next = previous;
    setRawFlags(next);
    // CIBAUD left zero: the input speed follows the output speed.
    next.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT) | CSIZE | PARENB | PARODD | CMSPAR | CSTOPB);
    next.c_cflag |= BOTHER | sizeFlag(settings.dataBits) | parityFlags(settings.parity);
    if (settings.stopBits == 1) next.c_cflag |= CSTOPB;
    next.c_ispeed = next.c_ospeed = static_cast<speed_t>(settings.speed);
    if (!setTermios(fd, next)) return false;

    termios2 applied;
    if (getTermios(fd, applied)) {
        const LineSettings got = settingsOf(applied);
        if (got.dataBits == settings.dataBits && got.parity == settings.parity &&
            got.stopBits == settings.stopBits && speedClose(got.speed, settings.speed))
            return true;
    }
    setTermios(fd, previous);
    return false;
}

} // namespace tovaline
