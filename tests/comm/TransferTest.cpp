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
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
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
        m_noconnect = new QLabel(&m_window);
        m_noconnect->setObjectName("NOCONNECT");
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
    // Powers the scanner up (zepsim: a new process on a new pseudo-terminal) and makes it the
    // port to connect to.
    void power_up(const std::string& extra) {
        CInitMgr::m_sComID =
            GetParam() == Host::InProcess
                ? (reset_sim(options(extra)), "SIM")
                : m_zepsim.start({"--options", QString::fromStdString(options(extra))}).c_str();
    }
    void connect(const std::string& extra = "") {
        power_up(extra);
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
    QLabel* m_noconnect = nullptr; // the indicator of a lost connection
    std::unique_ptr<CScanRepoIf> m_transfer;
    std::unique_ptr<EwRepository> m_repo = zep100_repo();
};

// --- The ordinary road ---------------------------------------------------------------------

TEST_P(Transfer, DownloadAndStoreChangeTheScannersMemory) {
    connect();
    m_transfer->DataFromScanner(m_repo.get(), 0);
    ASSERT_EQ(m_transfer->UploadComplete(), 1);
    const std::pair<const char*, const char*> values[] = {
        {"DCI", "0042"}, {"L3L", "05-12"}, {"L3C", "1"}, {"L5O", "03"},     {"L5U", "4100"},
        {"CVI", "X Y"},  {"H0E", ""},      {"LKS", "#"}, {"K3F", "414200"}, {"BTNONAME", "1"}};
    for (const auto& [name, value] : values)
        ASSERT_EQ(m_repo->set_value(name, value, 1), 1) << name;
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
}

// --- Faults on the line --------------------------------------------------------------------

// Replies that go wrong: every 40th lost, garbled, without stop byte or overlong; one byte of
// a value changed by a line error (its high bit set, the byte moving back from the value's end
// with each such reply), every fifth reply reaching codes, numbers, reading-rule ranges,
// identifiers and fields and quoted texts, the 131st the hex text. Replies 1 and 2 answer "W1"
// and "W0". Exactly the parameters with a reply gone wrong are named, and nothing is stored.
TEST_P(Transfer, RepliesGoneWrongStoreNothingAndNameTheParameters) {
    const std::vector<GwString> names = parameters_of(*m_repo);
    const auto before = snapshot();
    const std::pair<const char*, size_t> faults[] = {{"lose", 40},        {"garble", 40},
                                                     {"nostop", 40},      {"long", 40},
                                                     {"garble-value", 5}, {"garble-value", 131}};
    for (const auto& [fault, every] : faults) {
        SCOPED_TRACE(std::string(fault) + "=" + std::to_string(every));
        GwScriptedAnswers::reset();
        connect(std::string(fault) + "=" + std::to_string(every));
        expect_nothing_stored(before);
        std::string wrong;
        for (size_t k = 0; k < names.size(); ++k)
            if ((k + 3) % every == 0)
                wrong += (wrong.empty() ? "" : ", ") + names[k].str();
        EXPECT_EQ(
            box_texts(),
            Strings{CErrorHandler::error_msg(CScanRepoIf::kErrNoReplyUpload, 1).str() + wrong});
        EXPECT_EQ(m_transfer->IsConnected(), 1) << "the line itself is still there";
    }
}

// A timer that tries exchanges of its own during an upload (as a click or a window's timer
// could) is refused at every try: nothing is sent, read or reopened, each query still gets its
// own reply, and the refusals are reported only after the read that was waiting (an error box
// inside the wait would hold it past its time-out).
TEST_P(Transfer, ExchangesTriedDuringAnUploadAreRefused) {
    connect("delay=5"); // each query waits for its reply
    QTimer timer;
    int tries = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const size_t reported = CallbackRecord::errors.size();
        const std::string got = (*m_driver)->WriteReadFramed("W1").str() +
                                (*m_driver)->ReadFramed().str() + (*m_driver)->Read().str();
        const int done = (*m_driver)->WriteFramed("M2") + (*m_driver)->WriteACK() +
                         (*m_driver)->initialise(CInitMgr::m_sComID, "9600,N,8,1");
        tries += got.empty() && done == 0 && CallbackRecord::errors.size() == reported ? 1 : -1000;
    });
    timer.start(2);
    m_transfer->DataFromScanner(m_repo.get(), 0);
    timer.stop();
    EXPECT_EQ(m_transfer->UploadComplete(), 1);
    expect_repository_holds(*twin(), false);
    EXPECT_GT(tries, 10);
    EXPECT_EQ(dump().find(">>\x02W1\x03"), dump().rfind(">>\x02W1\x03")) << "only the connection's";
    EXPECT_FALSE(dumped("M2") || dumped(">>\x06"));
    EXPECT_EQ(std::set<std::string>(CallbackRecord::errors.begin(), CallbackRecord::errors.end()),
              std::set<std::string>{"Port busy with another exchange! Code: 11"});
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

// A scanner (or a line) that sends without end and without a stop byte cannot hold a
// connection attempt: each framed read ends once the longest message could have come (here
// 400 ms + 4098 characters at 38400 baud, 1.5 s), long before the 30000 characters have.
TEST_P(Transfer, FloodWithoutStopByteEndsAConnectWithinTheBound) {
    CInitMgr::m_sComBaudrate = "38400";
    power_up("line=38400,N,8,1;wire=on;flood=1");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(m_transfer->initialize(), 0);
    const qint64 ms = clock.elapsed();
    EXPECT_GE(ms, 2 * 1467) << "the reply to W1 and one more read, each up to its bound";
    EXPECT_LT(ms, 6000) << "the flood lasts 7.8 s";
    EXPECT_EQ((*m_driver)->TimeoutReached(), 1);
}

// The scanner gone mid-upload (after answering "W1", "W0" and 48 queries), mid-download (after
// 60 commands, or within the second write after 20 bytes), before storing (after the
// connection's "W0") or mid-verify (after the upload's 141 queries and 57 of the verify's): the
// step ends at once, not with a time-out per parameter; the driver reports the port once, with
// the code of a device that went away on either kind of port; nothing is stored, the changed
// mark stays, what was read back matches and the rest is named, and the window shows the
// connection as lost.
TEST_P(Transfer, ScannerGoneMidTransferEndsItWithOneReport) {
    const std::pair<const char*, char> rows[] = {{"vanish-commands=50", 'U'},
                                                 {"vanish-commands=60", 'D'},
                                                 {"vanish-bytes=20", 'D'},
                                                 {"vanish-commands=2", 'S'},
                                                 {"vanish-commands=200", 'V'}};
    const auto before = snapshot();
    for (const auto& [vanish, step] : rows) {
        SCOPED_TRACE(vanish);
        GwScriptedAnswers::reset();
        CallbackRecord::errors.clear();
        connect(vanish);
        QElapsedTimer clock;
        clock.start();
        if (step == 'U') {
            expect_nothing_stored(before);
            EXPECT_EQ(m_transfer->NoReply().count(), 141 - 48);
            EXPECT_EQ(box_texts().size(), 1u) << "error 59, once";
        } else if (step == 'V') {
            m_transfer->DataFromScanner(m_repo.get(), 0);
            DynGwStringPtrArray differs(10, 10);
            EXPECT_EQ(m_transfer->VerifyScanner(m_repo.get(), differs), 0);
            EXPECT_EQ(differs.count(), 0);
            EXPECT_EQ(m_transfer->NoReply().count(), 141 - 57);
            EXPECT_EQ(box_texts().size(), 1u);
            EXPECT_EQ(box_texts()[0].rfind(
                          CErrorHandler::error_msg(CScanRepoIf::kErrNoReplyVerify, 1).str(), 0),
                      0u);
        } else {
            EXPECT_EQ(step == 'D' ? m_transfer->Repo2Scanner(m_repo.get(), 0)
                                  : m_transfer->parameter_set_storing(m_repo.get()),
                      0);
            EXPECT_TRUE(box_texts().empty());
            EXPECT_EQ(m_repo->HasChanged(), 1) << "the changed mark is the caller's, kept";
        }
        EXPECT_LT(clock.elapsed(), 10000);
        ASSERT_EQ(CallbackRecord::errors.size(), 1u);
        EXPECT_TRUE(std::regex_match(CallbackRecord::errors[0], std::regex("[A-Za-z]+: 6")))
            << CallbackRecord::errors[0];
        EXPECT_EQ((*m_driver)->PortOpen(), 0);
        EXPECT_EQ(m_transfer->IsConnected(), 0);
        EXPECT_FALSE(m_noconnect->isHidden());
    }
}

// A dependent query without a reply that counts (lost, or with a value byte changed) stops
// the download before the write that would put the reply in front of its value, and before
// anything behind it.
TEST_P(Transfer, DependentQueryWithoutAReplyThatCountsStopsTheDownload) {
    // Replies: "W1", "W0", then one per dependent query: L0L, L0U, L0D, ...
    const char* const rows[][2] = {{"lose=5", "L0D"}, {"garble-value=3", "L0L"}};
    for (const auto& [fault, name] : rows) {
        SCOPED_TRACE(fault);
        GwScriptedAnswers::reset();
        connect(fault);
        EXPECT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 0);
        EXPECT_EQ(
            box_texts(),
            Strings{CErrorHandler::error_msg(CScanRepoIf::kErrNoReplyDownload, 1).str() + name});
        const std::string wire = dump().substr(dump().rfind(">>\x02W" + std::string(name)));
        EXPECT_EQ(wire.find(">>", 2), std::string::npos) << "nothing sent after the query";
        EXPECT_EQ(m_transfer->IsConnected(), 1);
    }
}

// --- What the command map cannot do --------------------------------------------------------

// A parameter the map does not know, or knows without a query or a write command, is left
// alone. (A value its parameter refuses: the reply does not count, as the connection tests'
// table of replies shows.)
TEST_P(Transfer, WhatTheMapCannotDoIsLeftAlone) {
    connect();
    // The ZEP100 map without DCI, and with entries in front that replace the build's (of two
    // entries with one name the first wins): H0C without query, H1E without write command.
    std::string map = std::regex_replace(TempDir::read(ZEP_PROGRAM_DIR "/ZEP100/cmd.map"),
                                         std::regex("\nDCI=[^\n]*"), "");
    map.insert(map.find("[StartMapping]\n") + 15,
               "H0C=RW;H0C;;-;H0C;SIMPLE\nH1E=RW;H1E;WH1E;-;;SIMPLE\n");
    ASSERT_EQ(m_transfer->CmdMap()->InitializeText(map), 1);
    ASSERT_EQ(m_repo->set_value("DCI", "0777", 1) + m_repo->set_value("H0C", "2", 1), 2);
    EXPECT_EQ(m_transfer->DataFromScanner(m_repo.get(), 0), nullptr);
    EXPECT_EQ(m_transfer->UploadComplete(), 1);
    EXPECT_TRUE(box_texts().empty());
    std::string values;
    for (const char* name : {"DCI", "H0C", "H1E", "RCL"})
        values += m_repo->value(name, 1).str() + " ";
    EXPECT_EQ(values, "0777 2 0 03 ");
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
// the scanner's values in the comparison values. (A scanner that took everything verifies:
// FrameTransfer.EachDownloadMode.)
TEST_P(Transfer, VerifyNamesTheValueTheScannerRefused) {
    connect("refuse=DCI");
    m_transfer->DataFromScanner(m_repo.get(), 0);
    ASSERT_EQ(m_repo->set_value("DCI", "0042", 1) + m_repo->set_value("L3C", "1", 1), 2);
    m_repo->ResetChanged();
    ASSERT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 1);
    DynGwStringPtrArray differs(10, 10);
    EXPECT_EQ(m_transfer->VerifyScanner(m_repo.get(), differs), 0);
    EXPECT_EQ(texts_of(&differs), Strings{"DCI"});
    EXPECT_EQ(box_texts(),
              Strings{CErrorHandler::error_msg(CScanRepoIf::kErrVerifyDiffers, 0).str() +
                      "\nDCI: 42 / 1234"});
    EXPECT_EQ(m_repo->prf_value("DCI", 1).str(), "1234");
    EXPECT_EQ(m_repo->prf_value("L3C", 1).str(), "1");
    EXPECT_EQ(m_repo->value("DCI", 1).str(), "0042") << "the values are the caller's";
    EXPECT_EQ(m_repo->HasChanged(), 0);
}

// The progress callback sees every parameter once, in order, and its 0 cancels: a download
// stops right after that write, a verify stops reading; neither shows a message.
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
    // (A cancelled upload takes nothing over: FrameTransfer.AnUploadThatTakesNothingOver...)
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
