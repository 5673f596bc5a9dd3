// The serial ports of this machine as a technician chooses among them: every port the system
// reports (QSerialPortInfo) with its description and maker, the built-in simulated scanner
// "SIM", and whether each can be used now. The port dialogs and the command-line tool list
// ports through it.
//
// Names are those the settings store and CSerialPort::Create opens: on Linux "ttyS0" to
// "ttyS8" are listed as "COM1" to "COM9" (the names the settings have always used for them),
// other ports by their device name ("ttyUSB0"); on Windows the port names as they are
// ("COM3"). A device path ("/dev/pts/4") can be checked as well.
//
// A port is checked without opening it, so that looking never disturbs a device:
//   kInUse     another process has it open or holds its lock file (detail: "minicom, process
//              4711", or "process 4711" when the program's name cannot be read)
//   kNoGroup   the user lacks the rights, which the device's group would give (detail: the
//              group, typically "dialout"; the user must be added to it)
//   kRelogin   the user is a member of that group, but this session started before (detail:
//              the group; log out and in again)
//   kNoRights  no access, and no group would help
//   kMissing   no such device
// The platform part (access rights, the lock files and open files of other processes, the
// Linux device names) lives in CPortList_unix.cpp / CPortList_win.cpp; on Windows every listed
// port counts as free, since only opening it can tell.
#pragma once

#include "GwString.h"

#include <vector>

class CPortList {
public:
    enum State { kFree = 0, kInUse, kNoGroup, kRelogin, kNoRights, kMissing };

    struct Port {
        GwString m_sName;        // as the settings store it: "COM1", "ttyUSB0", "SIM"
        GwString m_sDevice;      // what is opened for it: "/dev/ttyS0", "COM3"; "SIM"
        GwString m_sDescription; // "FT232R USB UART"; empty when the system gives none
        GwString m_sMaker;       // "FTDI"; empty when the system gives none
        int m_iState = kFree;
        GwString m_sDetail; // see the states above

        // "ttyUSB0 - FT232R USB UART (FTDI)"; "COM1 (ttyS0)" when the device's name differs
        // from the stored one; the name alone when nothing else is known.
        GwString Label() const;
    };

    // The ports the system reports, in the order of their names (COM2 before COM10), each
    // checked; then "SIM".
    static std::vector<Port> Ports();
    // One name as the settings hold it (any case for "SIM" and "COMn"), checked; description
    // and maker when the system reports the port.
    static Port Check(const GwString& name);

    // The facts about a device that decide whether this user may open it (the Linux part
    // judges them; public so that every case can be shown without a second user account).
    struct Rights {
        unsigned m_uMode = 0;  // permission bits of the device file
        unsigned m_uOwner = 0; // its owner and group
        unsigned m_uGroup = 0;
        unsigned m_uUser = 0;                 // the user running the program
        std::vector<unsigned> m_oSession;     // groups of this session
        std::vector<unsigned> m_oMemberships; // groups the user belongs to now
    };
    // kFree when the user may read and write the device, else kNoGroup, kRelogin or kNoRights.
    // Root may use every device.
    static int Judge(const Rights& rights);

private:
    // The platform part: the stored name of a port the system reports ("ttyS0" -> "COM1" on
    // Linux), the device a stored name opens, and the check of one device (state and detail;
    // listed: the system reports the port).
    static GwString StoredName(const GwString& port_name);
    static GwString DeviceOf(const GwString& name);
    static void CheckDevice(Port& port, bool listed);
};
