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

TEST(Zepsim, AnswersOnItsPseudoTerminal) {
    Zepsim sim;
    const std::string path = sim.start({"--model", "RV-4400L", "--delay", "0"});
    ASSERT_EQ(path.rfind("/dev/", 0), 0u) << path;
    auto port = open_port(path);
    EXPECT_EQ(exchange(*port, "W0"), framed("RV-4400L V2.13"));
    send(*port, "H0E\"E2E TEST\"");
    send(*port, "L3O04L13___C2");
    EXPECT_EQ(exchange(*port, "WH0E"), framed("H0E\"E2E TEST\""));
    EXPECT_EQ(exchange(*port, "WL3"), framed("L3O04L13___U00D0C2S0A0H0"));
    EXPECT_EQ(exchange(*port, "W1"), framed("U1"));
    EXPECT_EQ(exchange(*port, "WXY"), framed("?WXY"));
}

TEST(Zepsim, RepliesTakeTheirWireTime) {
    Zepsim sim;
    const std::string path = sim.start({"--line", "2400,N,8,1", "--delay", "10"});
    ASSERT_FALSE(path.empty());
    auto port = open_port(path, 2400);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(exchange(*port, "W0"), framed("RV-4400 V2.13"));
    // 15 reply characters of 10 bits at 2400 baud after a 10 ms answer delay.
    EXPECT_GE(clock.nsecsElapsed(), 15LL * 10 * 1000000000LL / 2400 + 10LL * 1000000);
}

TEST(Zepsim, UnderstandsOnlyItsOwnBaudRateAndStopBits) {
    // With garbage on, what it makes of a host at other settings comes back as bytes, so the
    // test knows the frame was heard (and not understood) before it changes the settings.
    Zepsim sim;
    const std::string path = sim.start({"--line", "19200,N,8,2", "--garbage", "--no-wire"});
    ASSERT_FALSE(path.empty());
    auto port = open_port(path, 19200);
    send(*port, "W0");
    const std::string garbage = receive(*port, 4); // one byte for each byte of the frame
    ASSERT_EQ(garbage.size(), 4u);
    EXPECT_EQ(garbage.find_first_of("\x02\x03RV"), std::string::npos);
    // Parity and data bits cannot be seen on a pseudo-terminal: only baud and stop bits count.
    ASSERT_EQ(port->SetLine(19200, 'E', 7, 2), 1);
    EXPECT_EQ(exchange(*port, "W0"), framed("RV-4400 V2.13"));
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
