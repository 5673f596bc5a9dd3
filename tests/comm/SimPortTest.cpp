// The port "SIM": the in-process scanner behind the port interface, with the line modelled in
// time. Most tests move the model's clock by hand; the event-loop tests use the real one.
#include "CSerialPort.h"
#include "CSimPort.h"
#include "EventWait.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr long long kMs = 1000000;
constexpr long long kStart = 1000 * kMs;
// One character of 10 bits (8N1) at 9600 baud, in nanoseconds.
constexpr long long k9600 = 10 * 1000000000LL / 9600;

std::string framed(const std::string& text) {
    return "\x02" + text + "\x03";
}

class SimPort : public testing::Test {
protected:
    void SetUp() override {
        m_now = kStart;
        CSimPort::SetClock([this] { return m_now; });
        reset("");
    }
    void TearDown() override {
        m_port.reset();
        CSimPort::SetClock(nullptr);
        CSimPort::ResetDevice(CSimOptions());
    }

    void reset(const std::string& text) {
        CSimOptions options;
        GwString error;
        ASSERT_TRUE(options.Parse(text.c_str(), error)) << error.str();
        CSimPort::ResetDevice(options);
    }

    CSerialPort& open(int baud = 9600, char parity = 'N', int data = 8, int stop = 1) {
        m_port = CSerialPort::Create("SIM");
        EXPECT_EQ(m_port->Open("SIM"), 1);
        EXPECT_EQ(m_port->SetLine(baud, parity, data, stop), 1);
        return *m_port;
    }

    void send(const std::string& bytes) {
        ASSERT_EQ(m_port->Write(bytes.data(), static_cast<int>(bytes.size())), 1);
    }

    std::string read_all() {
        std::string bytes;
        unsigned char b = 0;
        while (m_port->BytesWaiting() > 0 && m_port->ReadByte(b))
            bytes += static_cast<char>(b);
        return bytes;
    }

    long long m_now = 0;
    std::unique_ptr<CSerialPort> m_port;
};

} // namespace

TEST_F(SimPort, ReplyBytesArriveOneCharacterTimeApart) {
    CSerialPort& port = open();
    send(framed("W0"));
    // The command's last byte reaches the scanner after 4 characters; it answers 10 ms later;
    // the reply's 15 bytes follow one character time each.
    const long long first = kStart + 4 * k9600 + 10 * kMs + k9600;
    const std::string reply = framed("RV-4400 V2.13");
    m_now = first - 1;
    EXPECT_EQ(port.BytesWaiting(), 0);
    m_now = first;
    EXPECT_EQ(port.BytesWaiting(), 1);
    m_now = first + 13 * k9600;
    EXPECT_EQ(port.BytesWaiting(), 14);
    m_now = first + 14 * k9600 - 1;
    EXPECT_EQ(port.BytesWaiting(), 14);
    m_now = first + 14 * k9600;
    EXPECT_EQ(port.BytesWaiting(), 15);
    EXPECT_EQ(read_all(), reply);
}

TEST_F(SimPort, CharacterTimeFollowsTheFormat) {
    // 8E1 is 11 bits a character, at 2400 baud.
    reset("2400,E,8,1;delay=0");
    CSerialPort& port = open(2400, 'E', 8, 1);
    const long long ch = 11 * 1000000000LL / 2400;
    send(framed("W1"));
    const long long done = kStart + 4 * ch + 4 * ch; // 4 bytes out, "\x02U0\x03" back
    m_now = done - 1;
    EXPECT_EQ(port.BytesWaiting(), 3);
    m_now = done;
    EXPECT_EQ(read_all(), framed("U0"));
}

TEST_F(SimPort, WithoutWireTimeOnlyTheAnswerDelayIsLeft) {
    reset("wire=off;delay=5");
    CSerialPort& port = open();
    send(framed("W1"));
    m_now = kStart + 5 * kMs - 1;
    EXPECT_EQ(port.BytesWaiting(), 0);
    m_now = kStart + 5 * kMs;
    EXPECT_EQ(read_all(), framed("U0"));

    reset("wire=off;delay=0");
    send(framed("W1"));
    EXPECT_EQ(read_all(), framed("U0")) << "at once";
}

TEST_F(SimPort, RepliesQueueBehindEachOther) {
    reset("delay=0");
    CSerialPort& port = open();
    send(framed("W1") + framed("W1"));
    // Second command ends after 8 characters, but the first reply (4 characters from the 4th)
    // also occupies the line until the 8th: the second reply ends at the 12th.
    m_now = kStart + 12 * k9600 - 1;
    EXPECT_EQ(port.BytesWaiting(), 7);
    m_now = kStart + 12 * k9600;
    EXPECT_EQ(read_all(), framed("U0") + framed("U0"));
}

TEST_F(SimPort, StoringDelaysTheNextReply) {
    reset("delay=0;store=300;wire=off");
    CSerialPort& port = open();
    send(framed("M2") + framed("W1"));
    m_now = kStart + 300 * kMs - 1;
    EXPECT_EQ(port.BytesWaiting(), 0);
    m_now = kStart + 300 * kMs;
    EXPECT_EQ(read_all(), framed("U0"));
}

TEST_F(SimPort, WritesReachTheScannersMemory) {
    open();
    send(framed("H0B6") + framed("L3O04C2"));
    EXPECT_EQ(CSimPort::Device().Value("H0B").str(), "6");
    EXPECT_EQ(CSimPort::Device().Value("L3C").str(), "2");
    EXPECT_EQ(m_port->BytesWaiting(), 0);
    m_now += 1000 * kMs;
    EXPECT_EQ(m_port->BytesWaiting(), 0) << "writes are not answered";
}

TEST_F(SimPort, SilentAtOtherSettings) {
    CSerialPort& port = open(2400, 'N', 8, 1);
    send(framed("W0") + framed("H0B3"));
    m_now += 10000 * kMs;
    EXPECT_EQ(port.BytesWaiting(), 0);
    EXPECT_EQ(CSimPort::Device().Value("H0B").str(), "5");
    for (const auto& line :
         {std::make_tuple('E', 8, 1), std::make_tuple('N', 7, 1), std::make_tuple('N', 8, 2)}) {
        ASSERT_EQ(port.SetLine(9600, std::get<0>(line), std::get<1>(line), std::get<2>(line)), 1);
        send(framed("W1"));
        m_now += 1000 * kMs;
        EXPECT_EQ(port.BytesWaiting(), 0);
    }
    ASSERT_EQ(port.SetLine(9600, 'N', 8, 1), 1);
    send(framed("W1"));
    m_now += 1000 * kMs;
    EXPECT_EQ(read_all(), framed("U0"));
}

TEST_F(SimPort, GarbageAtOtherSettingsByOption) {
    reset("garbage=on");
    CSerialPort& port = open(19200, 'N', 8, 1);
    send(framed("W0"));
    m_now += 1000 * kMs;
    const std::string bytes = read_all();
    EXPECT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.find("RV"), std::string::npos);
    EXPECT_EQ(port.BytesWaiting(), 0);
}

TEST_F(SimPort, OpensOnlyAsSimAndExclusively) {
    auto other = std::make_unique<CSimPort>();
    EXPECT_EQ(other->Open("COM1"), 0);
    EXPECT_EQ(other->LastError(), CSerialPort::kDeviceNotFound);
    open();
    EXPECT_EQ(m_port->Open("SIM"), 0);
    EXPECT_EQ(m_port->LastError(), CSerialPort::kOpen);
    EXPECT_EQ(other->Open("SIM"), 0);
    EXPECT_EQ(other->LastError(), CSerialPort::kPermission);
    EXPECT_EQ(m_port->Close(), 1);
    EXPECT_EQ(other->Open("sim"), 1);
}

TEST_F(SimPort, BadSettingsAreRefused) {
    CSerialPort& port = open();
    EXPECT_EQ(port.SetLine(9600, 'Q', 8, 1), 0);
    EXPECT_EQ(port.LastError(), CSerialPort::kUnsupported);
    send(framed("W1"));
    m_now += 1000 * kMs;
    EXPECT_EQ(read_all(), framed("U0")) << "the earlier settings stay";
}

TEST_F(SimPort, ScannerOutlivesThePort) {
    open();
    send(framed("H0B6"));
    m_port->Close();
    open();
    send(framed("WH0B"));
    m_now += 1000 * kMs;
    EXPECT_EQ(read_all(), framed("H0B6"));
}

TEST_F(SimPort, ClosingLosesWhatIsOnTheWire) {
    open();
    send(framed("W0"));
    m_port->Close();
    EXPECT_EQ(m_port->BytesWaiting(), -1);
    EXPECT_EQ(m_port->LastError(), CSerialPort::kNotOpen);
    open();
    m_now += 1000 * kMs;
    EXPECT_EQ(m_port->BytesWaiting(), 0);
}

TEST_F(SimPort, PurgeDropsWhatHasArrivedOnly) {
    reset("delay=0");
    CSerialPort& port = open();
    send(framed("W1")); // reply bytes at characters 5, 6, 7, 8
    m_now = kStart + 6 * k9600;
    EXPECT_EQ(port.BytesWaiting(), 2);
    EXPECT_EQ(port.Purge(), 1);
    EXPECT_EQ(port.BytesWaiting(), 0);
    m_now = kStart + 8 * k9600;
    EXPECT_EQ(read_all(), "0\x03") << "still on the wire at the purge";
}

TEST_F(SimPort, InputQueueLosesWhatDoesNotFit) {
    reset("long=1;wire=off;delay=0");
    CSerialPort& port = open();
    send(framed("W0"));
    EXPECT_EQ(port.BytesWaiting(), CSerialPort::kQueueSize);
    const std::string bytes = read_all();
    ASSERT_EQ(bytes.size(), static_cast<size_t>(CSerialPort::kQueueSize));
    EXPECT_EQ(bytes.substr(0, 14), "\x02RV-4400 V2.13");
    EXPECT_EQ(bytes.find('\x03'), std::string::npos) << "the stop byte was lost";
    EXPECT_EQ(port.BytesWaiting(), 0);
}

TEST_F(SimPort, QueueReadWhileTheReplyArrivesLosesNothing) {
    reset("38400,N,8,1;long=1;delay=0");
    CSerialPort& port = open(38400, 'N', 8, 1);
    send(framed("W0"));
    std::string bytes;
    unsigned char b = 0;
    for (int step = 0; step < 100 && (bytes.empty() || bytes.back() != '\x03'); ++step) {
        m_now += 200 * kMs; // about 770 characters at 38400 baud: never a full queue
        while (port.BytesWaiting() > 0 && port.ReadByte(b))
            bytes += static_cast<char>(b);
    }
    ASSERT_EQ(bytes.size(), static_cast<size_t>(CSimScanner::kLongReply) + 2);
    EXPECT_EQ(bytes.back(), '\x03');
}

TEST_F(SimPort, VanishingScannerFailsThePort) {
    reset("vanish-commands=2;delay=0");
    CSerialPort& port = open();
    send(framed("W1") + framed("W1"));
    // The second reply is complete after 12 characters; then the scanner is gone.
    m_now = kStart + 12 * k9600 - 1;
    EXPECT_EQ(read_all(), framed("U0") + "\x02U0");
    m_now = kStart + 12 * k9600 + 1000 * kMs;
    // What had arrived before it went stays readable, then the port reports the failure.
    EXPECT_EQ(port.BytesWaiting(), 1);
    EXPECT_EQ(port.Write("\x02W1\x03", 4), 0);
    EXPECT_EQ(read_all(), "\x03");
    EXPECT_EQ(port.BytesWaiting(), -1);
    EXPECT_EQ(port.LastError(), CSerialPort::kResource);
    EXPECT_EQ(port.IsOpen(), 1);
    EXPECT_EQ(port.Write("\x02W1\x03", 4), 0);
    unsigned char b = 0;
    EXPECT_EQ(port.ReadByte(b), 0);
    EXPECT_EQ(port.Close(), 1);
    EXPECT_EQ(port.Open("SIM"), 0) << "the scanner is not there";
    EXPECT_EQ(port.LastError(), CSerialPort::kDeviceNotFound);
    CSimPort::Device().PowerCycle();
    EXPECT_EQ(port.Open("SIM"), 1);
}

TEST_F(SimPort, ScannerFromTheEnvironment) {
    ::setenv("ZEP_SIM", "19200,E,7,1;model=RV-4400L;delay=0;wire=off", 1);
    CSimPort::ResetDevice();
    EXPECT_EQ(CSimPort::Device().LineBaud(), 19200);
    CSerialPort& port = open(19200, 'E', 7, 1);
    send(framed("W0"));
    EXPECT_EQ(read_all(), framed("RV-4400L V2.13"));
    port.Close();

    // A malformed text leaves a factory-new scanner (and a message on stderr).
    ::setenv("ZEP_SIM", "9600,N,8,1;colour=red", 1);
    CSimPort::ResetDevice();
    EXPECT_EQ(CSimPort::Device().LineBaud(), 9600);
    EXPECT_EQ(CSimPort::Device().Options().m_sModel.str(), "RV-4400");
    ::unsetenv("ZEP_SIM");
    CSimPort::ResetDevice();
}

// --- With the real clock: the event loop is woken for the reply ---

class SimPortEventLoop : public testing::Test {
protected:
    void TearDown() override { CSimPort::ResetDevice(CSimOptions()); }
};

TEST_F(SimPortEventLoop, WaitingLoopWakesWhenTheReplyIsThere) {
    CSimPort::ResetDevice(CSimOptions()); // 9600,N,8,1, 10 ms answer delay, wire time on
    auto port = CSerialPort::Create("SIM");
    ASSERT_EQ(port->Open("SIM"), 1);
    ASSERT_EQ(port->SetLine(9600, 'N', 8, 1), 1);
    const long long modelled = (4 + 15) * k9600 + 10 * kMs;

    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(port->Write("\x02W0\x03", 4), 1);
    int wakeups = 0;
    ASSERT_TRUE(WaitFor([&] { return port->BytesWaiting() == 15; }, 5000, &wakeups));
    EXPECT_GE(clock.nsecsElapsed(), modelled) << "no earlier than the wire allows";
    // The loop slept until the reply was there instead of spinning.
    EXPECT_LT(wakeups, 20);
}

TEST_F(SimPortEventLoop, EveryReplyOfASeriesWakesTheLoop) {
    CSimOptions options;
    GwString error;
    ASSERT_TRUE(options.Parse("38400,N,8,1;delay=1", error));
    CSimPort::ResetDevice(options);
    auto port = CSerialPort::Create("SIM");
    ASSERT_EQ(port->Open("SIM"), 1);
    ASSERT_EQ(port->SetLine(38400, 'N', 8, 1), 1);
    for (const char* query : {"WH0B", "WDCI", "WL3", "W1"}) {
        const std::string frame = framed(query);
        ASSERT_EQ(port->Write(frame.data(), static_cast<int>(frame.size())), 1);
        std::string reply;
        ASSERT_TRUE(WaitFor([&] {
            unsigned char b = 0;
            while (port->BytesWaiting() > 0 && port->ReadByte(b))
                reply += static_cast<char>(b);
            return !reply.empty() && reply.back() == '\x03';
        }));
        EXPECT_EQ(reply, framed(CSimPort::Device().Execute(query).str()));
    }
}

TEST_F(SimPortEventLoop, VanishingWakesTheLoopToo) {
    CSimOptions options;
    options.m_lVanishCommands = 1;
    options.m_iDelayMs = 0;
    CSimPort::ResetDevice(options);
    auto port = CSerialPort::Create("SIM");
    ASSERT_EQ(port->Open("SIM"), 1);
    ASSERT_EQ(port->Write("\x02H0B6\x03", 6), 1); // no reply; gone after this command
    ASSERT_TRUE(WaitFor([&] { return port->BytesWaiting() < 0; }, 5000));
    EXPECT_EQ(port->LastError(), CSerialPort::kResource);
}
