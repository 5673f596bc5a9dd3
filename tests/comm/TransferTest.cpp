// Connect, upload, download and store against a simulated scanner, in two variants of one
// fixture: the scanner inside the process (port "SIM") and zepsim on a pseudo-terminal (the
// real serial stack). The scanner keeps its permanent memory in a file, which both variants
// read at power-up and write on "M2". Faults on the line - lost, garbled, cut and endless
// replies, a scanner that vanishes - never crash, hang or corrupt the parameter set.
#include "CErrorHandler.h"
#include "CScanRepoBuilder.h"
#include "CScanRepoIf.h"
#include "CSimScanner.h"
#include "CommTestSupport.h"
#include "EwRepository.h"
#include "GwScriptedAnswers.h"
#include "TempDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// Where the scanner runs; the fixture talks to it only through its port name.
class ScannerHost {
public:
    virtual ~ScannerHost() = default;
    // Powers the scanner up with the options (the CSimOptions text); gives its port name, or
    // empty when it could not be started.
    virtual std::string start(const std::string& options) = 0;
    virtual void stop() = 0;
};

class InProcessHost : public ScannerHost {
public:
    ~InProcessHost() override { stop(); }
    std::string start(const std::string& options) override {
        reset_sim(options);
        return "SIM";
    }
    void stop() override { CSimPort::ResetDevice(); }
};

class ZepsimHost : public ScannerHost {
public:
    ~ZepsimHost() override { stop(); }
    std::string start(const std::string& options) override {
        stop();
        m_process.start(ZEP_PROGRAM_DIR "/zepsim", {"--options", QString::fromStdString(options)});
        if (!m_process.waitForStarted(10000))
            return "";
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(10000))
                return "";
        }
        return m_process.readLine().trimmed().toStdString();
    }
    void stop() override {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

private:
    QProcess m_process;
};

enum class Host { InProcess, Pty };

std::string host_name(const testing::TestParamInfo<Host>& info) {
    return info.param == Host::InProcess ? "Sim" : "Pty";
}

// Coded values unlike the factory ones, as the scanner keeps them: a number, a reading rule
// with its dependent fields, quoted texts with blanks, a hex text, an unnamed parameter.
const char* const kMemory = "[Memory]\n"
                            "RCL=03\nDCI=1234\nL3O=04\nL3L=13___\nL3U=4142\nL3C=2\nL3H=1\n"
                            "L9L=05-12\nROT=0900\nLTM=00000\nCVI=\"AB C\"\nCVM=\"P?@\"\n"
                            "H0E=\"NO READ\"\nH1B=6\nGN=0\nFD=0250\nLKS=;\nK3F=4100\n";

// The scanner's key of a parameter (GNNONAME is GN) and the repository's form of a coded
// value (quoted texts without their quotes).
GwString key_of(const GwString& name) {
    return name.ends_with("NONAME") ? name(0, name.len() - 7) : name;
}
std::string repo_form(const GwString& coded) {
    if (coded.len() >= 2 && coded[0] == '"')
        return coded(1, coded.len() - 2).str();
    return coded.str();
}

class Transfer : public testing::TestWithParam<Host> {
protected:
    void SetUp() override {
        m_before = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(m_tmp.path().string())));
        m_tmp.write("memory.ini", kMemory);
        if (GetParam() == Host::InProcess)
            m_host = std::make_unique<InProcessHost>();
        else
            m_host = std::make_unique<ZepsimHost>();
        m_driver = std::make_unique<TestDriver>(1); // with the dump file, to see the wire
        (*m_driver)->set_timeout(400);
        m_window.setObjectName("ZEP Utility");
        for (const char* id : {"OFFLINE", "NOCONNECT", "CONNECT"})
            (new QLabel(id, &m_window))->setObjectName(id);
        m_transfer = std::make_unique<CScanRepoIf>(GwCore::of(&m_window));
        m_repo = new_repo();
    }
    void TearDown() override {
        m_transfer.reset();
        m_driver.reset();
        m_host.reset();
        CScanRepoIf::m_sConnectedScanner = "";
        QDir::setCurrent(m_before);
    }

    static std::unique_ptr<EwRepository> new_repo() {
        CScanRepoBuilder builder;
        return std::unique_ptr<EwRepository>(
            builder.build_repo(GwString(ZEP_PROGRAM_DIR) + "/ZEP100/Profile.zep"));
    }
    std::string options(const std::string& extra = "") const {
        std::string text =
            "model=RV-4400L;wire=off;delay=0;store=0;memory=" + m_tmp.file("memory.ini");
        return extra.empty() ? text : text + ";" + extra;
    }
    // Starts the scanner and connects to it.
    void connect(const std::string& extra = "") {
        const std::string port = m_host->start(options(extra));
        ASSERT_FALSE(port.empty());
        CInitMgr::m_sComID = port.c_str();
        ASSERT_EQ(m_transfer->initialize(), 1);
    }
    // What the scanner holds: a twin powered up from the same memory file.
    std::unique_ptr<CSimScanner> twin() const {
        CSimOptions o;
        GwString error;
        EXPECT_TRUE(o.Parse(options().c_str(), error)) << error.str();
        return std::make_unique<CSimScanner>(o);
    }
    std::vector<GwString> parameters() const {
        std::vector<GwString> out;
        std::unique_ptr<DynGwStringPtrArray> groups(m_repo->list_of_names());
        for (int g = 0; g < groups->count(); ++g) {
            std::unique_ptr<DynGwStringPtrArray> names(
                m_repo->list_of_param_names(*groups->get(g)));
            for (int i = 0; i < names->count(); ++i)
                out.push_back(*names->get(i));
        }
        return out;
    }
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> values;
        for (const GwString& name : parameters())
            values[name.str()] = m_repo->value(name, 1).str();
        return values;
    }
    // Every parameter of the repository holds the scanner's coded value.
    void expect_repository_holds(const CSimScanner& scanner, bool stored) const {
        for (const GwString& name : parameters()) {
            const GwString key = key_of(name);
            const GwString coded = stored ? scanner.StoredValue(key) : scanner.Value(key);
            EXPECT_EQ(m_repo->value(name, 1).str(), repo_form(coded)) << name.str();
        }
    }
    std::string dump() const { return TempDir::read(m_tmp.file(CDriver::kDumpFile)); }
    static std::vector<std::string> boxes() {
        std::vector<std::string> texts;
        for (const auto& shown : GwScriptedAnswers::shown())
            if (shown.kind == GwScriptedAnswers::Box)
                texts.push_back(shown.text.str());
        return texts;
    }
    std::string no_reply() const {
        std::string names;
        for (int i = 0; i < m_transfer->NoReply().count(); ++i)
            names += (i ? "," : "") + m_transfer->NoReply().get(i)->str();
        return names;
    }
    bool connect_shown() const { return !m_window.findChild<QLabel*>("CONNECT")->isHidden(); }

    // A program directory of its own whose ZEP100 command map is the build's with the given
    // entries replaced (an empty value removes the entry).
    void use_map(const std::map<std::string, std::string>& entries) {
        std::ifstream in(std::string(ZEP_PROGRAM_DIR) + "/ZEP100/cmd.map");
        std::string text, line;
        while (std::getline(in, line)) {
            const std::string key = line.substr(0, line.find('='));
            const auto it = entries.find(key);
            if (it == entries.end())
                text += line + "\n";
            else if (!it->second.empty())
                text += key + "=" + it->second + "\n";
        }
        m_tmp.write("prog/ZEP100/cmd.map", text);
        CInitMgr::m_sProgramDir = (m_tmp.dir() + "prog/").c_str();
    }

    // Every 40th reply of the scanner goes wrong the way fault says ("lose", "garble", ...).
    // The first two replies answer "W1" and "W0", so replies 40, 80 and 120 belong to the
    // 38th, 78th and 118th query: those parameters have no reply, and nothing is stored.
    void upload_with(const std::string& fault) {
        connect(fault + "=40");
        ASSERT_EQ(m_repo->set_value("DCC", "7", 1), 1);
        const auto before = snapshot();
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(m_transfer->DataFromScanner(m_repo.get(), 0), nullptr);
        EXPECT_LT(clock.elapsed(), 20000);
        const std::vector<GwString> names = parameters();
        EXPECT_EQ(no_reply(), names[37].str() + "," + names[77].str() + "," + names[117].str());
        EXPECT_EQ(m_transfer->UploadComplete(), 0);
        EXPECT_EQ(snapshot(), before) << "nothing is stored";
        EXPECT_EQ(m_repo->HasChanged(), 1) << "the changed mark stays";
        const std::string message =
            CErrorHandler::error_msg(CScanRepoIf::kErrNoReplyUpload, 1).str() + names[37].str() +
            ", " + names[77].str() + ", " + names[117].str();
        EXPECT_EQ(boxes(), std::vector<std::string>{message});
        EXPECT_EQ(m_transfer->IsConnected(), 1) << "the line itself is still there";
        // The next upload, with the faults past, takes everything.
        GwScriptedAnswers::reset();
    }

    TempDir m_tmp;
    QString m_before;
    CommSettings m_settings;
    std::unique_ptr<ScannerHost> m_host;
    std::unique_ptr<TestDriver> m_driver;
    QMainWindow m_window;
    std::unique_ptr<CScanRepoIf> m_transfer;
    std::unique_ptr<EwRepository> m_repo;
};

// --- The ordinary road ---------------------------------------------------------------------

TEST_P(Transfer, ConnectsAndTakesTheLongRangeModelForItsBase) {
    connect();
    EXPECT_EQ(CScanRepoIf::ConnectedScanner().str(), "RV-4400L");
    EXPECT_EQ(m_transfer->IsConnected(), 1);
    EXPECT_TRUE(connect_shown());
    EXPECT_EQ((*m_driver)->GetMode(), 1);
    EXPECT_EQ(m_transfer->CompareScanner().str(), "RV-4400");
    EXPECT_TRUE(boxes().empty());
}

TEST_P(Transfer, UploadGivesExactlyTheScannersMemory) {
    connect();
    ASSERT_EQ(m_repo->set_value("DCC", "7", 1), 1);
    ASSERT_EQ(m_repo->HasChanged(), 1);
    EXPECT_EQ(m_transfer->DataFromScanner(m_repo.get(), 0), nullptr);
    EXPECT_EQ(m_transfer->UploadComplete(), 1);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(m_repo->HasChanged(), 0);
    expect_repository_holds(*twin(), false);
    if (GetParam() == Host::InProcess)
        expect_repository_holds(CSimPort::Device(), false);
    EXPECT_EQ(m_repo->value("H0E", 1).str(), "NO READ");
    EXPECT_EQ(m_repo->value("L3U", 0).str(), "A B");
}

TEST_P(Transfer, UploadAsksInRepositoryOrderAndBuildsOneLinePerGroup) {
    connect();
    const GwString line = m_transfer->CombineGroupFromScanner(m_repo.get(), "L3");
    EXPECT_EQ(line.str(), "3L3O04L13___U4142D0C2S0A0H1");
    EXPECT_NE(dump().find(">>\x02WL3O\x03\n<<L3O04\n>>\x02WL3L\x03\n<<L3O04L13___\n"
                          ">>\x02WL3U\x03\n<<L3O04U4142\n"),
              std::string::npos);
    EXPECT_EQ(m_transfer->CombineGroupFromScanner(m_repo.get(), "GN").str(), "3GN0");
    EXPECT_EQ(m_transfer->CombineGroupFromScanner(m_repo.get(), "CV").str(),
              "3CVA0I\"AB C\"M\"P?@\"OA");
}

TEST_P(Transfer, DownloadAndStoreChangeTheScannerAndSurviveARestart) {
    connect();
    ASSERT_EQ(m_repo->set_value("DCI", "0042", 1), 1);
    ASSERT_EQ(m_repo->set_value("L3L", "05-12", 1), 1);
    ASSERT_EQ(m_repo->set_value("L3C", "1", 1), 1);
    ASSERT_EQ(m_repo->set_value("L5O", "03", 1), 1);
    ASSERT_EQ(m_repo->set_value("L5U", "4100", 1), 1);
    ASSERT_EQ(m_repo->set_value("CVI", "X Y", 1), 1);
    ASSERT_EQ(m_repo->set_value("H0E", "", 1), 1);
    ASSERT_EQ(m_repo->set_value("K3F", "414200", 1), 1);
    ASSERT_EQ(m_repo->set_value("BTNONAME", "1", 1), 1);
    ASSERT_EQ(m_repo->set_value("LKS", "#", 1), 1);
    const auto wanted = snapshot();

    EXPECT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 1);
    EXPECT_EQ(m_transfer->parameter_set_storing(m_repo.get()), 0);
    // "W1" is answered once "M2" was carried out, and then says: nothing changed since.
    EXPECT_EQ((*m_driver)->WriteReadFramed("W1").str(), "U0");
    EXPECT_TRUE(boxes().empty());
    auto stored = twin();
    EXPECT_EQ(stored->StoredValue("DCI").str(), "0042");
    EXPECT_EQ(stored->StoredValue("L3L").str(), "05-12");
    EXPECT_EQ(stored->StoredValue("L3C").str(), "1");
    EXPECT_EQ(stored->StoredValue("CVI").str(), "\"X Y\"");
    EXPECT_EQ(stored->StoredValue("H0E").str(), "\"\"");
    EXPECT_EQ(stored->StoredValue("K3F").str(), "414200");
    EXPECT_EQ(stored->StoredValue("BT").str(), "1");
    expect_repository_holds(*stored, true);

    // Off and on again (zepsim: a new process on a new pseudo-terminal), and read back.
    m_host->stop();
    connect();
    m_repo = new_repo();
    EXPECT_EQ(m_transfer->DataFromScanner(m_repo.get(), 0), nullptr);
    EXPECT_EQ(m_transfer->UploadComplete(), 1);
    EXPECT_EQ(snapshot(), wanted);
}

TEST_P(Transfer, DependentParametersAreQueriedFirstAndWrittenBehindTheReply) {
    connect();
    m_transfer->DataFromScanner(m_repo.get(), 0);
    ASSERT_EQ(m_transfer->UploadComplete(), 1);
    ASSERT_EQ(m_repo->set_value("L3C", "0", 1), 1);
    const size_t start = dump().size();
    ASSERT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 1);
    const std::string wire = dump().substr(start);
    EXPECT_NE(wire.find(">>\x02WL3C\x03\n<<L3O04C2\n>>\x02L3O04C2C0\x03\n"), std::string::npos);
    // The code type itself is written directly, without a query.
    EXPECT_NE(wire.find(">>\x02L3O04\x03\n"), std::string::npos);
    EXPECT_EQ(wire.find(">>\x02WL3O\x03"), std::string::npos);
    EXPECT_EQ((*m_driver)->WriteReadFramed("WL3").str(), "L3O04L13___U4142D0C0S0A0H1");
}

TEST_P(Transfer, StringParametersGoOutInDoubleQuotes) {
    connect();
    ASSERT_EQ(m_repo->set_value("CVI", "AB C", 1), 1);
    ASSERT_EQ(m_repo->set_value("CVM", "", 1), 1);
    ASSERT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 1);
    EXPECT_NE(dump().find(">>\x02"
                          "CVI\"AB C\"\x03\n"),
              std::string::npos);
    EXPECT_NE(dump().find(">>\x02"
                          "CVM\"\"\x03\n"),
              std::string::npos);
    EXPECT_NE(dump().find(">>\x02"
                          "DCI0500\x03\n"),
              std::string::npos)
        << "others unquoted";
}

// --- Faults on the line --------------------------------------------------------------------

TEST_P(Transfer, LostRepliesStoreNothingAndNameTheParameters) {
    upload_with("lose");
}

TEST_P(Transfer, GarbledRepliesStoreNothingAndNameTheParameters) {
    upload_with("garble");
}

TEST_P(Transfer, RepliesWithoutStopByteStoreNothingAndNameTheParameters) {
    upload_with("nostop");
}

TEST_P(Transfer, RepliesLongerThanThePortQueueStoreNothingAndNameTheParameters) {
    upload_with("long");
}

TEST_P(Transfer, LateRepliesStoreNothingAndDoNotShiftTheRest) {
    // Every 40th reply comes 150 ms after the time-out. A late reply can pass for the answer of the
    // next query when both have the same reply marker (the fields of one reading rule), so
    // a few more parameters may be named; but the answers do not shift for the rest of the
    // upload, and nothing is stored.
    (*m_driver)->set_timeout(300);
    connect("slowdelay=450;slow=40");
    ASSERT_EQ(m_repo->set_value("DCC", "7", 1), 1);
    const auto before = snapshot();
    EXPECT_EQ(m_transfer->DataFromScanner(m_repo.get(), 0), nullptr);
    const std::vector<GwString> names = parameters();
    const std::string missing = "," + no_reply() + ",";
    for (int late : {37, 77, 117})
        EXPECT_NE(missing.find("," + names[late].str() + ","), std::string::npos) << late;
    EXPECT_LT(m_transfer->NoReply().count(), 30) << no_reply();
    EXPECT_EQ(m_transfer->UploadComplete(), 0);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(m_repo->HasChanged(), 1);
}

TEST_P(Transfer, ScannerVanishingMidUploadEndsItAtOnce) {
    connect("vanish-commands=50"); // "W1", "W0" and 48 queries are answered
    const auto before = snapshot();
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(m_transfer->DataFromScanner(m_repo.get(), 0), nullptr);
    EXPECT_LT(clock.elapsed(), 10000) << "no time-out per missing parameter";
    EXPECT_EQ(m_transfer->UploadComplete(), 0);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(m_transfer->NoReply().count(), 141 - 48);
    const std::vector<std::string> shown = boxes();
    ASSERT_EQ(shown.size(), 1u) << "one message of this class";
    EXPECT_EQ(shown[0].rfind(CErrorHandler::error_msg(CScanRepoIf::kErrNoReplyUpload, 1).str(), 0),
              0u);
    ASSERT_EQ(CallbackRecord::errors().size(), 1u) << "the driver reports the port once";
    const std::string& error = CallbackRecord::errors()[0];
    EXPECT_TRUE(error.rfind("ClearCommError: ", 0) == 0 || error.rfind("ReadFile: ", 0) == 0 ||
                error.rfind("WriteFile: ", 0) == 0)
        << error;
    EXPECT_EQ((*m_driver)->PortOpen(), 0);
    EXPECT_EQ(m_transfer->IsConnected(), 0);
    EXPECT_FALSE(connect_shown());
}

TEST_P(Transfer, ScannerVanishingMidDownloadEndsItWithAnError) {
    connect("vanish-commands=60");
    ASSERT_EQ(m_repo->set_value("DCC", "7", 1), 1);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 0);
    EXPECT_LT(clock.elapsed(), 10000);
    ASSERT_EQ(CallbackRecord::errors().size(), 1u);
    EXPECT_TRUE(boxes().empty()) << "the driver's report says it all";
    EXPECT_EQ(m_repo->HasChanged(), 1);
    EXPECT_EQ(m_transfer->IsConnected(), 0);
}

TEST_P(Transfer, DependentQueryWithoutReplyStopsTheDownload) {
    // Replies: "W1", "W0", then one per dependent query: L0L, L0U, L0D, ...
    connect("lose=5");
    EXPECT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 0);
    EXPECT_EQ(boxes(),
              std::vector<std::string>{
                  CErrorHandler::error_msg(CScanRepoIf::kErrNoReplyDownload, 1).str() + "L0D"});
    // Nothing after it went out, and no rule command without its reply in front.
    EXPECT_EQ(dump().find(">>\x02"
                          "D0\x03"),
              std::string::npos);
    EXPECT_EQ(dump().find(">>\x02"
                          "WL0C\x03"),
              std::string::npos);
    EXPECT_EQ(m_transfer->IsConnected(), 1);
}

// --- What the command map cannot do --------------------------------------------------------

TEST_P(Transfer, ParameterTheMapDoesNotKnowIsNeitherQueriedNorWritten) {
    use_map({{"DCI", ""}, {"H0C", "RW;H0C;;-;H0C;SIMPLE"}, {"H1E", "RW;H1E;WH1E;-;;SIMPLE"}});
    connect();
    ASSERT_EQ(m_repo->set_value("DCI", "0777", 1), 1);
    ASSERT_EQ(m_repo->set_value("H0C", "2", 1), 1);
    EXPECT_EQ(m_transfer->DataFromScanner(m_repo.get(), 0), nullptr);
    EXPECT_EQ(m_transfer->UploadComplete(), 1);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(m_repo->value("DCI", 1).str(), "0777") << "no entry: left as it was";
    EXPECT_EQ(m_repo->value("H0C", 1).str(), "2") << "no query command: left as it was";
    EXPECT_EQ(m_repo->value("DCC", 1).str(), "2") << "the others are read";
    EXPECT_EQ(m_repo->value("H1B", 1).str(), "6");
    EXPECT_EQ(dump().find("DCI"), std::string::npos);
    EXPECT_EQ(dump().find("\x02\x03"), std::string::npos) << "no empty query";

    ASSERT_EQ(m_repo->set_value("H1E", "3", 1), 1);
    EXPECT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 1);
    EXPECT_EQ(dump().find("DCI"), std::string::npos) << "not written either";
    EXPECT_EQ(dump().find(">>\x02"
                          "3\x03"),
              std::string::npos)
        << "no write without command";
    EXPECT_EQ((*m_driver)->WriteReadFramed("WDCI").str(), "DCI=1234");
    EXPECT_EQ((*m_driver)->WriteReadFramed("WH1E").str(), "H1E0");
    EXPECT_EQ((*m_driver)->WriteReadFramed("WH0C").str(), "H0C2") << "written: it has a command";
}

TEST_P(Transfer, ValueTheRepositoryRefusesKeepsItsOldValueAndWarnsOnce) {
    use_map({{"H0B", "RW;H0;WH0B;-;H0B;SIMPLE"}, {"H1B", "RW;H1;WH1B;-;H1B;SIMPLE"}});
    connect();
    ASSERT_EQ(m_repo->set_value("H0B", "7", 1), 1);
    EXPECT_EQ(m_transfer->DataFromScanner(m_repo.get(), 0), nullptr);
    EXPECT_EQ(boxes(), std::vector<std::string>{CErrorHandler::warning(11, 0).str()});
    EXPECT_EQ(m_transfer->UploadComplete(), 1) << "the other values are stored";
    EXPECT_EQ(m_repo->value("H0B", 1).str(), "7");
    EXPECT_EQ(m_repo->value("DCI", 1).str(), "1234");
    EXPECT_EQ(m_repo->HasChanged(), 0);
}

TEST_P(Transfer, WriteThatFailsEndsTheDownloadWithAnError) {
    // 8 bytes connect; the scanner is gone within the second write of the download.
    connect("vanish-bytes=20");
    ASSERT_EQ(m_repo->set_value("DCC", "7", 1), 1);
    EXPECT_EQ(m_transfer->Repo2Scanner(m_repo.get(), 0), 0);
    ASSERT_EQ(CallbackRecord::errors().size(), 1u);
    if (GetParam() == Host::InProcess) {
        EXPECT_EQ(CallbackRecord::errors()[0], "WriteFile: 6");
    }
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(m_repo->HasChanged(), 1) << "the changed mark is the caller's, kept on failure";
    EXPECT_EQ((*m_driver)->PortOpen(), 0);
    EXPECT_EQ(m_transfer->IsConnected(), 0);
}

INSTANTIATE_TEST_SUITE_P(Hosts, Transfer, testing::Values(Host::InProcess, Host::Pty), host_name);

} // namespace
