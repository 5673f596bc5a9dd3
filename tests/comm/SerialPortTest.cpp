// The port layer: names, line settings checks, the factory, "NONE", and real ports through
// QSerialPort on pseudo-terminals the tests make.
#include "CNonePort.h"
#include "CQtSerialPort.h"
#include "CSerialPort.h"
#include "CSimPort.h"
#include "EventWait.h"
#include "PtyPair.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// Reads what the port has, up to n bytes.
std::string read_all(CSerialPort& port, int n = CSerialPort::kQueueSize) {
    std::string bytes;
    unsigned char b = 0;
    while (static_cast<int>(bytes.size()) < n && port.ReadByte(b))
        bytes += static_cast<char>(b);
    return bytes;
}

std::unique_ptr<CSerialPort> open_pty(const PtyPair& pty) {
    auto port = CSerialPort::Create(pty.slave());
    EXPECT_EQ(port->Open(pty.slave()), 1);
    return port;
}

TEST(SerialPortSystemName, MapsWindowsNamesOnLinux) {
    const std::pair<const char*, const char*> names[] = {
        {"COM1", "/dev/ttyS0"}, {"COM9", "/dev/ttyS8"},
        {"com3", "/dev/ttyS2"}, {"COM10", "COM10"},
        {"COM0", "COM0"},       {"COMX", "COMX"},
        {"ttyUSB0", "ttyUSB0"}, {"/dev/pts/3", "/dev/pts/3"}};
    for (const auto& [port, system] : names)
        EXPECT_EQ(CSerialPort::SystemName(port).str(), system) << port;
}

TEST(SerialPortLine, ChecksSettingsAndCountsBits) {
    struct Row {
        int baud;
        char parity;
        int data, stop, bits; // bits 0: refused
    };
    const Row rows[] = {{9600, 'N', 8, 1, 10}, {9600, 'E', 8, 1, 11},  {2400, 'N', 8, 2, 11},
                        {300, 'O', 7, 2, 11},  {19200, 'E', 7, 1, 10}, {9600, 'n', 8, 1, 10},
                        {9600, 'M', 8, 1, 11}, {110, 'S', 5, 1, 8},    {9600, 'X', 8, 1, 0},
                        {9600, 'N', 9, 1, 0},  {9600, 'N', 4, 1, 0},   {9600, 'N', 8, 3, 0},
                        {9600, 'N', 8, 0, 0},  {0, 'N', 8, 1, 0},      {-9600, 'N', 8, 1, 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.baud) + r.parity + std::to_string(r.data) +
                     std::to_string(r.stop));
        EXPECT_EQ(CSerialPort::CheckLine(r.baud, r.parity, r.data, r.stop), r.bits ? 1 : 0);
        if (r.bits) {
            EXPECT_EQ(CSerialPort::CharBits(r.parity, r.data, r.stop), r.bits);
        }
    }
}

TEST(SerialPortFactory, PicksTheImplementationByName) {
    for (const char* name : {"NONE", "none"})
        EXPECT_NE(dynamic_cast<CNonePort*>(CSerialPort::Create(name).get()), nullptr) << name;
    for (const char* name : {"SIM", "Sim"})
        EXPECT_NE(dynamic_cast<CSimPort*>(CSerialPort::Create(name).get()), nullptr) << name;
    for (const char* name : {"COM1", "/dev/pts/0", "SIMULATOR"})
        EXPECT_NE(dynamic_cast<CQtSerialPort*>(CSerialPort::Create(name).get()), nullptr) << name;
}

TEST(SerialPortNone, NeverOpens) {
    auto port = CSerialPort::Create("NONE");
    EXPECT_EQ(port->Open("NONE"), 0);
    EXPECT_EQ(port->LastError(), CSerialPort::kDeviceNotFound);
    unsigned char b = 0;
    EXPECT_EQ(port->IsOpen() + port->Write("W0", 2) + port->ReadByte(b) +
                  port->SetLine(9600, 'N', 8, 1) + port->Purge() + port->Close(),
              0);
    EXPECT_EQ(port->BytesWaiting(), -1);
    EXPECT_EQ(port->LastError(), CSerialPort::kNotOpen);
}

TEST(SerialPortReal, MissingDeviceIsNotFoundAndAPortOpensExclusively) {
    auto missing = CSerialPort::Create("/dev/zep-no-such-port");
    EXPECT_EQ(missing->Open("/dev/zep-no-such-port"), 0);
    EXPECT_EQ(missing->LastError(), CSerialPort::kDeviceNotFound);
    EXPECT_EQ(missing->BytesWaiting(), -1);

    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto first = open_pty(pty);
    auto second = CSerialPort::Create(pty.slave());
    EXPECT_EQ(first->Open(pty.slave()), 0) << "already open in this object";
    EXPECT_EQ(first->LastError(), CSerialPort::kOpen);
    EXPECT_EQ(second->Open(pty.slave()), 0);
    EXPECT_EQ(second->LastError(), CSerialPort::kPermission);
    EXPECT_EQ(first->Close(), 1);
    EXPECT_EQ(second->Open(pty.slave()), 1) << "closing frees it";
}

TEST(SerialPortReal, AppliesLineSettingsAPseudoTerminalCarries) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto port = open_pty(pty);
    ASSERT_EQ(port->SetLine(2400, 'N', 8, 2), 1);
    termios tio = pty.settings();
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B2400));
    EXPECT_NE(tio.c_cflag & CSTOPB, 0u);
    // Parity and 7 data bits cannot reach a pseudo-terminal; they are taken as given.
    ASSERT_EQ(port->SetLine(19200, 'E', 7, 1), 1) << port->LastError();
    tio = pty.settings();
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B19200));
    EXPECT_EQ(tio.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(port->SetLine(9600, 'X', 8, 1), 0);
    EXPECT_EQ(port->LastError(), CSerialPort::kUnsupported);
    tio = pty.settings();
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B19200)) << "earlier settings stay";
}

TEST(SerialPortReal, BytesGoBothWaysAndPurgeDropsWhatWaits) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto port = open_pty(pty);
    ASSERT_TRUE(pty.send("stale"));
    ASSERT_TRUE(WaitFor([&] { return port->BytesWaiting() == 5; }));
    EXPECT_EQ(port->Purge(), 1);
    EXPECT_EQ(port->BytesWaiting(), 0);

    const std::string in("\x02RV-4400 V2.13\x03\0\xff", 18);
    ASSERT_TRUE(pty.send(in));
    ASSERT_TRUE(WaitFor([&] { return port->BytesWaiting() >= static_cast<int>(in.size()); }));
    EXPECT_EQ(read_all(*port), in);
    unsigned char b = 0;
    EXPECT_EQ(port->ReadByte(b), 0) << "nothing waiting";

    const std::string out("\x02W0\x03\0\x80", 6);
    ASSERT_EQ(port->Write(out.data(), static_cast<int>(out.size())), 1);
    std::string received;
    ASSERT_TRUE(WaitFor([&] { return (received += pty.receive()).size() >= out.size(); }));
    EXPECT_EQ(received, out);
}

TEST(SerialPortReal, InputQueueHoldsAtMost4096Bytes) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto port = open_pty(pty);
    std::string data;
    for (int i = 0; i < 6000; ++i)
        data += static_cast<char>('A' + i % 26);
    // The pseudo-terminal takes what fits; the port reads it as the event loop runs.
    size_t sent = 0;
    ASSERT_TRUE(WaitFor([&] { return (sent += pty.send_some(data.substr(sent))) >= data.size(); }));
    int most = 0;
    ASSERT_TRUE(WaitFor([&] {
        most = std::max(most, port->BytesWaiting());
        return most >= CSerialPort::kQueueSize;
    }));
    EXPECT_EQ(most, CSerialPort::kQueueSize);
    EXPECT_EQ(read_all(*port), data.substr(0, CSerialPort::kQueueSize)) << "oldest first";
}

// A pulled USB adapter: reported, left open for the caller, and not spinning the event loop.
TEST(SerialPortReal, ReportsTheOtherSideGoingAwayWithoutSpinning) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto port = open_pty(pty);
    pty.close_master();
    ASSERT_TRUE(WaitFor([&] { return port->BytesWaiting() < 0; }));
    EXPECT_TRUE(port->LastError() == CSerialPort::kRead ||
                port->LastError() == CSerialPort::kResource)
        << port->LastError();
    EXPECT_EQ(port->IsOpen(), 1);
    unsigned char b = 0;
    EXPECT_EQ(port->Write("W0", 2) + port->ReadByte(b), 0);
    QElapsedTimer clock;
    clock.start();
    int wakeups = 0;
    for (; clock.elapsed() < 200; ++wakeups)
        GwEventLoop::wait_for_events(static_cast<int>(200 - clock.elapsed()));
    EXPECT_LT(wakeups, 50);
    EXPECT_EQ(port->BytesWaiting(), -1);
    EXPECT_EQ(port->Close(), 1);
}

} // namespace
