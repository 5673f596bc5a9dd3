// The port list: what the system reports about its serial ports, in the names the settings
// use, and the judgement of a device's access rights.
#include "CPortList.h"

#include "GwPath.h"

#include <QSerialPortInfo>

#include <algorithm>
#include <cctype>

namespace {

const char* const kSim = "SIM";

// Name order with numbers compared by value: "COM2" < "COM10" < "ttyUSB0".
bool name_before(const GwString& a, const GwString& b) {
    int i = 0;
    int j = 0;
    while (i < a.len() && j < b.len()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            long x = 0;
            long y = 0;
            while (i < a.len() && std::isdigit(static_cast<unsigned char>(a[i])))
                x = x * 10 + (a[i++] - '0');
            while (j < b.len() && std::isdigit(static_cast<unsigned char>(b[j])))
                y = y * 10 + (b[j++] - '0');
            if (x != y)
                return x < y;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.len() - i < b.len() - j;
}

bool contains(const std::vector<unsigned>& groups, unsigned g) {
    return std::find(groups.begin(), groups.end(), g) != groups.end();
}

CPortList::Port sim_port() {
    CPortList::Port port;
    port.m_sName = kSim;
    port.m_sDevice = kSim;
    return port;
}

} // namespace

GwString CPortList::Port::Label() const {
    GwString label = m_sName;
    const GwString device = GwPath::file_part(m_sDevice);
    if (device.not_null() && device != m_sName && m_sDevice != m_sName)
        label += " (" + device + ")";
    if (m_sDescription.not_null())
        label += " - " + m_sDescription;
    if (m_sMaker.not_null() && m_sMaker != m_sDescription)
        label += " (" + m_sMaker + ")";
    return label;
}

std::vector<CPortList::Port> CPortList::Ports() {
    std::vector<Port> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        Port port;
        port.m_sName = StoredName(GwString(info.portName().toStdString()));
        port.m_sDevice = GwString(info.systemLocation().toStdString());
        port.m_sDescription = GwString(info.description().trimmed().toStdString());
        port.m_sMaker = GwString(info.manufacturer().trimmed().toStdString());
        CheckDevice(port, true);
        ports.push_back(port);
    }
    std::sort(ports.begin(), ports.end(),
              [](const Port& a, const Port& b) { return name_before(a.m_sName, b.m_sName); });
    ports.push_back(sim_port());
    return ports;
}

CPortList::Port CPortList::Check(const GwString& name) {
    if (name.to_upper() == kSim)
        return sim_port();
    Port port;
    port.m_sName = name;
    port.m_sDevice = DeviceOf(name);
    bool listed = false;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const GwString stored = StoredName(GwString(info.portName().toStdString()));
        if (stored.to_upper() == name.to_upper() ||
            GwString(info.systemLocation().toStdString()) == port.m_sDevice) {
            port.m_sDescription = GwString(info.description().trimmed().toStdString());
            port.m_sMaker = GwString(info.manufacturer().trimmed().toStdString());
            listed = true;
            break;
        }
    }
    CheckDevice(port, listed);
    return port;
}

int CPortList::Judge(const Rights& rights) {
    constexpr unsigned kReadWrite = 6; // read and write bits of one class
    if (rights.m_uUser == 0)
        return kFree;
    if (rights.m_uOwner == rights.m_uUser)
        return ((rights.m_uMode >> 6) & kReadWrite) == kReadWrite ? kFree : kNoRights;
    const bool group_may = ((rights.m_uMode >> 3) & kReadWrite) == kReadWrite;
    if (contains(rights.m_oSession, rights.m_uGroup))
        return group_may ? kFree : kNoRights; // the group's bits decide, as the system does
    if ((rights.m_uMode & kReadWrite) == kReadWrite)
        return kFree;
    if (!group_may)
        return kNoRights;
    return contains(rights.m_oMemberships, rights.m_uGroup) ? kRelogin : kNoGroup;
}
