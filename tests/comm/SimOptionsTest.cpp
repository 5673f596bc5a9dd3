// Options of the simulated scanner: the ZEP_SIM text and the single settings zepsim passes.
#include "CSimOptions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SimOptions, ParsesTheEnvironmentForm) {
    CSimOptions o;
    GwString error;
    ASSERT_EQ(o.Parse(";MODEL=RV-4400L;; Line = 19200,e,7 , 2 ;version=V3.0;delay=0;wire=off;"
                      "lose=3;garble=4;slow=5;slowdelay=3100;nostop=6;long=7;vanish-commands=40;"
                      "vanish-bytes=900;garbage=on;store=20;memory=/tmp/x.mem",
                      error),
              1)
        << error.str();
    GwString all;
    all.Put("%s %d %s %s %d %d %d %d %d %d %d %d %ld %ld %d %d %s", o.LineText().cc(),
            o.m_bLineGiven, o.m_sModel.cc(), o.m_sVersion.cc(), o.m_iDelayMs, o.m_bWireTime,
            o.m_iLoseEvery, o.m_iGarbleEvery, o.m_iSlowEvery, o.m_iSlowMs, o.m_iNoStopEvery,
            o.m_iLongEvery, o.m_lVanishCommands, o.m_lVanishBytes, o.m_bGarbage, o.m_iStoreMs,
            o.m_sMemoryFile.cc());
    EXPECT_EQ(all.str(), "19200,E,7,2 1 RV-4400L V3.0 0 0 3 4 5 3100 6 7 40 900 1 20 /tmp/x.mem");
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
