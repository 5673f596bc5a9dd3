// Connect, upload, download and store against a simulated scanner, in two variants of one
// fixture: the scanner inside the process (port "SIM") and zepsim on a pseudo-terminal (the
// real serial stack). The scanner keeps its permanent memory in a file, which both variants
// read at power-up and write on "M2". Every parameter goes through the ZEP100 command map both
// ways, so a wrong entry shows as a value that differs or a write the scanner refuses. Faults
// on the line - lost, garbled, cut and endless replies, a scanner that vanishes - never crash,
// hang or corrupt the parameter set.
#include "CCmdMap.h"
#include "CErrorHandler.h"
#include "CScanRepoIf.h"
#include "CSimScanner.h"
#include "CommTestSupport.h"
#include "TempDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace {

enum class Host { InProcess, Pty };

// Coded values unlike the factory ones, as the scanner keeps them: a number, a reading rule
// with its dependent fields, quoted texts with blanks, a hex text, an unnamed parameter.
const char* const kMemory = "[Memory]\n"
                            "RCL=03\nDCI=1234\nL3O=04\nL3L=13___\nL3U=4142\nL3C=2\nL3H=1\n"
                            "L9L=05-12\nROT=0900\nLTM=00000\nCVI=\"AB C\"\nCVM=\"P?@\"\n"
                            "H0E=\"NO READ\"\nH1B=6\nGN=0\nFD=0250\nLKS=;\nK3F=4100\n";

class Transfer : public testing::TestWithParam<Host> {
protected:
    void SetUp() override {
        m_before = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(m_tmp.path().string())));
        m_tmp.write("memory.ini", kMemory);
        m_driver = std::make_unique<TestDriver>(1); // with the dump file, to see the wire
        (*m_driver)->set_timeout(400);
        m_transfer = std::make_unique<CScanRepoIf>(GwCore::of(&m_window));
        ASSERT_EQ(m_repo->set_value("DCC", "7", 1), 1); // a changed set: an upload clears it
    }
    void TearDown() override {
        m_transfer.reset();
        m_driver.reset();
        stop();
        QDir::setCurrent(m_before);
    }

    std::string options(const std::string& extra = "") const {
        return "model=RV-4400L;wire=off;delay=0;store=0;memory=" + m_tmp.file("memory.ini") +
               (extra.empty() ? "" : ";" + extra);
    }
    // Powers the scanner up (zepsim: a new process on a new pseudo-terminal) and connects.
    void connect(const std::string& extra = "") {
        std::string port = "SIM";
        if (GetParam() == Host::InProcess)
            reset_sim(options(extra));
        else
            port = m_zepsim.start({"--options", QString::fromStdString(options(extra))});
        ASSERT_FALSE(port.empty());
        CInitMgr::m_sComID = port.c_str();
        ASSERT_EQ(m_transfer->initialize(), 1);
    }
    void stop() {
        m_zepsim.stop();
        CSimPort::ResetDevice();
    }
    // What the scanner holds: a twin powered up from the same memory file.
    std::unique_ptr<CSimScanner> twin() const {
        return std::make_unique<CSimScanner>(sim_options(options()));
    }
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> values;
        for (const GwString& name : parameters_of(*m_repo))
            values[name.str()] = m_repo->value(name, 1).str();
        return values;
    }
    // Every parameter of the repository holds the scanner's coded value (the repository keeps
    // quoted texts without their quotes).
    void expect_repository_holds(const CSimScanner& scanner, bool stored) const {
        for (const GwString& name : parameters_of(*m_repo)) {
            GwString coded =
                stored ? scanner.StoredValue(sim_key(name)) : scanner.Value(sim_key(name));
            if (coded.len() >= 2 && coded[0] == '"')
                coded = coded(1, coded.len() - 2);
            EXPECT_EQ(m_repo->value(name, 1), coded) << name.str();
        }
    }
    std::string dump() const { return TempDir::read(m_tmp.file(CDriver::kDumpFile)); }
    bool dumped(const std::string& lines) const { return dump().find(lines) != std::string::npos; }
    // An upload that stores nothing: the parameter set and its changed mark stay.
    void expect_nothing_stored(const std::map<std::string, std::string>& before) {
        EXPECT_EQ(m_transfer->DataFromScanner(m_repo.get(), 0), nullptr);
        EXPECT_EQ(m_transfer->UploadComplete(), 0);
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(m_repo->HasChanged(), 1);
    }

    TempDir m_tmp;
    QString m_before;
    CommSettings m_settings;
    Zepsim m_zepsim;
    std::unique_ptr<TestDriver> m_driver;
    QMainWindow m_window;
    std::unique_ptr<CScanRepoIf> m_transfer;
    std::unique_ptr<EwRepository> m_repo = zep100_repo();
};

// --- The ordinary road ---------------------------------------------------------------------

TEST_P(Transfer, UploadGivesExactlyTheScannersMemoryOneLinePerGroup) {
    connect();
    EXPECT_EQ(m_transfer->DataFromScanner(m_repo.get(), 0), nullptr);
    EXPECT_EQ(m_transfer->UploadComplete(), 1);
    EXPECT_TRUE(box_texts().empty());
    EXPECT_EQ(m_repo->HasChanged(), 0);
    expect_repository_holds(*twin(), false);
    // Queries in repository order. (Each group's data line shows in the values it gave.)
    EXPECT_TRUE(dumped(">>\x02WL3O\x03\n<<L3O04\n>>\x02WL3L\x03\n<<L3O04L13___\n"
                       ">>\x02WL3U\x03\n<<L3O04U4142\n"));
}

TEST_P(Transfer, DownloadAndStoreChangeTheScannerAndSurviveARestart) {
    connect();
    m_transfer->DataFromScanner(m_repo.get(), 0);
    ASSERT_EQ(m_transfer->UploadComplete(), 1);
    const std::pair<const char*, const char*> values[] = {
        {"DCI", "0042"}, {"L3L", "05-12"}, {"L3C", "1"}, {"L5O", "03"},     {"L5U", "4100"},
        {"CVI", "X Y"},  {"H0E", ""},      {"LKS", "#"}, {"K3F", "414200"}, {"BTNONAME", "1"}};
    for (const auto& [name, value] : values)
        ASSERT_EQ(m_repo->set_value(name, value, 1), 1) << name;
    const auto wanted = snapshot();
    const size_t start = dump().size();
    EXPECT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 1);
    EXPECT_EQ(m_transfer->parameter_set_storing(m_repo.get()), 0);
    // "W1" is answered once "M2" was carried out, and then says: nothing changed since; no
    // write of the command map was refused.
    EXPECT_EQ((*m_driver)->WriteReadFramed("W1").str(), "U0");
    EXPECT_EQ((*m_driver)->WriteReadFramed("WER").str(), "ER00");
    EXPECT_TRUE(box_texts().empty());
    // Texts go out in quotes, others as they are; a rule's code type is written directly, its
    // other fields behind the reply to their query.
    const std::string wire = dump().substr(start);
    for (const char* lines :
         {">>\002CVI\"X Y\"\x03\n", ">>\002H0E\"\"\x03\n", ">>\002DCI0042\x03\n",
          ">>\x02L3O04\x03\n", ">>\x02WL3C\x03\n<<L3O04C2\n>>\x02L3O04C2C1\x03\n"})
        EXPECT_NE(wire.find(lines), std::string::npos) << lines;
    EXPECT_EQ(wire.find(">>\x02WL3O\x03"), std::string::npos);
    expect_repository_holds(*twin(), true);

    stop();
    connect();
    m_repo = zep100_repo();
    EXPECT_EQ(m_transfer->DataFromScanner(m_repo.get(), 0), nullptr);
    EXPECT_EQ(m_transfer->UploadComplete(), 1);
    EXPECT_EQ(snapshot(), wanted);
}

// --- Faults on the line --------------------------------------------------------------------

// Every 40th reply goes wrong. The first two replies answer "W1" and "W0", so replies 40, 80
// and 120 belong to the 38th, 78th and 118th query: those parameters have no reply, and
// nothing is stored.
TEST_P(Transfer, LostGarbledUnstoppedOrOverlongRepliesStoreNothingAndNameTheParameters) {
    const std::vector<GwString> names = parameters_of(*m_repo);
    const std::string missing = names[37].str() + ", " + names[77].str() + ", " + names[117].str();
    const auto before = snapshot();
    for (const char* fault : {"lose", "garble", "nostop", "long"}) {
        SCOPED_TRACE(fault);
        GwScriptedAnswers::reset();
        connect(std::string(fault) + "=40");
        expect_nothing_stored(before);
        EXPECT_EQ(
            box_texts(),
            Strings{CErrorHandler::error_msg(CScanRepoIf::kErrNoReplyUpload, 1).str() + missing});
        EXPECT_EQ(m_transfer->IsConnected(), 1) << "the line itself is still there";
    }
}

TEST_P(Transfer, LateRepliesStoreNothingAndDoNotShiftTheRest) {
    // Every 40th reply comes 150 ms after the time-out. A late reply can pass for the answer
    // of the next query when both have the same reply marker (the fields of one reading
    // rule), so a few more parameters may be named; but the answers do not shift for the rest
    // of the upload, and nothing is stored.
    (*m_driver)->set_timeout(300);
    connect("slowdelay=450;slow=40");
    expect_nothing_stored(snapshot());
    const std::vector<GwString> names = parameters_of(*m_repo);
    ASSERT_EQ(box_texts().size(), 1u);
    const std::string named = ", " + box_texts()[0].substr(box_texts()[0].rfind('\n') + 1) + ",";
    for (int late : {37, 77, 117})
        EXPECT_NE(named.find(", " + names[late].str() + ","), std::string::npos) << late;
    EXPECT_LT(m_transfer->NoReply().count(), 30) << named;
}

TEST_P(Transfer, ScannerVanishingMidUploadEndsItAtOnce) {
    connect("vanish-commands=50"); // "W1", "W0" and 48 queries are answered
    QElapsedTimer clock;
    clock.start();
    expect_nothing_stored(snapshot());
    EXPECT_LT(clock.elapsed(), 10000) << "no time-out per missing parameter";
    EXPECT_EQ(m_transfer->NoReply().count(), 141 - 48);
    ASSERT_EQ(box_texts().size(), 1u) << "one message of this class";
    EXPECT_EQ(
        box_texts()[0].rfind(CErrorHandler::error_msg(CScanRepoIf::kErrNoReplyUpload, 1).str(), 0),
        0u);
    EXPECT_EQ(CallbackRecord::errors.size(), 1u) << "the driver reports the port once";
    EXPECT_EQ((*m_driver)->PortOpen(), 0);
    EXPECT_EQ(m_transfer->IsConnected(), 0);
}

// A download stops at a write the port refuses (the scanner gone after 60 commands, or
// within the second write after 20 bytes) and gives 0; the driver's report says it all.
TEST_P(Transfer, PortGoneMidDownloadEndsItWithTheDriversReport) {
    for (const char* vanish : {"vanish-commands=60", "vanish-bytes=20"}) {
        SCOPED_TRACE(vanish);
        connect(vanish);
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 0);
        EXPECT_LT(clock.elapsed(), 10000);
        EXPECT_EQ(CallbackRecord::errors.size(), 1u);
        EXPECT_TRUE(box_texts().empty());
        EXPECT_EQ(m_repo->HasChanged(), 1) << "the changed mark is the caller's, kept";
        EXPECT_EQ((*m_driver)->PortOpen(), 0);
        EXPECT_EQ(m_transfer->IsConnected(), 0);
        CallbackRecord::errors.clear();
    }
}

TEST_P(Transfer, DependentQueryWithoutReplyStopsTheDownload) {
    // Replies: "W1", "W0", then one per dependent query: L0L, L0U, L0D, ...
    connect("lose=5");
    EXPECT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 0);
    EXPECT_EQ(box_texts(),
              Strings{CErrorHandler::error_msg(CScanRepoIf::kErrNoReplyDownload, 1).str() + "L0D"});
    // Nothing after it went out, and no rule command without its reply in front.
    EXPECT_FALSE(dumped(">>\002D0\x03"));
    EXPECT_FALSE(dumped(">>\002WL0C\x03"));
    EXPECT_EQ(m_transfer->IsConnected(), 1);
}

// --- What the command map cannot do --------------------------------------------------------

// A parameter the map does not know, or knows without a query or a write command, is left
// alone; a value the repository refuses keeps the old one and is warned about once, the others
// are stored.
TEST_P(Transfer, WhatTheMapOrTheRepositoryCannotTakeIsLeftAlone) {
    connect();
    // The ZEP100 map without DCI, and with entries in front that replace the build's (of two
    // entries with one name the first wins): H0C without query, H1E without write command,
    // H0B cutting "B5" out of "H0B5", which the repository refuses.
    std::string map = std::regex_replace(TempDir::read(ZEP_PROGRAM_DIR "/ZEP100/cmd.map"),
                                         std::regex("\nDCI=[^\n]*"), "");
    map.insert(map.find("[StartMapping]\n") + 15,
               "H0C=RW;H0C;;-;H0C;SIMPLE\nH1E=RW;H1E;WH1E;-;;SIMPLE\n"
               "H0B=RW;H0;WH0B;-;H0B;SIMPLE\nH1B=RW;H1;WH1B;-;H1B;SIMPLE\n");
    ASSERT_EQ(m_transfer->CmdMap()->InitializeText(map), 1);
    ASSERT_EQ(m_repo->set_value("DCI", "0777", 1) + m_repo->set_value("H0C", "2", 1) +
                  m_repo->set_value("H0B", "7", 1),
              3);
    EXPECT_EQ(m_transfer->DataFromScanner(m_repo.get(), 0), nullptr);
    EXPECT_EQ(m_transfer->UploadComplete(), 1);
    EXPECT_EQ(box_texts(), Strings{CErrorHandler::warning(11, 0).str()});
    EXPECT_EQ(m_repo->HasChanged(), 0);
    std::string values;
    for (const char* name : {"DCI", "H0C", "H1E", "H0B", "H1B", "RCL"})
        values += m_repo->value(name, 1).str() + " ";
    EXPECT_EQ(values, "0777 2 0 7 5 03 ");
    EXPECT_FALSE(dumped("\x02\x03")) << "no empty query";
    ASSERT_EQ(m_repo->set_value("H1E", "3", 1), 1);
    EXPECT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 1);
    EXPECT_FALSE(dumped("DCI")) << "neither queried nor written";
    EXPECT_FALSE(dumped(">>\0023\x03")) << "no write without command";
    EXPECT_EQ((*m_driver)->WriteReadFramed("WH0C").str(), "H0C2") << "written: it has a command";
}

// --- Verify, progress and cancel -----------------------------------------------------------

// A scanner that refuses one value (the line is fine, the write is simply not taken): the
// download cannot tell, the read-back names exactly that parameter with both values and leaves
// the scanner's values in the comparison values; a scanner that took everything verifies.
TEST_P(Transfer, VerifyNamesTheValueTheScannerRefused) {
    for (const bool refuse : {true, false}) {
        SCOPED_TRACE(refuse ? "refuses DCI" : "takes everything");
        GwScriptedAnswers::reset();
        stop();
        connect(refuse ? "refuse=DCI" : "");
        m_transfer->DataFromScanner(m_repo.get(), 0);
        ASSERT_EQ(m_repo->set_value("DCI", "0042", 1) + m_repo->set_value("L3C", "1", 1), 2);
        m_repo->ResetChanged();
        ASSERT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 1);
        DynGwStringPtrArray differs(10, 10);
        EXPECT_EQ(m_transfer->VerifyScanner(m_repo.get(), differs), refuse ? 0 : 1);
        EXPECT_EQ(texts_of(&differs), refuse ? Strings{"DCI"} : Strings{});
        EXPECT_EQ(box_texts(),
                  refuse
                      ? Strings{CErrorHandler::error_msg(CScanRepoIf::kErrVerifyDiffers, 0).str() +
                                "\nDCI: 42 / 1234"}
                      : Strings{});
        EXPECT_EQ(m_repo->prf_value("DCI", 1).str(), refuse ? "1234" : "0042");
        EXPECT_EQ(m_repo->prf_value("L3C", 1).str(), "1");
        EXPECT_EQ(m_repo->value("DCI", 1).str(), "0042") << "the values are the caller's";
        EXPECT_EQ(m_repo->HasChanged(), 0);
    }
}

TEST_P(Transfer, VerifyOfAVanishingScannerNamesWhatWasNotRead) {
    // "W1", "W0", the upload's 141 queries and 57 of the verify's are answered.
    connect("vanish-commands=200");
    m_transfer->DataFromScanner(m_repo.get(), 0);
    ASSERT_EQ(m_transfer->UploadComplete(), 1);
    DynGwStringPtrArray differs(10, 10);
    EXPECT_EQ(m_transfer->VerifyScanner(m_repo.get(), differs), 0);
    EXPECT_EQ(differs.count(), 0) << "what was read back matches";
    EXPECT_EQ(m_transfer->NoReply().count(), 141 - 57);
    ASSERT_EQ(box_texts().size(), 1u);
    EXPECT_EQ(
        box_texts()[0].rfind(CErrorHandler::error_msg(CScanRepoIf::kErrNoReplyVerify, 1).str(), 0),
        0u);
    EXPECT_EQ(m_transfer->IsConnected(), 0);
}

// The progress callback sees every parameter once, in order, and its 0 cancels: an upload
// takes nothing over, a download stops right after that write, a verify stops reading; none
// of them shows a message.
TEST_P(Transfer, ProgressCountsEveryParameterAndItsAnswerCancels) {
    connect();
    std::vector<std::pair<int, int>> calls;
    int cancel_at = 0;
    m_transfer->SetProgress([&](int done, int total) {
        calls.emplace_back(done, total);
        return done == cancel_at ? 0 : 1;
    });
    m_transfer->DataFromScanner(m_repo.get(), 0);
    ASSERT_EQ(calls.size(), 141u);
    for (size_t i = 0; i < calls.size(); ++i)
        ASSERT_EQ(calls[i], std::make_pair(static_cast<int>(i) + 1, 141));
    EXPECT_EQ(m_transfer->Cancelled(), 0);

    ASSERT_EQ(m_repo->set_value("DCC", "5", 1), 1);
    cancel_at = 7;
    calls.clear();
    expect_nothing_stored(snapshot());
    EXPECT_EQ(calls.size(), 7u);
    EXPECT_EQ(m_transfer->Cancelled(), 1);

    const size_t start = dump().size();
    cancel_at = 10;
    EXPECT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 0);
    EXPECT_EQ(m_transfer->Cancelled(), 1);
    int writes = 0; // frames sent that are not queries
    std::istringstream wire(dump().substr(start));
    for (std::string line; std::getline(wire, line);)
        writes += line.rfind(">>\x02", 0) == 0 && line.size() > 3 && line[3] != 'W' ? 1 : 0;
    EXPECT_EQ(writes, 10);
    DynGwStringPtrArray differs(10, 10);
    cancel_at = 3;
    calls.clear();
    EXPECT_EQ(m_transfer->VerifyScanner(m_repo.get(), differs), 0);
    EXPECT_EQ(calls.size(), 3u);
    EXPECT_EQ(m_transfer->Cancelled(), 1);
    EXPECT_TRUE(box_texts().empty());
}

INSTANTIATE_TEST_SUITE_P(Hosts, Transfer, testing::Values(Host::InProcess, Host::Pty),
                         [](const testing::TestParamInfo<Host>& row) {
                             return row.param == Host::InProcess ? "Sim" : "Pty";
                         });

} // namespace
