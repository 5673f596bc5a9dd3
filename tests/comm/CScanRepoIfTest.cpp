// Connecting, the type check and the connection display of the scanner transfer, on a small
// main window of its own (indicator labels and the upload item found by id), against a
// scripted port.
#include "CScanRepoIf.h"
#include "CErrorHandler.h"
#include "CommTestSupport.h"
#include "ScriptedPort.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace {

class ScanRepoIfTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* id : {"OFFLINE", "NOCONNECT", "CONNECT"})
            (new QLabel(id, &m_window))->setObjectName(id);
        m_window.menuBar()->addAction("UPLOAD_FROM_ZEP")->setObjectName("UPLOAD_FROM_ZEP");
        ScriptedPort::Install(line);
        CInitMgr::m_sComID = "COM1";
        driver->set_timeout(100);
    }
    GwCore* frame() { return GwCore::of(&m_window); }
    GwCore* item(const QString& id) { return frame()->child(id.toStdString().c_str()); }
    bool shown(const char* id) { return !item(id)->widget()->isHidden(); }
    // A device that answers "W1" with w1 and "W0" like a scanner called model.
    void answer_as(const std::string& w1, const std::string& model) {
        line->on_write = [w1, model](ScriptedPort::Line& l, const std::string& bytes) {
            l.arrive(bytes == framed("W1")   ? w1
                     : bytes == framed("W0") ? framed(model + " V2.13")
                                             : "");
        };
    }

    CommSettings settings;
    TestDriver driver;
    std::shared_ptr<ScriptedPort::Line> line = std::make_shared<ScriptedPort::Line>();
    QMainWindow m_window;
};

// (Which items a connection enables is the code's list; the transfer items follow it, as the
// upload item shows here.)
TEST_F(ScanRepoIfTest, ConnectionChecksTheScannerAndLoadsItsMap) {
    // the replies to "W1", the model "W0" reports, the result, the box shown
    const std::tuple<std::string, const char*, int, const char*> rows[] = {
        {framed("U0"), "RV-4400L", 1, ""},
        {framed("?") + framed("U1"), "RV-4400", 1, ""}, // "U" on the second reply
        {framed("?") + framed("?"), "RV-4400", 0, ""},
        {framed("U0"), "XY-9", 0, "Initializing of Command-Mapping failed"}};
    for (const auto& [w1, model, result, box] : rows) {
        SCOPED_TRACE(w1 + model);
        GwScriptedAnswers::reset();
        item("UPLOAD_FROM_ZEP")->disable();
        answer_as(w1, model);
        CScanRepoIf transfer(frame());
        EXPECT_EQ(transfer.initialize(), result);
        EXPECT_EQ(CScanRepoIf::ConnectedScanner().str(), result || *box ? model : "");
        EXPECT_EQ(box_texts(), *box ? Strings{box} : Strings{});
        EXPECT_EQ(shown("CONNECT") * 10 + shown("NOCONNECT"), result ? 10 : 1);
        EXPECT_EQ(item("UPLOAD_FROM_ZEP")->is_enabled(), result);
        EXPECT_EQ(driver->PortOpen(), 1) << "the port stays open after a failed check or map";
        EXPECT_EQ(transfer.CmdMap()->Count(), result ? 141 : 0);
    }
    // Connected, the terminal's mode polls every 100 ms.
    ASSERT_EQ(driver->set_mode(3), 1);
    EXPECT_EQ(driver.frame()->object()->findChild<QTimer*>()->interval(), 100);
}

// (Port "NONE": a warning and no connection, FrameTransfer.AFailedConnectionStops... and
// ZepCli.InfoAndWhyAConnectionFails.)

TEST_F(ScanRepoIfTest, FramingBytesComeFromTheSettings) {
    CInitMgr::m_sComStartTx = "3C"; // <
    CInitMgr::m_sComStopTx = "3E";  // >
    CInitMgr::m_sComStartRx = "AA"; // compared as an unsigned byte
    CInitMgr::m_sComStopRx = "";    // empty: the default ETX, not a zero byte
    line->on_write = [](ScriptedPort::Line& l, const std::string& bytes) {
        l.arrive(bytes == "<W1>"   ? "\x02x\xAAU0\x03"
                 : bytes == "<W0>" ? "\xAARV-4400 V2.13\x03"
                                   : "");
    };
    CScanRepoIf transfer(frame());
    EXPECT_EQ(transfer.initialize(), 1);
}

TEST_F(ScanRepoIfTest, UploadStopsAskingAScannerThatFellSilent) {
    answer_as(framed("U0"), "RV-4400");
    CScanRepoIf transfer(frame());
    ASSERT_EQ(transfer.initialize(), 1);
    line->on_write = nullptr; // from now on nothing answers
    line->written.clear();
    auto repo = zep100_repo();
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(transfer.DataFromScanner(repo.get(), 0), nullptr);
    EXPECT_LT(clock.elapsed(), 5000) << "not one time-out per parameter";
    EXPECT_EQ(line->written, framed("WRCL") + framed("WDCC") + framed("WDCI"));
    EXPECT_EQ(transfer.NoReply().count(), 141);
    EXPECT_EQ(transfer.UploadComplete(), 0);
    ASSERT_EQ(box_texts().size(), 1u);
    EXPECT_EQ(box_texts()[0].find(CErrorHandler::error_msg(59, 1).str() + "RCL, DCC, DCI, DCL, "),
              0u);
}

// What a reply must be for an upload to take its value over, with the ZEP100 map: the form
// of the map entry with nothing left over, printable characters, a value the parameter
// accepts in the length the data line reads, and dependent fields that are fields of the
// rule. (Line errors in every kind of field, through the simulated scanner: the transfer
// tests.)
TEST_F(ScanRepoIfTest, TakeReplyTakesOnlyWhatTheReplyCarriesAndTheParameterAccepts) {
    CScanRepoIf transfer(frame());
    ASSERT_EQ(transfer.CmdMap()->InitializeFile(ZEP_PROGRAM_DIR "/ZEP100/cmd.map"), 1);
    auto repo = zep100_repo();
    // parameter, reply, value taken ("-": the reply does not count). RCL11 is no code, DCLF
    // longer than the field, DCI=10000 beyond the bounds, ROT 900 an excluded number, U8000
    // above 7F; L3O0x is a field the rule refuses, X no field of the rule.
    const char* const rows[][3] = {
        {"RCL", "RCL03", "03"},         {"RCL", "RCL11", "-"},
        {"LKS", "LKS;;", "-"},          {"DCL", "DCLF", "F"},
        {"DCI", "DCI=500", "0500"},     {"DCI", "DCI=10000", "-"},
        {"DCI", "DCI=5\xB0", "-"},      {"ROT", "ROT=1000", "-"},
        {"ROT", "ROT=900", "0900"},     {"L3L", "L3O04L05-12", "05-12"},
        {"L3L", "L3O04L123-45", "-"},   {"L3U", "L3O04U4142", "4142"},
        {"L3U", "L3O04U4100", "4100"},  {"L3U", "L3O04U41", "-"},
        {"L3U", "L3O04U8000", "-"},     {"L3U", "L3O04U4G00", "-"},
        {"L3C", "L3O04C2", "2"},        {"L3C", "L3O04C7", "-"},
        {"L3C", "L3O0xC2", "-"},        {"L3C", "L3O11C2", "-"},
        {"L3C", "L3O04XC2", "-"},       {"L3O", "L3O04", "04"},
        {"K3F", "K3F=1D00", "1D00"},    {"K3F", "K3F=1D", "-"},
        {"K3F", "K3F=1D0", "-"},        {"K3F", "K3F=41424300", "-"},
        {"CVI", "CVI\"AB C\"", "AB C"}, {"H0E", "H0E\"1234567890123456789012345\"", "-"},
        {"LKS", "LKS;", ";"},           {"GNNONAME", "GN1", "1"},
        {"GNNONAME", "GN3", "-"},       {"FDNONAME", "FD=5", "-"}};
    for (const auto& [name, reply, taken] : rows) {
        SCOPED_TRACE(std::string(name) + " " + reply);
        GwString value = "-";
        EXPECT_EQ(transfer.TakeReply(repo.get(), name, reply, value), std::string(taken) != "-");
        EXPECT_EQ(value.str(), taken);
    }
}

// Nothing sent is no success: the caller would clear the changed mark. (A write the port
// refuses mid-download: the transfer tests.)
TEST_F(ScanRepoIfTest, ADownloadWithoutPortOrDriverFails) {
    CScanRepoIf transfer(frame());
    auto repo = zep100_repo();
    EXPECT_EQ(transfer.Repo2Scanner(repo.get(), 0), 0) << "no port";
    CDriver* saved = std::exchange(g_pcoDriver, nullptr);
    EXPECT_EQ(transfer.Repo2Scanner(repo.get(), 0), 0) << "no driver";
    g_pcoDriver = saved;
}

// A mismatch is said in one box; the types it names are CParser::TranslateType's, tested with
// the parser.
TEST_F(ScanRepoIfTest, CompareScannerGivesTheNameToWorkWith) {
    // connected, selected, result
    const char* const rows[][3] = {{"RV-4400L", "RV-4400", "RV-4400"},
                                   {"RV-4400L", "", "RV-4400"},
                                   {"", "RV-4400", "RV-4400"},
                                   {"", "", ""},
                                   {"XY-9", "RV-4400", ""},
                                   {"RV-4400", "QZ-1", ""}};
    CScanRepoIf transfer(frame());
    for (const auto& [connected, selected, result] : rows) {
        SCOPED_TRACE(std::string(connected) + " / " + selected);
        GwScriptedAnswers::reset();
        CScanRepoIf::m_sConnectedScanner = connected;
        CInitMgr::m_sScannerType = selected;
        EXPECT_EQ(transfer.CompareScanner().str(), result);
        EXPECT_EQ(box_texts().size(), *connected && *selected && !*result ? 1u : 0u);
    }
}

} // namespace
