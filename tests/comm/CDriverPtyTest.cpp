// The serial driver on the real serial stack: a pseudo-terminal whose other side the test
// holds, so the exact bytes on the line are written and read by the test.
#include "CDriver.h"
#include "CommTestSupport.h"
#include "EventWait.h"
#include "PtyPair.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

class DriverPty : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        ASSERT_EQ(driver->set_mode(1), 1);
        ASSERT_EQ(driver->initialise(pty.slave().c_str(), "9600,N,8,1"), 1);
        driver->set_timeout(300);
    }

    PtyPair pty;
    TestDriver driver;
};

TEST_F(DriverPty, FramedExchangeOnTheLine) {
    QTimer::singleShot(100, [this] { pty.send(framed("U0")); });
    EXPECT_EQ(driver->WriteReadFramed("W1").str(), "U0") << "a reply arriving later is awaited";
    EXPECT_EQ(driver->ReplyComplete(), 1);
    std::string sent;
    ASSERT_TRUE(WaitFor([&] { return (sent += pty.receive()).size() >= 4; }));
    EXPECT_EQ(sent, framed("W1"));
}

TEST_F(DriverPty, UnframedReadLastsItsWholeTimeOut) {
    ASSERT_TRUE(pty.send(framed("RV-4400 V2.13")));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(driver->Read().str(), framed("RV-4400 V2.13"));
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(DriverPty, UnpluggedDuringAReadIsReportedOnceAndTheReadEnds) {
    driver->set_timeout(20000);
    ASSERT_TRUE(pty.send("\x02PART"));
    QTimer::singleShot(100, [this] { pty.close_master(); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(driver->ReadFramed().str(), "");
    EXPECT_LT(clock.elapsed(), 10000);
    ASSERT_EQ(CallbackRecord::errors.size(), 1u);
    const std::string& error = CallbackRecord::errors[0];
    EXPECT_TRUE(error.rfind("ClearCommError: ", 0) == 0 || error.rfind("ReadFile: ", 0) == 0)
        << error;
    EXPECT_EQ(driver->PortOpen(), 0);
    EXPECT_EQ(driver->WriteFramed("W1"), 0);
    EXPECT_EQ(CallbackRecord::errors.size(), 1u);
}

} // namespace
