// The Windows part of the port list: port names pass through as they are ("COM3"). Windows
// tells whether a port is in use only to the one who opens it, so a port the system lists
// counts as free and one it does not list as missing.
#include "CPortList.h"

GwString CPortList::StoredName(const GwString& port_name) {
    return port_name;
}

GwString CPortList::DeviceOf(const GwString& name) {
    return name;
}

void CPortList::CheckDevice(Port& port, bool listed) {
    port.m_iState = listed ? kFree : kMissing;
}
