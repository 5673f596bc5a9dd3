// zepsim end to end: the program is started and talked to through the driver over the real
// serial stack. Transfers, the memory file, the fault options and vanishing through zepsim are
// the Pty variant of the transfer tests.
#include "CommTestSupport.h"
#include "ProgramRun.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

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
    EXPECT_EQ(run_program("zepsim", {"--bogus"}).status, 2);
    const ProgramRun help = run_program("zepsim", {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--vanish-commands"), std::string::npos);
}

} // namespace
