// The support tool zepreport, run as a program from the program directory.
#include "ProgramRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {
const QString kType = QString(ZEP_PROGRAM_DIR) + "/ZEP100";
} // namespace

TEST(ZepReportTool, WritesTheReportsFromTheDefaultsOrAScript) {
    TempDir dir;
    const QString rtf = QString::fromStdString(dir.file("r.rtf"));
    const QString pdf = QString::fromStdString(dir.file("r.pdf"));
    ProgramRun run = run_program("zepreport", {"--lang", "49", "--rtf", rtf, "--pdf", pdf, kType});
    EXPECT_EQ(run.status, 0) << run.err;
    // The German report (its contents are the RTF tests'), and a PDF.
    EXPECT_NE(TempDir::read(rtf.toStdString()).find("Parameterbericht"), std::string::npos);
    EXPECT_EQ(TempDir::read(pdf.toStdString()).rfind("%PDF", 0), 0u);

    const std::string script =
        dir.write("s.slp", "[VELT AG, Script ZEP Language]\n[ZEP_Type_Target]\nType=100\n"
                           "[Parameter]\nH0B=6\nROT=1000\n");
    run =
        run_program("zepreport", {"--script", QString::fromStdString(script), "--rtf", rtf, kType});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(TempDir::read(rtf.toStdString()).find("\\tab 19200 bit/s"), std::string::npos);
    EXPECT_NE(run.err.find("ZEP Error: "), std::string::npos) << "the refused ROT=1000";
}

TEST(ZepReportTool, FailuresAndWrongArguments) {
    TempDir dir;
    const QString rtf = QString::fromStdString(dir.file("x.rtf"));
    const QString no_script = QString::fromStdString(dir.file("no.slp"));
    for (const auto& [args, status] : {std::pair<QStringList, int>{{kType}, 2}, // nothing to write
                                       {{"--rtf", rtf, QString::fromStdString(dir.dir())}, 1},
                                       {{"--script", no_script, "--rtf", rtf, kType}, 1}}) {
        const ProgramRun run = run_program("zepreport", args);
        EXPECT_EQ(run.status, status) << args.join(' ').toStdString();
        if (args.contains(no_script)) {
            EXPECT_NE(run.err.find("no.slp"), std::string::npos);
        }
    }
}
