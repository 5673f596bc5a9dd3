// The developer tool zepprofile, run as a program from the program directory.
#include "ProgramRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

TEST(ZepProfileTool, PrintsDescriptionsAndTheRepositoryInTheChosenLanguage) {
    TempDir dir;
    const QString path = QString::fromStdString(
        dir.write("Profile.zep", "[GeneralInformation]\nVersion=2.1\nResourceFile=Z.cgw\n"
                                 "[ParameterGroups]\nBeep=Beeper\n[Notes]\n[Beep]\nCount=2\n"
                                 "Instances=1,2\nVolume=Volume;ENUMERATEDINT;1;0|1;;;;;Laut;\n"
                                 "MAPPING_001=Soft,Loud\nMAPPING_049=Leise,Laut\n"
                                 "Tone=Tone;INT  ;4;;4000;500;1000,2000;x;2500;Hz;extra\n"));
    const ProgramRun german = run_program("zepprofile", {"--lang", "49", path});
    ASSERT_EQ(german.status, 0);
    const std::string& out = german.out;
    EXPECT_NE(out.find("language 49, version 2.1, resource file Z.cgw, 1 groups\n"),
              std::string::npos);
    EXPECT_NE(out.find("Range    - Leise,Laut\n"), std::string::npos) << "the German mapping";
    // Every field of a description as read, and the repository built: a group per instance.
    const size_t tone = out.find("Group Number 0 , Parameter Number 1\n");
    ASSERT_NE(tone, std::string::npos) << out;
    EXPECT_EQ(
        out.substr(tone),
        "Group Number 0 , Parameter Number 1\nIndex    - 1\nOne Of   - 1,2\nName     - Tone\n"
        "Type     - INT\nLength   - 4\nRange    - \nHigh     - 4000\nLow      - 500\n"
        "Excludes - 1000,2000\nDef Char - x\nDef Int  - 2500\nGroup    - Beeper\n"
        "Group ID - Beep\nID       - Tone\nUNITS    - Hz\nMAPPING  - NULL\n\n\n\n\n"
        "Contents of EwRepository:\nGroupName . ParamName : TRUE Value: FALSE Value\n"
        "Beep1 . Beep1Volume . 1 : 1 : Laut : \nBeep1 . Beep1Tone . 4 : 2500 : 2500 : \n\n\n"
        "Beep2 . Beep2Volume . 1 : 1 : Laut : \nBeep2 . Beep2Tone . 4 : 2500 : 2500 : \n\n\n");
}

TEST(ZepProfileTool, FailsForAnUnreadableFileOrWrongArguments) {
    TempDir dir;
    const QString missing = QString::fromStdString(dir.file("missing.zep"));
    for (const auto& [args, status] :
         {std::pair<QStringList, int>{{missing}, 1}, {{}, 2}, {{"--lang", "7", "x.zep"}, 2}})
        EXPECT_EQ(run_program("zepprofile", args).status, status) << args.join(' ').toStdString();
}
