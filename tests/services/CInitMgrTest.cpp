// The settings file: writing and reading back, the reading rules line by line, the recent
// files, where the file is kept when the program directory cannot be written, the help
// directory and the scanner variables.
#include "CInitMgr.h"
#include "CHelpManager.h"
#include "GwCore.h"
#include "GwLanguage.h"
#include "GwScriptedAnswers.h"
#include "GwStringPrint.h"
#include "ShownText.h"
#include "TempDir.h"

#include <QByteArray>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Every test works in its own program directory and its own user configuration directory:
// nothing touches the real ~/.config.
class CInitMgrTest : public testing::Test {
protected:
    void SetUp() override {
        saved_config = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.dir()));
        defaults();
    }
    void TearDown() override {
        CInitMgr::SetDefaults();
        GwLanguage::set_number(1);
        qputenv("XDG_CONFIG_HOME", saved_config);
    }
    void defaults() {
        CInitMgr::SetDefaults();
        CInitMgr::m_sProgramDir = program.dir().c_str();
        CInitMgr::m_sInitFn = "zepmain.ini";
    }
    // Reads a settings text as if it were the file beside the program.
    int read(const std::string& text) {
        program.write("zepmain.ini", text);
        return CInitMgr::ReadInitFile();
    }
    std::string ini() const { return TempDir::read(program.file("zepmain.ini")); }
    std::string user_ini() const { return config.dir() + "zepsetup/zepmain.ini"; }

    TempDir program;
    TempDir config;
    QByteArray saved_config;
};

TEST_F(CInitMgrTest, ReadsEverySettingAndWritesItBackInOrder) {
    const std::string full = "COMPORT=/dev/ttyUSB0;\nBAUDRATE=19200;\nDATABITS=7;\nSTOPBITS=2;\n"
                             "PARITY=e;\nCOMPARStartRx=1B;\nCOMPARStopRx=0D;\nCOMPARStartTx=02;\n"
                             "COMPARStopTx=03;\nUNIT=METRIC;\nBROWSER=/usr/bin/firefox;\n"
                             "LANGUAGE=049;\nCompany=VELT AG; Service;\nUser=Technician;\n"
                             "PromptOverwrite=NO\nImmediateConnect=NO\nWelcomeScreen=NO\n"
                             "LogOnlyReceive=YES\nAskForSave=NO\nSerialDump=YES\n"
                             "LastZEPType=ZEP100\nDataPath=\\home\\tech\n"
                             "File=\\home\\tech\\x.slp\nFile=c:\\two.slp\n";
    ASSERT_EQ(read(full), 1);
    // Written back unchanged: each line was stored and is written from where it was stored.
    // The getters are plain accessors; those that map or convert are checked.
    using C = CInitMgr;
    EXPECT_EQ(C::GetComID() + "|" + C::get_lang_str() + "|" + C::get_filename(0) + "|" +
                  C::get_filename(2),
              "/dev/ttyUSB0|049|\\home\\tech|c:\\two.slp");
    EXPECT_EQ(C::LogOnlyReceive() * 100 + C::SerialDump() * 10 + C::GetUnitDisplay(), 111);
    ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
    EXPECT_EQ(ini(), full);
    // So do the defaults; "LANGUAGE=;" names no language and keeps the one there is.
    defaults();
    ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
    const std::string plain = ini();
    GwLanguage::set_number(33);
    ASSERT_EQ(CInitMgr::ReadInitFile() + CInitMgr::WriteInitFile(), 2);
    EXPECT_EQ(ini(), plain);
    EXPECT_EQ(GwLanguage::number(), 33);
}

TEST_F(CInitMgrTest, ReadsEachLineAsDocumented) {
    // Each row: a settings text and the lines written back that differ from the defaults'.
    const std::pair<const char*, const char*> rows[] = {
        {"COMPORT=COM10;\n", "COMPORT=COM10;\n"}, // all five characters
        {"COMPORT=COM3\n", "COMPORT=COM3;\n"},    // without ";" the last character stays
        {"BAUDRATE=9600; \n", "BAUDRATE=9600;\n"},
        {"PARITY=N;\r\nDATABITS=8;\r\n", "DATABITS=8;\nPARITY=N;\n"},
        {"PromptOverwrite=no\n", "PromptOverwrite=NO\n"},
        {"PromptOverwrite=0\nImmediateConnect=0\nSerialDump=1\n", ""}, // only NO, only YES
        {"AskForSave =  NO  \nWelcomeScreen=No\n", "WelcomeScreen=NO\nAskForSave=NO\n"},
        {"LANGUAGE=49;\n", "LANGUAGE=049;\n"},
        {"BROWSER=x;\nUser=y;\nCompany=AB;\n", "Company=AB;\n"},     // one character is ignored
        {"UNIT=metric;\ncomport=COM2;\n[Section]\nFoo=bar\n\n", ""}, // case matters
        {"LastZEPType= zep100 \n", "LastZEPType=ZEP100\n"},
        {"DataPath= c:\\data \n", "DataPath=c:\\data\n"},
        {"COMPORT=COM1;\nCOMPORT=COM2;\n", "COMPORT=COM2;\n"},
        {"File=\r \nFile=\r  a.slp\nCOMPORT=CO\rM1;\n", "COMPORT=CO M1;\nFile=a.slp\n"},
        {"File=\nFilename_old\nFile= a.slp\n", "File=a.slp\n"},
        {"File=1\nFile=2\nFile=3\nFile=4\nFile=5\nFile=6\nFile=7\nFile=8\nFile=9\nFile=10\n",
         "File=1\nFile=2\nFile=3\nFile=4\nFile=5\nFile=6\nFile=7\nFile=8\nFile=9\n"}};
    ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
    const std::string defaults_file = "\n" + ini();
    for (const auto& [text, changed] : rows) {
        defaults();
        ASSERT_EQ(read(text), 1);
        ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
        std::string written;
        std::istringstream lines(ini());
        for (std::string line; std::getline(lines, line);)
            if (defaults_file.find("\n" + line + "\n") == std::string::npos)
                written += line + "\n";
        EXPECT_EQ(written, changed) << text;
    }
}

TEST_F(CInitMgrTest, AValueWithALineBreakCannotSetAnotherSetting) {
    CInitMgr::m_sCompany = "ACME\nBROWSER=/bin/evil;";
    CInitMgr::_LastZEPType = "ZEP100\r\nSerialDump=YES";
    ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
    defaults();
    ASSERT_EQ(CInitMgr::ReadInitFile(), 1);
    EXPECT_EQ(CInitMgr::get_browser(), "");
    EXPECT_EQ(CInitMgr::SerialDump(), 0);
    EXPECT_EQ(CInitMgr::GetCompany(), "ACME BROWSER=/bin/evil;");
}

TEST_F(CInitMgrTest, ASelectedFileGoesFirstAndItsDirectoryBecomesTheDataPath) {
    // The data path and the recent files, "|" after each.
    const auto files = [] {
        std::string list;
        for (int i = 0; i <= CInitMgr::m_iLastFileIndex + 1; ++i)
            list += CInitMgr::get_filename(i).str() + "|";
        return list;
    };
    for (const char* f : {"c:\\d\\c.slp", "c:\\d\\b.slp", "c:\\d\\a.slp", "c:\\x\\y\\third"})
        CInitMgr::select_file(f);
    CInitMgr::select_file("c:\\d\\b.slp");
    EXPECT_EQ(files(), "c:\\d|c:\\d\\b.slp|c:\\x\\y\\third|c:\\d\\a.slp|c:\\d\\c.slp||");
    // Reopening the oldest moves it to the front; it is not listed twice.
    CInitMgr::select_file("c:\\d\\c.slp");
    EXPECT_EQ(files(), "c:\\d|c:\\d\\c.slp|c:\\d\\b.slp|c:\\x\\y\\third|c:\\d\\a.slp||");
    for (int i = 1; i <= 10; ++i)
        CInitMgr::select_file(("/h/f" + std::to_string(i)).c_str());
    EXPECT_EQ(files(), "/h|/h/f10|/h/f9|/h/f8|/h/f7|/h/f6|/h/f5|/h/f4|/h/f3|/h/f2||")
        << "a tenth file drops the oldest";
    CInitMgr::select_file("/h/f2");
    EXPECT_EQ(files(), "/h|/h/f2|/h/f10|/h/f9|/h/f8|/h/f7|/h/f6|/h/f5|/h/f4|/h/f3||");
    CInitMgr::select_file("bare.slp");
    EXPECT_EQ(CInitMgr::get_filename(0), "");
}

TEST_F(CInitMgrTest, TheFileIsKeptBesideTheProgramOrWithTheUser) {
    // A missing file keeps every setting; without a file name nothing is read or written.
    CInitMgr::m_sComID = "COM2";
    EXPECT_EQ(CInitMgr::ReadInitFile(), 0);
    EXPECT_EQ(CInitMgr::GetComID(), "COM2");
    // A failed write keeps the earlier file (SaveFailureTest).
    program.write("zepmain.ini", "COMPORT=COM1;\n");
    // A program directory that cannot be written: the settings go to the user's copy, which
    // is read first and kept up to date from then on.
    CInitMgr::m_sProgramDir = (program.dir() + "zepmain.ini/").c_str();
    CInitMgr::m_sComID = "COM7";
    ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
    CInitMgr::m_sProgramDir = program.dir().c_str();
    CInitMgr::m_sComID = "";
    ASSERT_EQ(CInitMgr::ReadInitFile(), 1);
    EXPECT_EQ(CInitMgr::GetComID(), "COM7");
    CInitMgr::m_sComID = "COM3";
    ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
    EXPECT_EQ(ini(), "COMPORT=COM1;\n") << "the program's copy is not read any more";
    EXPECT_EQ(TempDir::read(user_ini()).rfind("COMPORT=COM3;", 0), 0u);
    CInitMgr::m_sInitFn = "";
    EXPECT_EQ(CInitMgr::ReadInitFile() + CInitMgr::WriteInitFile(), 0);
}

TEST_F(CInitMgrTest, InitFixesTheDirectoriesAndFindsTheHelpInTheLanguage) {
    program.write("help/ZEP100/engl/home.htm", "x");
    program.write("zepmain.ini", "File=old.slp\n");
    CInitMgr::select_file("c:\\stale.slp");
    GwLanguage::set_number(33);
    CInitMgr::Init((program.dir() + "zepmain").c_str(), "V 1.1 - 32 Bit");
    // The directory, version and settings it takes: ProgramRun, the terminal log, the reports.
    EXPECT_EQ(CInitMgr::m_iLastFileIndex, 1) << "the stale list went before reading";
    EXPECT_EQ(CInitMgr::get_filename(0), ".\\data");
    EXPECT_EQ(CHelpManager::HelpSubDir, "help\\ZEP100\\fran\\");
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
    GwLanguage::set_number(49);
    EXPECT_EQ(CInitMgr::BuildHelpSubDir(program.dir().c_str(), "ZEP300"), 1);
    EXPECT_EQ(CHelpManager::HelpSubDir, "help\\ZEP300\\deut\\");
    GwLanguage::set_number(1234);
    EXPECT_EQ(CInitMgr::get_lang_str(), "1234");
    // Without help files the user is told and the help directory stays.
    EXPECT_EQ(CInitMgr::BuildHelpSubDir(config.dir().c_str(), ""), 0);
    EXPECT_EQ(CHelpManager::HelpSubDir, "help\\ZEP300\\deut\\");
    EXPECT_EQ(box_of(GwScriptedAnswers::last(GwScriptedAnswers::Box)),
              "ZEP Error: |Couldn't find help files!|mb_stop");
}

TEST_F(CInitMgrTest, ScannerVariablesComeFromTheLabelOfTheMainDialog) {
    // The variables of a scanner type as one text: type, help, flags, version, modes.
    const auto variables = [](const char* label) {
        QWidget frame;
        auto* dialog = new QWidget(&frame);
        dialog->setObjectName("Main Dialog");
        auto* text = new QLabel(QString::fromUtf8(label), dialog);
        text->setObjectName("SCANNER_VARIABLES");
        QWidget* root = label != nullptr ? &frame : text; // a label has no "Main Dialog"
        EXPECT_EQ(CInitMgr::set_scanner_specific_variables(GwCore::of(root)), 0);
        return CInitMgr::SelectedScanner().str() + "|" + CHelpManager::HelpSubDir.str() + "|" +
               std::to_string(CInitMgr::profile_menu_enabled()) +
               std::to_string(CInitMgr::NetworkDetectEnabled()) + "|" +
               CInitMgr::GetValidSWVersion().str() + "|" + CInitMgr::GetEnabledOPModes().str();
    };
    EXPECT_EQ(
        variables("-\nRV-4400\nZEP100\nPROFILE_MENU_ENABLED\nNETWORK_DETECT_ENABLED\n2.10\nABC"),
        "RV-4400|help\\ZEP100\\engl\\|11|2.10|ABC");
    // A short label leaves the missing variables empty, not the previous type's.
    EXPECT_EQ(variables("-\nRV-2000\nZEP200"), "RV-2000|help\\ZEP200\\engl\\|00||");
    variables("-\nRV-4400\nZEP100\nPROFILE_MENU_ENABLED\nx\n2.10\nABC");
    // Without a "Main Dialog" every variable is reset.
    EXPECT_EQ(variables(nullptr), "|help\\ZEP100\\engl\\|00||");
    EXPECT_EQ(CInitMgr::set_scanner_specific_variables(nullptr), 0);
}

} // namespace
