// Options of the simulated scanner: the ZEP_SIM text and the single settings zepsim passes.
#include "CSimOptions.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

struct LineRow {
    const char* name;
    const char* text;
    const char* line; // LineText after a successful parse; null: refused
};

void PrintTo(const LineRow& row, std::ostream* os) {
    *os << row.name;
}

class SimOptionsLine : public testing::TestWithParam<LineRow> {};

TEST_P(SimOptionsLine, ReadsSettingsTheScannerCanUse) {
    CSimOptions o;
    const int ok = CSimOptions::ParseLine(GetParam().text, o.m_iBaud, o.m_cParity, o.m_iDataBits,
                                          o.m_iStopBits);
    EXPECT_EQ(ok, GetParam().line ? 1 : 0);
    EXPECT_EQ(o.LineText().str(), GetParam().line ? GetParam().line : "9600,N,8,1")
        << "nothing is changed on failure";
}

INSTANTIATE_TEST_SUITE_P(Cases, SimOptionsLine,
                         testing::Values(LineRow{"lower_parity", "19200,e,7,2", "19200,E,7,2"},
                                         LineRow{"blanks", " 300 , O , 7 , 1 ", "300,O,7,1"},
                                         LineRow{"auto_baud_form", "2400 ,N,8,2", "2400,N,8,2"},
                                         LineRow{"fastest", "38400,N,8,1", "38400,N,8,1"},
                                         LineRow{"rate_not_offered", "115200,E,8,1", nullptr},
                                         LineRow{"odd_rate", "9601,E,8,1", nullptr},
                                         LineRow{"mark_parity", "2400,M,8,1", nullptr},
                                         LineRow{"six_bits", "2400,N,6,1", nullptr},
                                         LineRow{"three_stop_bits", "2400,N,8,3", nullptr},
                                         LineRow{"three_fields", "2400,N,8", nullptr},
                                         LineRow{"five_fields", "2400,N,8,1,1", nullptr},
                                         LineRow{"parity_word", "2400,NO,8,1", nullptr},
                                         LineRow{"empty", "", nullptr},
                                         LineRow{"letters", "fast,N,8,1", nullptr}),
                         [](const testing::TestParamInfo<LineRow>& info) {
                             return std::string(info.param.name);
                         });

TEST(SimOptions, ParsesTheEnvironmentForm) {
    CSimOptions o;
    GwString error;
    ASSERT_EQ(o.Parse(";MODEL=RV-4400L;; Line = 19200,E,7,2 ;version=V3.0;delay=0;wire=off;"
                      "lose=3;garble=4;slow=5;slowdelay=3100;nostop=6;long=7;vanish-commands=40;"
                      "vanish-bytes=900;garbage=on;store=20;memory=/tmp/x.mem",
                      error),
              1)
        << error.str();
    EXPECT_EQ(o.LineText().str(), "19200,E,7,2");
    EXPECT_TRUE(o.m_bLineGiven);
    EXPECT_EQ(o.m_sModel.str() + " " + o.m_sVersion.str() + " " + o.m_sMemoryFile.str(),
              "RV-4400L V3.0 /tmp/x.mem");
    EXPECT_FALSE(o.m_bWireTime);
    EXPECT_TRUE(o.m_bGarbage);
    const long numbers[] = {
        o.m_iDelayMs,     o.m_iLoseEvery, o.m_iGarbleEvery,    o.m_iSlowEvery,   o.m_iSlowMs,
        o.m_iNoStopEvery, o.m_iLongEvery, o.m_lVanishCommands, o.m_lVanishBytes, o.m_iStoreMs};
    const long expected[] = {0, 3, 4, 5, 3100, 6, 7, 40, 900, 20};
    for (size_t i = 0; i < std::size(numbers); ++i)
        EXPECT_EQ(numbers[i], expected[i]) << i;
}

struct BadRow {
    const char* name;
    const char* text;
    const char* error;
};

void PrintTo(const BadRow& row, std::ostream* os) {
    *os << row.name;
}

class SimOptionsBad : public testing::TestWithParam<BadRow> {};

TEST_P(SimOptionsBad, IsRefusedWithAReasonAfterTheGoodSegmentsBefore) {
    CSimOptions o;
    GwString error;
    EXPECT_EQ(o.Parse(("lose=2;" + std::string(GetParam().text) + ";garble=3").c_str(), error), 0);
    EXPECT_EQ(error.str(), GetParam().error);
    EXPECT_EQ(o.m_iLoseEvery, 2);
    EXPECT_EQ(o.m_iGarbleEvery, 0) << "nothing after the bad segment";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimOptionsBad,
    testing::Values(
        BadRow{"unknown_key", "colour=red", "unknown option: colour"},
        BadRow{"not_a_number", "slow=x", "slow: not a number: x"},
        BadRow{"negative", "slow=-1", "slow: not a number: -1"},
        BadRow{"huge", "delay=99999999", "delay: not a number: 99999999"},
        BadRow{"switch_word", "wire=maybe", "wire: not on or off: maybe"},
        BadRow{"bad_line", "9600,X,8,1", "line: not settings the scanner can use: 9600,X,8,1"},
        BadRow{"model_empty", "model=", "model: 1 to 64 printable characters expected: "},
        BadRow{"model_control", "model=RV\x02",
               "model: 1 to 64 printable characters expected: RV\x02"},
        BadRow{"memory_empty", "memory= ", "memory: a file name expected"}),
    [](const testing::TestParamInfo<BadRow>& info) { return std::string(info.param.name); });

} // namespace
