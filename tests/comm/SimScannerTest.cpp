// The simulated scanner against its command language: tables of commands and the replies they
// lead to, the factory memory against the type's factory-default file, the memory file,
// framing and faults on the wire, line settings, and its options.
#include "CSimScanner.h"
#include "CommTestSupport.h"
#include "TempDir.h"

#include "GwLineReader.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

std::string ask(CSimScanner& scanner, const std::string& command) {
    return scanner.Execute(command).str();
}

// Feeds bytes through the wire side; gives the bytes sent back for the frames they complete.
std::string reply_bytes(CSimScanner& scanner, const std::string& bytes) {
    std::string all;
    for (char c : bytes) {
        CSimScanner::Output out;
        if (scanner.Receive(static_cast<unsigned char>(c), out))
            all += out.sBytes;
    }
    return all;
}

// Commands ("|" between several) on a factory-new scanner, a query, its reply. Queries show
// codes as they are, numbers after "=" without leading zeros, texts in quotes, the hex text
// after "=", rule fields behind the rule's code type; only queries and "A0" are answered.
// (Every parameter's query and write through the command map, the single fields of a rule
// queried, the last of two writes to one field, "W1" and "WER" after a clean store: the
// transfer tests.)
const char* const kTaken[][3] = {
    {"DCI5", "WDCI", "DCI=5"},
    {"ROT1200", "WROT", "ROT=1200"},
    {"FD0010", "WFD", "FD=10"},
    {"CVI\"A;B C\"", "WCVI", "CVI\"A;B C\""},
    {"H0E\"123456789012345678901234\"", "WH0E", "H0E\"123456789012345678901234\""},
    {"K3F41", "WK3F", "K3F=4100"},
    {"K3F410042", "WK3F", "K3F=4100"}, // pairs after 00 ignored
    {"K3F00", "WK3F", "K3F=00"},
    // Reading rules: the code type first, then fields in any order, checked whole.
    {"L9O10L99___U7F7FD2C3S5A2H2", "WL9", "L9O10L99___U7F7FD2C3S5A2H2"},
    {"L2O03H1A2S3C1D2U00L10-20", "WL2", "L2O03L10-20U00D2C1S3A2H1"},
    {"L3O04U4100C2", "WL4", "L4O00L01-99U00D0C0S0A0H0"},
    // Memory: M2 stores, M0 reloads what was stored, M1 loads the factory values; "W1" tells
    // whether the working memory changed since.
    {"H0E\"S\"|M2|H0E\"W\"|M0", "WH0E", "H0E\"S\""},
    {"H0E\"S\"|M2|M1", "WH0E", "H0E\"NOREAD\""},
    {"H0B6", "W1", "U1"},
    {"H0B6|M2|L1O02", "W1", "U1"},
    {"M1", "W1", "U1"},
    {"UC1", "W1", "U0"}, // the evaluation mode is no parameter
    // Evaluation: rates in turn, a new series with each "UC1" that starts one.
    {"", "A0", "A0---%"},
    {"UC1", "A0", "A0087% 4006381333931"},
    {"UC1|A0|UC1|A0", "A0", "A0000%"},
    {"UC1|A0|A0|A0|A0", "A0", "A0072% 4006381333931"},
    {"UC1|A0|UC0", "A0", "A0---%"},
    {"UC1|M0", "WUC", "UC1"},
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
            const std::string answer = ask(scanner, command);
            if (command[0] != 'W' && command != "A0") {
                EXPECT_EQ(answer, "") << command;
            }
        }
        EXPECT_EQ(ask(scanner, query), reply);
        EXPECT_EQ(scanner.ErrorRegister(), 0);
    }
}

// Refused commands get no reply and change nothing: error 02 for a value or form the scanner
// does not take, 01 for a command it does not know.
TEST(SimScannerCommand, RefusedSilently) {
    const std::pair<int, std::vector<const char*>> refused[] = {
        {2, {"H0B9",       "H0B55",       "H0B",         "DCLs",
             "LKC1",       "ROT1300",     "ROT1000",     "ROT0299",
             "DCI00500",   "DCI5a0",      "DCI 500",     "CVI\"ABC",
             "CVIABC",     "CVI\"A\"B\"", "CVI\"A\tB\"", "H0E\"1234567890123456789012345\"",
             "CVM\"PX\"",  "LKS ",        "LKS//",       "K3F414243",
             "K3F4",       "K3F1d00",     "L3C2",        "L3",
             "L3O11",      "L3O4",        "L3O04X1",     "L3O04C",
             "L3O04C4",    "L3O04S6",     "L3O04L00-10", "L3O04L12-05",
             "L3O04L5-12", "L3O04L13__",  "L3O04U41",    "L3O04U80",
             "L3O04U4a00", "L3O04C2junk", "L3O04c2",     "M2X",
             "A0X",        "UC2",         "UC"}},
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
    for (const char* query :
         {"WXY", "W", "W0X", "WH0B5", "WL3X", "WL3OC", "WLX", "Wh0b", "WGNNONAME", "Wuc"}) {
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
    ask(scanner, "H0B6");
    scanner.PowerCycle();
    EXPECT_EQ(ask(scanner, "WH0B"), "H0B5") << "not stored: lost at power-off";
    ask(scanner, "H0B6");
    ask(scanner, "H0FK");
    ask(scanner, "M2");
    EXPECT_EQ(scanner.LineBaud(), 9600) << "not acting before the power cycle";
    scanner.PowerCycle();
    EXPECT_EQ(std::to_string(scanner.LineBaud()) + scanner.LineParity() +
                  std::to_string(scanner.LineDataBits() * 10 + scanner.LineStopBits()),
              "19200E72");
}

TEST(SimScannerMemory, MemoryFileEntriesAreCheckedLikeWrites) {
    TempDir dir;
    // 4800,N,8,2; a DCI too long, an L3L not normalised, no key XYZ, keys in any case.
    const std::string file =
        dir.write("scanner.mem", "[Memory]\nH0B=4\nH0F=D\nH0E=\"OK\"\nDCI=12345\n"
                                 "L3L=5-12\nL4L=05-12\nXYZ=1\nrcl=03\n");
    CSimScanner scanner(sim_options("memory=" + file));
    EXPECT_EQ(scanner.LineBaud() + scanner.LineStopBits(), 4802);
    EXPECT_EQ(ask(scanner, "WH0E") + ask(scanner, "WDCI") + ask(scanner, "WL3L") +
                  ask(scanner, "WL4L") + ask(scanner, "WRCL"),
              "H0E\"OK\"DCI=500L3O00L01-99L4O00L05-12RCL03");
    // Explicit line settings win over the memory's and set the host port parameters.
    CSimScanner overridden(sim_options("memory=" + file + ";2400,O,7,1"));
    EXPECT_EQ(ask(overridden, "WH0B") + ask(overridden, "WH0F"), "H0B3H0FI");
    // A missing file is a scanner that never stored anything.
    CSimScanner fresh(sim_options("memory=" + dir.file("none.mem")));
    for (const GwString& key : CSimScanner::Keys())
        EXPECT_EQ(fresh.Value(key), CSimScanner::FactoryValue(key));
}

// Bytes on the wire and the bytes sent back: the scanner's side of the framing.
TEST(SimScannerWire, GivesTheReplyBytes) {
    const std::string x254(254, 'X');
    const std::tuple<const char*, std::string, std::string> rows[] = {
        {"bytes outside ignored", "xy" + framed("W1") + "zz", framed("U0")},
        {"second start restarts", "\x02WH0" + framed("W1"), framed("U0")},
        {"stop without start", "W1\x03", ""},
        {"empty frame", framed(""), ""},
        {"two frames", framed("W1") + framed("WH0B"), framed("U0") + framed("H0B5")},
        {"lower-case w", framed("w0"), ""},
        {"embedded NUL", framed(std::string("W1\0", 3)), framed(std::string("?W1\0", 4))},
        {"255 characters", framed("W" + x254), framed("?W" + x254)},
        {"longer dropped", framed("H0B6" + x254) + framed("WH0B"), framed("H0B5")}};
    // (The fault options - lost, garbled, unstopped, long replies, vanishing - show in the
    // transfer tests; that garbled replies stay framed, in the simulator fuzz target.)
    for (const auto& [name, bytes, reply] : rows) {
        CSimScanner scanner;
        EXPECT_EQ(reply_bytes(scanner, bytes), reply) << name;
    }
}

// At other line settings the scanner hears nothing: no reply, no change; a change of settings
// drops a partial frame. (Which settings it hears: the auto-baud and zepsim tests.)
TEST(SimScannerWire, DeafAtOtherLineSettings) {
    CSimScanner scanner(sim_options("19200,E,7,1"));
    scanner.SetHostLine(19200, 'E', 7, 2);
    EXPECT_EQ(reply_bytes(scanner, framed("H0B3") + framed("W1")), "");
    EXPECT_EQ(scanner.CommandCount(), 0);
    reply_bytes(scanner, "\x02W");
    scanner.SetHostLine(19200, 'e', 7, 1);
    EXPECT_EQ(reply_bytes(scanner, "1\x03"), "");
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), framed("U0"));
}

// --- Options: the ZEP_SIM text and the single settings zepsim passes --------------------------

// Keys in any case, blanks around keys and values and empty segments are allowed. (That each
// option takes effect: the transfer, auto-baud and zepsim tests, which use them.)
TEST(SimOptions, ParsesTheEnvironmentForm) {
    const CSimOptions o =
        sim_options(";MODEL=RV-4400L;; Line = 19200,e,7 , 2 ;version=V3.0;SlowDelay=3100");
    GwString all;
    all.Put("%s %d %s %s %d", o.LineText().cc(), o.m_bLineGiven, o.m_sModel.cc(), o.m_sVersion.cc(),
            o.m_iSlowMs);
    EXPECT_EQ(all.str(), "19200,E,7,2 1 RV-4400L V3.0 3100");
}

// A bad segment is refused with a reason; the segments before it stay applied, none after it.
TEST(SimOptions, BadSegmentsAreRefusedWithAReason) {
    const std::pair<const char*, const char*> rows[] = {
        {"colour=red", "unknown option: colour"},
        {"slow=x", "slow: not a number: x"},
        {"slow=-1", "slow: not a number: -1"},
        {"delay=99999999", "delay: not a number: 99999999"},
        {"wire=maybe", "wire: not on or off: maybe"},
        {"9600,X,8,1", "line: not settings the scanner can use: 9600,X,8,1"},
        {"115200,N,8,1", "line: not settings the scanner can use: 115200,N,8,1"},
        {"9601,N,8,1", "line: not settings the scanner can use: 9601,N,8,1"},
        {"line=9600,N,6,1", "line: not settings the scanner can use: 9600,N,6,1"},
        {"line=9600,N,8,3", "line: not settings the scanner can use: 9600,N,8,3"},
        {"line=9600,N,8", "line: not settings the scanner can use: 9600,N,8"},
        {"line=9600,NO,8,1", "line: not settings the scanner can use: 9600,NO,8,1"},
        {"model=", "model: 1 to 64 printable characters expected: "},
        {"model=RV\x02", "model: 1 to 64 printable characters expected: RV\x02"},
        {"memory= ", "memory: a file name expected"}};
    for (const auto& [text, message] : rows) {
        CSimOptions o;
        GwString error;
        EXPECT_EQ(o.Parse(("lose=2;" + std::string(text) + ";garble=3").c_str(), error), 0);
        EXPECT_EQ(error.str(), message);
        EXPECT_EQ(o.m_iLoseEvery * 10 + o.m_iGarbleEvery, 20) << text;
    }
}

} // namespace
