// The Unix part of the real port: telling a pseudo-terminal from a serial device.
#include "CQtSerialPort.h"

#if defined(__linux__)
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

int CQtSerialPort::is_pty() const {
#if defined(__linux__)
    struct stat st {};
    if (m_port.handle() < 0 || fstat(m_port.handle(), &st) != 0 || !S_ISCHR(st.st_mode))
        return 0;
    // Unix98 pseudo-terminal slaves have the majors 136 to 143.
    const unsigned maj = major(st.st_rdev);
    return maj >= 136 && maj <= 143 ? 1 : 0;
#else
    return 0;
#endif
}
