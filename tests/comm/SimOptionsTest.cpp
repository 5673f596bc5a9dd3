// Options of the simulated scanner: the ZEP_SIM text and the single settings zepsim passes.
#include "CSimOptions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct LineCase {
    const char* name;
    const char* text;
    int ok;
    int baud;
    char parity;
    int data;
    int stop;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

} // namespace

class SimOptionsLine : public testing::TestWithParam<LineCase> {};
TEST_P(SimOptionsLine, ReadsSettingsTheScannerCanUse) {
    const LineCase& c = GetParam();
    int baud = -1;
    char parity = '?';
    int data = -1;
    int stop = -1;
    EXPECT_EQ(CSimOptions::ParseLine(c.text, baud, parity, data, stop), c.ok);
    if (c.ok) {
        EXPECT_EQ(baud, c.baud);
        EXPECT_EQ(parity, c.parity);
        EXPECT_EQ(data, c.data);
        EXPECT_EQ(stop, c.stop);
    } else {
        EXPECT_EQ(baud, -1) << "nothing is changed on failure";
    }
}
INSTANTIATE_TEST_SUITE_P(
    Cases, SimOptionsLine,
    testing::Values(LineCase{"factory", "9600,N,8,1", 1, 9600, 'N', 8, 1},
                    LineCase{"lower_parity", "19200,e,7,2", 1, 19200, 'E', 7, 2},
                    LineCase{"blanks", " 300 , O , 7 , 1 ", 1, 300, 'O', 7, 1},
                    LineCase{"auto_baud_form", "2400 ,N,8,1", 1, 2400, 'N', 8, 1},
                    LineCase{"fastest", "38400,N,8,1", 1, 38400, 'N', 8, 1},
                    LineCase{"rate_not_offered", "115200,N,8,1", 0, 0, 0, 0, 0},
                    LineCase{"odd_rate", "9601,N,8,1", 0, 0, 0, 0, 0},
                    LineCase{"mark_parity", "9600,M,8,1", 0, 0, 0, 0, 0},
                    LineCase{"six_bits", "9600,N,6,1", 0, 0, 0, 0, 0},
                    LineCase{"three_stop_bits", "9600,N,8,3", 0, 0, 0, 0, 0},
                    LineCase{"three_fields", "9600,N,8", 0, 0, 0, 0, 0},
                    LineCase{"five_fields", "9600,N,8,1,1", 0, 0, 0, 0, 0},
                    LineCase{"parity_word", "9600,NO,8,1", 0, 0, 0, 0, 0},
                    LineCase{"empty", "", 0, 0, 0, 0, 0},
                    LineCase{"letters", "fast,N,8,1", 0, 0, 0, 0, 0}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(SimOptions, DefaultsAreAFactoryNewScanner) {
    const CSimOptions o;
    EXPECT_EQ(o.LineText().str(), "9600,N,8,1");
    EXPECT_FALSE(o.m_bLineGiven);
    EXPECT_EQ(o.m_sModel.str(), "RV-4400");
    EXPECT_EQ(o.m_sVersion.str(), "V2.13");
    EXPECT_TRUE(o.m_bWireTime);
    EXPECT_EQ(
        o.m_iLoseEvery + o.m_iGarbleEvery + o.m_iSlowEvery + o.m_iNoStopEvery + o.m_iLongEvery, 0);
    EXPECT_EQ(o.m_lVanishCommands + o.m_lVanishBytes, 0);
    EXPECT_FALSE(o.m_bGarbage);
}

TEST(SimOptions, ParsesTheEnvironmentForm) {
    CSimOptions o;
    GwString error;
    ASSERT_EQ(o.Parse("19200,E,7,2;model=RV-4400L;version=V3.0;delay=0;wire=off;lose=3;"
                      "garble=4;slow=5;slowdelay=3100;nostop=6;long=7;vanish-commands=40;"
                      "vanish-bytes=900;garbage=on;store=20;memory=/tmp/x.mem",
                      error),
              1)
        << error.str();
    EXPECT_EQ(o.LineText().str(), "19200,E,7,2");
    EXPECT_TRUE(o.m_bLineGiven);
    EXPECT_EQ(o.m_sModel.str(), "RV-4400L");
    EXPECT_EQ(o.m_sVersion.str(), "V3.0");
    EXPECT_EQ(o.m_iDelayMs, 0);
    EXPECT_FALSE(o.m_bWireTime);
    EXPECT_EQ(o.m_iLoseEvery, 3);
    EXPECT_EQ(o.m_iGarbleEvery, 4);
    EXPECT_EQ(o.m_iSlowEvery, 5);
    EXPECT_EQ(o.m_iSlowMs, 3100);
    EXPECT_EQ(o.m_iNoStopEvery, 6);
    EXPECT_EQ(o.m_iLongEvery, 7);
    EXPECT_EQ(o.m_lVanishCommands, 40);
    EXPECT_EQ(o.m_lVanishBytes, 900);
    EXPECT_TRUE(o.m_bGarbage);
    EXPECT_EQ(o.m_iStoreMs, 20);
    EXPECT_EQ(o.m_sMemoryFile.str(), "/tmp/x.mem");
}

TEST(SimOptions, KeysInAnyCaseAndEmptySegments) {
    CSimOptions o;
    GwString error;
    ASSERT_EQ(o.Parse(";MODEL=RV-4400L;; Line = 4800,O,8,1 ;", error), 1) << error.str();
    EXPECT_EQ(o.m_sModel.str(), "RV-4400L");
    EXPECT_EQ(o.LineText().str(), "4800,O,8,1");
}

struct BadCase {
    const char* name;
    const char* text;
    const char* error;
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

class SimOptionsBad : public testing::TestWithParam<BadCase> {};
TEST_P(SimOptionsBad, IsRefusedWithAReason) {
    CSimOptions o;
    GwString error;
    EXPECT_EQ(o.Parse(GetParam().text, error), 0);
    EXPECT_EQ(error.str(), GetParam().error);
    EXPECT_EQ(o.m_iLoseEvery, 0) << "a refused value changes nothing";
}
INSTANTIATE_TEST_SUITE_P(
    Cases, SimOptionsBad,
    testing::Values(
        BadCase{"unknown_key", "colour=red", "unknown option: colour"},
        BadCase{"lose_not_number", "lose=x", "lose: not a number: x"},
        BadCase{"lose_negative", "lose=-1", "lose: not a number: -1"},
        BadCase{"wire_word", "wire=maybe", "wire: not on or off: maybe"},
        BadCase{"bad_line", "9600,X,8,1", "line: not settings the scanner can use: 9600,X,8,1"},
        BadCase{"model_empty", "model=", "model: 1 to 64 printable characters expected: "},
        BadCase{"model_control", "model=RV\x02",
                "model: 1 to 64 printable characters expected: RV\x02"},
        BadCase{"memory_empty", "memory= ", "memory: a file name expected"},
        BadCase{"delay_huge", "delay=99999999", "delay: not a number: 99999999"}),
    [](const testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

TEST(SimOptions, StopsAtTheFirstBadSegment) {
    CSimOptions o;
    GwString error;
    EXPECT_EQ(o.Parse("lose=2;bogus=1;garble=3", error), 0);
    EXPECT_EQ(o.m_iLoseEvery, 2);
    EXPECT_EQ(o.m_iGarbleEvery, 0);
}
