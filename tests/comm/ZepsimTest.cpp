// zepsim end to end: the program is started, its pseudo-terminal opened through the port
// layer, and the scanner is talked to over the real serial stack. Transfers, the memory file
// and the fault options through zepsim are the Pty variant of the transfer tests.
#include "CSerialPort.h"
#include "CommTestSupport.h"
#include "EventWait.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

std::unique_ptr<CSerialPort> open_port(const std::string& path, int baud = 9600) {
    auto port = CSerialPort::Create(path.c_str());
    EXPECT_EQ(port->Open(path.c_str()), 1) << port->LastError();
    EXPECT_EQ(port->SetLine(baud, 'N', 8, 1), 1) << port->LastError();
    return port;
}

void send(CSerialPort& port, const std::string& command) {
    const std::string frame = framed(command);
    ASSERT_EQ(port.Write(frame.data(), static_cast<int>(frame.size())), 1);
}

// The bytes that arrive up to at least n or a stop byte; empty when the port fails first.
std::string receive(CSerialPort& port, size_t n = 0) {
    std::string bytes;
    bool done = false;
    WaitFor([&] {
        unsigned char b = 0;
        while (!done && port.BytesWaiting() > 0 && port.ReadByte(b)) {
            bytes += static_cast<char>(b);
            done = n ? bytes.size() >= n : b == 0x03;
        }
        return done || port.BytesWaiting() < 0;
    });
    return done ? bytes : std::string();
}

std::string exchange(CSerialPort& port, const std::string& command) {
    send(port, command);
    return receive(port);
}

// The command line sets the scanner's line, model and delay. A pseudo-terminal carries baud
// rate and stop bits only, so only those decide whether it understands; with garbage on, what
// it makes of a host at other settings comes back as bytes (one for each byte of the frame).
TEST(Zepsim, CommandLineSetsTheScannerAndItsLine) {
    Zepsim sim;
    const std::string path =
        sim.start({"--line", "2400,N,8,2", "--model", "RV-4400L", "--delay", "10", "--garbage"});
    ASSERT_EQ(path.rfind("/dev/", 0), 0u) << path;
    auto port = open_port(path, 2400);
    send(*port, "W0");
    const std::string garbage = receive(*port, 4);
    ASSERT_EQ(garbage.size(), 4u);
    EXPECT_EQ(garbage.find_first_of("\x02\x03RV"), std::string::npos);
    ASSERT_EQ(port->SetLine(2400, 'E', 7, 2), 1);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(exchange(*port, "W0"), framed("RV-4400L V2.13"));
    // 16 reply characters of 11 bits (8N2) at 2400 baud after a 10 ms answer delay.
    EXPECT_GE(clock.nsecsElapsed(), 16LL * 11 * 1000000000LL / 2400 + 10LL * 1000000);
    send(*port, "H0E\"E2E TEST\"");
    EXPECT_EQ(exchange(*port, "WH0E"), framed("H0E\"E2E TEST\""));
    EXPECT_EQ(exchange(*port, "W1"), framed("U1"));
}

TEST(Zepsim, VanishesMidTransferAndEnds) {
    Zepsim sim;
    const std::string path = sim.start({"--vanish-commands", "2", "--delay", "0"});
    ASSERT_FALSE(path.empty());
    auto port = open_port(path);
    EXPECT_EQ(exchange(*port, "W1"), framed("U0"));
    EXPECT_EQ(exchange(*port, "WH0B"), framed("H0B5"));
    ASSERT_TRUE(WaitFor([&] { return port->BytesWaiting() < 0; }));
    EXPECT_TRUE(port->LastError() == CSerialPort::kRead ||
                port->LastError() == CSerialPort::kResource);
    ASSERT_TRUE(sim.process().state() == QProcess::NotRunning ||
                sim.process().waitForFinished(10000));
    EXPECT_EQ(sim.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.process().exitCode(), 0);
}

TEST(Zepsim, RefusesBadOptions) {
    QProcess process;
    process.start(ZEP_PROGRAM_DIR "/zepsim", {"--lose", "often"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardError().contains("lose: not a number: often"));
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty()) << "no device path";
    process.start(ZEP_PROGRAM_DIR "/zepsim", {"--bogus"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 2);
    process.start(ZEP_PROGRAM_DIR "/zepsim", {"--help"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("--vanish-commands"));
}

} // namespace
