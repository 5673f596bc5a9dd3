// The simulated scanner against its command language: queries and writes of every parameter,
// reading rules, memory commands, evaluation, errors, framing, line settings and fault modes.
#include "CSimScanner.h"
#include "TempDir.h"

#include "GwLineReader.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const std::string kStx = "\x02";
const std::string kEtx = "\x03";

std::string ask(CSimScanner& scanner, const std::string& command) {
    return scanner.Execute(command).str();
}

// Feeds bytes through the wire side; gives every output of a completed frame.
std::vector<CSimScanner::Output> feed(CSimScanner& scanner, const std::string& bytes) {
    std::vector<CSimScanner::Output> outputs;
    for (char c : bytes) {
        CSimScanner::Output out;
        if (scanner.Receive(static_cast<unsigned char>(c), out))
            outputs.push_back(out);
    }
    return outputs;
}

// The bytes sent back for the given frames, concatenated.
std::string reply_bytes(CSimScanner& scanner, const std::string& bytes) {
    std::string all;
    for (const auto& out : feed(scanner, bytes))
        all += out.sBytes;
    return all;
}

std::string framed(const std::string& text) {
    return kStx + text + kEtx;
}

CSimOptions options(const std::string& text) {
    CSimOptions o;
    GwString error;
    EXPECT_TRUE(o.Parse(text.c_str(), error)) << error.str();
    return o;
}

struct Exchange {
    const char* name;
    const char* command;
    const char* reply; // "" for none
};

void PrintTo(const Exchange& e, std::ostream* os) {
    *os << e.name;
}

std::string exchange_name(const testing::TestParamInfo<Exchange>& info) {
    return info.param.name;
}

} // namespace

// --- Every parameter of a factory-new scanner ---

TEST(SimScannerFactory, AnswersEveryQueryWithTheFactoryValue) {
    // Query and reply of each parameter of a factory-new scanner, as the scanner's
    // documentation lists them.
    const std::vector<std::pair<std::string, std::string>> table = {
        {"WRCL", "RCL01"},    {"WDCC", "DCC2"},          {"WDCI", "DCI=500"},
        {"WDCL", "DCLS"},     {"WDCO", "DCO0"},          {"WROT", "ROT=800"},
        {"WROR", "ROR0"},     {"WROS", "ROS2"},          {"WLTD", "LTD0"},
        {"WLTT", "LTTE"},     {"WLTM", "LTM=2000"},      {"WCVA", "CVA0"},
        {"WCVI", "CVI\"\""},  {"WCVM", "CVM\"\""},       {"WCVO", "CVOA"},
        {"WHIS", "HIS0"},     {"WHIP", "HIP0"},          {"WHIT", "HIT0"},
        {"WHIA", "HIA=1"},    {"WH0B", "H0B5"},          {"WH0F", "H0FA"},
        {"WH0T", "H0T3"},     {"WH0E", "H0E\"NOREAD\""}, {"WH0C", "H0C0"},
        {"WH1B", "H1B5"},     {"WH1F", "H1FA"},          {"WH1T", "H1T3"},
        {"WH1E", "H1E0"},     {"WH2E", "H2E0"},          {"WGN", "GN1"},
        {"WBT", "BT3"},       {"WFD", "FD=100"},         {"WLKC", "LKC0"},
        {"WLKS", "LKS/"},     {"WK1E", "K1E1"},          {"WK1C", "K1C0"},
        {"WK1N", "K1N=1"},    {"WK1X", "K1X=48"},        {"WK1F", "K1F0"},
        {"WK1S", "K1S0"},     {"WK2E", "K2E1"},          {"WK2C", "K2C0"},
        {"WK2N", "K2N=4"},    {"WK2X", "K2X=32"},        {"WK3E", "K3E1"},
        {"WK3N", "K3N=1"},    {"WK3X", "K3X=64"},        {"WK3G", "K3G0"},
        {"WK3F", "K3F=1D00"}, {"WK4A", "K4A1"},          {"WK4B", "K4B1"},
        {"WK4C", "K4C1"},     {"WK4D", "K4D0"},          {"WK4S", "K4S0"},
        {"WK5E", "K5E0"},     {"WK5N", "K5N=4"},         {"WK5X", "K5X=48"},
        {"WK5S", "K5S0"},     {"WK6E", "K6E0"},          {"WK6N", "K6N=1"},
        {"WK6X", "K6X=48"}};
    CSimScanner scanner;
    std::set<std::string> asked;
    for (const auto& [query, reply] : table) {
        EXPECT_EQ(ask(scanner, query), reply) << query;
        asked.insert(query.substr(1));
    }
    // Every key that is not a rule field is in the table, and nothing else.
    int keys = 0;
    for (const GwString& key : CSimScanner::Keys()) {
        if (key.len() == 3 && key[0] == 'L' && key[1] >= '0' && key[1] <= '9')
            continue;
        ++keys;
        EXPECT_EQ(asked.count(key.str()), 1u) << key.str();
    }
    EXPECT_EQ(keys, static_cast<int>(table.size()));
    EXPECT_EQ(scanner.ErrorRegister(), 0);
}

TEST(SimScannerFactory, HasTheParametersOfTheType) {
    // 141 parameters: 61 of their own and ten reading rules of eight fields.
    EXPECT_EQ(CSimScanner::Keys().size(), 141u);
    std::set<std::string> unique;
    for (const GwString& key : CSimScanner::Keys())
        unique.insert(key.str());
    EXPECT_EQ(unique.size(), 141u);
}

// The scanner keeps its own table; the type's factory-default file is written from the same
// documentation. Rebuilding each data line from the scanner's memory must give that file.
TEST(SimScannerFactory, MemoryMatchesTheFactoryDefaultFile) {
    GwLineReader reader(GwString(ZEP_SOURCE_DIR) + "/data/ZEP100/3PRF1");
    ASSERT_TRUE(reader.is_open());
    std::vector<std::string> expected;
    GwString line;
    while (reader.read_line(line)) {
        if (line.not_null() && line[0] == '3')
            expected.push_back(line.str());
    }

    CSimScanner scanner;
    std::vector<std::string> lines;
    std::string group;
    for (const GwString& key : CSimScanner::Keys()) {
        // Three-character keys are group + field prefix; GN, BT and FD have no prefix.
        const std::string k = key.str();
        const std::string g = k.size() == 3 ? k.substr(0, 2) : k;
        const std::string prefix = k.size() == 3 ? k.substr(2) : "";
        if (lines.empty() || g != group) {
            lines.push_back("3" + g);
            group = g;
        }
        lines.back() += prefix + scanner.Value(key).str();
        EXPECT_EQ(scanner.Value(key).str(), CSimScanner::FactoryValue(key).str());
        EXPECT_EQ(scanner.StoredValue(key).str(), CSimScanner::FactoryValue(key).str());
    }
    EXPECT_EQ(lines, expected);
}

// --- Writes ---

struct WriteCase {
    const char* name;
    const char* command;
    const char* query;
    const char* reply;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class SimScannerWrite : public testing::TestWithParam<WriteCase> {};
TEST_P(SimScannerWrite, IsCarriedOutSilentlyAndShowsInTheQuery) {
    CSimScanner scanner;
    EXPECT_EQ(ask(scanner, GetParam().command), "") << "writes are never answered";
    EXPECT_EQ(ask(scanner, GetParam().query), GetParam().reply);
    EXPECT_EQ(scanner.ErrorRegister(), 0);
    EXPECT_EQ(ask(scanner, "W1"), "U1");
}
INSTANTIATE_TEST_SUITE_P(
    Values, SimScannerWrite,
    testing::Values(WriteCase{"code_two_digits", "RCL10", "WRCL", "RCL10"},
                    WriteCase{"code_digit", "DCC9", "WDCC", "DCC9"},
                    WriteCase{"code_letter", "DCLR", "WDCL", "DCLR"},
                    WriteCase{"host_baud", "H0B6", "WH0B", "H0B6"},
                    WriteCase{"host_format", "H0FL", "WH0F", "H0FL"},
                    WriteCase{"link_count", "LKC4", "WLKC", "LKC4"},
                    WriteCase{"unnamed_led", "GN0", "WGN", "GN0"},
                    WriteCase{"unnamed_beeper", "BT1", "WBT", "BT1"},
                    WriteCase{"separator_semicolon", "LKS;", "WLKS", "LKS;"},
                    WriteCase{"separator_tilde", "LKS~", "WLKS", "LKS~"},
                    WriteCase{"number_all_digits", "DCI0500", "WDCI", "DCI=500"},
                    WriteCase{"number_fewer_digits", "DCI5", "WDCI", "DCI=5"},
                    WriteCase{"number_zero", "LTM0", "WLTM", "LTM=0"},
                    WriteCase{"number_zeros", "DCI0000", "WDCI", "DCI=0"},
                    WriteCase{"number_max", "LTM60000", "WLTM", "LTM=60000"},
                    WriteCase{"number_lower_bound", "ROT0300", "WROT", "ROT=300"},
                    WriteCase{"number_upper_bound", "ROT1200", "WROT", "ROT=1200"},
                    WriteCase{"number_between_excluded", "ROT1050", "WROT", "ROT=1050"},
                    WriteCase{"unnamed_number", "FD250", "WFD", "FD=250"},
                    WriteCase{"unnamed_number_min", "FD0010", "WFD", "FD=10"},
                    WriteCase{"address", "HIA31", "WHIA", "HIA=31"},
                    WriteCase{"length", "K2N64", "WK2N", "K2N=64"},
                    WriteCase{"quoted", "CVI\"ABC 123\"", "WCVI", "CVI\"ABC 123\""},
                    WriteCase{"quoted_empty", "H0E\"\"", "WH0E", "H0E\"\""},
                    WriteCase{"quoted_semicolon", "CVI\"A;B\"", "WCVI", "CVI\"A;B\""},
                    WriteCase{"quoted_full_length", "H0E\"123456789012345678901234\"", "WH0E",
                              "H0E\"123456789012345678901234\""},
                    WriteCase{"quoted_48",
                              "CVI\"012345678901234567890123456789012345678901234567\"", "WCVI",
                              "CVI\"012345678901234567890123456789012345678901234567\""},
                    WriteCase{"mask", "CVM\"PP?@\"", "WCVM", "CVM\"PP?@\""},
                    WriteCase{"hex_one_char_closed", "K3F4100", "WK3F", "K3F=4100"},
                    WriteCase{"hex_one_char_open", "K3F41", "WK3F", "K3F=4100"},
                    WriteCase{"hex_two_chars", "K3F4142", "WK3F", "K3F=414200"},
                    WriteCase{"hex_two_chars_closed", "K3F414200", "WK3F", "K3F=414200"},
                    WriteCase{"hex_high_char", "K3FFF", "WK3F", "K3F=FF00"},
                    WriteCase{"hex_none", "K3F00", "WK3F", "K3F=00"},
                    WriteCase{"hex_pairs_after_00_ignored", "K3F410042", "WK3F", "K3F=4100"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

class SimScannerRefusedWrite : public testing::TestWithParam<Exchange> {};
TEST_P(SimScannerRefusedWrite, ChangesNothingAndSetsError02) {
    CSimScanner scanner;
    const std::vector<GwString>& keys = CSimScanner::Keys();
    EXPECT_EQ(ask(scanner, GetParam().command), "") << "refused writes are not answered";
    EXPECT_EQ(scanner.ErrorRegister(), 2);
    for (const GwString& key : keys)
        EXPECT_EQ(scanner.Value(key).str(), CSimScanner::FactoryValue(key).str()) << key.str();
    EXPECT_EQ(ask(scanner, "W1"), "U0");
}
INSTANTIATE_TEST_SUITE_P(
    Values, SimScannerRefusedWrite,
    testing::Values(
        Exchange{"code_not_in_list", "H0B9", ""}, Exchange{"code_too_long", "H0B55", ""},
        Exchange{"code_too_short", "RCL1", ""}, Exchange{"code_zero_not_listed", "RCL00", ""},
        Exchange{"code_missing", "H0B", ""}, Exchange{"code_lower_case", "DCLs", ""},
        Exchange{"link_count_one", "LKC1", ""}, Exchange{"number_above", "ROT1300", ""},
        Exchange{"number_excluded", "ROT1000", ""}, Exchange{"number_excluded_2", "ROT1100", ""},
        Exchange{"number_below", "ROT0299", ""}, Exchange{"unnamed_number_below", "FD9", ""},
        Exchange{"address_zero", "HIA0", ""}, Exchange{"number_too_many_digits", "DCI00500", ""},
        Exchange{"number_letter", "DCI5a0", ""}, Exchange{"number_sign", "DCI-1", ""},
        Exchange{"number_missing", "DCI", ""}, Exchange{"number_blank", "DCI 500", ""},
        Exchange{"quoted_unclosed", "CVI\"ABC", ""}, Exchange{"quoted_no_quotes", "CVIABC", ""},
        Exchange{"quoted_rest_after", "CVI\"A\"B", ""},
        Exchange{"quoted_inner_quote", "CVI\"A\"B\"", ""},
        Exchange{"quoted_single_quote_char", "CVI\"", ""},
        Exchange{"quoted_control_char", "CVI\"A\tB\"", ""},
        Exchange{"quoted_too_long", "H0E\"1234567890123456789012345\"", ""},
        Exchange{"mask_other_char", "CVM\"PX\"", ""}, Exchange{"separator_blank", "LKS ", ""},
        Exchange{"separator_two", "LKS//", ""}, Exchange{"separator_missing", "LKS", ""},
        Exchange{"hex_three_chars", "K3F414243", ""},
        Exchange{"hex_three_chars_closed", "K3F41424300", ""},
        Exchange{"hex_odd_digits", "K3F4", ""}, Exchange{"hex_lower_case", "K3F1d00", ""},
        Exchange{"hex_not_hex", "K3FXY", ""}),
    exchange_name);

TEST(SimScannerWrite, LastWriteWinsAndQueriesDoNotChangeAnything) {
    CSimScanner scanner;
    ask(scanner, "H0B6");
    ask(scanner, "H0B3");
    ask(scanner, "WH0B");
    EXPECT_EQ(ask(scanner, "WH0B"), "H0B3");
    EXPECT_EQ(scanner.Value("H0B").str(), "3");
}

// --- Reading rules ---

class SimScannerRuleCommand : public testing::TestWithParam<Exchange> {};
TEST_P(SimScannerRuleCommand, IsCarriedOutAsAWhole) {
    CSimScanner scanner;
    const std::string command = GetParam().command;
    EXPECT_EQ(ask(scanner, command), "");
    EXPECT_EQ(scanner.ErrorRegister(), 0) << command;
    EXPECT_EQ(ask(scanner, "W" + command.substr(0, 2)), GetParam().reply);
}
INSTANTIATE_TEST_SUITE_P(
    Values, SimScannerRuleCommand,
    testing::Values(Exchange{"code_type_only", "L3O05", "L3O05L01-99U00D0C0S0A0H0"},
                    Exchange{"type_length_check", "L3O04L13___C2", "L3O04L13___U00D0C2S0A0H0"},
                    Exchange{"left_to_right", "L3O04C0C2", "L3O04L01-99U00D0C2S0A0H0"},
                    Exchange{"code_type_twice", "L3O04O05", "L3O05L01-99U00D0C0S0A0H0"},
                    Exchange{"range", "L0O01L05-12", "L0O01L05-12U00D0C0S0A0H0"},
                    Exchange{"range_equal_ends", "L0O01L07-07", "L0O01L07-07U00D0C0S0A0H0"},
                    Exchange{"identifier_one", "L1O02U4100", "L1O02L01-99U4100D0C0S0A0H0"},
                    Exchange{"identifier_two", "L1O02U4142D1", "L1O02L01-99U4142D1C0S0A0H0"},
                    Exchange{"every_field_at_its_top", "L9O10L99___U7F7FD2C3S5A2H2",
                             "L9O10L99___U7F7FD2C3S5A2H2"},
                    Exchange{"any_order", "L2O03H1A2S3C1D2U00L10-20", "L2O03L10-20U00D2C1S3A2H1"}),
    exchange_name);

class SimScannerRefusedRule : public testing::TestWithParam<Exchange> {};
TEST_P(SimScannerRefusedRule, ChangesNothingAndSetsError02) {
    CSimScanner scanner;
    ask(scanner, "L3O04C1");
    ASSERT_EQ(scanner.ErrorRegister(), 0);
    EXPECT_EQ(ask(scanner, GetParam().command), "");
    EXPECT_EQ(scanner.ErrorRegister(), 2) << GetParam().command;
    EXPECT_EQ(ask(scanner, "WL3"), "L3O04L01-99U00D0C1S0A0H0");
}
INSTANTIATE_TEST_SUITE_P(Values, SimScannerRefusedRule,
                         testing::Values(Exchange{"no_code_type_first", "L3C2", ""},
                                         Exchange{"rule_alone", "L3", ""},
                                         Exchange{"code_type_too_big", "L3O11", ""},
                                         Exchange{"code_type_one_digit", "L3O4", ""},
                                         Exchange{"unknown_field", "L3O04X1", ""},
                                         Exchange{"field_value_missing", "L3O04C", ""},
                                         Exchange{"check_out_of_range", "L3O04C4", ""},
                                         Exchange{"security_out_of_range", "L3O04S6", ""},
                                         Exchange{"checked_before_change", "L3O05C2C9", ""},
                                         Exchange{"range_from_zero", "L3O04L00-10", ""},
                                         Exchange{"range_backwards", "L3O04L12-05", ""},
                                         Exchange{"range_not_normalised", "L3O04L5-12", ""},
                                         Exchange{"fixed_length_short", "L3O04L13__", ""},
                                         Exchange{"fixed_length_zero", "L3O04L00___", ""},
                                         Exchange{"identifier_second_pair_missing", "L3O04U41", ""},
                                         Exchange{"identifier_char_above_7F", "L3O04U80", ""},
                                         Exchange{"identifier_second_above_7F", "L3O04U4180", ""},
                                         Exchange{"identifier_lower_case", "L3O04U4a00", ""},
                                         Exchange{"rest_after_fields", "L3O04C2junk", ""},
                                         Exchange{"lower_case_field", "L3O04c2", ""}),
                         exchange_name);

class SimScannerRuleQuery : public testing::TestWithParam<Exchange> {};
TEST_P(SimScannerRuleQuery, GivesCodeTypeAndTheField) {
    CSimScanner scanner;
    ask(scanner, "L3O04L13___U4100C2");
    EXPECT_EQ(ask(scanner, GetParam().command), GetParam().reply);
}
INSTANTIATE_TEST_SUITE_P(
    Values, SimScannerRuleQuery,
    testing::Values(Exchange{"code_type", "WL3O", "L3O04"},
                    Exchange{"length", "WL3L", "L3O04L13___"},
                    Exchange{"identifier", "WL3U", "L3O04U4100"},
                    Exchange{"direction", "WL3D", "L3O04D0"}, Exchange{"check", "WL3C", "L3O04C2"},
                    Exchange{"security", "WL3S", "L3O04S0"},
                    Exchange{"switching", "WL3A", "L3O04A0"}, Exchange{"host", "WL3H", "L3O04H0"},
                    Exchange{"whole_rule", "WL3", "L3O04L13___U4100D0C2S0A0H0"},
                    Exchange{"other_rule_untouched", "WL4", "L4O00L01-99U00D0C0S0A0H0"}),
    exchange_name);

TEST(SimScannerRule, ReplyToAQueryIsACommandThatKeepsTheRule) {
    CSimScanner scanner;
    ask(scanner, "L6O08L04-20U4200D1C3S2A1H2");
    const std::string whole = ask(scanner, "WL6");
    for (const char* field : {"O", "L", "U", "D", "C", "S", "A", "H", ""}) {
        ask(scanner, ask(scanner, std::string("WL6") + field));
        EXPECT_EQ(scanner.ErrorRegister(), 0) << field;
        EXPECT_EQ(ask(scanner, "WL6"), whole) << field;
    }
}

TEST(SimScannerRule, DependentWriteAsTheProgramSendsIt) {
    // The program queries the field and sends the reply followed by the field and the value.
    CSimScanner scanner;
    ask(scanner, "L3O04C2");
    const std::string reply = ask(scanner, "WL3C");
    ASSERT_EQ(reply, "L3O04C2");
    ask(scanner, reply + "C0");
    EXPECT_EQ(ask(scanner, "WL3C"), "L3O04C0");
    EXPECT_EQ(ask(scanner, "WL3O"), "L3O04");
    // Factory rules written the same way give the factory rule back.
    CSimScanner fresh;
    for (const char* f : {"L", "U", "D", "C", "S", "A", "H"}) {
        const std::string r = ask(fresh, std::string("WL0") + f);
        ask(fresh, r + f + CSimScanner::FactoryValue(GwString("L0") + f).str());
        EXPECT_EQ(fresh.ErrorRegister(), 0) << f;
    }
    EXPECT_EQ(ask(fresh, "WL0"), "L0O00L01-99U00D0C0S0A0H0");
}

// --- Other queries and unknown commands ---

class SimScannerUnknownQuery : public testing::TestWithParam<Exchange> {};
TEST_P(SimScannerUnknownQuery, EchoesTheCommandAfterAQuestionMark) {
    CSimScanner scanner;
    EXPECT_EQ(ask(scanner, GetParam().command), std::string("?") + GetParam().command);
    EXPECT_EQ(scanner.ErrorRegister(), 1);
}
INSTANTIATE_TEST_SUITE_P(
    Values, SimScannerUnknownQuery,
    testing::Values(Exchange{"unknown", "WXY", ""}, Exchange{"bare_w", "W", ""},
                    Exchange{"identification_with_rest", "W0X", ""},
                    Exchange{"key_with_value", "WH0B5", ""},
                    Exchange{"rule_unknown_field", "WL3X", ""},
                    Exchange{"rule_two_fields", "WL3OC", ""}, Exchange{"rule_no_number", "WL", ""},
                    Exchange{"rule_letter", "WLX", ""}, Exchange{"key_lower_case", "Wh0b", ""},
                    Exchange{"unnamed_full_name", "WGNNONAME", ""},
                    Exchange{"evaluation_lower", "Wuc", ""}),
    exchange_name);

class SimScannerIgnoredCommand : public testing::TestWithParam<Exchange> {};
TEST_P(SimScannerIgnoredCommand, GetsNoReplyAndSetsTheError) {
    CSimScanner scanner;
    EXPECT_EQ(ask(scanner, GetParam().command), "");
    EXPECT_EQ(scanner.ErrorRegister(), GetParam().reply[0] - '0') << GetParam().command;
    EXPECT_EQ(ask(scanner, "W1"), "U0");
    EXPECT_EQ(ask(scanner, "WUC"), "UC0");
}
INSTANTIATE_TEST_SUITE_P(Values, SimScannerIgnoredCommand,
                         testing::Values(Exchange{"unknown", "XYZ", "1"},
                                         Exchange{"lower_case_write", "h0b6", "1"},
                                         Exchange{"unknown_memory_command", "M3", "1"},
                                         Exchange{"other_a_command", "A1", "1"},
                                         Exchange{"unknown_l_word", "LX", "1"},
                                         Exchange{"memory_command_with_rest", "M2X", "2"},
                                         Exchange{"evaluation_request_with_rest", "A0X", "2"},
                                         Exchange{"evaluation_mode_2", "UC2", "2"},
                                         Exchange{"evaluation_mode_missing", "UC", "2"}),
                         exchange_name);

TEST(SimScannerIdentification, ReportsModelAndVersion) {
    CSimScanner standard;
    EXPECT_EQ(ask(standard, "W0"), "RV-4400 V2.13");
    CSimScanner longRange(options("model=RV-4400L"));
    EXPECT_EQ(ask(longRange, "W0"), "RV-4400L V2.13");
    CSimScanner other(options("model=XK-99;version=V3.01"));
    EXPECT_EQ(ask(other, "W0"), "XK-99 V3.01");
}

TEST(SimScannerErrorRegister, HoldsTheLastErrorUntilRead) {
    CSimScanner scanner;
    EXPECT_EQ(ask(scanner, "WER"), "ER00");
    ask(scanner, "XYZ");
    ask(scanner, "WH0B"); // a good command does not clear it
    EXPECT_EQ(ask(scanner, "WER"), "ER01");
    EXPECT_EQ(ask(scanner, "WER"), "ER00");
    ask(scanner, "XYZ");
    ask(scanner, "H0B9");
    EXPECT_EQ(ask(scanner, "WER"), "ER02");
    ask(scanner, "WXY");
    EXPECT_EQ(ask(scanner, "WER"), "ER01");
}

// --- Memory ---

TEST(SimScannerMemory, ConnectionCheckTellsWhetherTheWorkingMemoryChanged) {
    CSimScanner scanner;
    EXPECT_EQ(ask(scanner, "W1"), "U0");
    ask(scanner, "H0B9"); // refused: no change
    EXPECT_EQ(ask(scanner, "W1"), "U0");
    ask(scanner, "H0B6");
    EXPECT_EQ(ask(scanner, "W1"), "U1");
    ask(scanner, "M2");
    EXPECT_EQ(ask(scanner, "W1"), "U0");
    ask(scanner, "L1O02");
    EXPECT_EQ(ask(scanner, "W1"), "U1");
    ask(scanner, "M0");
    EXPECT_EQ(ask(scanner, "W1"), "U0");
    ask(scanner, "M1");
    EXPECT_EQ(ask(scanner, "W1"), "U1");
}

TEST(SimScannerMemory, StoreReloadAndFactoryDefaults) {
    CSimScanner scanner;
    ask(scanner, "H0E\"STORED\"");
    ask(scanner, "L2O03");
    ask(scanner, "M2");
    EXPECT_EQ(scanner.StoredValue("H0E").str(), "\"STORED\"");
    EXPECT_EQ(scanner.StoredValue("L2O").str(), "03");

    ask(scanner, "H0E\"WORKING\"");
    EXPECT_EQ(scanner.StoredValue("H0E").str(), "\"STORED\"");
    ask(scanner, "M0");
    EXPECT_EQ(ask(scanner, "WH0E"), "H0E\"STORED\"");

    ask(scanner, "M1");
    EXPECT_EQ(ask(scanner, "WH0E"), "H0E\"NOREAD\"");
    EXPECT_EQ(ask(scanner, "WL2O"), "L2O00");
    EXPECT_EQ(scanner.StoredValue("H0E").str(), "\"STORED\"") << "M1 alone stores nothing";
    ask(scanner, "M0");
    EXPECT_EQ(ask(scanner, "WL2O"), "L2O03");
}

TEST(SimScannerMemory, StoringKeepsTheScannerBusy) {
    CSimScanner scanner(options("store=450;delay=7"));
    const auto outputs = feed(scanner, framed("M2") + framed("W1"));
    ASSERT_EQ(outputs.size(), 2u);
    EXPECT_EQ(outputs[0].sBytes, "");
    EXPECT_EQ(outputs[0].iBusyMs, 450);
    EXPECT_EQ(outputs[1].sBytes, framed("U0"));
    EXPECT_EQ(outputs[1].iDelayMs, 7);
    EXPECT_EQ(outputs[1].iBusyMs, 0);
}

TEST(SimScannerMemory, HostPortSettingsActAfterStoringAndPowerCycle) {
    CSimScanner scanner;
    ask(scanner, "H0B6");
    ask(scanner, "H0FK");
    EXPECT_EQ(ask(scanner, "WH0B"), "H0B6") << "shown at once";
    EXPECT_EQ(scanner.LineBaud(), 9600) << "but not acting yet";
    scanner.PowerCycle();
    EXPECT_EQ(scanner.LineBaud(), 9600) << "not stored: lost at power-off";
    EXPECT_EQ(ask(scanner, "WH0B"), "H0B5");

    ask(scanner, "H0B6");
    ask(scanner, "H0FK");
    ask(scanner, "M2");
    EXPECT_EQ(scanner.LineBaud(), 9600);
    scanner.PowerCycle();
    EXPECT_EQ(scanner.LineBaud(), 19200);
    EXPECT_EQ(scanner.LineParity(), 'E');
    EXPECT_EQ(scanner.LineDataBits(), 7);
    EXPECT_EQ(scanner.LineStopBits(), 2);
}

TEST(SimScannerMemory, LineOptionsSetTheHostPortParameters) {
    CSimScanner scanner(options("2400,O,7,1"));
    EXPECT_EQ(scanner.LineBaud(), 2400);
    EXPECT_EQ(scanner.LineParity(), 'O');
    EXPECT_EQ(ask(scanner, "WH0B"), "H0B3");
    EXPECT_EQ(ask(scanner, "WH0F"), "H0FI");
    EXPECT_EQ(ask(scanner, "W1"), "U0");
}

TEST(SimScannerMemory, MemoryFileSurvivesARestart) {
    TempDir dir;
    const std::string file = dir.file("scanner.mem");
    {
        CSimScanner scanner(options("memory=" + file));
        ask(scanner, "H0E\"KEPT\"");
        ask(scanner, "L3O04L13___U4142C2");
        ask(scanner, "LKS;");
        ask(scanner, "K3F4142");
        ask(scanner, "M2");
        ask(scanner, "CVI\"NOT STORED\"");
    }
    CSimScanner restarted(options("memory=" + file));
    EXPECT_EQ(ask(restarted, "WH0E"), "H0E\"KEPT\"");
    EXPECT_EQ(ask(restarted, "WL3"), "L3O04L13___U4142D0C2S0A0H0");
    EXPECT_EQ(ask(restarted, "WLKS"), "LKS;");
    EXPECT_EQ(ask(restarted, "WK3F"), "K3F=414200");
    EXPECT_EQ(ask(restarted, "WCVI"), "CVI\"\"");
    EXPECT_EQ(ask(restarted, "W1"), "U0");
}

TEST(SimScannerMemory, MissingMemoryFileMeansFactoryDefaults) {
    TempDir dir;
    CSimScanner scanner(options("memory=" + dir.file("none.mem")));
    for (const GwString& key : CSimScanner::Keys())
        EXPECT_EQ(scanner.Value(key).str(), CSimScanner::FactoryValue(key).str());
}

TEST(SimScannerMemory, DamagedEntriesOfTheMemoryFileAreIgnored) {
    TempDir dir;
    const std::string file = dir.write("scanner.mem", "[Memory]\n"
                                                      "H0B=9\n"      // not a code
                                                      "H0E=\"OK\"\n" // fine
                                                      "DCI=12345\n"  // too long
                                                      "L3L=5-12\n"   // not normalised
                                                      "L4L=05-12\n"  // fine
                                                      "XYZ=1\n"      // no such key
                                                      "rcl=03\n");   // keys in any case
    CSimScanner scanner(options("memory=" + file));
    EXPECT_EQ(ask(scanner, "WH0B"), "H0B5");
    EXPECT_EQ(ask(scanner, "WH0E"), "H0E\"OK\"");
    EXPECT_EQ(ask(scanner, "WDCI"), "DCI=500");
    EXPECT_EQ(ask(scanner, "WL3L"), "L3O00L01-99");
    EXPECT_EQ(ask(scanner, "WL4L"), "L4O00L05-12");
    EXPECT_EQ(ask(scanner, "WRCL"), "RCL03");
}

TEST(SimScannerMemory, StoredHostPortDecidesTheLineAtStart) {
    TempDir dir;
    const std::string file = dir.write("scanner.mem", "[Memory]\nH0B=4\nH0F=D\n");
    CSimScanner scanner(options("memory=" + file));
    EXPECT_EQ(scanner.LineBaud(), 4800);
    EXPECT_EQ(scanner.LineStopBits(), 2);
    // Explicit line settings win over the memory's.
    CSimScanner overridden(options("memory=" + file + ";9600,N,8,1"));
    EXPECT_EQ(overridden.LineBaud(), 9600);
    EXPECT_EQ(ask(overridden, "WH0B"), "H0B5");
}

TEST(SimScannerMemory, TestAccessChecksLikeAWrite) {
    CSimScanner scanner;
    EXPECT_EQ(scanner.SetValue("H0B", "6"), 1);
    EXPECT_EQ(scanner.SetValue("H0B", "9"), 0);
    EXPECT_EQ(scanner.SetValue("L5C", "3"), 1);
    EXPECT_EQ(scanner.SetValue("L5C", "4"), 0);
    EXPECT_EQ(scanner.SetValue("NOPE", "1"), 0);
    EXPECT_EQ(scanner.Value("H0B").str(), "6");
    EXPECT_EQ(scanner.Value("L5C").str(), "3");
    EXPECT_EQ(scanner.Value("NOPE").str(), "");
    EXPECT_EQ(scanner.ErrorRegister(), 0);
    EXPECT_EQ(scanner.Changed(), 0);
}

// --- Reading-rate evaluation ---

TEST(SimScannerEvaluation, ModeRequestAndResults) {
    CSimScanner scanner;
    EXPECT_EQ(ask(scanner, "WUC"), "UC0");
    EXPECT_EQ(ask(scanner, "A0"), "A0---%");
    ask(scanner, "UC1");
    EXPECT_EQ(ask(scanner, "WUC"), "UC1");
    EXPECT_EQ(scanner.ErrorRegister(), 0);

    bool sawNoScan = false;
    bool sawCode = false;
    std::vector<std::string> first;
    for (int i = 0; i < 10; ++i) {
        const std::string r = ask(scanner, "A0");
        // "A0", three digits 000 to 100, "%", then a blank and code data when a code was read.
        ASSERT_GE(r.size(), 6u) << r;
        EXPECT_EQ(r.substr(0, 2), "A0");
        const int rate = std::stoi(r.substr(2, 3));
        EXPECT_GE(rate, 0);
        EXPECT_LE(rate, 100);
        EXPECT_EQ(r[5], '%');
        if (r.size() > 6) {
            EXPECT_EQ(r[6], ' ');
            EXPECT_LE(r.size() - 7, 48u);
            EXPECT_GT(rate, 0);
            sawCode = true;
        } else {
            EXPECT_EQ(rate, 0) << "a rate above 0 means a code was read";
            sawNoScan = true;
        }
        if (i < 2)
            first.push_back(r);
    }
    EXPECT_TRUE(sawCode);
    EXPECT_TRUE(sawNoScan);

    // UC1 while evaluating changes nothing; UC0 ends the evaluation.
    ask(scanner, "UC1");
    EXPECT_EQ(ask(scanner, "WUC"), "UC1");
    ask(scanner, "UC0");
    EXPECT_EQ(ask(scanner, "WUC"), "UC0");
    EXPECT_EQ(ask(scanner, "A0"), "A0---%");
    // A new evaluation starts a new series.
    ask(scanner, "UC1");
    EXPECT_EQ(ask(scanner, "A0"), first[0]);
    EXPECT_EQ(ask(scanner, "A0"), first[1]);
    // The evaluation mode is no parameter: no changed mark, not restored by M0.
    EXPECT_EQ(ask(scanner, "W1"), "U0");
    ask(scanner, "M0");
    EXPECT_EQ(ask(scanner, "WUC"), "UC1");
    scanner.PowerCycle();
    EXPECT_EQ(ask(scanner, "WUC"), "UC0");
}

// --- Framing on the wire ---

TEST(SimScannerFraming, RepliesComeFramedWithDelay) {
    CSimScanner scanner(options("delay=25"));
    const auto outputs = feed(scanner, framed("W0"));
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_EQ(outputs[0].sBytes, framed("RV-4400 V2.13"));
    EXPECT_EQ(outputs[0].iDelayMs, 25);
    EXPECT_EQ(scanner.CommandCount(), 1);
    EXPECT_EQ(scanner.ByteCount(), 4);
}

TEST(SimScannerFraming, WritesCompleteAFrameWithoutReply) {
    CSimScanner scanner;
    const auto outputs = feed(scanner, framed("H0B6"));
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_EQ(outputs[0].sBytes, "");
    EXPECT_EQ(scanner.Value("H0B").str(), "6");
}

class SimScannerFrames : public testing::TestWithParam<Exchange> {};
TEST_P(SimScannerFrames, GiveTheReplyBytes) {
    CSimScanner scanner;
    EXPECT_EQ(reply_bytes(scanner, GetParam().command), GetParam().reply);
}
INSTANTIATE_TEST_SUITE_P(
    Values, SimScannerFrames,
    testing::Values(Exchange{"plain", "\x02W1\x03", "\x02U0\x03"},
                    Exchange{"bytes_outside_ignored", "xy\x02W1\x03zz", "\x02U0\x03"},
                    Exchange{"stx_restarts", "\x02WH0\x02W1\x03", "\x02U0\x03"},
                    Exchange{"etx_without_stx", "W1\x03", ""},
                    Exchange{"empty_frame", "\x02\x03", ""},
                    Exchange{"unfinished_frame", "\x02W1", ""},
                    Exchange{"two_frames", "\x02W1\x03\x02WH0B\x03", "\x02U0\x03\x02H0B5\x03"},
                    Exchange{"lower_case_query_unknown", "\x02w0\x03", ""}),
    exchange_name);

TEST(SimScannerFraming, EmbeddedNulIsPartOfTheCommand) {
    CSimScanner scanner;
    const std::string frame("\x02W1\0\x03", 5);
    EXPECT_EQ(reply_bytes(scanner, frame), std::string("\x02?W1\0\x03", 6));
    EXPECT_EQ(scanner.ErrorRegister(), 1);
}

TEST(SimScannerFraming, FrameOf255CharactersIsTakenAndALongerOneDropped) {
    CSimScanner scanner;
    const std::string longest = "W" + std::string(254, 'X');
    EXPECT_EQ(reply_bytes(scanner, framed(longest)), framed("?" + longest));
    ask(scanner, "WER");
    EXPECT_EQ(reply_bytes(scanner, framed(longest + "X")), "");
    EXPECT_EQ(scanner.ErrorRegister(), 1);
    // A long frame whose start would be a good write changes nothing either.
    EXPECT_EQ(reply_bytes(scanner, framed("H0B6" + std::string(300, 'X'))), "");
    EXPECT_EQ(scanner.Value("H0B").str(), "5");
    // The next frame is heard normally.
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), framed("U0"));
}

// --- Line settings ---

TEST(SimScannerLine, SilentAndDeafAtOtherSettings) {
    CSimScanner scanner(options("19200,E,7,1"));
    for (const auto& host : std::vector<std::tuple<int, char, int, int>>{
             {9600, 'E', 7, 1}, {19200, 'N', 7, 1}, {19200, 'E', 8, 1}, {19200, 'E', 7, 2}}) {
        scanner.SetHostLine(std::get<0>(host), std::get<1>(host), std::get<2>(host),
                            std::get<3>(host));
        EXPECT_EQ(scanner.LineMatches(), 0);
        EXPECT_EQ(reply_bytes(scanner, framed("W0") + framed("H0B3")), "");
        EXPECT_EQ(scanner.Value("H0B").str(), "6");
        EXPECT_EQ(scanner.CommandCount(), 0);
    }
    scanner.SetHostLine(19200, 'e', 7, 1);
    EXPECT_EQ(scanner.LineMatches(), 1);
    EXPECT_EQ(reply_bytes(scanner, framed("W0")), framed("RV-4400 V2.13"));
}

TEST(SimScannerLine, UnknownParityAndDataBitsAreNotCompared) {
    // On a pseudo-terminal only baud rate and stop bits are known.
    CSimScanner scanner(options("2400,O,7,2"));
    scanner.SetHostLine(2400, 0, 0, 2);
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), framed("U0"));
    scanner.SetHostLine(2400, 0, 0, 1);
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), "");
    scanner.SetHostLine(4800, 0, 0, 2);
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), "");
}

TEST(SimScannerLine, ChangingSettingsDropsAPartialFrame) {
    CSimScanner scanner;
    feed(scanner, "\x02WH0");
    scanner.SetHostLine(9600, 'N', 8, 2);
    scanner.SetHostLine(9600, 'N', 8, 1);
    EXPECT_EQ(reply_bytes(scanner, "B\x03"), "");
}

TEST(SimScannerLine, GarbageAtOtherSettingsByOption) {
    CSimScanner scanner(options("garbage=on"));
    scanner.SetHostLine(2400, 'N', 8, 1);
    const std::string garbage = reply_bytes(scanner, framed("W0"));
    ASSERT_FALSE(garbage.empty());
    for (char c : garbage) {
        EXPECT_NE(c, '\x02');
        EXPECT_NE(c, '\x03');
        EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x80) << "never a readable character";
    }
    EXPECT_EQ(garbage.find("RV"), std::string::npos);
    EXPECT_EQ(scanner.CommandCount(), 0);
}

// --- Fault modes ---

TEST(SimScannerFaults, LosesEveryNthReplyButCarriesOutTheCommands) {
    CSimScanner scanner(options("lose=2"));
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), framed("U0"));
    EXPECT_EQ(reply_bytes(scanner, framed("H0B6")), ""); // writes are no replies
    EXPECT_EQ(reply_bytes(scanner, framed("WH0B")), ""); // second reply: lost
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), framed("U1"));
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), "");
    EXPECT_EQ(scanner.Value("H0B").str(), "6");
}

TEST(SimScannerFaults, GarbledRepliesStayFramedButDiffer) {
    CSimScanner scanner(options("garble=1"));
    const std::string reply = reply_bytes(scanner, framed("W0"));
    const std::string clean = framed("RV-4400 V2.13");
    ASSERT_EQ(reply.size(), clean.size());
    EXPECT_EQ(reply.front(), '\x02');
    EXPECT_EQ(reply.back(), '\x03');
    EXPECT_EQ(reply.substr(1, reply.size() - 2).find_first_of("\x02\x03"), std::string::npos);
    for (size_t i = 1; i + 1 < reply.size(); ++i)
        EXPECT_NE(reply[i], clean[i]) << i;
    // Even an echoed control character never turns into a framing byte.
    const std::string echo = reply_bytes(scanner, framed("W\x12\x13"));
    EXPECT_EQ(echo.substr(1, echo.size() - 2).find_first_of("\x02\x03"), std::string::npos);
}

TEST(SimScannerFaults, SlowRepliesComeLate) {
    CSimScanner scanner(options("delay=10;slow=2;slowdelay=3500"));
    const auto first = feed(scanner, framed("W1"));
    const auto second = feed(scanner, framed("W1"));
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(first[0].iDelayMs, 10);
    EXPECT_EQ(second[0].iDelayMs, 3510);
    EXPECT_EQ(second[0].sBytes, framed("U0"));
}

TEST(SimScannerFaults, RepliesWithoutStopByte) {
    CSimScanner scanner(options("nostop=1"));
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), "\x02U0");
}

TEST(SimScannerFaults, RepliesLongerThanTheInputQueue) {
    CSimScanner scanner(options("long=1"));
    const std::string reply = reply_bytes(scanner, framed("W0"));
    EXPECT_GT(reply.size(), 2u * 4096u);
    EXPECT_EQ(reply.substr(0, 14), "\x02RV-4400 V2.13");
    EXPECT_EQ(reply.back(), '\x03');
    EXPECT_EQ(reply.substr(1, reply.size() - 2).find_first_of("\x02\x03"), std::string::npos);
}

TEST(SimScannerFaults, VanishesAfterNCommands) {
    CSimScanner scanner(options("vanish-commands=3"));
    EXPECT_EQ(reply_bytes(scanner, framed("W1") + framed("H0B6")), framed("U0"));
    EXPECT_EQ(scanner.Vanished(), 0);
    EXPECT_EQ(reply_bytes(scanner, framed("WH0B")), framed("H0B6")) << "the third is answered";
    EXPECT_EQ(scanner.Vanished(), 1);
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), "");
    EXPECT_EQ(reply_bytes(scanner, framed("H0B3")), "");
    EXPECT_EQ(scanner.Value("H0B").str(), "6");
    scanner.PowerCycle();
    EXPECT_EQ(scanner.Vanished(), 0);
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), framed("U0"));
}

TEST(SimScannerFaults, VanishesAfterNBytes) {
    CSimScanner scanner(options("vanish-bytes=6"));
    // "\x02W1\x03" is four bytes; the next frame is cut after its second byte.
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), framed("U0"));
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), "");
    EXPECT_EQ(scanner.Vanished(), 1);
    EXPECT_EQ(scanner.ByteCount(), 6);
}

TEST(SimScannerFaults, CanBeSwitchedWhileRunning) {
    CSimScanner scanner;
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), framed("U0"));
    scanner.Options().m_iLoseEvery = 1;
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), "");
    scanner.Options().m_iLoseEvery = 0;
    EXPECT_EQ(reply_bytes(scanner, framed("W1")), framed("U0"));
}
