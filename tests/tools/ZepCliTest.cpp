// zepcli run as a process, as a technician or a production line runs it: against the
// simulated scanner inside it (port SIM, set up through ZEP_SIM) and against zepsim on
// pseudo-terminals. Each run has a settings file of its own, so no user's settings count.
#include "CErrorHandler.h"
#include "GwCore.h"
#include "GwRcMgr.h"
#include "GwStringPrint.h"
#include "ProgramRun.h"
#include "TempDir.h"
#include "ZepsimProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kFast = "wire=off;delay=0;store=0";

std::string script(const std::string& parameters, const std::string& type = "100") {
    return "[VELT AG, Script ZEP Language]\n[ZEP_Type_Target]\nType=" + type +
           "\nVersion=1.0\n[Parameter]\n" + parameters;
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class ZepCli : public testing::Test {
protected:
    // The message texts in this process too, to compare with what zepcli prints.
    void SetUp() override {
        ASSERT_EQ(GwRcMgr::use(ZEP_PROGRAM_DIR "/zepmain"), 1);
        m_texts.reset(GwRcMgr::load("Error_Warnings", GwCore::of(&m_frame)));
        ASSERT_EQ(CErrorHandler::init(GwCore::of(&m_frame), m_texts.get()), 0);
    }
    void TearDown() override {
        CErrorHandler::cleanup();
        CErrorHandler::_appfrm = nullptr;
        m_texts.reset();
        GwRcMgr::unuse(ZEP_PROGRAM_DIR "/zepmain");
    }
    // zepcli with the test's settings file and the in-process scanner's options.
    ProgramRun zepcli(QStringList args, const std::string& sim = "") const {
        args << "--settings" << QString::fromStdString(m_tmp.file("zepmain.ini"));
        return run_program("zepcli", args, {{"ZEP_SIM", QString::fromStdString(kFast + ";" + sim)}},
                           120000);
    }
    QString file(const std::string& name, const std::string& content) const {
        return QString::fromStdString(m_tmp.write(name, content));
    }
    QString path(const std::string& name) const { return QString::fromStdString(m_tmp.file(name)); }
    // zepsim with a memory file of its own; the device it serves.
    QString zepsim(Zepsim& process, const std::string& memory, const std::string& extra = "") {
        const std::string options = kFast + ";memory=" + m_tmp.file(memory) + extra;
        return QString::fromStdString(
            process.start({"--options", QString::fromStdString(options)}));
    }
    static QJsonObject json(const ProgramRun& run) {
        return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    }

    TempDir m_tmp;
    QWidget m_frame;
    std::unique_ptr<GwCore> m_texts;
};

TEST_F(ZepCli, CommandLineMistakesAreUsageErrors) {
    const std::vector<std::pair<QStringList, std::string>> cases = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command frobnicate"},
        {{"upload"}, "upload takes 1 operand"},
        {{"info", "--store"}, "--store does not go with info"},
        {{"detect", "--save", "--port", "A,B"}, "--save keeps the settings of one port"},
        {{"upload", "x.slp", "--port", "A", "--port", "B"}, "%p"},
        {{"report", "defaults"}, "report needs --pdf"},
        {{"info", "--lang", "44"}, "--lang takes 1, 49 or 33"},
        {{"diff", "scanner", "scanner"}, "not with itself"},
        {{"info", "--port", "SIM", "--line", "9600,X,8,1"}, "--line takes"}};
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const ProgramRun run = zepcli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(has(run.err, message)) << run.err;
    }
    const ProgramRun help = zepcli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(has(help.out, "usage: zepcli"));
}

// Every failure names the program's own message with its number (or the port's code).
TEST_F(ZepCli, InfoAndWhyAConnectionFails) {
    const ProgramRun ok = zepcli({"info", "--port", "SIM"});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_EQ(ok.out, "RV-4400 V2.13, ZEP100, 9600,N,8,1\n");
    const QJsonObject info = json(zepcli({"info", "--port", "SIM", "--json"}, "model=RV-4400L"));
    EXPECT_EQ(info["model"].toString() + info["type"].toString(), "RV-4400LZEP100");
    EXPECT_EQ(info["status"].toInt(), 0);

    struct Case {
        QStringList args;
        std::string sim;
        std::string message;
    };
    const std::string silent = "error E67 " + CErrorHandler::error_msg(67, 0).str();
    const std::vector<Case> cases = {
        {{"--port", "SIM"}, "19200,N,8,1", silent + "\n  SIM 9600,N,8,1"},
        {{"--port", "SIM", "--lang", "49"}, "19200,N,8,1", "error E67 Auf dieser Schnittstelle"},
        {{"--port", "SIM"}, "model=XY-1", "error Initializing of Command-Mapping failed"},
        {{"--port", "/dev/zep-no-such-port"}, "", "error COM Port not available! Code: 1"},
        {{}, "", "error W6 No serial port is selected"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString() + " " + c.sim);
        const ProgramRun run = zepcli(QStringList{"info"} + c.args, c.sim);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(has(run.err, "zepcli: " + c.message)) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

// The stored settings first (19200 here, where the scanner is not), then the search; the
// found settings are kept and the next run uses them.
TEST_F(ZepCli, DetectFindsTheLineSettingsAndSavesThem) {
    const ProgramRun run =
        zepcli({"detect", "--port", "SIM", "--line", "19200,N,8,1", "--save", "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    const QJsonObject found = json(run);
    EXPECT_EQ(found["line"].toString(), "9600,N,8,1");
    EXPECT_EQ(found["model"].toString() + found["version"].toString(), "RV-4400V2.13");
    EXPECT_TRUE(found["saved"].toBool());
    const std::string settings = TempDir::read(m_tmp.file("zepmain.ini"));
    EXPECT_TRUE(has(settings, "COMPORT=SIM;\nBAUDRATE=9600;")) << settings;
    EXPECT_EQ(zepcli({"info"}).status, 0) << "the saved port and settings are used";
}

// The upload command writes the scanner's memory as a script. Every parameter against the
// memory: Transfer.ExchangesTriedDuringAnUploadAreRefused; every value of a script
// loaded back: Zep100Script.RoundTripKeepsEveryValueInEitherForm.
TEST_F(ZepCli, UploadFromZepsimWritesTheScannersMemoryAsAScript) {
    const std::vector<std::string> memory = {"RCL=03",   "DCI=1234", "L3L=13___",
                                             "L3U=4142", "GN=0",     "CVI=\"AB C\"",
                                             "LKS=;",    "K3F=4100", "H0E=\"NO READ\""};
    std::string text = "[Memory]\nL3O=04\n";
    for (const std::string& line : memory)
        text += line + "\n";
    m_tmp.write("memory.ini", text);
    Zepsim sim;
    const ProgramRun run = zepcli({"upload", path("up.slp"), "--port", zepsim(sim, "memory.ini")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, (CErrorHandler::warning(18, 0) + " ").str() + m_tmp.file("up.slp") + "\n");
    const std::string script = TempDir::read(m_tmp.file("up.slp"));
    for (const std::string& line : memory)
        EXPECT_TRUE(has(script, "\n" + line + "\n")) << line;
}

TEST_F(ZepCli, DownloadFailuresSayWhyAndSendOrStoreNothingWrong) {
    struct Case {
        std::string script;
        QStringList options;
        std::string sim;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {script("DCI=0042\n", "200"), {}, "", {"error E32 ", "ZEP200"}},
        {"[Parameter]\nDCI=0042\n", {}, "", {"error E11 "}},
        {script("ROT=1000\n"), {}, "", {"error W11 ", "error E65 "}},
        {script("DCI=0042\n"), {}, "", {}},
        {script("DCI=0042\nRCL=05\n"),
         {"--verify", "--store"},
         "refuse=DCI",
         {"error E61 ", "\n  DCI: 42 / 500", "error E66 "}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script + c.sim);
        const ProgramRun run = zepcli(
            QStringList{"download", file("s.slp", c.script), "--port", "SIM"} + c.options, c.sim);
        if (c.messages.empty()) { // only sent: the text does not claim more
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(run.out, CErrorHandler::warning(71, 0).str() + "\n");
            continue;
        }
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        for (const std::string& message : c.messages)
            EXPECT_TRUE(has(run.err, message)) << message << " in " << run.err;
        EXPECT_FALSE(has(run.err, "W73"));
    }
}

// Two scanners in one call, one vanishing part-way: one line each, in the order given; the
// other scanner is sent the script, read back and stores it in the memory file that zepsim
// reads when it starts again.
TEST_F(ZepCli, SeveralPortsAreServedInParallelAndOneFailureStopsNoOther) {
    const QString in = file("in.slp", script("DCI=0042\n"));
    Zepsim good, vanishing;
    const QString a = zepsim(good, "a");
    const QString b = zepsim(vanishing, "b", ";vanish-commands=40");
    const ProgramRun run = zepcli({"download", in, "--store", "--verify", "--port", a + "," + b});
    EXPECT_EQ(run.status, 1);
    const std::string verified = CErrorHandler::warning(72, 0).str();
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1),
              a.toStdString() + ": ok: " + verified + " " + CErrorHandler::warning(73, 0).str() +
                  "\n");
    EXPECT_TRUE(has(run.out, "\n" + b.toStdString() + ": FAILED: error ")) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
    EXPECT_TRUE(has(run.err, b.toStdString() + ": zepcli: error ")) << run.err;
    EXPECT_TRUE(has(TempDir::read(m_tmp.file("a")), "DCI=0042\n"));
    EXPECT_FALSE(has(TempDir::read(m_tmp.file("b")), "DCI=0042\n"));
}

TEST_F(ZepCli, DiffListsEachDifferenceWithBothValuesAsTexts) {
    const QString in = file("in.slp", script("DCI=0042\nH0B=6\n"));
    ProgramRun run = zepcli({"diff", "defaults", in, "--json"});
    EXPECT_EQ(run.status, 1) << "a difference fails, as diff(1) does";
    const QJsonArray rows = json(run)["differences"].toArray();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(QJsonDocument(rows).toJson(QJsonDocument::Compact).toStdString(),
              "[{\"a\":\"500\",\"b\":\"42\",\"parameter\":\"DCI\"},"
              "{\"a\":\"9600\",\"b\":\"19200\",\"parameter\":\"H0B\"}]");
    // The scanner's side in German, the columns as given.
    run = zepcli({"diff", "scanner", in, "--port", "SIM", "--lang", "49"}, "model=RV-4400L");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Abweichende Parameter: 2\n"
                       "Parameter  Scanner  in.slp\n"
                       "DCI        500      42\n"
                       "H0B        9600     19200\n");
    EXPECT_EQ(zepcli({"diff", in, in}).status, 0);
}

// The reports, as zepreport wrote them before it was folded into zepcli.
TEST_F(ZepCli, ReportWritesTheRtfAndPdfOfTheDefaultsOrAScript) {
    ProgramRun run = zepcli({"report", "defaults", "--type", "ZEP100", "--lang", "49", "--rtf",
                             path("r.rtf"), "--pdf", path("r.pdf")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(has(TempDir::read(m_tmp.file("r.rtf")), "Parameterbericht"));
    EXPECT_EQ(TempDir::read(m_tmp.file("r.pdf")).rfind("%PDF", 0), 0u);
    run = zepcli({"report", file("s.slp", script("H0B=6\n")), "--rtf", path("r.rtf")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(has(TempDir::read(m_tmp.file("r.rtf")), "\\tab 19200 bit/s"));
    for (const QString& bad : {file("s.slp", script("ROT=1000\n")), path("missing.slp")}) {
        run = zepcli({"report", bad, "--rtf", path("x.rtf")});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(has(run.err, "zepcli: error ")) << run.err;
    }
}

} // namespace
