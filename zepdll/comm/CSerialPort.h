// The serial port as the driver sees it: open by name with exclusive access, line settings,
// a 4096-byte input queue read one byte at a time, write, purge, close. Create() picks the
// implementation by the port name: "NONE" (no port), a built-in port registered by name ("SIM",
// the simulated scanner inside the process, which registers itself from the layer above) or a
// real port through QSerialPort.
//
// Principles of operation
//   - Nothing blocks. BytesWaiting() tells what the input queue holds now; ReadByte() takes
//     one byte of it. A caller that wants to wait runs
//     QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents): every implementation
//     wakes such a loop when data arrives (QSerialPort through its socket notifier, "SIM"
//     through a precise timer set for the moment its reply has come down the wire). The loop
//     needs a timer of its own for a time-out: with no port activity it sleeps for ever.
//   - The input queue holds at most kQueueSize bytes; what arrives while it is full is lost,
//     as with the input queue of a Windows port set up with 4096 bytes.
//   - A port that fails while open (a USB adapter pulled out, the other side of a
//     pseudo-terminal closed) stays open for the caller until it is closed. What had arrived
//     before the failure can still be read; after that BytesWaiting() gives -1 and ReadByte()
//     0, and Write() gives 0 at once. LastError() is then kResource, whatever the port type.
//   - Every failure leaves a code in LastError(): the values of Error below, which are those of
//     QSerialPort::SerialPortError, for every implementation.
#pragma once

#include "CLineSettings.h"
#include "GwString.h"

#include <memory>

class CSerialPort {
public:
    enum Error {
        kNoError = 0,
        kDeviceNotFound = 1, // no such port (also "NONE", and a vanished simulated scanner)
        kPermission = 2,     // in use by someone else, or no access rights
        kOpen = 3,           // this object has a port open already
        kWrite = 4,
        kRead = 5,
        kResource = 6,    // the device went away while open (any port type)
        kUnsupported = 7, // line settings the device cannot take
        kUnknown = 8,
        kTimeout = 9,
        kNotOpen = 10
    };

    static constexpr int kQueueSize = 4096;

    virtual ~CSerialPort() = default;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // A closed port of the kind the name asks for: "NONE" and the names of built-in ports
    // (any case) give the no-port and the built-in implementations, every other name a real
    // port. Never null.
    static std::unique_ptr<CSerialPort> Create(const GwString& name);

    // Makes a port of a built-in kind.
    using Maker = std::unique_ptr<CSerialPort> (*)();
    // Registers a built-in port name (upper case, e.g. "SIM"); a later registration of the
    // same name wins. Gives 1, so that a file can register from a static initialiser.
    static int RegisterBuiltIn(const char* name, Maker maker);

    // The device a port name opens on a platform. With Linux names "COM1" to "COM9" (any case)
    // are "/dev/ttyS0" to "/dev/ttyS8"; on Windows, and for every other name, the name is
    // passed through as it is ("COM3", "COM10"; "ttyUSB0" is completed by QSerialPort,
    // "/dev/pts/7" is already a path).
    enum Platform { kWindows, kLinux };
    static GwString DeviceName(const GwString& name, Platform platform);
    // DeviceName on the platform the program runs on (the platform part of the port layer,
    // CSerialPort_unix.cpp / CSerialPort_win.cpp).
    static GwString SystemName(const GwString& name);

    // Opens the port with exclusive access. 1 when open. 0 when the port does not exist
    // (kDeviceNotFound), is in use or not accessible (kPermission), or this object has a port
    // open already (kOpen); nothing is open then.
    virtual int Open(const GwString& name) = 0;
    virtual int IsOpen() const = 0;

    // Applies the line settings to the open port. 1 when applied; 0 with kUnsupported for
    // settings that are not valid (CLineSettings::IsValid) or that the device cannot take (the
    // earlier settings then stay), kNotOpen without an open port.
    virtual int SetLine(const CLineSettings& line) = 0;

    // Number of bytes in the input queue (0 to kQueueSize), or -1 when the port is not open or
    // has failed and nothing from before the failure is left (LastError tells which).
    virtual int BytesWaiting() = 0;

    // Takes the oldest byte of the input queue. 1 when a byte was read; 0 when the queue is
    // empty (kRead), the port is not open or has failed.
    virtual int ReadByte(unsigned char& byte) = 0;

    // Sends length bytes. 1 when the port took them all; 0 when it is not open, has failed or
    // refused the write (kWrite).
    virtual int Write(const char* data, int length) = 0;

    // Empties the input queue and drops output not yet sent. 1, or 0 without an open port.
    virtual int Purge() = 0;

    // Closes the port; also one that has failed. 1 when a port was open, 0 otherwise.
    virtual int Close() = 0;

    // The code of the last failure (kNoError before any).
    virtual int LastError() const = 0;

protected:
    CSerialPort() = default;
};
