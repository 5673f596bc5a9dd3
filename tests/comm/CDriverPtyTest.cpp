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
    // What the driver has sent, once at least n bytes are there.
    std::string sent(size_t n) {
        std::string bytes;
        WaitFor([&] {
            bytes += pty.receive();
            return bytes.size() >= n;
        });
        return bytes;
    }

    PtyPair pty;
    TestDriver driver;
};

TEST_F(DriverPty, FramedWritesReachTheLine) {
    EXPECT_EQ(driver->WriteFramed("W0"), 1);
    EXPECT_EQ(sent(4), "\x02W0\x03");
}

TEST_F(DriverPty, SecondStartByteRestartsAndTrailingBytesStay) {
    ASSERT_TRUE(pty.send("\x02"
                         "A\x02"
                         "BC\x03"
                         "D\x03"));
    EXPECT_EQ(driver->ReadFramed().str(), "BC");
    EXPECT_EQ(driver->ReadFramed().str(), "D") << "a stop byte without start delivers";
}

TEST_F(DriverPty, ReplyArrivingLaterIsWaitedFor) {
    QTimer::singleShot(100, [this] { pty.send("\x02U0\x03"); });
    EXPECT_EQ(driver->WriteReadFramed("W1").str(), "U0");
    EXPECT_EQ(driver->ReplyComplete(), 1);
}

TEST_F(DriverPty, UnframedReadLastsItsWholeTimeOut) {
    ASSERT_TRUE(pty.send("\x02RV-4400 V2.13\x03"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(driver->Read().str(), "\x02RV-4400 V2.13\x03");
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
    ASSERT_EQ(CallbackRecord::errors().size(), 1u);
    const std::string& error = CallbackRecord::errors()[0];
    EXPECT_TRUE(error.rfind("ClearCommError: ", 0) == 0 || error.rfind("ReadFile: ", 0) == 0)
        << error;
    EXPECT_EQ(driver->PortOpen(), 0);
    EXPECT_EQ(driver->WriteFramed("W1"), 0);
    EXPECT_EQ(CallbackRecord::errors().size(), 1u);
}

TEST_F(DriverPty, SecondOpenOfTheSamePortIsRefused) {
    TestDriver second;
    EXPECT_EQ(second->initialise(pty.slave().c_str(), "9600,N,8,1"), 0);
    ASSERT_EQ(CallbackRecord::errors().size(), 1u);
    EXPECT_EQ(CallbackRecord::errors()[0], "COM Port not available! Code: 2");
}

} // namespace
