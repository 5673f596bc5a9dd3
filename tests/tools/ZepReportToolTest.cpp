// The support tool zepreport, run as a program from the program directory.
#include "TempDir.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace {

struct ReportRun {
    int status = -1;
    std::string err;
};

ReportRun run_report(const QStringList& args) {
    QProcess process;
    process.start(QString(ZEP_PROGRAM_DIR) + "/zepreport", args);
    ReportRun r;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return r;
    r.status = process.exitCode();
    r.err = process.readAllStandardError().toStdString();
    return r;
}

const QString kType = QString(ZEP_PROGRAM_DIR) + "/ZEP100";

} // namespace

TEST(ZepReportTool, WritesTheRtfReportAndThePrintedOne) {
    TempDir dir;
    const std::string rtf = dir.file("r.rtf");
    const std::string pdf = dir.file("r.pdf");
    const ReportRun r = run_report({"--lang", "49", "--rtf", QString::fromStdString(rtf), "--pdf",
                                    QString::fromStdString(pdf), kType});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string text = TempDir::read(rtf);
    EXPECT_EQ(text.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(text.find("Parameterbericht"), std::string::npos);
    EXPECT_NE(text.find("Typcode 100\\par"), std::string::npos);
    EXPECT_EQ(TempDir::read(pdf).rfind("%PDF", 0), 0u);
}

TEST(ZepReportTool, TakesAScriptAndReportsItsMessages) {
    TempDir dir;
    const std::string script =
        dir.write("s.slp", "[VELT AG, Script ZEP Language]\n[ZEP_Type_Target]\nType=100\n"
                           "[Parameter]\nH0B=6\nROT=1000\n");
    const std::string rtf = dir.file("r.rtf");
    const ReportRun r = run_report(
        {"--script", QString::fromStdString(script), "--rtf", QString::fromStdString(rtf), kType});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(TempDir::read(rtf).find("\\tab 19200 bit/s"), std::string::npos);
    EXPECT_NE(r.err.find("ZEP Error: "), std::string::npos) << "the refused ROT=1000";
}

TEST(ZepReportTool, FailuresAndWrongArguments) {
    TempDir dir;
    EXPECT_EQ(run_report({}).status, 2);
    EXPECT_EQ(run_report({kType}).status, 2); // nothing to write
    EXPECT_EQ(run_report({"--lang", "7", "--rtf", "x.rtf", kType}).status, 2);
    EXPECT_EQ(run_report({"--rtf", QString::fromStdString(dir.file("x.rtf")),
                          QString::fromStdString(dir.dir())})
                  .status,
              1);
    const ReportRun missing =
        run_report({"--script", QString::fromStdString(dir.file("no.slp")), "--rtf",
                    QString::fromStdString(dir.file("x.rtf")), kType});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("no.slp"), std::string::npos);
}
