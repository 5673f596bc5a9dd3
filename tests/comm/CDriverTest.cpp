// The serial driver on the byte level, against a scripted port: framing, time-outs, modes,
// asynchronous and terminal reception, port errors, settings texts, network polls, the dump
// file.
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

#include <ostream>
#include <string>

namespace {

using Strings = std::vector<std::string>;

std::string rest_of(const ScriptedPort::Line& line) {
    return std::string(line.input.begin(), line.input.end());
}

class DriverTest : public testing::Test {
protected:
    void SetUp() override {
        line = std::make_shared<ScriptedPort::Line>();
        ScriptedPort::Install(line);
    }
    // Opens the scripted port in mode 1 with a short time-out.
    void open(int timeout = 60) {
        ASSERT_EQ(driver->set_mode(1), 1);
        ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
        driver->set_timeout(timeout);
    }
    // Bytes that arrive ms milliseconds from now.
    void arrive_later(int ms, const std::string& bytes) {
        QTimer::singleShot(ms, [l = line, bytes] { l->arrive(bytes); });
    }

    std::shared_ptr<ScriptedPort::Line> line;
    TestDriver driver;
};

// --- Framing -------------------------------------------------------------------------------

struct FramingRow {
    const char* name;
    std::string bytes;
    std::string result;
    std::string rest; // left in the input queue for the next read
    int complete;     // ReplyComplete
};

void PrintTo(const FramingRow& row, std::ostream* os) {
    *os << row.name;
}

class DriverFraming : public DriverTest, public testing::WithParamInterface<FramingRow> {};

TEST_P(DriverFraming, ReadFramedCutsOneMessage) {
    const FramingRow& row = GetParam();
    open();
    line->arrive(row.bytes);
    EXPECT_EQ(driver->ReadFramed().str(), row.result);
    EXPECT_EQ(rest_of(*line), row.rest);
    EXPECT_EQ(driver->ReplyComplete(), row.complete);
    EXPECT_EQ(driver->TimeoutReached(), row.complete ? 0 : 1);
    EXPECT_TRUE(CallbackRecord::errors().empty()) << "disabled: no time-out report";
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DriverFraming,
    testing::Values(FramingRow{"Plain",
                               "\x02"
                               "AB\x03",
                               "AB", "", 1},
                    FramingRow{"SecondStartByteRestarts",
                               "\x02"
                               "A\x02"
                               "BC\x03",
                               "BC", "", 1},
                    FramingRow{"BytesAfterStopStay",
                               "\x02"
                               "AB\x03\x02"
                               "CD\x03",
                               "AB",
                               "\x02"
                               "CD\x03",
                               1},
                    FramingRow{"NoiseBeforeStartDropped",
                               "xy\x02"
                               "AB\x03",
                               "AB", "", 1},
                    FramingRow{"StopWithoutStartGivesWhatCame", "AB\x03", "AB", "", 1},
                    FramingRow{"EmptyFrame", "\x02\x03", "", "", 1},
                    FramingRow{"NoStopByteTimesOutWithPart",
                               "\x02"
                               "AB",
                               "AB", "", 0},
                    FramingRow{"PartAfterLastStartByte",
                               "\x02"
                               "AB\x02"
                               "C",
                               "C", "", 0}),
    [](const testing::TestParamInfo<FramingRow>& info) { return info.param.name; });

TEST_F(DriverTest, OtherFramingBytesFrameBothWays) {
    open();
    driver->SetStartTx('<');
    driver->SetStopTx('>');
    driver->SetStartRx(0xAA);
    driver->SetStopRx(0xFF);
    line->arrive("\x02x\xAA"
                 "OK\xFF");
    EXPECT_EQ(driver->WriteReadFramed("W1").str(), "OK");
    EXPECT_EQ(line->written, "<W1>");
}

TEST_F(DriverTest, WriteFramedSendsStartTextStop) {
    open();
    EXPECT_EQ(driver->WriteFramed("W0"), 1);
    EXPECT_EQ(line->written, "\x02W0\x03");
    EXPECT_EQ(driver->WriteACK(), 1);
    EXPECT_EQ(line->written.back(), '\x06');
}

TEST_F(DriverTest, WriteStopsAtTheFirstZeroByte) {
    open();
    driver->Write(GwString("AB\0CD", 5));
    EXPECT_EQ(line->written, "AB");
}

TEST_F(DriverTest, MessageLongerThanTheQueueIsCutAndTheReadGoesOn) {
    open();
    line->arrive("\x02" + std::string(5000, 'x') +
                 "\x03\x02"
                 "NEXT\x03");
    const GwString first = driver->ReadFramed();
    EXPECT_EQ(first.len(), CDriver::kMaxMessage);
    EXPECT_EQ(driver->ReplyComplete(), 0) << "a cut message is no complete reply";
    EXPECT_EQ(driver->TimeoutReached(), 0) << "it ended at its stop byte";
    EXPECT_EQ(driver->ReadFramed().str(), "NEXT");
    EXPECT_EQ(driver->ReplyComplete(), 1);
}

// --- Time-outs -----------------------------------------------------------------------------

TEST_F(DriverTest, TimeOutWhileEnabledIsReportedAndGivesNothing) {
    open();
    driver->Enable(1);
    line->arrive("\x02"
                 "PART");
    EXPECT_EQ(driver->ReadFramed().str(), "");
    EXPECT_EQ(CallbackRecord::errors(), Strings{"Connection timed out !: 0"});
}

TEST_F(DriverTest, EveryDataByteRestartsTheTimeOut) {
    open(1000);
    // Four gaps of 400 ms: longer than one time-out together, each well inside it.
    line->arrive("\x02"
                 "A");
    arrive_later(400, "B");
    arrive_later(800, "C");
    arrive_later(1200, "D");
    arrive_later(1600, "\x03");
    EXPECT_EQ(driver->ReadFramed().str(), "ABCD");
    EXPECT_EQ(driver->ReplyComplete(), 1);
}

TEST_F(DriverTest, ReadFramedOutsideModeOneGivesNothingAtOnce) {
    for (unsigned char mode : {0, 3}) {
        ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
        driver->set_mode(mode);
        driver->set_timeout(5000);
        line->arrive("\x02"
                     "AB\x03");
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(driver->ReadFramed().str(), "") << int(mode);
        EXPECT_LT(clock.elapsed(), 2500) << int(mode);
        EXPECT_EQ(rest_of(*line), "\x02"
                                  "AB\x03")
            << "nothing was read";
        line->input.clear();
    }
}

TEST_F(DriverTest, DisableEndsAReadInProgress) {
    open(20000);
    line->arrive("\x02"
                 "HALF");
    QTimer::singleShot(50, [&] { driver->Enable(0); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(driver->ReadFramed().str(), "HALF");
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(driver->TimeoutReached(), 1);
}

TEST_F(DriverTest, DisableDuringAnAsynchronousReadKeepsThePollingStopped) {
    ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
    driver->set_window(driver.frame(), CallbackRecord::error, CallbackRecord::receive);
    ASSERT_EQ(driver.frame()->timer_active(), 1);
    driver->set_timeout(20000);
    QTimer::singleShot(30, [&] { driver->Enable(0); });
    driver->Read();
    EXPECT_EQ(driver.frame()->timer_active(), 0);
}

TEST_F(DriverTest, ReadWithoutFrameEndsByItsOwnTimeOut) {
    open(200);
    driver->set_window(nullptr, CallbackRecord::error, CallbackRecord::receive);
    EXPECT_EQ(driver->GetMode(), 1);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(driver->ReadFramed().str(), "");
    EXPECT_GE(clock.elapsed(), 200);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(driver->TimeoutReached(), 1);
}

TEST_F(DriverTest, ReadAfterTheFrameWentEndsByItsOwnTimeOut) {
    open(200);
    driver.destroy_frame();
    EXPECT_EQ(driver->GetFrame(), nullptr);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(driver->Read().str(), "");
    EXPECT_GE(clock.elapsed(), 200);
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(DriverTest, ReadInAsynchronousModeKeepsThePollingAwayAndResumesIt) {
    ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
    driver->set_lookup(5);
    driver->set_window(driver.frame(), CallbackRecord::error, CallbackRecord::receive);
    ASSERT_EQ(driver->GetMode(), 0);
    ASSERT_EQ(driver.frame()->timer_active(), 1);
    driver->set_timeout(250);
    arrive_later(30, "\x02RV-4400 V2.13\x03");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(driver->Read().str(), "\x02RV-4400 V2.13\x03");
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(CallbackRecord::received().empty()) << "polling took the reply";
    EXPECT_EQ(driver.frame()->timer_active(), 1) << "polling resumed";
    EXPECT_EQ(driver.frame()->callback(GwCB_TIMER), &CDriver::LookForData);
}

// --- Modes and the frame's timer ----------------------------------------------------------

TEST_F(DriverTest, SetModeWithoutFrameIsRefused) {
    CDriver bare(0);
    EXPECT_EQ(bare.set_mode(1), 0);
    EXPECT_EQ(bare.GetMode(), 0);
}

TEST_F(DriverTest, SetModeToTheCurrentModeOnlyPurges) {
    ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
    const int purges = line->purges;
    line->arrive("stale");
    EXPECT_EQ(driver->set_mode(0), 1);
    EXPECT_EQ(line->purges, purges + 1);
    EXPECT_TRUE(line->input.empty());
    EXPECT_EQ(driver->GetMode(), 0);
}

TEST_F(DriverTest, ModesAttachTheirTimerCallbacks) {
    GwCore* frame = driver.frame();
    EXPECT_EQ(frame->callback(GwCB_TIMER), &CDriver::LookForData) << "constructed in mode 0";
    EXPECT_EQ(frame->timer_active(), 0) << "the constructor does not start it";
    ASSERT_EQ(driver->set_mode(1), 1);
    EXPECT_EQ(frame->callback(GwCB_TIMER), &CDriver::TimeoutWhileRequest);
    EXPECT_EQ(frame->timer_active(), 0);
    ASSERT_EQ(driver->set_mode(3), 1);
    EXPECT_EQ(frame->callback(GwCB_TIMER), &CDriver::LookForData);
    EXPECT_EQ(frame->timer_active(), 1);
    driver->Enable(0);
    EXPECT_EQ(frame->timer_active(), 0);
}

TEST_F(DriverTest, SetWindowMovesTheTimerToTheNewFrame) {
    QWidget other;
    GwCore* second = GwCore::of(&other);
    driver->set_window(second, nullptr, nullptr);
    EXPECT_EQ(driver.frame()->callback(GwCB_TIMER), nullptr);
    EXPECT_EQ(second->callback(GwCB_TIMER), &CDriver::LookForData);
    EXPECT_EQ(second->timer_active(), 1);
    driver->set_window(driver.frame(), nullptr, nullptr); // before `other` goes
    EXPECT_EQ(second->callback(GwCB_TIMER), nullptr);
}

// --- Asynchronous and terminal reception ---------------------------------------------------

TEST_F(DriverTest, AMessageMayArriveOverSeveralPolls) {
    ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
    line->arrive("junk\x02"
                 "AB");
    EXPECT_EQ(driver->LookCom(), 1);
    EXPECT_TRUE(CallbackRecord::received().empty());
    line->arrive("C\x03"
                 "XY\x03");
    EXPECT_EQ(driver->LookCom(), 1);
    EXPECT_EQ(CallbackRecord::received(), (Strings{"ABC", "XY"}))
        << "bytes before a start byte are dropped; a stop byte without start delivers";
}

TEST_F(DriverTest, PollingTimerDeliversMessages) {
    ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
    driver->set_lookup(10);
    driver->set_window(driver.frame(), CallbackRecord::error, CallbackRecord::receive);
    arrive_later(20, "\x02"
                     "HELLO\x03");
    EXPECT_TRUE(WaitFor([] { return !CallbackRecord::received().empty(); }));
    EXPECT_EQ(CallbackRecord::received(), Strings{"HELLO"});
}

TEST_F(DriverTest, TerminalModeHandsOnEveryByteOnceInOrder) {
    ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
    ASSERT_EQ(driver->set_mode(3), 1);
    line->arrive(std::string("\x02"
                             "A\0\x03",
                             4));
    EXPECT_EQ(driver->LookCom(), 1);
    EXPECT_EQ(CallbackRecord::received(), (Strings{"\x02", "A", "", "\x03"}));
}

TEST_F(DriverTest, ReceiveBufferStaysBoundedWithoutStopByte) {
    ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
    line->arrive("\x02");
    for (int i = 0; i < 5; ++i) {
        line->arrive(std::string(3000, 'A'));
        EXPECT_EQ(driver->LookCom(), 1);
    }
    line->arrive("\x03");
    EXPECT_EQ(driver->LookCom(), 1);
    ASSERT_EQ(CallbackRecord::received().size(), 1u);
    EXPECT_EQ(CallbackRecord::received()[0], std::string(CDriver::kMaxMessage, 'A'));
}

TEST_F(DriverTest, ClearBufferTellsWhetherSomethingWasThere) {
    ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
    line->arrive("\x02"
                 "AB");
    driver->LookCom();
    EXPECT_EQ(driver->clear_buffer(), 1);
    EXPECT_EQ(driver->clear_buffer(), 0);
}

// --- Port errors ---------------------------------------------------------------------------

TEST_F(DriverTest, PortThatCannotBeOpenedIsReported) {
    line->open_fails = true;
    EXPECT_EQ(driver->initialise("COM7", "9600,N,8,1"), 0);
    EXPECT_EQ(driver->PortOpen(), 0);
    EXPECT_EQ(CallbackRecord::errors(), Strings{"COM Port not available! Code: 1"});
}

TEST_F(DriverTest, PortLostDuringAReadIsReportedOnceAndClosed) {
    open(20000);
    driver->Enable(1);
    QTimer::singleShot(30, [l = line] { l->status_fails = true; });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(driver->WriteReadFramed("W1").str(), "");
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(CallbackRecord::errors(), Strings{"ClearCommError: 6"});
    EXPECT_EQ(driver->PortOpen(), 0);
    EXPECT_EQ(driver->ReplyComplete(), 0);
    // Later calls find no port: nothing is sent, nothing reported again.
    EXPECT_EQ(driver->WriteReadFramed("W1").str(), "");
    EXPECT_EQ(driver->LookCom(), 0);
    EXPECT_EQ(CallbackRecord::errors().size(), 1u);
}

TEST_F(DriverTest, FailedWriteIsReportedAndClosesThePort) {
    open();
    line->fail_writes_after = 1;
    EXPECT_EQ(driver->WriteFramed("H0B5"), 1);
    EXPECT_EQ(driver->WriteFramed("H0F6"), 0);
    EXPECT_EQ(CallbackRecord::errors(), Strings{"WriteFile: 6"});
    EXPECT_EQ(driver->PortOpen(), 0);
    EXPECT_EQ(driver->ErrorCount(), 1);
    EXPECT_EQ(driver->WriteReadFramed("W1").str(), "");
    EXPECT_EQ(line->written, "\x02H0B5\x03");
}

// Reaches the protected error report.
class ReportingDriver : public CDriver {
public:
    ReportingDriver() : CDriver(nullptr, CallbackRecord::error, CallbackRecord::receive, 0) {}
    using CDriver::CallError_CB;
};

TEST_F(DriverTest, ErrorsDiscardPendingInputBeforeTheyAreReported) {
    ReportingDriver reporting;
    ASSERT_EQ(reporting.initialise("COM1", "9600,N,8,1"), 1);
    line->arrive("pending");
    EXPECT_EQ(reporting.CallError_CB("ReadFile", 5), 0) << "the callback's result";
    EXPECT_TRUE(line->input.empty());
    EXPECT_EQ(CallbackRecord::errors(), Strings{"ReadFile: 5"});
    EXPECT_EQ(reporting.ErrorCount(), 1);
}

TEST_F(DriverTest, WithoutPortNothingIsSentAndNothingReported) {
    EXPECT_EQ(driver->Write("W0"), 0);
    EXPECT_EQ(driver->WriteReadFramed("W0").str(), "");
    EXPECT_EQ(driver->reset(), 0);
    EXPECT_EQ(driver->LookCom(), 0);
    EXPECT_TRUE(line->written.empty());
    EXPECT_TRUE(CallbackRecord::errors().empty());
}

// --- Settings texts ------------------------------------------------------------------------

struct SettingsRow {
    const char* name;
    const char* settings;
    int result;
    const char* mode; // the mode text
    int baud;
    char parity;
    int data;
    int stop;
};

void PrintTo(const SettingsRow& row, std::ostream* os) {
    *os << row.name;
}

class DriverSettings : public DriverTest, public testing::WithParamInterface<SettingsRow> {};

TEST_P(DriverSettings, AreReadByPosition) {
    const SettingsRow& row = GetParam();
    EXPECT_EQ(driver->initialise("COM1", row.settings), row.result);
    EXPECT_EQ(driver->ModeText().str(), row.mode);
    EXPECT_EQ(driver->PortOpen(), 1) << "refused settings leave the port open";
    if (row.result == 1) {
        EXPECT_EQ(line->baud, row.baud);
        EXPECT_EQ(line->parity, row.parity);
        EXPECT_EQ(line->data_bits, row.data);
        EXPECT_EQ(line->stop_bits, row.stop);
        EXPECT_TRUE(CallbackRecord::errors().empty());
    } else {
        const std::string expected =
            std::string("COM Port Settings not supported by this version of Windows! Code: 7\n") +
            row.mode;
        EXPECT_EQ(CallbackRecord::errors(), Strings{expected});
        EXPECT_EQ(line->baud, 0) << "no line settings applied";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DriverSettings,
    testing::Values(SettingsRow{"Plain", "9600,N,8,1", 1, "COM1: baud=9600 parity=N data=8 stop=1",
                                9600, 'N', 8, 1},
                    SettingsRow{"BlankBeforeComma", "9600 ,N,8,1", 1,
                                "COM1: baud=9600 parity=N data=8 stop=1", 9600, 'N', 8, 1},
                    SettingsRow{"LowerCaseParity", "19200,e,7,2", 1,
                                "COM1: baud=19200 parity=E data=7 stop=2", 19200, 'E', 7, 2},
                    SettingsRow{"AutoBaudEntry", "300  ,O,7,2", 1,
                                "COM1: baud=300 parity=O data=7 stop=2", 300, 'O', 7, 2},
                    SettingsRow{"UnknownParity", "9600,X,8,1", 0,
                                "COM1: baud=9600 parity=X data=8 stop=1", 0, 0, 0, 0},
                    SettingsRow{"NineDataBits", "9600,N,9,1", 0,
                                "COM1: baud=9600 parity=N data=9 stop=1", 0, 0, 0, 0},
                    SettingsRow{"NoCommas", "9600", 0, "COM1: baud=9600 parity=9 data=0 stop=", 0,
                                0, 0, 0},
                    SettingsRow{"Empty", "", 0, "COM1: baud=0 parity= data= stop=", 0, 0, 0, 0}),
    [](const testing::TestParamInfo<SettingsRow>& info) { return info.param.name; });

TEST_F(DriverTest, SettingsTheDeviceRefusesAreReportedWithTheModeText) {
    line->line_fails = true;
    EXPECT_EQ(driver->initialise("COM1", "9600,N,8,1"), 0);
    EXPECT_EQ(CallbackRecord::errors(),
              Strings{"SetCommState: 7\nCOM1: baud=9600 parity=N data=8 stop=1"});
}

TEST_F(DriverTest, InitialiseClosesTheOpenPortFirst) {
    ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
    ASSERT_EQ(driver->initialise("COM1", "2400,E,8,1"), 1);
    EXPECT_EQ(line->opens, 2);
    EXPECT_EQ(line->baud, 2400);
}

// --- Network stations ----------------------------------------------------------------------

TEST_F(DriverTest, NetworkWriteWaitsForEotThenSendsTheData) {
    open(20);
    line->arrive("\x04");
    driver->WriteNetwork("07", "DATA");
    EXPECT_EQ(line->written, "07\x1E"
                             "07\x02"
                             "DATA\x03");
}

TEST_F(DriverTest, NetworkWriteGivesUpAfterItsPolls) {
    open(5);
    driver->WriteNetwork("07", "DATA");
    std::string polls;
    for (int i = 0; i < CDriver::kNetworkPolls; ++i)
        polls += "07\x1E";
    EXPECT_EQ(line->written, polls) << "the data is not sent";
    EXPECT_EQ(CallbackRecord::errors(), Strings{"Network station not answering! Polls: 10"});
}

TEST_F(DriverTest, NetworkReadCutsTheEnvelope) {
    open(20);
    line->arrive("07\x02"
                 "0PAYLOAD\x03");
    EXPECT_EQ(driver->ReadNetwork("07").str(), "PAYLOAD");
}

TEST_F(DriverTest, NetworkReadGivesUpAfterItsPolls) {
    open(5);
    line->arrive("no start byte");
    EXPECT_EQ(driver->ReadNetwork("07").str(), "");
    EXPECT_EQ(CallbackRecord::errors(), Strings{"Network station not answering! Polls: 10"});
}

// --- The dump file -------------------------------------------------------------------------

TEST(DriverDump, LogsSentBytesAndReadResults) {
    TempDir dir;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.path().string())));
    auto line = std::make_shared<ScriptedPort::Line>();
    ScriptedPort::Install(line);
    {
        TestDriver driver(1);
        ASSERT_EQ(driver->set_mode(1), 1);
        ASSERT_EQ(driver->initialise("COM1", "9600,N,8,1"), 1);
        driver->set_timeout(30);
        line->arrive("\x02RV-4400 V2.13\x03");
        driver->WriteReadFramed("W0");
        driver->ReadFramed(); // nothing comes: a null text writes no line
        line->arrive("\x02U0\x03");
        driver->WriteReadFramed("W1");
    }
    QDir::setCurrent(before);
    EXPECT_EQ(TempDir::read(dir.file(CDriver::kDumpFile)), "Kommunikation Scanner/ZEP Software:\n"
                                                           ">>\x02W0\x03\n"
                                                           "<<RV-4400 V2.13\n"
                                                           ">>\x02W1\x03\n"
                                                           "<<U0\n");
}

TEST(DriverDump, NoFileWithoutDumping) {
    TempDir dir;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.path().string())));
    { TestDriver driver(0); }
    QDir::setCurrent(before);
    EXPECT_FALSE(std::filesystem::exists(dir.file(CDriver::kDumpFile)));
}

} // namespace
