// The Windows part of the real port: Windows has no pseudo-terminals among its ports.
#include "CQtSerialPort.h"

int CQtSerialPort::is_pty() const {
    return 0;
}
