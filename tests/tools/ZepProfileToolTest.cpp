// The developer tool zepprofile, run as a program from the program directory.
#include "TempDir.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

ToolRun run_tool(const QStringList& args) {
    QProcess process;
    process.start(QString(ZEP_PROGRAM_DIR) + "/zepprofile", args);
    ToolRun r;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return r;
    r.status = process.exitCode();
    r.out = process.readAllStandardOutput().toStdString();
    r.err = process.readAllStandardError().toStdString();
    return r;
}

const char* const kProfile = "[GeneralInformation]\nVersion=3\n[ParameterGroups]\nBeep=Beeper\n"
                             "[Notes]\n[Beep]\nCount=1\nInstances=1,2\n"
                             "Volume=Volume;ENUMERATEDINT;1;0|1;;;;;Laut;\n"
                             "MAPPING_001=Soft,Loud\nMAPPING_049=Leise,Laut\n";

} // namespace

TEST(ZepProfileTool, PrintsDescriptionsAndTheRepositoryInTheChosenLanguage) {
    TempDir dir;
    const std::string path = dir.write("Profile.zep", kProfile);
    const ToolRun german = run_tool({"--lang", "49", QString::fromStdString(path)});
    ASSERT_EQ(german.status, 0) << german.err;
    EXPECT_NE(german.out.find("Range    - Leise,Laut\n"), std::string::npos) << german.out;
    EXPECT_NE(german.out.find("MAPPING  - 01\n"), std::string::npos);
    EXPECT_NE(german.out.find("\nContents of EwRepository:"), std::string::npos);
    EXPECT_NE(german.out.find("Beep2 . Beep2Volume . 1 : 1 : Laut : \n"), std::string::npos)
        << german.out;

    const ToolRun english = run_tool({QString::fromStdString(path)});
    ASSERT_EQ(english.status, 0);
    EXPECT_NE(english.out.find("Range    - Soft,Loud\n"), std::string::npos);
    // "Laut" is no English value: the default is ignored.
    EXPECT_NE(english.out.find("Beep1 . Beep1Volume . 1 : 0 : 0 : \n"), std::string::npos)
        << english.out;
}

TEST(ZepProfileTool, FailsForAnUnreadableFileOrWrongArguments) {
    TempDir dir;
    EXPECT_EQ(run_tool({QString::fromStdString(dir.file("missing.zep"))}).status, 1);
    EXPECT_EQ(run_tool({QString::fromStdString(dir.dir())}).status, 1); // a directory
    EXPECT_EQ(run_tool({}).status, 2);
    EXPECT_EQ(run_tool({"--lang", "7", "x.zep"}).status, 2);
    EXPECT_EQ(run_tool({"a.zep", "b.zep"}).status, 2);
}
