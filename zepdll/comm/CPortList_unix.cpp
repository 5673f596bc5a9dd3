// The Linux part of the port list: /dev names, access rights, and whether another process has
// a port open (its lock file, as QSerialPort and terminal programs write one, or an open file
// of the device among the processes this user may look at).
#include "CPortList.h"

#include "CSerialPort.h"

#include <QDir>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>

#include <dirent.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string group_name(gid_t gid) {
    const group* g = getgrgid(gid);
    return g != nullptr ? g->gr_name : std::to_string(gid);
}

std::string program_of(long pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

std::string in_use_detail(long pid) {
    const std::string name = program_of(pid);
    return (name.empty() ? "" : name + ", ") + "process " + std::to_string(pid);
}

bool alive(long pid) {
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// A live process, not this one, named by a lock file of the device; 0 when there is none.
long lock_holder(const std::string& device) {
    std::string base =
        device.rfind('/') != std::string::npos ? device.substr(device.rfind('/') + 1) : device;
    std::string path_name = device.rfind("/dev/", 0) == 0 ? device.substr(5) : device;
    for (char& c : path_name)
        if (c == '/')
            c = '_';
    const std::string dirs[] = {"/var/lock",
                                "/run/lock",
                                "/var/lock/lockdev",
                                "/var/spool/locks",
                                "/var/spool/uucp",
                                "/etc/locks",
                                "/tmp",
                                "/var/tmp",
                                QDir::tempPath().toStdString()};
    for (const std::string& dir : dirs) {
        for (const std::string& name : {base, path_name}) {
            std::ifstream lock(dir + "/LCK.." + name);
            long pid = 0;
            if (lock >> pid && pid != getpid() && alive(pid))
                return pid;
        }
    }
    return 0;
}

// A process, not this one, with the device open; 0 when none of those this user may look at
// has.
long open_by(const std::string& device) {
    char real[PATH_MAX];
    if (realpath(device.c_str(), real) == nullptr)
        return 0;
    DIR* proc = opendir("/proc");
    if (proc == nullptr)
        return 0;
    long found = 0;
    while (const dirent* entry = readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0' || pid == getpid())
            continue;
        const std::string fds = "/proc/" + std::string(entry->d_name) + "/fd";
        DIR* dir = opendir(fds.c_str());
        if (dir == nullptr)
            continue;
        while (const dirent* fd = readdir(dir)) {
            char target[PATH_MAX];
            const std::string link = fds + "/" + fd->d_name;
            const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
            if (n > 0 && std::string(target, static_cast<size_t>(n)) == real) {
                found = pid;
                break;
            }
        }
        closedir(dir);
        if (found != 0)
            break;
    }
    closedir(proc);
    return found;
}

} // namespace

GwString CPortList::StoredName(const GwString& port_name) {
    // ttyS0 .. ttyS8 are COM1 .. COM9 (CSerialPort::SystemName goes the other way).
    if (port_name.len() == 5 && port_name.begins_with("ttyS") && port_name[4] >= '0' &&
        port_name[4] <= '8')
        return GwString("COM") + static_cast<char>(port_name[4] + 1);
    return port_name;
}

GwString CPortList::DeviceOf(const GwString& name) {
    const GwString device = CSerialPort::SystemName(name);
    return device.first('/') < 0 ? "/dev/" + device : device;
}

void CPortList::CheckDevice(Port& port, bool /*listed*/) {
    const std::string device = port.m_sDevice.str();
    struct stat st {};
    if (stat(device.c_str(), &st) != 0) {
        port.m_iState = kMissing;
        return;
    }
    Rights rights;
    rights.m_uMode = st.st_mode & 0777;
    rights.m_uOwner = st.st_uid;
    rights.m_uGroup = st.st_gid;
    rights.m_uUser = getuid();
    const int count = getgroups(0, nullptr);
    std::vector<gid_t> session(static_cast<size_t>(count > 0 ? count : 0));
    if (count > 0 && getgroups(count, session.data()) == count)
        rights.m_oSession.assign(session.begin(), session.end());
    rights.m_oSession.push_back(getegid());
    if (const passwd* pw = getpwuid(getuid())) {
        int n = 64;
        std::vector<gid_t> member(static_cast<size_t>(n));
        if (getgrouplist(pw->pw_name, pw->pw_gid, member.data(), &n) < 0) {
            member.resize(static_cast<size_t>(n));
            getgrouplist(pw->pw_name, pw->pw_gid, member.data(), &n);
        }
        member.resize(static_cast<size_t>(n));
        rights.m_oMemberships.assign(member.begin(), member.end());
    }
    port.m_iState = Judge(rights);
    if (port.m_iState == kNoGroup || port.m_iState == kRelogin) {
        port.m_sDetail = group_name(st.st_gid);
        return;
    }
    if (port.m_iState != kFree)
        return;
    long pid = lock_holder(device);
    if (pid == 0)
        pid = open_by(device);
    if (pid != 0) {
        port.m_iState = kInUse;
        port.m_sDetail = in_use_detail(pid);
    }
}
