// The developer tool zepprofile, run as a program from the program directory.
#include "TempDir.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace {

// The exit status (-1 when it did not end normally) and the standard output.
std::pair<int, std::string> run_tool(const QStringList& args) {
    QProcess process;
    process.start(QString(ZEP_PROGRAM_DIR) + "/zepprofile", args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, ""};
    return {process.exitCode(), process.readAllStandardOutput().toStdString()};
}

} // namespace

TEST(ZepProfileTool, PrintsDescriptionsAndTheRepositoryInTheChosenLanguage) {
    TempDir dir;
    const QString path = QString::fromStdString(dir.write(
        "Profile.zep", "[GeneralInformation]\n[ParameterGroups]\nBeep=Beeper\n[Notes]\n[Beep]\n"
                       "Count=1\nInstances=1,2\nVolume=Volume;ENUMERATEDINT;1;0|1;;;;;Laut;\n"
                       "MAPPING_001=Soft,Loud\nMAPPING_049=Leise,Laut\n"));
    const auto [status, german] = run_tool({"--lang", "49", path});
    ASSERT_EQ(status, 0);
    for (const char* line :
         {"Range    - Leise,Laut\n", "MAPPING  - 01\n",
          "\nContents of EwRepository:", "Beep2 . Beep2Volume . 1 : 1 : Laut : \n"})
        EXPECT_NE(german.find(line), std::string::npos) << line << german;
    // "Laut" is no English value: the default is ignored.
    const std::string english = run_tool({path}).second;
    for (const char* line : {"Range    - Soft,Loud\n", "Beep1 . Beep1Volume . 1 : 0 : 0 : \n"})
        EXPECT_NE(english.find(line), std::string::npos) << line << english;
}

TEST(ZepProfileTool, FailsForAnUnreadableFileOrWrongArguments) {
    TempDir dir;
    const QString missing = QString::fromStdString(dir.file("missing.zep"));
    const QString directory = QString::fromStdString(dir.dir());
    for (const auto& [args, status] : {std::pair<QStringList, int>{{missing}, 1},
                                       {{directory}, 1},
                                       {{}, 2},
                                       {{"--lang", "7", "x.zep"}, 2},
                                       {{"a.zep", "b.zep"}, 2}})
        EXPECT_EQ(run_tool(args).first, status) << args.join(' ').toStdString();
}
