// The simulated scanner: its command language as tables of commands and the replies they lead
// to, and the factory memory against the type's factory-default file.
#include "CSimScanner.h"
#include "CommTestSupport.h"

#include "GwLineReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string ask(CSimScanner& scanner, const std::string& command) {
    return scanner.Execute(command).str();
}

// Commands ("|" between several) on a factory-new scanner, a query, its reply; only queries
// and "A0" are answered. (Every parameter's query and write through the command map - numbers,
// quoted texts, hex texts -, the single fields of a rule queried, the last of two writes to one
// field, "W1" and "WER" after a clean store: the transfer tests. Evaluation, "UC1" and "A0":
// TerminalTest.SessionAgainstZepsim.)
const char* const kTaken[][3] = {
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
    EXPECT_EQ(scanner.Line().Text().str(), "9600,N,8,1") << "not acting before the power cycle";
    scanner.PowerCycle();
    EXPECT_EQ(scanner.Line().Text().str(), "19200,E,7,2");
}

// (The memory file, read at power-up and written by "M2": every transfer test keeps the
// scanner's memory in one. The wire side and the fault options: the transfer and auto-baud
// tests, and the simulator fuzz target, which feeds it any bytes and checks each reply. zepsim
// on a pseudo-terminal, its line, model and faults: the Pty variant of the transfer tests and
// the automatic detection of PortDialogsTest, which starts it with --line.)

} // namespace
