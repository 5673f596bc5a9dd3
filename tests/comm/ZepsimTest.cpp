// zepsim end to end: the program is started, its pseudo-terminal opened through the port
// layer, and the scanner is talked to over the real serial stack.
#include "CSerialPort.h"
#include "EventWait.h"
#include "TempDir.h"

#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const char* const kZepsim = ZEP_PROGRAM_DIR "/zepsim";

// One zepsim process; stopped when the object goes.
class Zepsim {
public:
    ~Zepsim() { stop(); }

    // Starts zepsim and gives the device path from its first line (empty on failure).
    std::string start(const QStringList& arguments) {
        m_process.start(kZepsim, arguments);
        if (!m_process.waitForStarted(10000))
            return "";
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(10000))
                return "";
        }
        return m_process.readLine().trimmed().toStdString();
    }
    void stop() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
};

std::unique_ptr<CSerialPort> open_port(const std::string& path, int baud = 9600) {
    auto port = CSerialPort::Create(path.c_str());
    EXPECT_EQ(port->Open(path.c_str()), 1) << port->LastError();
    EXPECT_EQ(port->SetLine(baud, 'N', 8, 1), 1) << port->LastError();
    return port;
}

void send(CSerialPort& port, const std::string& command) {
    const std::string frame = "\x02" + command + "\x03";
    ASSERT_EQ(port.Write(frame.data(), static_cast<int>(frame.size())), 1);
}

// Waits for bytes up to and including the next stop byte and gives them; empty when the port
// fails first or the guard time passes.
std::string next_reply(CSerialPort& port) {
    std::string bytes;
    bool complete = false;
    WaitFor([&] {
        for (;;) {
            const int waiting = port.BytesWaiting();
            if (waiting < 0)
                return true;
            unsigned char b = 0;
            if (waiting == 0 || !port.ReadByte(b))
                return false;
            bytes += static_cast<char>(b);
            if (b == 0x03)
                return complete = true;
        }
    });
    return complete ? bytes : std::string();
}

std::string exchange(CSerialPort& port, const std::string& command) {
    send(port, command);
    return next_reply(port);
}

std::string framed(const std::string& text) {
    return "\x02" + text + "\x03";
}

} // namespace

TEST(Zepsim, AnswersOnItsPseudoTerminal) {
    Zepsim sim;
    const std::string path = sim.start({"--model", "RV-4400L", "--delay", "0"});
    ASSERT_EQ(path.rfind("/dev/", 0), 0u) << path;
    auto port = open_port(path);
    EXPECT_EQ(exchange(*port, "W1"), framed("U0"));
    EXPECT_EQ(exchange(*port, "W0"), framed("RV-4400L V2.13"));
    send(*port, "H0E\"E2E TEST\"");
    send(*port, "L3O04L13___C2");
    EXPECT_EQ(exchange(*port, "WH0E"), framed("H0E\"E2E TEST\""));
    EXPECT_EQ(exchange(*port, "WL3"), framed("L3O04L13___U00D0C2S0A0H0"));
    EXPECT_EQ(exchange(*port, "W1"), framed("U1"));
    EXPECT_EQ(exchange(*port, "WXY"), framed("?WXY"));
    EXPECT_EQ(exchange(*port, "WER"), framed("ER01"));
}

TEST(Zepsim, PortIsExclusive) {
    Zepsim sim;
    const std::string path = sim.start({});
    ASSERT_FALSE(path.empty());
    auto port = open_port(path);
    auto second = CSerialPort::Create(path.c_str());
    EXPECT_EQ(second->Open(path.c_str()), 0);
    EXPECT_EQ(second->LastError(), CSerialPort::kPermission);
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
    auto port = open_port(path, 9600);
    ASSERT_EQ(port->SetLine(19200, 'N', 8, 1), 1);
    send(*port, "W0");
    std::string garbage;
    ASSERT_TRUE(WaitFor([&] {
        unsigned char b = 0;
        while (port->BytesWaiting() > 0 && port->ReadByte(b))
            garbage += static_cast<char>(b);
        return garbage.size() >= 4; // one byte for each byte of the frame
    }));
    EXPECT_EQ(garbage.find("RV"), std::string::npos);
    EXPECT_EQ(garbage.find_first_of("\x02\x03"), std::string::npos);

    // Parity and data bits cannot be seen on a pseudo-terminal: only baud and stop bits count.
    ASSERT_EQ(port->SetLine(19200, 'E', 7, 2), 1);
    EXPECT_EQ(exchange(*port, "W0"), framed("RV-4400 V2.13"));
}

TEST(Zepsim, MemoryFileSurvivesARestart) {
    TempDir dir;
    const std::string file = dir.file("zepsim.mem");
    {
        Zepsim sim;
        const std::string path =
            sim.start({"--memory", QString::fromStdString(file), "--no-wire", "--delay", "0"});
        ASSERT_FALSE(path.empty());
        auto port = open_port(path);
        send(*port, "H0E\"KEPT\"");
        send(*port, "M2");
        // Commands are carried out in order: the answer to W1 comes after the store.
        EXPECT_EQ(exchange(*port, "W1"), framed("U0"));
        send(*port, "CVI\"LOST\"");
        EXPECT_EQ(exchange(*port, "W1"), framed("U1"));
    }
    Zepsim restarted;
    const std::string path =
        restarted.start({"--memory", QString::fromStdString(file), "--no-wire", "--delay", "0"});
    ASSERT_FALSE(path.empty());
    auto port = open_port(path);
    EXPECT_EQ(exchange(*port, "WH0E"), framed("H0E\"KEPT\""));
    EXPECT_EQ(exchange(*port, "WCVI"), framed("CVI\"\""));
    EXPECT_EQ(exchange(*port, "W1"), framed("U0"));
}

TEST(Zepsim, VanishesMidTransfer) {
    Zepsim sim;
    const std::string path = sim.start({"--vanish-commands", "2", "--delay", "0"});
    ASSERT_FALSE(path.empty());
    auto port = open_port(path);
    EXPECT_EQ(exchange(*port, "W1"), framed("U0"));
    EXPECT_EQ(exchange(*port, "WH0B"), framed("H0B5"));
    ASSERT_TRUE(WaitFor([&] { return port->BytesWaiting() < 0; }));
    EXPECT_TRUE(port->LastError() == CSerialPort::kRead ||
                port->LastError() == CSerialPort::kResource);
    // It exits by itself (it may have done so while the loop ran).
    ASSERT_TRUE(sim.process().state() == QProcess::NotRunning ||
                sim.process().waitForFinished(10000));
    EXPECT_EQ(sim.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.process().exitCode(), 0);
    EXPECT_EQ(port->Close(), 1);
}

TEST(Zepsim, FaultOptionsInTheEnvironmentForm) {
    Zepsim sim;
    const std::string path = sim.start({"--options", "nostop=2;delay=0;wire=off"});
    ASSERT_FALSE(path.empty());
    auto port = open_port(path);
    EXPECT_EQ(exchange(*port, "W1"), framed("U0"));
    send(*port, "W1");                                        // comes without its stop byte ...
    EXPECT_EQ(exchange(*port, "WH0B"), "\x02U0\x02H0B5\x03"); // ... so it runs into the next
}

TEST(Zepsim, RefusesBadOptions) {
    QProcess process;
    process.start(kZepsim, {"--lose", "often"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardError().contains("lose: not a number: often"));
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty()) << "no device path";

    process.start(kZepsim, {"--bogus"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 2);

    process.start(kZepsim, {"--help"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("--vanish-commands"));
}
