// The port layer: the factory, the line settings checks, "NONE", and real ports through
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

struct NameCase {
    const char* name;
    const char* port;
    const char* system;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.name;
}

struct LineCase {
    const char* name;
    int baud;
    char parity;
    int data;
    int stop;
    int valid;
    int bits;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

// Reads what the port has, up to n bytes.
std::string read_all(CSerialPort& port, int n = CSerialPort::kQueueSize) {
    std::string bytes;
    unsigned char b = 0;
    while (static_cast<int>(bytes.size()) < n && port.ReadByte(b))
        bytes += static_cast<char>(b);
    return bytes;
}

} // namespace

class SerialPortSystemName : public testing::TestWithParam<NameCase> {};
TEST_P(SerialPortSystemName, MapsWindowsNamesOnLinux) {
    EXPECT_EQ(CSerialPort::SystemName(GetParam().port).str(), GetParam().system);
}
INSTANTIATE_TEST_SUITE_P(Names, SerialPortSystemName,
                         testing::Values(NameCase{"com1", "COM1", "/dev/ttyS0"},
                                         NameCase{"com9", "COM9", "/dev/ttyS8"},
                                         NameCase{"lower_case", "com3", "/dev/ttyS2"},
                                         NameCase{"com10_as_is", "COM10", "COM10"},
                                         NameCase{"com0_as_is", "COM0", "COM0"},
                                         NameCase{"short_name", "ttyUSB0", "ttyUSB0"},
                                         NameCase{"path", "/dev/pts/3", "/dev/pts/3"},
                                         NameCase{"com_letter", "COMX", "COMX"}),
                         [](const testing::TestParamInfo<NameCase>& info) {
                             return std::string(info.param.name);
                         });

class SerialPortLine : public testing::TestWithParam<LineCase> {};
TEST_P(SerialPortLine, ChecksSettingsAndCountsBits) {
    const LineCase& c = GetParam();
    EXPECT_EQ(CSerialPort::CheckLine(c.baud, c.parity, c.data, c.stop), c.valid);
    if (c.valid) {
        EXPECT_EQ(CSerialPort::CharBits(c.parity, c.data, c.stop), c.bits);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Lines, SerialPortLine,
    testing::Values(
        LineCase{"n81", 9600, 'N', 8, 1, 1, 10}, LineCase{"e81", 9600, 'E', 8, 1, 1, 11},
        LineCase{"n82", 2400, 'N', 8, 2, 1, 11}, LineCase{"o72", 300, 'O', 7, 2, 1, 11},
        LineCase{"e71", 19200, 'E', 7, 1, 1, 10}, LineCase{"lower_parity", 9600, 'n', 8, 1, 1, 10},
        LineCase{"mark", 9600, 'M', 8, 1, 1, 11}, LineCase{"space_five_bits", 110, 'S', 5, 1, 1, 8},
        LineCase{"parity_letter_unknown", 9600, 'X', 8, 1, 0, 0},
        LineCase{"nine_bits", 9600, 'N', 9, 1, 0, 0}, LineCase{"four_bits", 9600, 'N', 4, 1, 0, 0},
        LineCase{"three_stop_bits", 9600, 'N', 8, 3, 0, 0},
        LineCase{"no_stop_bits", 9600, 'N', 8, 0, 0, 0}, LineCase{"baud_zero", 0, 'N', 8, 1, 0, 0},
        LineCase{"baud_negative", -9600, 'N', 8, 1, 0, 0}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(SerialPortFactory, PicksTheImplementationByName) {
    EXPECT_NE(dynamic_cast<CNonePort*>(CSerialPort::Create("NONE").get()), nullptr);
    EXPECT_NE(dynamic_cast<CNonePort*>(CSerialPort::Create("none").get()), nullptr);
    EXPECT_NE(dynamic_cast<CSimPort*>(CSerialPort::Create("SIM").get()), nullptr);
    EXPECT_NE(dynamic_cast<CSimPort*>(CSerialPort::Create("Sim").get()), nullptr);
    EXPECT_NE(dynamic_cast<CQtSerialPort*>(CSerialPort::Create("COM1").get()), nullptr);
    EXPECT_NE(dynamic_cast<CQtSerialPort*>(CSerialPort::Create("/dev/pts/0").get()), nullptr);
    EXPECT_NE(dynamic_cast<CQtSerialPort*>(CSerialPort::Create("SIMULATOR").get()), nullptr);
}

TEST(SerialPortNone, NeverOpens) {
    auto port = CSerialPort::Create("NONE");
    EXPECT_EQ(port->Open("NONE"), 0);
    EXPECT_EQ(port->LastError(), CSerialPort::kDeviceNotFound);
    EXPECT_EQ(port->IsOpen(), 0);
    EXPECT_EQ(port->BytesWaiting(), -1);
    EXPECT_EQ(port->Write("W0", 2), 0);
    unsigned char b = 0;
    EXPECT_EQ(port->ReadByte(b), 0);
    EXPECT_EQ(port->SetLine(9600, 'N', 8, 1), 0);
    EXPECT_EQ(port->Purge(), 0);
    EXPECT_EQ(port->Close(), 0);
    EXPECT_EQ(port->LastError(), CSerialPort::kNotOpen);
}

TEST(SerialPortReal, MissingDeviceIsNotFound) {
    auto port = CSerialPort::Create("/dev/zep-no-such-port");
    EXPECT_EQ(port->Open("/dev/zep-no-such-port"), 0);
    EXPECT_EQ(port->LastError(), CSerialPort::kDeviceNotFound);
    EXPECT_EQ(port->IsOpen(), 0);
    EXPECT_EQ(port->BytesWaiting(), -1);
}

TEST(SerialPortReal, OpensExclusively) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto first = CSerialPort::Create(pty.slave());
    auto second = CSerialPort::Create(pty.slave());
    ASSERT_EQ(first->Open(pty.slave()), 1);
    EXPECT_EQ(first->Open(pty.slave()), 0) << "already open in this object";
    EXPECT_EQ(first->LastError(), CSerialPort::kOpen);
    EXPECT_EQ(second->Open(pty.slave()), 0);
    EXPECT_EQ(second->LastError(), CSerialPort::kPermission);
    EXPECT_EQ(second->IsOpen(), 0);
    // Closing frees it for the next.
    EXPECT_EQ(first->Close(), 1);
    EXPECT_EQ(first->IsOpen(), 0);
    EXPECT_EQ(second->Open(pty.slave()), 1);
}

TEST(SerialPortReal, AppliesLineSettingsAPseudoTerminalCarries) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto port = CSerialPort::Create(pty.slave());
    ASSERT_EQ(port->Open(pty.slave()), 1);

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

TEST(SerialPortReal, BytesGoBothWays) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto port = CSerialPort::Create(pty.slave());
    ASSERT_EQ(port->Open(pty.slave()), 1);
    ASSERT_EQ(port->SetLine(9600, 'N', 8, 1), 1);
    EXPECT_EQ(port->BytesWaiting(), 0);

    const std::string in("\x02RV-4400 V2.13\x03\0\xff", 18);
    ASSERT_TRUE(pty.send(in));
    ASSERT_TRUE(WaitFor([&] { return port->BytesWaiting() >= static_cast<int>(in.size()); }));
    EXPECT_EQ(read_all(*port), in);
    EXPECT_EQ(port->BytesWaiting(), 0);
    unsigned char b = 0;
    EXPECT_EQ(port->ReadByte(b), 0) << "nothing waiting";

    const std::string out("\x02W0\x03\0\x80", 6);
    ASSERT_EQ(port->Write(out.data(), static_cast<int>(out.size())), 1);
    std::string received;
    ASSERT_TRUE(WaitFor([&] {
        received += pty.receive();
        return received.size() >= out.size();
    }));
    EXPECT_EQ(received, out);
}

TEST(SerialPortReal, PurgeDropsWhatWaits) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto port = CSerialPort::Create(pty.slave());
    ASSERT_EQ(port->Open(pty.slave()), 1);
    ASSERT_TRUE(pty.send("stale"));
    ASSERT_TRUE(WaitFor([&] { return port->BytesWaiting() == 5; }));
    EXPECT_EQ(port->Purge(), 1);
    EXPECT_EQ(port->BytesWaiting(), 0);
    ASSERT_TRUE(pty.send("new"));
    ASSERT_TRUE(WaitFor([&] { return port->BytesWaiting() == 3; }));
    EXPECT_EQ(read_all(*port), "new");
}

TEST(SerialPortReal, InputQueueHoldsAtMost4096Bytes) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto port = CSerialPort::Create(pty.slave());
    ASSERT_EQ(port->Open(pty.slave()), 1);
    std::string data;
    for (int i = 0; i < 6000; ++i)
        data += static_cast<char>('A' + i % 26);
    // The pseudo-terminal takes what fits; the port reads it as the event loop runs.
    size_t sent = 0;
    ASSERT_TRUE(WaitFor([&] {
        sent += pty.send_some(data.substr(sent));
        return sent >= data.size();
    }));
    int most = 0;
    ASSERT_TRUE(WaitFor([&] {
        most = std::max(most, port->BytesWaiting());
        return most >= CSerialPort::kQueueSize;
    }));
    EXPECT_EQ(most, CSerialPort::kQueueSize);
    EXPECT_EQ(read_all(*port), data.substr(0, CSerialPort::kQueueSize)) << "oldest first";
}

TEST(SerialPortReal, ReportsTheOtherSideGoingAway) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto port = CSerialPort::Create(pty.slave());
    ASSERT_EQ(port->Open(pty.slave()), 1);
    pty.close_master();
    ASSERT_TRUE(WaitFor([&] { return port->BytesWaiting() < 0; }));
    EXPECT_TRUE(port->LastError() == CSerialPort::kRead ||
                port->LastError() == CSerialPort::kResource)
        << port->LastError();
    EXPECT_EQ(port->IsOpen(), 1) << "stays open until the caller closes it";
    EXPECT_EQ(port->Write("W0", 2), 0);
    unsigned char b = 0;
    EXPECT_EQ(port->ReadByte(b), 0);

    // A device that is gone must not keep the event loop busy meanwhile.
    QElapsedTimer clock;
    clock.start();
    int wakeups = 0;
    while (clock.elapsed() < 200) {
        GwEventLoop::wait_for_events(static_cast<int>(200 - clock.elapsed()));
        ++wakeups;
    }
    EXPECT_LT(wakeups, 50);
    EXPECT_EQ(port->BytesWaiting(), -1);

    EXPECT_EQ(port->Close(), 1);
    EXPECT_EQ(port->IsOpen(), 0);
}
