// The serial driver on the byte level, against a scripted port: framing, time-outs, modes,
// asynchronous and terminal reception, port errors, settings texts, network polls, the dump
// file. (Unplugging during a read on the real serial stack: the vanishing scanner of the
// transfer tests' pseudo-terminal variant.)
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
    // Starts polling on the frame every 5 ms (mode 0, as at program start).
    void poll() {
        driver->set_lookup(5);
        driver->set_window(driver.frame(), CallbackRecord::error, CallbackRecord::receive);
    }
    void arrive_later(int ms, const std::string& bytes) {
        QTimer::singleShot(ms, [l = line, bytes] { l->arrive(bytes); });
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
        {"\x02" + framed("BC"), "BC", "", 1}, // a second start byte restarts
        {framed("AB") + framed("CD"), "AB", framed("CD"), 1},
        {"xy" + framed("AB"), "AB", "", 1},
        {"AB\x03", "AB", "", 1}, // a stop byte without start gives what came
        {framed(""), "", "", 1},
        {"\002AB", "AB", "", 0}, // disabled: the part without a report
        {"\002AB\002C", "C", "", 0}};
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

// (Framing bytes other than STX and ETX, compared as unsigned bytes: the connection tests.)

TEST_F(DriverTest, MessageLongerThanTheQueueIsCutAndTheReadGoesOn) {
    open();
    line->arrive(framed(std::string(5000, 'x')) + framed("NEXT"));
    EXPECT_EQ(driver->ReadFramed().len(), CDriver::kMaxMessage);
    EXPECT_EQ(driver->ReplyComplete(), 0) << "a cut message is no complete reply";
    EXPECT_EQ(driver->TimeoutReached(), 0) << "it ended at its stop byte";
    EXPECT_EQ(driver->ReadFramed().str(), "NEXT");
}

TEST_F(DriverTest, EveryDataByteRestartsTheTimeOut) {
    open(1000);
    // Four gaps of 400 ms: longer than one time-out together, each well inside it.
    line->arrive("\002A");
    for (int i = 1; i <= 4; ++i)
        arrive_later(400 * i, std::string(1, "BCD\x03"[i - 1]));
    EXPECT_EQ(driver->ReadFramed().str(), "ABCD");
}

// Switching off ends a read in progress; in mode 0 it also keeps the polling stopped.
TEST_F(DriverTest, DisableEndsAReadInProgress) {
    open(20000);
    line->arrive("\002HALF");
    QTimer::singleShot(50, [&] { driver->Enable(0); });
    EXPECT_LT(timed([&] { EXPECT_EQ(driver->ReadFramed().str(), "HALF"); }), 10000);
    ASSERT_EQ(driver->set_mode(0), 1);
    poll();
    QTimer::singleShot(30, [&] { driver->Enable(0); });
    EXPECT_LT(timed([&] { driver->Read(); }), 10000);
    EXPECT_EQ(driver.frame()->timer_active(), 0);
}

// Synchronous reads end by their own time-out when nothing else would: without a frame, after
// the frame's window went, and in mode 0, whose timer polls.
TEST_F(DriverTest, ReadsEndByTheirOwnTimeOut) {
    open(200);
    driver->set_window(nullptr, CallbackRecord::error, CallbackRecord::receive);
    const qint64 without = timed([&] { EXPECT_EQ(driver->ReadFramed().str(), ""); });
    driver->set_window(driver.frame(), CallbackRecord::error, CallbackRecord::receive);
    driver.destroy_frame();
    EXPECT_EQ(driver->GetFrame(), nullptr);
    const qint64 gone = timed([&] { EXPECT_EQ(driver->Read().str(), ""); });
    for (qint64 ms : {without, gone}) {
        EXPECT_GE(ms, 200);
        EXPECT_LT(ms, 5000);
    }
}

// An unframed read lasts its whole time-out, also when the answer comes at once; in mode 0 it
// keeps the polling away for that time and resumes it afterwards.
TEST_F(DriverTest, UnframedReadLastsItsWholeTimeOutInAnyMode) {
    for (unsigned char mode : {1, 0}) {
        open(250, mode);
        poll();
        arrive_later(30, framed("RV-4400 V2.13"));
        const qint64 ms = timed([&] { EXPECT_EQ(driver->Read().str(), framed("RV-4400 V2.13")); });
        EXPECT_GE(ms, 250);
        EXPECT_LT(ms, 5000);
    }
    EXPECT_TRUE(CallbackRecord::received.empty()) << "polling took the reply";
    arrive_later(20, framed("HELLO"));
    EXPECT_TRUE(WaitFor([] { return !CallbackRecord::received.empty(); })) << "resumed";
    EXPECT_EQ(CallbackRecord::received, Strings{"HELLO"});
}

// A timer that tries another exchange while one waits (as a click or the main window's timer
// could) is refused at once: it neither takes the waiting exchange's reply nor disturbs it,
// and the refusal is reported once, after the exchange has ended.
TEST_F(DriverTest, NothingElseIsSentOrReadWhileAnExchangeWaits) {
    open(2000);
    line->on_write = [](ScriptedPort::Line& l, const std::string& bytes) {
        if (bytes == framed("W1"))
            l.arrive(framed("U0")); // answered at once
    };
    std::string nested = "not run";
    int others = -1;
    Strings reportedDuring;
    QTimer::singleShot(20, [&] {
        nested = driver->WriteReadFramed("W1").str() + "|" + driver->ReadFramed().str() + "|" +
                 driver->Read().str();
        others = driver->WriteFramed("M2") + driver->WriteACK() +
                 driver->initialise("COM2", "9600,N,8,1");
        reportedDuring = CallbackRecord::errors;
        line->arrive(framed("RV-4400 V2.13")); // the waiting exchange's reply comes now
    });
    EXPECT_EQ(driver->WriteReadFramed("W0").str(), "RV-4400 V2.13");
    EXPECT_EQ(driver->ReplyComplete(), 1);
    EXPECT_EQ(nested, "||");
    EXPECT_EQ(others, 0);
    EXPECT_EQ(line->written, framed("W0")) << "nothing else was sent";
    EXPECT_EQ(line->opens, 1) << "the port was not opened anew";
    EXPECT_TRUE(reportedDuring.empty()) << "an error box inside the wait would hold it";
    EXPECT_EQ(CallbackRecord::errors, Strings{"Port busy with another exchange! Code: 11"});
    EXPECT_EQ(driver->WriteReadFramed("W1").str(), "U0") << "free again afterwards";
}

// --- Modes and the frame's timer ----------------------------------------------------------

// The defaults every connection relies on: the frame polls every 250 ms, and a reply may take
// 3 s. (100 ms once connected: the connection test.)
TEST_F(DriverTest, DefaultPollingIntervalAndTimeOut) {
    driver->set_window(driver.frame(), CallbackRecord::error, CallbackRecord::receive);
    QTimer* timer = driver.frame()->object()->findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 250);
    ASSERT_EQ(driver->set_mode(1), 1);
    ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
    int during = 0;
    QTimer::singleShot(0, [&] {
        during = timer->interval();
        line->arrive(framed("U0"));
    });
    EXPECT_EQ(driver->WriteReadFramed("W1").str(), "U0");
    EXPECT_EQ(during, 3000);
}

TEST_F(DriverTest, ModesAndFramesCarryTheTimer) {
    GwCore* frame = driver.frame();
    EXPECT_EQ(frame->timer_active(), 0) << "the constructor does not start polling";
    open(5000, 3);
    EXPECT_EQ(frame->timer_active(), 1) << "terminal mode polls";
    line->arrive(framed("AB"));
    EXPECT_LT(timed([&] { EXPECT_EQ(driver->ReadFramed().str(), ""); }), 2500) << "not mode 1";
    EXPECT_EQ(rest(), framed("AB")) << "nothing was read";
    driver->Enable(0);
    EXPECT_EQ(frame->timer_active(), 0);
    line->arrive("stale");
    const int purges = line->purges;
    EXPECT_EQ(driver->set_mode(3), 1);
    EXPECT_EQ(line->purges, purges + 1) << "the current mode again only purges";
    EXPECT_TRUE(line->input.empty());
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
    // A message without stop byte does not grow the receive buffer without end.
    line->arrive("\x02");
    for (int i = 0; i < 5; ++i) {
        line->arrive(std::string(3000, 'A'));
        EXPECT_EQ(driver->LookCom(), 1);
    }
    line->arrive("\x03");
    EXPECT_EQ(driver->LookCom(), 1);
    EXPECT_EQ(CallbackRecord::received.back(), std::string(CDriver::kMaxMessage, 'A'));
    // (Terminal mode, every byte once and in order: the replies fuzz target.)
}

// --- Port errors ---------------------------------------------------------------------------

TEST_F(DriverTest, FailedWriteIsReportedDiscardsPendingInputAndClosesThePort) {
    open();
    line->fail_writes_after = 1;
    EXPECT_EQ(driver->WriteFramed("H0B5"), 1);
    line->arrive("pending");
    EXPECT_EQ(driver->WriteFramed("H0F6"), 0);
    EXPECT_EQ(CallbackRecord::errors, Strings{"WriteFile: 6"});
    EXPECT_TRUE(line->input.empty());
    EXPECT_EQ(driver->PortOpen(), 0);
    EXPECT_EQ(driver->ErrorCount(), 1);
    EXPECT_EQ(driver->WriteReadFramed("W1").str(), "");
    EXPECT_EQ(line->written, framed("H0B5"));
}

// (How a settings text is read: the line settings test.)
TEST_F(DriverTest, SettingsAreAppliedOrRefusedWithTheModeText) {
    // settings, line applied ("" when refused as malformed)
    const char* const rows[][2] = {{"19200,e,7,2", "19200,E,7,2"}, {"9600,X,8,1", ""}};
    for (const auto& [settings, applied] : rows) {
        SCOPED_TRACE(settings);
        CallbackRecord::errors.clear();
        line->settings.clear();
        EXPECT_EQ(driver->initialise("COM1", settings), *applied ? 1 : 0);
        EXPECT_EQ(driver->PortOpen(), 1) << "refused settings leave the port open";
        EXPECT_EQ(line->settings, applied);
        const std::string refused =
            "COM Port Settings not supported by this version of Windows! Code: 7\n";
        EXPECT_EQ(CallbackRecord::errors,
                  *applied ? Strings{}
                           : Strings{refused + CLineSettings::ModeText("COM1", settings).str()});
    }
    EXPECT_EQ(line->opens, 2) << "an open port is closed and opened again";
    line->line_fails = true;
    EXPECT_EQ(driver->initialise("COM1", "9600,N,8,1"), 0);
    EXPECT_EQ(CallbackRecord::errors.back(),
              "SetCommState: 7\nCOM1: baud=9600 parity=N data=8 stop=1");
    line->open_fails = true;
    EXPECT_EQ(driver->initialise("COM7", "9600,N,8,1"), 0);
    EXPECT_EQ(driver->PortOpen(), 0) << "the old port was closed first";
}

// Offered for callers and used by no part of the system: only their bound is checked.
TEST_F(DriverTest, NetworkPollsEndAtTheirBound) {
    open(5);
    driver->WriteNetwork("07", "DATA");
    EXPECT_EQ(line->written.size(), 3u * CDriver::kNetworkPolls) << "polls only, no data";
    line->arrive("no start byte");
    EXPECT_EQ(driver->ReadNetwork("07").str(), "");
    EXPECT_EQ(CallbackRecord::errors, Strings(2, "Network station not answering! Polls: 10"));
}

// Every write as sent (up to a zero byte) and every read's result that is not null. (Framed
// queries and their replies in the dump: the transfer tests, which read the wire from it.)
TEST(DriverDump, LogsSentBytesAndReadResultsOnlyWhenAsked) {
    TempDir dir;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.path().string())));
    { TestDriver quiet(0); }
    const bool none = std::filesystem::exists(dir.file(CDriver::kDumpFile));
    auto line = std::make_shared<ScriptedPort::Line>();
    ScriptedPort::Install(line);
    {
        TestDriver driver(1);
        ASSERT_EQ(driver->set_mode(1), 1);
        ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
        driver->set_timeout(30);
        driver->ReadFramed(); // nothing comes: a null text writes no line
        EXPECT_EQ(driver->WriteACK() + driver->Write(GwString("AB\0CD", 5)), 2);
    }
    QDir::setCurrent(before);
    EXPECT_FALSE(none) << "no file without dumping";
    EXPECT_EQ(TempDir::read(dir.file(CDriver::kDumpFile)),
              "Kommunikation Scanner/ZEP Software:\n>>\x06\n>>AB\n");
}

} // namespace
