// Options of the simulated scanner: the ZEP_SIM text and the single settings zepsim passes.
#include "CSimOptions.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

TEST(SimOptions, LineSettingsTheScannerCanUse) {
    // text, LineText after it (nullptr: refused, nothing changed)
    const std::pair<const char*, const char*> rows[] = {{"19200,e,7,2", "19200,E,7,2"},
                                                        {" 300 , O , 7 , 1 ", "300,O,7,1"},
                                                        {"2400 ,N,8,2", "2400,N,8,2"},
                                                        {"38400,N,8,1", "38400,N,8,1"},
                                                        {"115200,E,8,1", nullptr},
                                                        {"9601,E,8,1", nullptr},
                                                        {"2400,M,8,1", nullptr},
                                                        {"2400,N,6,1", nullptr},
                                                        {"2400,N,8,3", nullptr},
                                                        {"2400,N,8", nullptr},
                                                        {"2400,N,8,1,1", nullptr},
                                                        {"2400,NO,8,1", nullptr},
                                                        {"", nullptr},
                                                        {"fast,N,8,1", nullptr}};
    for (const auto& [text, line] : rows) {
        CSimOptions o;
        EXPECT_EQ(
            CSimOptions::ParseLine(text, o.m_iBaud, o.m_cParity, o.m_iDataBits, o.m_iStopBits),
            line ? 1 : 0)
            << text;
        EXPECT_EQ(o.LineText().str(), line ? line : "9600,N,8,1") << text;
    }
}

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

// A bad segment is refused with a reason; the segments before it stay applied, none after it.
TEST(SimOptions, BadSegmentsAreRefusedWithAReason) {
    const std::pair<const char*, const char*> rows[] = {
        {"colour=red", "unknown option: colour"},
        {"slow=x", "slow: not a number: x"},
        {"slow=-1", "slow: not a number: -1"},
        {"delay=99999999", "delay: not a number: 99999999"},
        {"wire=maybe", "wire: not on or off: maybe"},
        {"9600,X,8,1", "line: not settings the scanner can use: 9600,X,8,1"},
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
