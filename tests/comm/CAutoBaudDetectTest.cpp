// Automatic baud-rate detection: the combination table and its time-outs, finding the
// in-process scanner at the probe its settings have in the table, whatever mode the driver is
// in, the port that does not exist, stopping, and what counts as an answer. Probe time-outs
// are shortened through the test hook; the full 26 s run is the benchmark's.
#include "CAutoBaudDetect.h"
#include "CommTestSupport.h"
#include "ScriptedPort.h"

#include <QProgressBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

TEST(AutoBaudTable, TimeOutsOfAFullRun) {
    // Where the simulated scanner is found (below) shows the order and the texts, and that no
    // entry comes twice; here the time-outs.
    const std::vector<GwString> table = CAutoBaudDetect::Combinations();
    ASSERT_EQ(table.size(), 84u);
    int sum = 0;
    for (const GwString& entry : table)
        sum += CAutoBaudDetect::ProbeTimeout(CLineSettings::Parse(entry).m_iBaud);
    // 12 x (250 + 212 + 206 + 225 + 300 + 401 + 602): every probe's time-out from its text.
    EXPECT_EQ(sum, 26352) << "a full run without answer";
}

// The dialog's progress bar (its settings label is presentation), the settings, and short
// probe time-outs.
class AutoBaud : public testing::Test {
protected:
    void SetUp() override {
        m_progress = new QProgressBar(&m_dialog);
        CAutoBaudDetect::SetProbeTimeoutHook([this](int) {
            if (++m_probes == m_stopAt)
                QTimer::singleShot(0, [this] { m_detector->Stop(); }); // pressed during it
            return m_timeout;
        });
        m_detector = std::make_unique<CAutoBaudDetect>(nullptr, GwCore::of(m_progress));
    }
    void TearDown() override {
        CAutoBaudDetect::SetProbeTimeoutHook({});
        CSimPort::ResetDevice();
    }
    // Detects; checks the result, the probes made and that the bar ends full.
    void detect(int result, int probes) {
        EXPECT_EQ(m_detector->Detect(), result);
        EXPECT_EQ(m_detector->Probes(), probes);
        EXPECT_EQ(GwCore::of(m_progress)->slider_value(), 84.0) << "the bar ends full";
    }

    CommSettings m_settings;
    QWidget m_dialog;
    QProgressBar* m_progress = nullptr;
    std::unique_ptr<CAutoBaudDetect> m_detector;
    int m_probes = 0;
    int m_stopAt = 0;
    int m_timeout = 15;
};

// The scanner is found at the probe its settings have in the order: the fixed one (the first
// rows), or with settings named to be tried first in front, in any spelling, and the others in
// their order without them, so that a scanner anywhere is still found and none is probed twice.
TEST_F(AutoBaud, FindsTheScannerAtTheProbeOfItsSettings) {
    TestDriver driver;
    ASSERT_EQ(driver->set_mode(1), 1);
    // settings named first ("-": none), the scanner's, the probe that finds it
    const std::tuple<const char*, const char*, int> rows[] = {{"-", "2400,N,8,1", 1},
                                                              {"-", "9600,N,8,1", 2},
                                                              {"-", "19200,E,8,1", 10},
                                                              {"-", "4800,N,8,2", 18},
                                                              {"-", "9600,E,7,1", 58},
                                                              {"-", "300,O,7,2", 84},
                                                              {"-", "19200,O,8,2;garbage=on", 38},
                                                              {"300,o,7,2", "300,O,7,2", 1},
                                                              {" 19200 ,E,7,1", "300,O,7,2", 84},
                                                              {"19200,E,7,1", "2400,N,8,1", 2},
                                                              {"115200,N,8,1", "9600,N,8,1", 2},
                                                              {"", "9600,N,8,1", 2},
                                                              {"9600,N,8,1", "2400,N,8,1", 2},
                                                              {"4800,N,8,2", "19200,N,8,2", 18}};
    for (const auto& [first, scanner, probe] : rows) {
        SCOPED_TRACE(std::string(first) + " / " + scanner);
        reset_sim(std::string(scanner) + ";wire=off;delay=0");
        if (std::string(first) != "-")
            m_detector->TryFirst(first);
        const std::vector<GwString> order = m_detector->Order();
        std::set<std::string> entries;
        for (const GwString& entry : order)
            entries.insert(entry.str());
        EXPECT_EQ(entries.size(), 84u);
        detect(1, probe);
        EXPECT_EQ(m_detector->GetSucPars(), order[static_cast<size_t>(probe - 1)]);
        EXPECT_EQ(CSimPort::Device().ByteCount(), 4L * probe) << "one W0 frame per probe";
        EXPECT_EQ(driver->PortOpen(), 1) << "left open with the settings that answered";
        EXPECT_EQ(driver->Timeout(), CDriver::kDefaultTimeout) << "the driver's own again";
    }
}

// Found with the driver in asynchronous mode, as at program start: polling takes no answer of
// a probe and goes on afterwards. (A driver without a frame: none is used by the program or
// zepcli, which give theirs before any connection.)
TEST_F(AutoBaud, FindsItInAsynchronousMode) {
    TestDriver driver;
    driver->set_lookup(5);
    driver->set_window(driver.frame(), CallbackRecord::error, CallbackRecord::receive);
    ASSERT_EQ(driver->GetMode(), 0);
    reset_sim("19200,E,8,1;wire=off;delay=0");
    detect(1, 10);
    EXPECT_TRUE(CallbackRecord::received.empty()) << "polling took an answer";
    EXPECT_EQ(driver.frame()->timer_active(), 1) << "polling goes on";
}

// Stop ends after the probe in progress; the next run starts afresh and without answer tries
// all 84; the driver's time-out comes back after the real probe time-outs.
TEST_F(AutoBaud, StopNoAnswerAndTheRealTimeOut) {
    TestDriver driver;
    reset_sim("300,O,7,2;wire=off;delay=0");
    m_stopAt = 10;
    detect(-3, 10);
    m_timeout = 5;
    reset_sim("38400,N,8,1;wire=off;delay=0"); // a rate the table does not try
    detect(0, 84);
    EXPECT_EQ(m_detector->GetSucPars().str(), "");
    CAutoBaudDetect::SetProbeTimeoutHook({});
    reset_sim("2400,N,8,1;wire=off;delay=0");
    driver->set_timeout(1234);
    detect(1, 1);
    EXPECT_EQ(driver->Timeout(), 1234) << "restored after the probe's 250 ms";
    // At 300 baud the reply outlasts the probe's 602 ms: what came within them counts.
    reset_sim("300,O,7,2;delay=0");
    m_detector->TryFirst("300,O,7,2");
    detect(1, 1);
}

// What counts as an answer: "RV" anywhere in whatever came back.
TEST_F(AutoBaud, AnswerCountsWhenItHoldsRV) {
    const std::pair<std::string, int> answers[] = {
        {"\x80\xff\x12xyRV", 1}, {std::string(3000, 'R') + "v", 0}, {"rv-4400", 0}};
    m_timeout = 2;
    for (const auto& [answer, found] : answers) {
        SCOPED_TRACE(answer.substr(0, 20));
        auto line = std::make_shared<ScriptedPort::Line>();
        ScriptedPort::Install(line);
        TestDriver driver;
        line->on_write = [a = answer](ScriptedPort::Line& l, const std::string&) { l.arrive(a); };
        detect(found, found ? 1 : 84);
    }
}

} // namespace
