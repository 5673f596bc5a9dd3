#include "CSerialPort.h"

#include "CNonePort.h"
#include "CQtSerialPort.h"

#include <map>
#include <string>

namespace {
std::map<std::string, CSerialPort::Maker>& built_in() {
    static std::map<std::string, CSerialPort::Maker> makers;
    return makers;
}
} // namespace

int CSerialPort::RegisterBuiltIn(const char* name, Maker maker) {
    built_in()[name] = maker;
    return 1;
}

std::unique_ptr<CSerialPort> CSerialPort::Create(const GwString& name) {
    const GwString upper = name.to_upper();
    if (upper == "NONE")
        return std::make_unique<CNonePort>();
    const auto found = built_in().find(upper.cc());
    if (found != built_in().end())
        return found->second();
    return std::make_unique<CQtSerialPort>();
}

GwString CSerialPort::DeviceName(const GwString& name, Platform platform) {
    const GwString upper = name.to_upper();
    if (platform == kLinux && upper.len() == 4 && upper.begins_with("COM") && upper[3] >= '1' &&
        upper[3] <= '9')
        return GwString("/dev/ttyS") + static_cast<char>(upper[3] - 1);
    return name;
}
