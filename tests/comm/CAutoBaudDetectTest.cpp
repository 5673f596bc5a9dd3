// Automatic baud-rate detection: the combination table and its time-outs, finding the
// in-process scanner at the probe its settings have in the table, whatever mode the driver is
// in, the port that does not exist, stopping, and what counts as an answer. Probe time-outs
// are shortened through the test hook; the full 26 s run is the benchmark's.
#include "CAutoBaudDetect.h"
#include "CSimPort.h"
#include "CommTestSupport.h"
#include "GwCore.h"
#include "ScriptedPort.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <numeric>
#include <ostream>
#include <string>
#include <vector>

namespace {

// --- The table -----------------------------------------------------------------------------

struct EntryRow {
    int number; // from 1
    const char* text;
};

void PrintTo(const EntryRow& row, std::ostream* os) {
    *os << row.number;
}

class AutoBaudTable : public testing::TestWithParam<EntryRow> {};

TEST_P(AutoBaudTable, HoldsTheEntryAtItsPlace) {
    const std::vector<GwString> table = CAutoBaudDetect::Combinations();
    ASSERT_EQ(table.size(), 84u);
    EXPECT_EQ(table[static_cast<size_t>(GetParam().number - 1)].str(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Entries, AutoBaudTable,
                         testing::Values(EntryRow{1, "2400 ,N,8,1"}, EntryRow{2, "9600 ,N,8,1"},
                                         EntryRow{3, "19200,N,8,1"}, EntryRow{7, "300  ,N,8,1"},
                                         EntryRow{8, "2400 ,E,8,1"}, EntryRow{15, "2400 ,N,8,2"},
                                         EntryRow{32, "4800 ,O,8,1"}, EntryRow{43, "2400 ,N,7,1"},
                                         EntryRow{63, "300  ,E,7,1"}, EntryRow{84, "300  ,O,7,2"}),
                         [](const testing::TestParamInfo<EntryRow>& info) {
                             return "Entry" + std::to_string(info.param.number);
                         });

TEST(AutoBaudTableShape, EveryEntryIsElevenCharactersAndUnique) {
    const std::vector<GwString> table = CAutoBaudDetect::Combinations();
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].len(), 11) << i;
        for (size_t k = 0; k < i; ++k)
            EXPECT_NE(table[i], table[k]) << i << " " << k;
    }
}

struct TimeoutRow {
    int baud;
    int ms;
};

void PrintTo(const TimeoutRow& row, std::ostream* os) {
    *os << row.baud;
}

class AutoBaudTimeout : public testing::TestWithParam<TimeoutRow> {};

TEST_P(AutoBaudTimeout, FollowsTheBaudRate) {
    EXPECT_EQ(CAutoBaudDetect::ProbeTimeout(GetParam().baud), GetParam().ms);
}

INSTANTIATE_TEST_SUITE_P(Rates, AutoBaudTimeout,
                         testing::Values(TimeoutRow{2400, 250}, TimeoutRow{9600, 212},
                                         TimeoutRow{19200, 206}, TimeoutRow{4800, 225},
                                         TimeoutRow{1200, 300}, TimeoutRow{600, 401},
                                         TimeoutRow{300, 602}),
                         [](const testing::TestParamInfo<TimeoutRow>& info) {
                             return "Baud" + std::to_string(info.param.baud);
                         });

TEST(AutoBaudTimeoutSum, AFullRunWaits26Seconds) {
    int sum = 0;
    for (const GwString& entry : CAutoBaudDetect::Combinations())
        sum += CAutoBaudDetect::ProbeTimeout(GwAtoi(entry.cc()));
    EXPECT_EQ(sum, 26352);
}

// --- Detection -----------------------------------------------------------------------------

// The dialog's two displays, the settings, and short probe time-outs.
class AutoBaud : public testing::Test {
protected:
    void SetUp() override {
        m_para = new QLabel(&m_dialog);
        m_para->setObjectName("ID_PARA");
        m_progress = new QProgressBar(&m_dialog);
        m_progress->setObjectName("ID_PROGRESS");
        CAutoBaudDetect::SetProbeTimeoutHook([this](int) {
            ++m_probes;
            if (m_probes == m_stopAt)
                QTimer::singleShot(0, [this] { m_detector->Stop(); }); // pressed during it
            return m_timeout;
        });
        m_detector = std::make_unique<CAutoBaudDetect>(GwCore::of(m_para), GwCore::of(m_progress));
    }
    void TearDown() override {
        CAutoBaudDetect::SetProbeTimeoutHook({});
        CSimPort::ResetDevice();
    }
    GwCore* progress() { return GwCore::of(m_progress); }

    CommSettings m_settings;
    QWidget m_dialog;
    QLabel* m_para = nullptr;
    QProgressBar* m_progress = nullptr;
    std::unique_ptr<CAutoBaudDetect> m_detector;
    int m_probes = 0;
    int m_stopAt = 0;
    int m_timeout = 15;
};

struct FindRow {
    const char* name;
    const char* scanner; // the simulated scanner's options
    int probe;           // where its settings stand in the table
};

void PrintTo(const FindRow& row, std::ostream* os) {
    *os << row.name;
}

class AutoBaudFind : public AutoBaud, public testing::WithParamInterface<FindRow> {
protected:
    void expect_found(CDriver& driver) {
        const FindRow& row = GetParam();
        reset_sim(std::string(row.scanner) + ";wire=off;delay=0");
        EXPECT_EQ(m_detector->Detect(), 1);
        const GwString entry = CAutoBaudDetect::Combinations()[static_cast<size_t>(row.probe - 1)];
        EXPECT_EQ(m_detector->GetSucPars(), entry);
        EXPECT_EQ(m_detector->Probes(), row.probe);
        EXPECT_EQ(CSimPort::Device().ByteCount(), 4L * row.probe) << "one W0 frame per probe";
        EXPECT_EQ(m_para->text().toStdString(), "Parameter: " + entry.str());
        EXPECT_EQ(progress()->slider_value(), 84.0) << "the bar ends full";
        EXPECT_EQ(progress()->solid_bar(), 1);
        EXPECT_EQ(driver.PortOpen(), 1) << "left open with the settings that answered";
        EXPECT_EQ(driver.Timeout(), m_timeout) << "the last probe's time-out stays";
    }
};

TEST_P(AutoBaudFind, InSynchronousMode) {
    TestDriver driver;
    ASSERT_EQ(driver->set_mode(1), 1);
    expect_found(*driver);
}

INSTANTIATE_TEST_SUITE_P(
    Scanners, AutoBaudFind,
    testing::Values(FindRow{"At2400N81", "2400,N,8,1", 1}, FindRow{"At9600N81", "9600,N,8,1", 2},
                    FindRow{"At19200E81", "19200,E,8,1", 10},
                    FindRow{"At4800N82", "4800,N,8,2", 18}, FindRow{"At9600E71", "9600,E,7,1", 58},
                    FindRow{"At300O72", "300,O,7,2", 84},
                    FindRow{"GarbageAtOtherSettings", "19200,O,8,2;garbage=on", 38}),
    [](const testing::TestParamInfo<FindRow>& info) { return info.param.name; });

TEST_F(AutoBaud, InAsynchronousModeAsAtProgramStart) {
    TestDriver driver;
    driver->set_lookup(5);
    driver->set_window(driver.frame(), CallbackRecord::error, CallbackRecord::receive);
    ASSERT_EQ(driver->GetMode(), 0);
    reset_sim("19200,E,8,1;wire=off;delay=0");
    EXPECT_EQ(m_detector->Detect(), 1);
    EXPECT_EQ(m_detector->Probes(), 10);
    EXPECT_TRUE(CallbackRecord::received().empty()) << "polling took an answer";
    EXPECT_EQ(driver.frame()->timer_active(), 1) << "polling goes on";
}

TEST_F(AutoBaud, WithoutFrameEveryProbeEndsByItsOwnTimeOut) {
    CDriver bare(nullptr, CallbackRecord::error, CallbackRecord::receive, 0);
    CDriver* saved = g_pcoDriver;
    g_pcoDriver = &bare;
    reset_sim("1200,N,8,1;wire=off;delay=0");
    EXPECT_EQ(m_detector->Detect(), 1);
    EXPECT_EQ(m_detector->Probes(), 5);
    g_pcoDriver = saved;
}

TEST_F(AutoBaud, RealTimeOutOfTheProbeThatAnswered) {
    CAutoBaudDetect::SetProbeTimeoutHook({});
    TestDriver driver;
    reset_sim("2400,N,8,1;wire=off;delay=0");
    EXPECT_EQ(m_detector->Detect(), 1);
    EXPECT_EQ(driver->Timeout(), 250);
    EXPECT_EQ(driver->ModeText().str(), "SIM: baud=2400 parity=N data=8 stop=1");
}

TEST_F(AutoBaud, NoAnswerAfterAllProbes) {
    TestDriver driver;
    m_timeout = 5;
    reset_sim("38400,N,8,1;wire=off;delay=0"); // a rate the table does not try
    EXPECT_EQ(m_detector->Detect(), 0);
    EXPECT_EQ(m_detector->Probes(), 84);
    EXPECT_EQ(m_detector->GetSucPars().str(), "");
    EXPECT_EQ(progress()->slider_value(), 84.0);
}

TEST_F(AutoBaud, PortThatDoesNotExistEndsAfterTheFirstProbe) {
    TestDriver driver;
    CInitMgr::m_sComID = "/dev/zep-no-such-port";
    EXPECT_EQ(m_detector->Detect(), -1);
    EXPECT_EQ(m_detector->Probes(), 1);
    EXPECT_EQ(progress()->slider_value(), 84.0);
    EXPECT_EQ(CallbackRecord::errors(),
              std::vector<std::string>{"COM Port not available! Code: 1"});
    EXPECT_EQ(m_probes, 0) << "no probe was sent";
}

TEST_F(AutoBaud, StopEndsAfterTheProbeInProgress) {
    TestDriver driver;
    reset_sim("300,O,7,2;wire=off;delay=0");
    m_stopAt = 10;
    EXPECT_EQ(m_detector->Detect(), -3);
    EXPECT_EQ(m_detector->Probes(), 10);
    EXPECT_EQ(progress()->slider_value(), 84.0);
    // A new run starts afresh.
    m_stopAt = 0;
    EXPECT_EQ(m_detector->Detect(), 1);
}

TEST_F(AutoBaud, SuccessfulSettingsOutliveAFailedRun) {
    TestDriver driver;
    reset_sim("9600,N,8,1;wire=off;delay=0");
    ASSERT_EQ(m_detector->Detect(), 1);
    CInitMgr::m_sComID = "/dev/zep-no-such-port";
    EXPECT_EQ(m_detector->Detect(), -1);
    EXPECT_EQ(m_detector->GetSucPars().str(), "9600 ,N,8,1");
}

TEST_F(AutoBaud, WorksWithoutDisplays) {
    TestDriver driver;
    reset_sim("9600,N,8,1;wire=off;delay=0");
    CAutoBaudDetect bare(nullptr, nullptr);
    EXPECT_EQ(bare.Detect(), 1);
}

// What counts as an answer: "RV" anywhere in whatever came back.
struct AnswerRow {
    const char* name;
    std::string answer;
    int found;
};

void PrintTo(const AnswerRow& row, std::ostream* os) {
    *os << row.name;
}

class AutoBaudAnswer : public AutoBaud, public testing::WithParamInterface<AnswerRow> {};

TEST_P(AutoBaudAnswer, CountsWhenItHoldsRV) {
    auto line = std::make_shared<ScriptedPort::Line>();
    ScriptedPort::Install(line);
    TestDriver driver;
    const std::string answer = GetParam().answer;
    line->on_write = [answer](ScriptedPort::Line& l, const std::string&) { l.arrive(answer); };
    m_timeout = 2;
    EXPECT_EQ(m_detector->Detect(), GetParam().found);
    EXPECT_EQ(m_detector->Probes(), GetParam().found ? 1 : 84);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AutoBaudAnswer,
    testing::Values(AnswerRow{"Framed", "\x02RV-4400 V2.13\x03", 1},
                    AnswerRow{"AfterNoise", "\x80\xff\x12xyRV-4400L", 1},
                    AnswerRow{"JustRV", "RV", 1},
                    AnswerRow{"LongWithoutRV", std::string(3000, 'R') + "v", 0},
                    AnswerRow{"LowerCase", "rv-4400", 0}, AnswerRow{"Nothing", "", 0}),
    [](const testing::TestParamInfo<AnswerRow>& info) { return info.param.name; });

} // namespace
