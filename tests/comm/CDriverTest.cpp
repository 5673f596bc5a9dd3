// The serial driver on the byte level, against a scripted port: framing, time-outs, modes,
// asynchronous reception, settings, the dump file.
// (Unplugging during a read on the real serial stack: the vanishing scanner of the transfer
// tests' pseudo-terminal variant.)
#include "CDriver.h"
#include "CommTestSupport.h"
#include "EventWait.h"
#include "GwCore.h"
#include "ScriptedPort.h"
#include "TempDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

class DriverTest : public testing::Test {
protected:
    void SetUp() override { ScriptedPort::Install(line); }
    // Opens the scripted port, in mode 1 with a short time-out unless told otherwise.
    void open(int timeout = 60, unsigned char mode = 1) {
        ASSERT_EQ(driver->set_mode(mode), 1);
        ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
        driver->set_timeout(timeout);
    }
    std::string rest() const { return std::string(line->input.begin(), line->input.end()); }
    // How long a read took, in ms.
    template <class Read>
    qint64 timed(Read read) {
        QElapsedTimer clock;
        clock.start();
        read();
        return clock.elapsed();
    }

    std::shared_ptr<ScriptedPort::Line> line = std::make_shared<ScriptedPort::Line>();
    TestDriver driver;
};

// --- Framing and time-outs -----------------------------------------------------------------

TEST_F(DriverTest, ReadFramedCutsOneMessage) {
    open();
    // bytes, result, left in the input queue, ended at a stop byte (else by the time-out)
    const std::tuple<std::string, std::string, std::string, int> rows[] = {
        {framed("AB"), "AB", "", 1},
        {framed("AB") + framed("CD"), "AB", framed("CD"), 1},
        {"xy" + framed("AB"), "AB", "", 1},
        {"AB\x03", "AB", "", 1}, // a stop byte without start gives what came
        {framed(""), "", "", 1},
        {"\002AB", "AB", "", 0},      // disabled: the part without a report
        {"\002AB\002C", "C", "", 0}}; // a second start byte restarts
    for (const auto& [bytes, result, left, complete] : rows) {
        SCOPED_TRACE(bytes);
        line->input.clear();
        line->arrive(bytes);
        EXPECT_EQ(driver->ReadFramed().str(), result);
        EXPECT_EQ(rest(), left);
        EXPECT_EQ(driver->ReplyComplete(), complete);
        EXPECT_EQ(driver->TimeoutReached(), 1 - complete);
    }
    EXPECT_TRUE(CallbackRecord::errors.empty());
    driver->Enable(1);
    line->arrive("\002AB");
    EXPECT_EQ(driver->ReadFramed().str(), "") << "enabled: reported, nothing given";
    EXPECT_EQ(CallbackRecord::errors, Strings{"Connection timed out !: 0"});
}

// (Framing bytes other than STX and ETX, compared as unsigned bytes: the connection tests. A
// message longer than the input queue, a byte that restarts the time-out, a write the port
// refuses: the transfer tests' overlong replies, flood and vanishing scanner.)

// Switching off ends a read in progress; in mode 0 it also keeps the polling stopped.
TEST_F(DriverTest, DisableEndsAReadInProgress) {
    open(20000);
    line->arrive("\002HALF");
    QTimer::singleShot(50, [&] { driver->Enable(0); });
    EXPECT_LT(timed([&] { EXPECT_EQ(driver->ReadFramed().str(), "HALF"); }), 10000);
    ASSERT_EQ(driver->set_mode(0), 1); // polling on the frame every 5 ms, as at program start
    driver->set_lookup(5);
    driver->set_window(driver.frame(), CallbackRecord::error, CallbackRecord::receive);
    QTimer::singleShot(30, [&] { driver->Enable(0); });
    EXPECT_LT(timed([&] { driver->Read(); }), 10000);
    EXPECT_EQ(driver.frame()->timer_active(), 0);
}

// (One exchange at a time, a timer trying others during a wait: the transfer tests.)

// --- Modes and the frame's timer ----------------------------------------------------------

// The frame's timer: not started by the constructor, polling every 250 ms by default in
// modes 0 and 3 (100 ms once connected: the connection test), the 3 s time-out of a read in
// mode 1; switching off stops it.
TEST_F(DriverTest, ModesAndFramesCarryTheTimer) {
    GwCore* frame = driver.frame();
    EXPECT_EQ(frame->timer_active(), 0) << "the constructor does not start polling";
    driver->set_window(frame, CallbackRecord::error, CallbackRecord::receive);
    QTimer* timer = frame->object()->findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->isActive() ? timer->interval() : 0, 250);
    ASSERT_EQ(driver->set_mode(1), 1);
    ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
    int during = 0;
    QTimer::singleShot(0, [&] {
        during = timer->interval();
        line->arrive(framed("U0"));
    });
    EXPECT_EQ(driver->WriteReadFramed("W1").str(), "U0");
    EXPECT_EQ(during, 3000);
    open(5000, 3);
    EXPECT_EQ(frame->timer_active(), 1) << "terminal mode polls";
    line->arrive(framed("AB"));
    EXPECT_LT(timed([&] { EXPECT_EQ(driver->ReadFramed().str(), ""); }), 2500) << "not mode 1";
    EXPECT_EQ(rest(), framed("AB")) << "nothing was read";
    driver->Enable(0);
    EXPECT_EQ(frame->timer_active(), 0);
    const int purges = line->purges;
    EXPECT_EQ(driver->set_mode(3), 1);
    EXPECT_EQ(line->purges, purges + 1) << "the current mode again only purges";
    EXPECT_EQ(frame->timer_active(), 0);
}

// --- Asynchronous and terminal reception ---------------------------------------------------

TEST_F(DriverTest, AsynchronousReception) {
    open(60, 0);
    line->arrive("junk\002AB");
    EXPECT_EQ(driver->LookCom(), 1);
    EXPECT_TRUE(CallbackRecord::received.empty());
    line->arrive("C\003XY\x03\002Z");
    EXPECT_EQ(driver->LookCom(), 1);
    EXPECT_EQ(CallbackRecord::received, (Strings{"ABC", "XY"}))
        << "bytes before a start byte are dropped; a stop byte without start delivers";
    // (No message longer than the input queue, and terminal mode handing on every byte once
    // and in order: the replies fuzz target.)
}

// Malformed settings are refused with the mode text as asked for, and leave the port open;
// settings the device refuses likewise. (How a settings text is read: the line settings test.)
TEST_F(DriverTest, SettingsAreAppliedOrRefusedWithTheModeText) {
    EXPECT_EQ(driver->initialise("COM1", "19200,e,7,2"), 1);
    EXPECT_EQ(line->settings, "19200,E,7,2");
    EXPECT_EQ(driver->initialise("COM1", "9600,X,8,1"), 0);
    EXPECT_EQ(driver->PortOpen(), 1) << "refused settings leave the port open";
    EXPECT_EQ(line->opens, 2) << "an open port is closed and opened again";
    line->line_fails = true;
    EXPECT_EQ(driver->initialise("COM1", "9600,N,8,1"), 0);
    EXPECT_EQ(CallbackRecord::errors,
              (Strings{"COM Port Settings not supported by this version of Windows! Code: 7\n"
                       "COM1: baud=9600 parity=X data=8 stop=1",
                       "SetCommState: 7\nCOM1: baud=9600 parity=N data=8 stop=1"}));
    line->open_fails = true;
    EXPECT_EQ(driver->initialise("COM7", "9600,N,8,1"), 0);
    EXPECT_EQ(driver->PortOpen(), 0) << "the old port was closed first";
}

// (WriteNetwork and ReadNetwork are offered for callers and used by no part of the system.)

// No dump file unless asked. (What a dump holds: the transfer tests read the wire from it.)
TEST(DriverDump, NoFileUnlessAsked) {
    TempDir dir;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.path().string())));
    { TestDriver quiet(0); }
    QDir::setCurrent(before);
    EXPECT_FALSE(std::filesystem::exists(dir.file(CDriver::kDumpFile)));
}

} // namespace
