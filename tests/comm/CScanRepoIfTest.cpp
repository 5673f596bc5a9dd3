// Connecting, the type check and the connection display of the scanner transfer, on a small
// main window of its own: indicator labels, menu items and tool-bar items found by id.
#include "CScanRepoIf.h"
#include "CErrorHandler.h"
#include "CScanRepoBuilder.h"
#include "CommTestSupport.h"
#include "EwRepository.h"
#include "GwCore.h"
#include "GwScriptedAnswers.h"
#include "ScriptedPort.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

const char* const kMenuItems[] = {"NEW",
                                  "CLOSE",
                                  "SAVE",
                                  "SAVE_AS",
                                  "DOWNLOAD_TO_ZEP",
                                  "UPLOAD_FROM_ZEP",
                                  "PRINT",
                                  "EXPORT",
                                  "FACTORY_DEFAULTS",
                                  "TERMINAL_EMULATOR"};
const char* const kToolItems[] = {"TB_TERMINAL", "TB_NEW", "TB_SAVE", "TB_PRINT",
                                  "TB_DF",       "TB_UF",  "TB_FD"};
const char* const kTransferItems[] = {"DOWNLOAD_TO_ZEP", "UPLOAD_FROM_ZEP", "TB_DF", "TB_UF"};

// The main window's connection indicators and menu and tool-bar items.
class MainWindow {
public:
    MainWindow() {
        m_window.setObjectName("ZEP Utility");
        auto* central = new QWidget(&m_window);
        auto* layout = new QVBoxLayout(central);
        for (const char* id : {"OFFLINE", "NOCONNECT", "CONNECT"}) {
            auto* label = new QLabel(id, central);
            label->setObjectName(id);
            layout->addWidget(label);
        }
        m_window.setCentralWidget(central);
        QMenu* menu = m_window.menuBar()->addMenu("File");
        for (const char* id : kMenuItems)
            menu->addAction(id)->setObjectName(id);
        QToolBar* bar = m_window.addToolBar("Tools");
        for (const char* id : kToolItems)
            bar->addAction(id)->setObjectName(id);
    }
    GwCore* frame() { return GwCore::of(&m_window); }
    GwCore* item(const char* id) { return frame()->child(id); }
    bool shown(const char* id) { return !item(id)->widget()->isHidden(); }
    bool enabled(const char* id) { return item(id)->is_enabled() != 0; }
    void set_all(bool on) {
        for (const char* id : kMenuItems)
            on ? item(id)->enable() : item(id)->disable();
        for (const char* id : kToolItems)
            on ? item(id)->enable() : item(id)->disable();
    }

private:
    QMainWindow m_window;
};

bool is_transfer_item(const std::string& id) {
    for (const char* t : kTransferItems)
        if (id == t)
            return true;
    return false;
}

std::vector<std::string> box_texts() {
    std::vector<std::string> texts;
    for (const auto& shown : GwScriptedAnswers::shown())
        if (shown.kind == GwScriptedAnswers::Box)
            texts.push_back(shown.text.str());
    return texts;
}

class ScanRepoIfTest : public testing::Test {
protected:
    void SetUp() override {
        line = std::make_shared<ScriptedPort::Line>();
        ScriptedPort::Install(line);
        CInitMgr::m_sComID = "COM1";
        driver->set_timeout(100);
    }
    // A device that answers "W1" and "W0" like a scanner called model.
    void answer_as(const std::string& w1, const std::string& model) {
        line->on_write = [w1, model](ScriptedPort::Line& l, const std::string& bytes) {
            if (bytes == "\x02W1\x03")
                l.arrive(w1);
            else if (bytes == "\x02W0\x03")
                l.arrive("\x02" + model + " V2.13\x03");
        };
    }

    CommSettings settings;
    TestDriver driver;
    std::shared_ptr<ScriptedPort::Line> line;
    MainWindow window;
};

// --- Connection display --------------------------------------------------------------------

TEST_F(ScanRepoIfTest, ConnectedShowsConnectAndEnablesEverything) {
    CScanRepoIf transfer(window.frame());
    window.set_all(false);
    transfer.SetConnectionStatus(1);
    EXPECT_EQ(transfer.IsConnected(), 1);
    EXPECT_TRUE(window.shown("CONNECT"));
    EXPECT_FALSE(window.shown("NOCONNECT"));
    EXPECT_FALSE(window.shown("OFFLINE"));
    for (const char* id : kMenuItems)
        EXPECT_TRUE(window.enabled(id)) << id;
    for (const char* id : kToolItems)
        EXPECT_TRUE(window.enabled(id)) << id;
}

TEST_F(ScanRepoIfTest, NotConnectedDisablesOnlyTheTransferItems) {
    CScanRepoIf transfer(window.frame());
    window.set_all(false);
    transfer.SetConnectionStatus(0);
    EXPECT_TRUE(window.shown("NOCONNECT"));
    EXPECT_FALSE(window.shown("CONNECT"));
    EXPECT_FALSE(window.shown("OFFLINE"));
    for (const char* id : kMenuItems)
        EXPECT_EQ(window.enabled(id), !is_transfer_item(id)) << id;
    for (const char* id : kToolItems)
        EXPECT_EQ(window.enabled(id), !is_transfer_item(id)) << id;
}

TEST_F(ScanRepoIfTest, WithoutSelectedTypeOnlyTheTerminalIsEnabled) {
    CInitMgr::m_sScannerType = "";
    CScanRepoIf transfer(window.frame());
    window.set_all(false);
    transfer.SetConnectionStatus(1);
    for (const char* id : kMenuItems)
        EXPECT_EQ(window.enabled(id), std::string(id) == "TERMINAL_EMULATOR") << id;
    for (const char* id : kToolItems)
        EXPECT_EQ(window.enabled(id), std::string(id) == "TB_TERMINAL") << id;
    // Items left enabled stay so: nothing is disabled but the transfer items.
    window.set_all(true);
    transfer.SetConnectionStatus(0);
    for (const char* id : kMenuItems)
        EXPECT_EQ(window.enabled(id), !is_transfer_item(id)) << id;
}

// --- Connecting ----------------------------------------------------------------------------

TEST_F(ScanRepoIfTest, PortNoneOpensNothingAndSaysSo) {
    CInitMgr::m_sComID = "NONE";
    CScanRepoIf transfer(window.frame());
    window.set_all(true);
    EXPECT_EQ(transfer.initialize(), 0);
    EXPECT_EQ(line->opens, 0);
    EXPECT_EQ(box_texts(), std::vector<std::string>{CErrorHandler::warning(6, 0).str()});
    EXPECT_TRUE(window.shown("NOCONNECT"));
    for (const char* id : kTransferItems)
        EXPECT_FALSE(window.enabled(id)) << id;
    EXPECT_EQ(transfer.IsConnected(), 0);
}

TEST_F(ScanRepoIfTest, ConnectsAndLearnsTheScannersName) {
    answer_as("\x02U0\x03", "RV-4400L");
    CScanRepoIf transfer(window.frame());
    EXPECT_EQ(transfer.initialize(), 1);
    EXPECT_EQ(CScanRepoIf::ConnectedScanner().str(), "RV-4400L");
    EXPECT_EQ(line->written, "\x02W1\x03\x02W0\x03");
    EXPECT_EQ(driver->GetMode(), 1);
    EXPECT_EQ(driver->Lookup(), 100);
    EXPECT_EQ(transfer.CmdMap()->Count(), 141);
    EXPECT_TRUE(window.shown("CONNECT"));
    EXPECT_TRUE(box_texts().empty());
}

TEST_F(ScanRepoIfTest, AcceptsUOnTheSecondReply) {
    answer_as("\x02?\x03\x02U1\x03", "RV-4400");
    CScanRepoIf transfer(window.frame());
    EXPECT_EQ(transfer.initialize(), 1);
    EXPECT_EQ(CScanRepoIf::ConnectedScanner().str(), "RV-4400");
}

TEST_F(ScanRepoIfTest, NoUMeansNoConnection) {
    answer_as("\x02?\x03\x02?\x03", "RV-4400");
    CScanRepoIf transfer(window.frame());
    EXPECT_EQ(transfer.initialize(), 0);
    EXPECT_EQ(CScanRepoIf::ConnectedScanner().str(), "");
    EXPECT_TRUE(window.shown("NOCONNECT"));
    EXPECT_EQ(driver->PortOpen(), 1) << "the port stays open after a failed check";
}

TEST_F(ScanRepoIfTest, ScannerOfNoKnownTypeHasNoCommandMap) {
    answer_as("\x02U0\x03", "XY-9");
    CScanRepoIf transfer(window.frame());
    EXPECT_EQ(transfer.initialize(), 0);
    EXPECT_EQ(CScanRepoIf::ConnectedScanner().str(), "XY-9");
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Initializing of Command-Mapping failed"});
    EXPECT_EQ(transfer.IsConnected(), 0);
}

TEST_F(ScanRepoIfTest, PortErrorsComeFromTheDriver) {
    line->open_fails = true;
    CScanRepoIf transfer(window.frame());
    EXPECT_EQ(transfer.initialize(), 0);
    EXPECT_EQ(CallbackRecord::errors(),
              std::vector<std::string>{"COM Port not available! Code: 1"});
}

TEST_F(ScanRepoIfTest, FramingBytesComeFromTheSettings) {
    CInitMgr::m_sComStartTx = "3C"; // <
    CInitMgr::m_sComStopTx = "3E";  // >
    CInitMgr::m_sComStartRx = "5B"; // [
    CInitMgr::m_sComStopRx = "";    // empty: the default ETX
    line->on_write = [](ScriptedPort::Line& l, const std::string& bytes) {
        if (bytes == "<W1>")
            l.arrive("[U0\x03");
        else if (bytes == "<W0>")
            l.arrive("[RV-4400 V2.13\x03");
    };
    CScanRepoIf transfer(window.frame());
    EXPECT_EQ(transfer.initialize(), 1);
    EXPECT_EQ(driver->GetStartRx(), '[');
    EXPECT_EQ(driver->GetStopRx(), CDriver::kETX);
}

TEST_F(ScanRepoIfTest, BeforeTheDriverHasAFrameTheConnectionFailsAtOnce) {
    CDriver bare(0);
    CDriver* saved = g_pcoDriver;
    g_pcoDriver = &bare;
    answer_as("\x02U0\x03", "RV-4400");
    CScanRepoIf transfer(window.frame());
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(transfer.initialize(), 0);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(bare.GetMode(), 0) << "set_mode(1) was refused";
    g_pcoDriver = saved;
}

TEST_F(ScanRepoIfTest, CreatesTheDriverWhenThereIsNone) {
    CDriver* saved = g_pcoDriver;
    g_pcoDriver = nullptr;
    {
        CScanRepoIf transfer(window.frame());
        ASSERT_NE(g_pcoDriver, nullptr);
    }
    delete g_pcoDriver;
    g_pcoDriver = saved;
}

TEST_F(ScanRepoIfTest, DestructorDetachesTheCallbacks) {
    {
        CScanRepoIf transfer(window.frame());
        driver->set_window(window.frame(), CScanRepoIf::ReceivedError_CB,
                           CScanRepoIf::ReceivedData_CB);
    }
    EXPECT_EQ(driver->GetFrame(), window.frame());
    ASSERT_EQ(driver->initialise("COM1", "9600,X,8,1"), 0);
    EXPECT_TRUE(box_texts().empty()) << "the error callback is gone";
    driver->set_window(driver.frame(), nullptr, nullptr);
}

TEST_F(ScanRepoIfTest, UploadStopsAskingAScannerThatFellSilent) {
    answer_as("\x02U0\x03", "RV-4400");
    CScanRepoIf transfer(window.frame());
    ASSERT_EQ(transfer.initialize(), 1);
    line->on_write = nullptr; // from now on nothing answers
    line->written.clear();
    CScanRepoBuilder builder;
    std::unique_ptr<EwRepository> repo(
        builder.build_repo(GwString(ZEP_PROGRAM_DIR) + "/ZEP100/Profile.zep"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(transfer.DataFromScanner(repo.get(), 0), nullptr);
    EXPECT_LT(clock.elapsed(), 5000) << "not one time-out per parameter";
    EXPECT_EQ(line->written, "\x02WRCL\x03\x02WDCC\x03\x02WDCI\x03");
    EXPECT_EQ(transfer.NoReply().count(), 141);
    EXPECT_EQ(transfer.UploadComplete(), 0);
    ASSERT_EQ(box_texts().size(), 1u);
    EXPECT_EQ(
        box_texts()[0].rfind(CErrorHandler::error_msg(59, 1).str() + "RCL, DCC, DCI, DCL, ", 0),
        0u);
}

TEST_F(ScanRepoIfTest, TransfersWithoutRepositoryOrDriver) {
    answer_as("\x02U0\x03", "RV-4400");
    CScanRepoIf transfer(window.frame());
    ASSERT_EQ(transfer.initialize(), 1);
    EXPECT_EQ(transfer.Repo2Scanner(nullptr, 0), 1) << "nothing to send";
    EXPECT_EQ(transfer.DataFromScanner(nullptr, 0), nullptr);
    EXPECT_EQ(transfer.IsConnected(), 0) << "an upload without repository disconnects";

    CScanRepoBuilder builder;
    std::unique_ptr<EwRepository> repo(
        builder.build_repo(GwString(ZEP_PROGRAM_DIR) + "/ZEP100/Profile.zep"));
    CDriver* saved = g_pcoDriver;
    g_pcoDriver = nullptr;
    // Nothing was sent: a success would let the caller clear the changed mark.
    EXPECT_EQ(transfer.Repo2Scanner(repo.get(), 0), 0);
    g_pcoDriver = saved;

    driver->initialise("COM1", "9600,N,8,1");
    line->fail_writes_after = line->writes;
    EXPECT_EQ(transfer.Repo2Scanner(repo.get(), 0), 0) << "the first write fails";
    EXPECT_EQ(CallbackRecord::errors(), std::vector<std::string>{"WriteFile: 6"});
    EXPECT_EQ(transfer.Repo2Scanner(repo.get(), 0), 0) << "no port any more";
}

// --- Type check ----------------------------------------------------------------------------

struct CompareRow {
    const char* name;
    const char* connected;
    const char* selected;
    const char* result;
    const char* connected_type; // in the mismatch message; null: no message
    const char* selected_type;
};

void PrintTo(const CompareRow& row, std::ostream* os) {
    *os << row.name;
}

class ScanRepoIfCompare : public ScanRepoIfTest, public testing::WithParamInterface<CompareRow> {};

TEST_P(ScanRepoIfCompare, GivesTheNameToWorkWith) {
    const CompareRow& row = GetParam();
    CScanRepoIf transfer(window.frame());
    CScanRepoIf::m_sConnectedScanner = row.connected;
    CInitMgr::m_sScannerType = row.selected;
    EXPECT_EQ(transfer.CompareScanner().str(), row.result);
    if (row.connected_type == nullptr) {
        EXPECT_TRUE(box_texts().empty());
    } else {
        const GwString text = CErrorHandler::error_msg(21, 1) + CErrorHandler::error_msg(22, 0) +
                              row.connected_type + "\n" + CErrorHandler::error_msg(23, 0) +
                              row.selected_type + "\n" + CErrorHandler::error_msg(26, 0);
        EXPECT_EQ(box_texts(), std::vector<std::string>{text.str()});
    }
    CScanRepoIf::m_sConnectedScanner = "";
}

INSTANTIATE_TEST_SUITE_P(
    Scanners, ScanRepoIfCompare,
    testing::Values(CompareRow{"LongRangeCountsAsBase", "RV-4400L", "RV-4400", "RV-4400", nullptr,
                               nullptr},
                    CompareRow{"Same", "RV-4400", "RV-4400", "RV-4400", nullptr, nullptr},
                    CompareRow{"NothingSelected", "RV-4400L", "", "RV-4400", nullptr, nullptr},
                    CompareRow{"NothingConnected", "", "RV-4400", "RV-4400", nullptr, nullptr},
                    CompareRow{"Neither", "", "", "", nullptr, nullptr},
                    CompareRow{"UnknownScanner", "XY-9", "RV-4400", "", "", "ZEP100"},
                    CompareRow{"UnknownSelection", "RV-4400", "QZ-1", "", "ZEP100", ""}),
    [](const testing::TestParamInfo<CompareRow>& info) { return info.param.name; });

} // namespace
