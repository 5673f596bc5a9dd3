// The Unix part of the port layer: Linux device names.
#include "CSerialPort.h"

GwString CSerialPort::SystemName(const GwString& name) {
#if defined(__linux__)
    return DeviceName(name, kLinux);
#else
    return DeviceName(name, kWindows); // other Unix systems: names as they are
#endif
}
