// The Windows part of the port layer: port names ("COM3") are passed through.
#include "CSerialPort.h"

GwString CSerialPort::SystemName(const GwString& name) {
    return DeviceName(name, kWindows);
}
