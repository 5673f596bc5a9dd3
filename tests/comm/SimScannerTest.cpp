// The simulated scanner: its command language as tables of commands and the replies they lead
// to, the factory memory against the type's factory-default file, the memory file, framing on
// the wire and its options; the port "SIM" with the line modelled in time (the tests move the
// model's clock by hand); and zepsim, the same scanner as a program on a pseudo-terminal.
#include "CSerialPort.h"
#include "CSimScanner.h"
#include "CommTestSupport.h"
#include "ProgramRun.h"
#include "TempDir.h"

#include "GwLineReader.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string ask(CSimScanner& scanner, const std::string& command) {
    return scanner.Execute(command).str();
}

// Commands ("|" between several) on a factory-new scanner, a query, its reply. Queries show
// codes as they are, numbers after "=" without leading zeros, texts in quotes, the hex text
// after "=", rule fields behind the rule's code type; only queries and "A0" are answered.
// (Every parameter's query and write through the command map, the single fields of a rule
// queried, the last of two writes to one field, "W1" and "WER" after a clean store: the
// transfer tests.)
const char* const kTaken[][3] = {
    {"DCI5", "WDCI", "DCI=5"},
    {"FD0010", "WFD", "FD=10"},
    {"CVI\"A;B C\"", "WCVI", "CVI\"A;B C\""},
    {"H0E\"123456789012345678901234\"", "WH0E", "H0E\"123456789012345678901234\""},
    {"K3F41", "WK3F", "K3F=4100"},
    {"K3F410042", "WK3F", "K3F=4100"}, // pairs after 00 ignored
    // Reading rules: the code type first, then fields in any order, checked whole.
    {"L9O10L99___U7F7FD2C3S5A2H2", "WL9", "L9O10L99___U7F7FD2C3S5A2H2"},
    {"L2O03H1A2S3C1D2U00L10-20", "WL2", "L2O03L10-20U00D2C1S3A2H1"},
    {"L3O04U4100C2", "WL4", "L4O00L01-99U00D0C0S0A0H0"},
    // Memory: M2 stores, M0 reloads what was stored, M1 loads the factory values; "W1" tells
    // whether the working memory changed since.
    {"H0E\"S\"|M2|H0E\"W\"|M0", "WH0E", "H0E\"S\""},
    {"H0E\"S\"|M2|M1", "WH0E", "H0E\"NOREAD\""},
    {"H0B6|M2|L1O02", "W1", "U1"},
    {"M1", "W1", "U1"},
    // Evaluation, for the terminal: rates in turn.
    {"UC1|A0|A0|A0|A0", "A0", "A0072% 4006381333931"},
    // The error register keeps the last error until "WER" reads it.
    {"XYZ|WH0B", "WER", "ER01"},
    {"XYZ|H0B9", "WER", "ER02"}};

TEST(SimScannerCommand, TakenAndShownByTheQuery) {
    for (const auto& [commands, query, reply] : kTaken) {
        SCOPED_TRACE(std::string(commands) + " " + query);
        CSimScanner scanner;
        const GwString list = commands;
        for (int i = 0; i < list.GetTokenCount('|'); ++i) {
            const std::string command = list.GetToken(i, '|').str();
            EXPECT_EQ(ask(scanner, command).empty(), command[0] != 'W' && command != "A0")
                << command;
        }
        EXPECT_EQ(ask(scanner, query), reply);
        EXPECT_EQ(scanner.ErrorRegister(), 0);
    }
}

// Refused commands get no reply and change nothing: error 02 for a value or form the scanner
// does not take, 01 for a command it does not know.
TEST(SimScannerCommand, RefusedSilently) {
    const std::pair<int, std::vector<const char*>> refused[] = {
        {2,
         {"H0B9", "ROT1300", "DCI00500", "CVI\"ABC", "CVI\"A\"B\"",
          "H0E\"1234567890123456789012345\"", "CVM\"PX\"", "LKS//", "K3F414243", "L3C2", "L3O11",
          "L3O04C4", "L3O04L12-05", "L3O04L5-12", "L3O04U41", "L3O04C2junk", "UC2"}},
        {1, {"XYZ", "h0b6", "M3", "A1", "LX"}}};
    for (const auto& [error, commands] : refused) {
        for (const char* command : commands) {
            SCOPED_TRACE(command);
            CSimScanner scanner;
            EXPECT_EQ(ask(scanner, command), "");
            EXPECT_EQ(scanner.ErrorRegister(), error);
            for (const GwString& key : CSimScanner::Keys())
                EXPECT_EQ(scanner.Value(key), CSimScanner::FactoryValue(key)) << key.str();
            EXPECT_EQ(ask(scanner, "W1") + ask(scanner, "WUC"), "U0UC0");
        }
    }
    for (const char* query : {"W", "W0X", "WH0B5", "WL3OC", "Wh0b", "WGNNONAME"}) {
        CSimScanner scanner;
        EXPECT_EQ(ask(scanner, query), std::string("?") + query) << "unknown queries echoed";
        EXPECT_EQ(scanner.ErrorRegister(), 1) << query;
    }
}

// The scanner keeps its own table; the type's factory-default file comes from the same
// documentation. Rebuilding each data line from the scanner's memory must give that file. (Each
// parameter's query and reply: the transfer tests, through the command map.)
TEST(SimScannerMemory, FactoryMemoryIsTheFactoryDefaultFile) {
    GwLineReader reader(GwString(ZEP_SOURCE_DIR) + "/data/ZEP100/3PRF1");
    ASSERT_TRUE(reader.is_open());
    Strings expected;
    GwString line;
    while (reader.read_line(line)) {
        if (line.not_null() && line[0] == '3')
            expected.push_back(line.str());
    }
    CSimScanner scanner;
    Strings lines;
    for (const GwString& key : CSimScanner::Keys()) {
        // Three-character keys are group + field prefix; GN, BT and FD have no prefix.
        const std::string k = key.str();
        const std::string group = k.substr(0, 2);
        if (lines.empty() || lines.back().compare(1, 2, group) != 0)
            lines.push_back("3" + group);
        const std::string value = scanner.Value(key).str();
        lines.back() += k.substr(2) + value;
        EXPECT_EQ(scanner.StoredValue(key).str(), value);
    }
    EXPECT_EQ(lines, expected);
}

TEST(SimScannerMemory, HostPortSettingsActAfterStoringAndPowerCycle) {
    CSimScanner scanner;
    for (const char* command : {"H0B6", "H0FK", "M2"})
        ask(scanner, command);
    EXPECT_EQ(scanner.LineBaud(), 9600) << "not acting before the power cycle";
    scanner.PowerCycle();
    EXPECT_EQ(std::to_string(scanner.LineBaud()) + scanner.LineParity(), "19200E");
}

// Keys in any case; the line settings of the file are those of H0B and H0F, and explicit ones
// win. (That entries a write would refuse are not taken: the simulator fuzz target.)
TEST(SimScannerMemory, MemoryFileAndExplicitLineSettings) {
    TempDir dir;
    const std::string file = dir.write("scanner.mem", "[Memory]\nH0B=4\nH0F=D\nrcl=03\n");
    CSimScanner scanner(sim_options("memory=" + file));
    EXPECT_EQ(scanner.LineBaud() + scanner.LineStopBits(), 4802);
    EXPECT_EQ(ask(scanner, "WRCL"), "RCL03");
    CSimScanner overridden(sim_options("memory=" + file + ";2400,O,7,1"));
    EXPECT_EQ(ask(overridden, "WH0B") + ask(overridden, "WH0F"), "H0B3H0FI");
    // A missing file is a scanner that never stored anything.
    CSimScanner fresh(sim_options("memory=" + dir.file("none.mem")));
    for (const GwString& key : CSimScanner::Keys())
        EXPECT_EQ(fresh.Value(key), CSimScanner::FactoryValue(key));
}

// (The wire side: every transfer frames its commands through it, the simulator fuzz target
// feeds it any bytes and checks that each reply is one frame, and the auto-baud tests show that
// it hears only a host at its own line settings, finding it at the probe of its settings.)

// --- Options: the ZEP_SIM text and the single settings zepsim passes --------------------------

// A bad segment is refused with a reason; the segments before it stay applied, none after it.
// (Good texts take effect in the tests that use them: the environment, transfer, auto-baud.)
TEST(SimOptions, BadSegmentsAreRefusedWithAReason) {
    const std::pair<const char*, const char*> rows[] = {
        {"colour=red", "unknown option: colour"},
        {"slow=x", "slow: not a number: x"},
        {"delay=99999999", "delay: not a number: 99999999"},
        {"9600,X,8,1", "line: not settings the scanner can use: 9600,X,8,1"},
        {"model=RV\x02", "model: 1 to 64 printable characters expected: RV\x02"},
        {"memory= ", "memory: a file name expected"},
        {"refuse=XYZ", "refuse: not a parameter of the scanner: XYZ"}};
    for (const auto& [text, message] : rows) {
        CSimOptions o;
        GwString error;
        EXPECT_EQ(o.Parse(("lose=2;" + std::string(text) + ";garble=3").c_str(), error), 0);
        EXPECT_EQ(error.str(), message);
        EXPECT_EQ(o.m_iLoseEvery * 10 + o.m_iGarbleEvery, 20) << text;
    }
}

// --- The port "SIM" ---------------------------------------------------------------------------
// (That a waiting event loop wakes for each reply shows in the late-reply transfer test; that
// it sleeps meanwhile, in the transfer benchmark's processor time.)

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
    open();
    EXPECT_EQ(other.Open("SIM"), 0);
    EXPECT_EQ(other.LastError(), CSerialPort::kPermission);
    EXPECT_EQ(port->Close(), 1);
    EXPECT_EQ(other.Open("sim"), 1);
}

// What arrives while the input queue is full is lost: an overlong reply loses its stop byte.
TEST_F(SimPort, InputQueueLosesWhatDoesNotFit) {
    reset_sim("long=1;wire=off;delay=0");
    open();
    send(framed("W0"));
    const std::string bytes = later(0);
    EXPECT_EQ(bytes.size(), static_cast<size_t>(CSerialPort::kQueueSize));
    EXPECT_EQ(bytes.find('\x03'), std::string::npos);
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

// --- zepsim: the program talked to through the driver over the real serial stack --------------
// (Transfers, the memory file, the fault options and vanishing through zepsim: the Pty variant
// of the transfer tests.)

// The command line sets the scanner's line, model and delay. A pseudo-terminal carries baud
// rate and stop bits only, so only those decide whether it understands; with garbage on, what
// it makes of a host at other settings comes back as bytes (one for each byte of the frame).
TEST(Zepsim, CommandLineSetsTheScannerAndItsLine) {
    Zepsim sim;
    const std::string path =
        sim.start({"--line", "2400,N,8,2", "--model", "RV-4400L", "--delay", "10", "--garbage"});
    ASSERT_EQ(path.rfind("/dev/", 0), 0u) << path;
    TestDriver driver;
    ASSERT_EQ(driver->set_mode(1), 1);
    ASSERT_EQ(driver->initialise(path.c_str(), "2400,N,8,1"), 1);
    driver->set_timeout(300);
    driver->WriteFramed("W0");
    const std::string garbage = driver->Read().str();
    EXPECT_EQ(garbage.size(), 4u);
    EXPECT_EQ(garbage.find_first_of("\x02\x03RV"), std::string::npos);
    ASSERT_EQ(driver->initialise(path.c_str(), "2400,E,7,2"), 1);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(driver->WriteReadFramed("W0").str(), "RV-4400L V2.13");
    // 16 reply characters of 11 bits (8N2) at 2400 baud after a 10 ms answer delay.
    EXPECT_GE(clock.nsecsElapsed(), 16LL * 11 * 1000000000LL / 2400 + 10LL * 1000000);
    driver->WriteFramed("H0E\"E2E TEST\"");
    EXPECT_EQ(driver->WriteReadFramed("WH0E").str(), "H0E\"E2E TEST\"");
    EXPECT_EQ(driver->WriteReadFramed("W1").str(), "U1");
}

// A bad option ends zepsim with status 2 and a message, before any device path.
TEST(Zepsim, RefusesBadOptions) {
    const ProgramRun bad = run_program("zepsim", {"--lose", "often"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("lose: not a number: often"), std::string::npos) << bad.err;
    EXPECT_EQ(bad.out, "");
}

} // namespace
