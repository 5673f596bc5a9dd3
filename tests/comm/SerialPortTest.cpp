// The port layer: names, line settings checks, the factory and "NONE", and real ports through
// QSerialPort on pseudo-terminals the tests make (line settings, bytes and failures on the real
// stack: the driver and zepsim tests).
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
#include <tuple>

namespace {

TEST(SerialPort, Names) {
    // Linux names the first nine COM ports by their devices; Windows opens every name as given.
    const std::tuple<const char*, const char*, const char*> names[] = {
        {"COM1", "/dev/ttyS0", "COM1"}, {"COM9", "/dev/ttyS8", "COM9"},
        {"com3", "/dev/ttyS2", "com3"}, {"COM10", "COM10", "COM10"},
        {"COM0", "COM0", "COM0"},       {"ttyUSB0", "ttyUSB0", "ttyUSB0"}};
    for (const auto& [port, linux_name, windows_name] : names) {
        EXPECT_EQ(CSerialPort::DeviceName(port, CSerialPort::kLinux).str(), linux_name) << port;
        EXPECT_EQ(CSerialPort::DeviceName(port, CSerialPort::kWindows).str(), windows_name);
#if defined(__linux__)
        EXPECT_EQ(CSerialPort::SystemName(port).str(), linux_name) << "this platform's part";
#endif
    }
}

// The settings text read by position, as the settings file, the port dialogs and the
// auto-baud table write it. (The mode text of an error message, which shows the characters as
// they stood: the driver's settings test.)
TEST(LineSettings, ReadByPositionCheckedAndCounted) {
    // text, settings read, bits a character
    const std::tuple<const char*, const char*, int> rows[] = {{"9600 ,N,8,1", "9600,N,8,1", 10},
                                                              {"19200,e,7,2", "19200,E,7,2", 11},
                                                              {"110,s,5,1", "110,S,5,1", 8}};
    for (const auto& [text, read, bits] : rows) {
        const CLineSettings line = CLineSettings::Parse(text);
        ASSERT_TRUE(line.IsValid()) << text;
        EXPECT_EQ(line.Text().str(), read);
        EXPECT_EQ(line.CharBits(), bits);
        EXPECT_EQ(CLineSettings::Parse(line.Text()), line) << "its own text reads back";
    }
    for (const char* text : {"9600,X,8,1", "9600,N,9,1", "9600,N,8,3", "9600,N,x,1", "9600", ""})
        EXPECT_FALSE(CLineSettings::Parse(text).IsValid()) << text;
    // Wire time, rounded up: one 11-bit character at 300 baud. (At 38400: the transfer tests'
    // flood.)
    EXPECT_EQ(CLineSettings(300, 'E', 8, 1).WireMs(1), 37);
}

TEST(SerialPort, FactoryPicksTheImplementationByName) {
    EXPECT_NE(dynamic_cast<CSimPort*>(CSerialPort::Create("Sim").get()), nullptr);
    EXPECT_NE(dynamic_cast<CQtSerialPort*>(CSerialPort::Create("SIMULATOR").get()), nullptr);
    auto none = CSerialPort::Create("none");
    ASSERT_NE(dynamic_cast<CNonePort*>(none.get()), nullptr);
    EXPECT_EQ(none->Open("none"), 0);
    EXPECT_EQ(none->LastError(), CSerialPort::kDeviceNotFound);
}

// Real ports through QSerialPort, on a pseudo-terminal whose other side the test holds.
class SerialPortReal : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        ASSERT_EQ(port->Open(pty.slave()), 1);
    }

    PtyPair pty;
    std::unique_ptr<CSerialPort> port = CSerialPort::Create(pty.slave());
};

// Another program (here: another port object) that has the port open makes it "in use".
TEST_F(SerialPortReal, OpensExclusively) {
    auto second = CSerialPort::Create(pty.slave());
    EXPECT_EQ(second->Open(pty.slave()), 0);
    EXPECT_EQ(second->LastError(), CSerialPort::kPermission);
    EXPECT_EQ(port->Close(), 1);
    EXPECT_EQ(second->Open(pty.slave()), 1) << "closing frees it";
}

TEST_F(SerialPortReal, InputQueueHoldsAtMost4096BytesUntilPurged) {
    std::string data;
    for (int i = 0; i < 6000; ++i)
        data += static_cast<char>('A' + i % 26);
    // The pseudo-terminal takes what fits; the port reads it as the event loop runs.
    size_t sent = 0;
    ASSERT_TRUE(WaitFor([&] { return (sent += pty.send_some(data.substr(sent))) >= data.size(); }));
    int most = 0;
    ASSERT_TRUE(WaitFor([&] { return (most = std::max(most, port->BytesWaiting())) >= 4096; }));
    EXPECT_EQ(most, CSerialPort::kQueueSize);
    std::string read;
    unsigned char b = 0;
    while (read.size() < 30 && port->ReadByte(b))
        read += static_cast<char>(b);
    EXPECT_EQ(read, data.substr(0, 30)) << "oldest first";
    EXPECT_EQ(port->Purge(), 1);
    EXPECT_EQ(port->BytesWaiting(), 0);
}

// A pulled USB adapter: reported, left open for the caller, and not spinning the event loop
// (the driver notices only at its next operation, which may be long after).
TEST_F(SerialPortReal, ReportsTheOtherSideGoingAwayWithoutSpinning) {
    pty.close_master();
    ASSERT_TRUE(WaitFor([&] { return port->BytesWaiting() < 0; }));
    EXPECT_EQ(port->LastError(), CSerialPort::kResource) << "a device that went away";
    EXPECT_EQ(port->IsOpen(), 1);
    unsigned char b = 0;
    EXPECT_EQ(port->Write("W0", 2) + port->ReadByte(b), 0);
    QElapsedTimer clock;
    clock.start();
    int wakeups = 0;
    for (; clock.elapsed() < 200; ++wakeups)
        GwEventLoop::wait_for_events(static_cast<int>(200 - clock.elapsed()));
    EXPECT_LT(wakeups, 50);
    EXPECT_EQ(port->Close(), 1);
}

} // namespace
