// The developer tool zepprofile, run as a program from the program directory.
#include "ProgramRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

TEST(ZepProfileTool, PrintsDescriptionsAndTheRepositoryInTheChosenLanguage) {
    TempDir dir;
    const QString path = QString::fromStdString(dir.write(
        "Profile.zep", "[GeneralInformation]\n[ParameterGroups]\nBeep=Beeper\n[Notes]\n[Beep]\n"
                       "Count=1\nInstances=1,2\nVolume=Volume;ENUMERATEDINT;1;0|1;;;;;Laut;\n"
                       "MAPPING_001=Soft,Loud\nMAPPING_049=Leise,Laut\n"));
    const ProgramRun german = run_program("zepprofile", {"--lang", "49", path});
    ASSERT_EQ(german.status, 0);
    for (const char* line :
         {"Range    - Leise,Laut\n", "MAPPING  - 01\n",
          "\nContents of EwRepository:", "Beep2 . Beep2Volume . 1 : 1 : Laut : \n"})
        EXPECT_NE(german.out.find(line), std::string::npos) << line << german.out;
}

TEST(ZepProfileTool, FailsForAnUnreadableFileOrWrongArguments) {
    TempDir dir;
    const QString missing = QString::fromStdString(dir.file("missing.zep"));
    for (const auto& [args, status] :
         {std::pair<QStringList, int>{{missing}, 1}, {{}, 2}, {{"--lang", "7", "x.zep"}, 2}})
        EXPECT_EQ(run_program("zepprofile", args).status, status) << args.join(' ').toStdString();
}
