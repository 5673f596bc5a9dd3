// The port "SIM": the in-process scanner behind the port interface, with the line modelled in
// time; the tests move the model's clock by hand. (That a waiting event loop wakes for each
// reply shows in the late-reply transfer test; that it sleeps meanwhile, in the transfer
// benchmark's processor time.)
#include "CSerialPort.h"
#include "CSimPort.h"
#include "CommTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr long long kMs = 1000000;
constexpr long long kStart = 1000 * kMs;
constexpr long long k9600 = 10 * 1000000000LL / 9600; // one 8N1 character, in nanoseconds

class SimPort : public testing::Test {
protected:
    void SetUp() override {
        CSimPort::SetClock([this] { return now; });
        reset_sim("");
    }
    void TearDown() override {
        port.reset();
        CSimPort::SetClock(nullptr);
        CSimPort::ResetDevice(CSimOptions());
    }
    void open(int baud = 9600, char parity = 'N', int data = 8, int stop = 1) {
        port = CSerialPort::Create("SIM");
        ASSERT_EQ(port->Open("SIM"), 1);
        ASSERT_EQ(port->SetLine(baud, parity, data, stop), 1);
    }
    void send(const std::string& bytes) {
        ASSERT_EQ(port->Write(bytes.data(), static_cast<int>(bytes.size())), 1);
    }
    // What has arrived by ms milliseconds from now.
    std::string later(long long ms = 1000) {
        now += ms * kMs;
        std::string bytes;
        unsigned char b = 0;
        while (port->BytesWaiting() > 0 && port->ReadByte(b))
            bytes += static_cast<char>(b);
        return bytes;
    }

    long long now = kStart;
    std::unique_ptr<CSerialPort> port;
};

TEST_F(SimPort, ReplyBytesArriveOneCharacterTimeApart) {
    open();
    send(framed("W0"));
    // The command's last byte reaches the scanner after 4 characters; it answers 10 ms later;
    // the reply's 15 bytes follow one character time each.
    const long long first = kStart + 4 * k9600 + 10 * kMs + k9600;
    const std::pair<long long, int> counts[] = {
        {first - 1, 0}, {first, 1}, {first + 14 * k9600 - 1, 14}, {first + 14 * k9600, 15}};
    for (const auto& [at, waiting] : counts) {
        now = at;
        EXPECT_EQ(port->BytesWaiting(), waiting) << at - kStart;
    }
    EXPECT_EQ(later(0), framed("RV-4400 V2.13"));
}

// There is one line to the scanner. (That the scanner outlives the port shows in the
// auto-baud tests, which reopen it for every probe.)
TEST_F(SimPort, OpensOnlyAsSimAndExclusively) {
    CSimPort other;
    EXPECT_EQ(other.Open("COM1"), 0);
    EXPECT_EQ(other.LastError(), CSerialPort::kDeviceNotFound);
    open();
    EXPECT_EQ(port->Open("SIM"), 0);
    EXPECT_EQ(port->LastError(), CSerialPort::kOpen);
    EXPECT_EQ(other.Open("SIM"), 0);
    EXPECT_EQ(other.LastError(), CSerialPort::kPermission);
    EXPECT_EQ(port->Close(), 1);
    EXPECT_EQ(other.Open("sim"), 1);
}

TEST_F(SimPort, InputQueueLosesOnlyWhatDoesNotFit) {
    reset_sim("long=1;wire=off;delay=0");
    open();
    send(framed("W0"));
    const std::string bytes = later(0);
    EXPECT_EQ(bytes.size(), static_cast<size_t>(CSerialPort::kQueueSize));
    EXPECT_EQ(bytes.substr(0, 14), "\x02RV-4400 V2.13");
    EXPECT_EQ(bytes.find('\x03'), std::string::npos) << "the stop byte was lost";
    // Read while it arrives (about 770 characters per 200 ms at 38400 baud): nothing is lost.
    reset_sim("38400,N,8,1;long=1;delay=0");
    open(38400, 'N', 8, 1);
    send(framed("W0"));
    std::string all;
    for (int step = 0; step < 100 && (all.empty() || all.back() != '\x03'); ++step)
        all += later(200);
    EXPECT_EQ(all.size(), static_cast<size_t>(CSimScanner::kLongReply) + 2);
}

TEST_F(SimPort, VanishingScannerFailsThePortAfterWhatHadArrived) {
    reset_sim("vanish-commands=2;delay=0");
    open();
    send(framed("W1") + framed("W1"));
    // The second reply is complete after 12 characters; then the scanner is gone.
    now = kStart + 12 * k9600 - 1;
    EXPECT_EQ(later(0), framed("U0") + "\x02U0");
    now += 1000 * kMs;
    EXPECT_EQ(port->Write("\x02W1\x03", 4), 0);
    EXPECT_EQ(later(0), "\x03") << "what had arrived before it went stays readable";
    EXPECT_EQ(port->BytesWaiting(), -1);
    EXPECT_EQ(port->LastError(), CSerialPort::kResource);
    EXPECT_EQ(port->IsOpen(), 1) << "open until the caller closes it";
    EXPECT_EQ(port->Close(), 1);
    EXPECT_EQ(port->Open("SIM"), 0) << "the scanner is not there";
    EXPECT_EQ(port->LastError(), CSerialPort::kDeviceNotFound);
    CSimPort::Device().PowerCycle();
    EXPECT_EQ(port->Open("SIM"), 1);
}

TEST_F(SimPort, ScannerFromTheEnvironment) {
    ::setenv("ZEP_SIM", "19200,E,7,1;model=RV-4400L;delay=0;wire=off", 1);
    CSimPort::ResetDevice();
    open(19200, 'E', 7, 1);
    send(framed("W0"));
    EXPECT_EQ(later(0), framed("RV-4400L V2.13"));
    // A malformed text leaves a factory-new scanner (and a message on stderr).
    ::setenv("ZEP_SIM", "9600,N,8,1;colour=red", 1);
    CSimPort::ResetDevice();
    EXPECT_EQ(CSimPort::Device().Options().m_sModel.str(), "RV-4400");
    ::unsetenv("ZEP_SIM");
}

} // namespace
