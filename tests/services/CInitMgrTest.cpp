// The settings file: writing and reading back, the reading rules line by line, the recent
// files, where the file is kept when the program directory cannot be written, the help
// directory and the scanner variables.
#include "CInitMgr.h"
#include "CHelpManager.h"
#include "GwAtomicFile.h"
#include "GwCore.h"
#include "GwLanguage.h"
#include "GwScriptedAnswers.h"
#include "TempDir.h"

#include <QByteArray>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace {

// Every test works in its own program directory and its own user configuration directory:
// nothing touches the real ~/.config.
class CInitMgrTest : public testing::Test {
protected:
    void SetUp() override {
        saved_config = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.dir()));
        CInitMgr::SetDefaults();
        CInitMgr::m_sProgramDir = program.dir().c_str();
        CInitMgr::m_sInitFn = "zepmain.ini";
    }
    void TearDown() override {
        GwAtomicFile::fail_writes_after(-1);
        CInitMgr::SetDefaults();
        GwLanguage::set_number(1);
        qputenv("XDG_CONFIG_HOME", saved_config);
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

void fill_every_setting() {
    CInitMgr::m_sComID = "/dev/ttyUSB0";
    CInitMgr::m_sComBaudrate = "19200";
    CInitMgr::m_sComDatabits = "7";
    CInitMgr::m_sComStopbits = "2";
    CInitMgr::m_sComParity = "e";
    CInitMgr::m_sComStartRx = "1B";
    CInitMgr::m_sComStopRx = "0D";
    CInitMgr::m_sComStartTx = "02";
    CInitMgr::m_sComStopTx = "03";
    CInitMgr::set_unit("METRIC");
    CInitMgr::set_browser("/usr/bin/firefox");
    CInitMgr::set_language("049");
    CInitMgr::m_sCompany = "VELT AG; Service";
    CInitMgr::m_sUser = "Technician";
    CInitMgr::_PromptOverwrite = 0;
    CInitMgr::_ImmediateConnect = 0;
    CInitMgr::_WelcomeScreen = 0;
    CInitMgr::m_bLogOnlyReceive = 1;
    CInitMgr::m_bAskForSave = 0;
    CInitMgr::m_bSerialDump = 1;
    CInitMgr::_LastZEPType = "ZEP100";
    CInitMgr::select_file("c:\\scripts\\one.slp");
    CInitMgr::select_file("c:\\scripts\\two.slp");
    CInitMgr::select_file("\\home\\tech\\three.slp");
}

TEST_F(CInitMgrTest, WritesTheDocumentedLinesInOrder) {
    fill_every_setting();
    ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
    EXPECT_EQ(ini(), "COMPORT=/dev/ttyUSB0;\nBAUDRATE=19200;\nDATABITS=7;\nSTOPBITS=2;\n"
                     "PARITY=e;\nCOMPARStartRx=1B;\nCOMPARStopRx=0D;\nCOMPARStartTx=02;\n"
                     "COMPARStopTx=03;\nUNIT=METRIC;\nBROWSER=/usr/bin/firefox;\n"
                     "LANGUAGE=049;\nCompany=VELT AG; Service;\nUser=Technician;\n"
                     "PromptOverwrite=NO\nImmediateConnect=NO\nWelcomeScreen=NO\n"
                     "LogOnlyReceive=YES\nAskForSave=NO\nSerialDump=YES\nLastZEPType=ZEP100\n"
                     "DataPath=\\home\\tech\nFile=\\home\\tech\\three.slp\n"
                     "File=c:\\scripts\\two.slp\nFile=c:\\scripts\\one.slp\n");
}

TEST_F(CInitMgrTest, WritingAndReadingBackGivesEverySettingBack) {
    fill_every_setting();
    ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
    CInitMgr::SetDefaults();
    CInitMgr::m_sProgramDir = program.dir().c_str();
    CInitMgr::m_sInitFn = "zepmain.ini";
    ASSERT_EQ(CInitMgr::ReadInitFile(), 1);

    EXPECT_EQ(CInitMgr::GetComID(), "/dev/ttyUSB0");
    EXPECT_EQ(CInitMgr::GetComBaudrate(), "19200");
    EXPECT_EQ(CInitMgr::GetComDatabits(), "7");
    EXPECT_EQ(CInitMgr::GetComStopbits(), "2");
    EXPECT_EQ(CInitMgr::GetComParity(), "e");
    EXPECT_EQ(CInitMgr::GetComStartRx(), "1B");
    EXPECT_EQ(CInitMgr::GetComStopRx(), "0D");
    EXPECT_EQ(CInitMgr::GetComStartTx(), "02");
    EXPECT_EQ(CInitMgr::GetComStopTx(), "03");
    EXPECT_EQ(CInitMgr::GetUnit(), "METRIC");
    EXPECT_EQ(CInitMgr::GetUnitDisplay(), 1);
    EXPECT_EQ(CInitMgr::get_browser(), "/usr/bin/firefox");
    EXPECT_EQ(CInitMgr::language(), "049");
    EXPECT_EQ(CInitMgr::get_lang_str(), "049");
    EXPECT_EQ(GwLanguage::number(), 49);
    EXPECT_EQ(CInitMgr::GetCompany(), "VELT AG; Service");
    EXPECT_EQ(CInitMgr::GetUser(), "Technician");
    EXPECT_EQ(CInitMgr::_PromptOverwrite, 0);
    EXPECT_EQ(CInitMgr::_ImmediateConnect, 0);
    EXPECT_EQ(CInitMgr::_WelcomeScreen, 0);
    EXPECT_EQ(CInitMgr::LogOnlyReceive(), 1);
    EXPECT_EQ(CInitMgr::AskForSave(), 0);
    EXPECT_EQ(CInitMgr::SerialDump(), 1);
    EXPECT_EQ(CInitMgr::_LastZEPType, "ZEP100");
    EXPECT_EQ(CInitMgr::m_iLastFileIndex, 3);
    EXPECT_EQ(CInitMgr::get_filename(0), "\\home\\tech");
    EXPECT_EQ(CInitMgr::get_filename(1), "\\home\\tech\\three.slp");
    EXPECT_EQ(CInitMgr::get_filename(2), "c:\\scripts\\two.slp");
    EXPECT_EQ(CInitMgr::get_filename(3), "c:\\scripts\\one.slp");
    EXPECT_EQ(CInitMgr::get_filename(4), "");
}

TEST_F(CInitMgrTest, DefaultsSurviveTheRoundTripToo) {
    ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
    GwLanguage::set_number(33);
    ASSERT_EQ(CInitMgr::ReadInitFile(), 1);
    EXPECT_EQ(CInitMgr::_PromptOverwrite, 1);
    EXPECT_EQ(CInitMgr::AskForSave(), 1);
    EXPECT_EQ(CInitMgr::SerialDump(), 0);
    EXPECT_EQ(CInitMgr::GetUnit(), "INCH");
    EXPECT_EQ(CInitMgr::GetComID(), "");
    EXPECT_EQ(GwLanguage::number(), 33) << "\"LANGUAGE=;\" names no language and keeps it";
}

struct LineRow {
    const char* name;
    const char* text;
    std::function<void()> check;
};

// Test names in ctest show the row, not its bytes.
void PrintTo(const LineRow& row, std::ostream* os) {
    *os << row.name;
}

class CInitMgrLine : public CInitMgrTest, public testing::WithParamInterface<LineRow> {};

TEST_P(CInitMgrLine, IsReadAsDocumented) {
    ASSERT_EQ(read(GetParam().text), 1);
    GetParam().check();
}

#define CHECK(expr) [] { EXPECT_TRUE(expr) << #expr; }

INSTANTIATE_TEST_SUITE_P(
    Lines, CInitMgrLine,
    testing::Values(
        LineRow{"PortCom10KeepsAllFiveCharacters", "COMPORT=COM10;\n",
                CHECK(CInitMgr::GetComID() == "COM10")},
        LineRow{"PortLinuxDevice", "COMPORT=/dev/ttyUSB0;\n",
                CHECK(CInitMgr::GetComID() == "/dev/ttyUSB0")},
        LineRow{"PortWithoutSemicolonKeepsItsLastCharacter", "COMPORT=COM3\n",
                CHECK(CInitMgr::GetComID() == "COM3")},
        LineRow{"BlanksAfterTheSemicolon", "BAUDRATE=9600; \n",
                CHECK(CInitMgr::GetComBaudrate() == "9600")},
        LineRow{"WindowsLineEnds", "PARITY=N;\r\nDATABITS=8;\r\n",
                CHECK(CInitMgr::GetComParity() == "N" && CInitMgr::GetComDatabits() == "8")},
        LineRow{"PromptOverwriteNoInLowerCase", "PromptOverwrite=no\n",
                CHECK(CInitMgr::_PromptOverwrite == 0)},
        LineRow{"PromptOverwriteZeroLeavesTheFlag", "PromptOverwrite=0\n",
                CHECK(CInitMgr::_PromptOverwrite == 1)},
        LineRow{"AskForSaveNoWithBlanks", "AskForSave =  NO  \n",
                CHECK(CInitMgr::AskForSave() == 0)},
        LineRow{"LogOnlyReceiveYes", "LogOnlyReceive=yes\n",
                CHECK(CInitMgr::LogOnlyReceive() == 1)},
        LineRow{"SerialDumpAnythingElseLeavesIt", "SerialDump=1\n",
                CHECK(CInitMgr::SerialDump() == 0)},
        LineRow{"Language49", "LANGUAGE=49;\n",
                CHECK(CInitMgr::language() == "049" && GwLanguage::number() == 49 &&
                      CInitMgr::get_lang_str() == "049")},
        LineRow{"LanguageFrench", "LANGUAGE=033;\n",
                CHECK(CInitMgr::language() == "033" && CInitMgr::get_lang_str() == "033")},
        LineRow{"BrowserOfOneCharacterIgnored", "BROWSER=x;\n",
                CHECK(CInitMgr::get_browser() == "")},
        LineRow{"CompanyOfTwoCharacters", "Company=AB;\n", CHECK(CInitMgr::GetCompany() == "AB")},
        LineRow{"UnitMetric", "UNIT=METRIC;\n", CHECK(CInitMgr::GetUnitDisplay() == 1)},
        LineRow{"UnitAnythingElseIsInch", "UNIT=metric;\n", CHECK(CInitMgr::GetUnit() == "INCH")},
        LineRow{"LastTypeUpperCased", "LastZEPType= zep100 \n",
                CHECK(CInitMgr::_LastZEPType == "ZEP100")},
        LineRow{"DataPathTrimmed", "DataPath= c:\\data \n",
                CHECK(CInitMgr::get_filename(0) == "c:\\data")},
        LineRow{"KeysAreCaseSensitive", "comport=COM2;\n", CHECK(CInitMgr::GetComID() == "")},
        LineRow{"ALaterLineWins", "COMPORT=COM1;\nCOMPORT=COM2;\n",
                CHECK(CInitMgr::GetComID() == "COM2")},
        LineRow{"UnknownLinesIgnored", "[Section]\nFoo=bar\n\nCOMPORT=COM4;\n",
                CHECK(CInitMgr::GetComID() == "COM4")},
        LineRow{"AStrayCarriageReturnIsABlank", "File=\r \nFile=\r  a.slp\nCOMPORT=CO\rM1;\n",
                CHECK(CInitMgr::m_iLastFileIndex == 1 && CInitMgr::get_filename(1) == "a.slp" &&
                      CInitMgr::GetComID() == "CO M1")},
        LineRow{"AFileLineWithoutValueAddsNothing", "File=\nFilename_old\nFile= a.slp\n",
                CHECK(CInitMgr::m_iLastFileIndex == 1 && CInitMgr::get_filename(1) == "a.slp")}),
    [](const testing::TestParamInfo<LineRow>& info) { return info.param.name; });

#undef CHECK

TEST_F(CInitMgrTest, TenFileLinesKeepTheFirstNine) {
    std::string text;
    for (int i = 1; i <= 10; ++i)
        text += "File=f" + std::to_string(i) + ".slp\n";
    ASSERT_EQ(read(text), 1);
    EXPECT_EQ(CInitMgr::m_iLastFileIndex, 9);
    EXPECT_EQ(CInitMgr::get_filename(9), "f9.slp");
    EXPECT_EQ(CInitMgr::get_filename(10), "");
}

TEST_F(CInitMgrTest, AMissingFileKeepsEverySetting) {
    CInitMgr::m_sComID = "COM2";
    EXPECT_EQ(CInitMgr::ReadInitFile(), 0);
    EXPECT_EQ(CInitMgr::GetComID(), "COM2");
    CInitMgr::m_sInitFn = "";
    EXPECT_EQ(CInitMgr::ReadInitFile(), 0);
    EXPECT_EQ(CInitMgr::WriteInitFile(), 0);
}

TEST_F(CInitMgrTest, AValueWithALineBreakCannotSetAnotherSetting) {
    CInitMgr::m_sCompany = "ACME\nBROWSER=/bin/evil;";
    CInitMgr::_LastZEPType = "ZEP100\r\nSerialDump=YES";
    ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
    CInitMgr::SetDefaults();
    CInitMgr::m_sProgramDir = program.dir().c_str();
    CInitMgr::m_sInitFn = "zepmain.ini";
    ASSERT_EQ(CInitMgr::ReadInitFile(), 1);
    EXPECT_EQ(CInitMgr::get_browser(), "");
    EXPECT_EQ(CInitMgr::SerialDump(), 0);
    EXPECT_EQ(CInitMgr::GetCompany(), "ACME BROWSER=/bin/evil;");
}

TEST_F(CInitMgrTest, SelectingTheThirdFileMakesItFirstAndKeepsTheOthersInOrder) {
    for (const char* f : {"c:\\d\\c.slp", "c:\\d\\b.slp", "c:\\d\\a.slp", "c:\\x\\y\\third"})
        CInitMgr::select_file(f); // list now: third, a, b, c
    CInitMgr::select_file("c:\\d\\b.slp");
    EXPECT_EQ(CInitMgr::m_iLastFileIndex, 4);
    EXPECT_EQ(CInitMgr::get_filename(1), "c:\\d\\b.slp");
    EXPECT_EQ(CInitMgr::get_filename(2), "c:\\x\\y\\third");
    EXPECT_EQ(CInitMgr::get_filename(3), "c:\\d\\a.slp");
    EXPECT_EQ(CInitMgr::get_filename(4), "c:\\d\\c.slp");
    EXPECT_EQ(CInitMgr::get_filename(0), "c:\\d") << "the data path has no final backslash";
}

TEST_F(CInitMgrTest, ATenthFileDropsTheOldest) {
    for (int i = 1; i <= 10; ++i)
        CInitMgr::select_file(("c:\\f" + std::to_string(i)).c_str());
    EXPECT_EQ(CInitMgr::m_iLastFileIndex, 9);
    EXPECT_EQ(CInitMgr::get_filename(1), "c:\\f10");
    EXPECT_EQ(CInitMgr::get_filename(9), "c:\\f2");
}

TEST_F(CInitMgrTest, AFileNamedWithSlashesGivesItsDirectoryAsDataPath) {
    CInitMgr::select_file("/home/tech/a.slp");
    EXPECT_EQ(CInitMgr::get_filename(0), "/home/tech");
    CInitMgr::select_file("bare.slp");
    EXPECT_EQ(CInitMgr::get_filename(0), "");
}

struct FillRow {
    const char* name;
    const char* s;
    const char* fill;
    int n;
    const char* expected;
};

// Test names in ctest show the row, not its bytes.
void PrintTo(const FillRow& row, std::ostream* os) {
    *os << row.name;
}

class CInitMgrFill : public testing::TestWithParam<FillRow> {};

TEST_P(CInitMgrFill, FillsInFrontOnlyByWholeFills) {
    const FillRow& r = GetParam();
    EXPECT_EQ(CInitMgr::fill_up_string_front(r.s, r.fill, r.n), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CInitMgrFill,
    testing::Values(FillRow{"OneDigit", "7", "0", 3, "007"},
                    FillRow{"MissingNotAMultipleOfTheFill", "007", "00", 4, "007"},
                    FillRow{"TwoCharacterFill", "7", "ab", 5, "abab7"},
                    FillRow{"AlreadyLongEnough", "1234", "0", 3, "1234"},
                    FillRow{"EmptyText", "", "0", 3, "000"},
                    FillRow{"EmptyFillGivesTheTextUnchanged", "7", "", 3, "7"}),
    [](const testing::TestParamInfo<FillRow>& info) { return info.param.name; });

TEST_F(CInitMgrTest, AProgramDirectoryThatCannotBeWrittenKeepsTheSettingsWithTheUser) {
    CInitMgr::m_sProgramDir = (program.dir() + "not_a_directory/").c_str();
    program.write("not_a_directory", "a file in the way");
    CInitMgr::m_sComID = "COM7";
    ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
    ASSERT_TRUE(std::filesystem::exists(user_ini()));
    EXPECT_NE(TempDir::read(user_ini()).find("COMPORT=COM7;"), std::string::npos);
    CInitMgr::m_sComID = "";
    ASSERT_EQ(CInitMgr::ReadInitFile(), 1);
    EXPECT_EQ(CInitMgr::GetComID(), "COM7");
}

TEST_F(CInitMgrTest, TheUsersCopyIsReadFirstAndKeptUpToDate) {
    program.write("zepmain.ini", "COMPORT=COM1;\n");
    config.write("zepsetup/zepmain.ini", "COMPORT=COM2;\n");
    ASSERT_EQ(CInitMgr::ReadInitFile(), 1);
    EXPECT_EQ(CInitMgr::GetComID(), "COM2");
    CInitMgr::m_sComID = "COM3";
    ASSERT_EQ(CInitMgr::WriteInitFile(), 1);
    EXPECT_EQ(ini(), "COMPORT=COM1;\n") << "the program's copy is not read any more";
    EXPECT_EQ(TempDir::read(user_ini()).rfind("COMPORT=COM3;", 0), 0u);
}

TEST_F(CInitMgrTest, AFailedWriteLeavesThePreviousFileAndReportsIt) {
    program.write("zepmain.ini", "COMPORT=COM1;\n");
    CInitMgr::m_sComID = "COM9";
    GwAtomicFile::fail_writes_after(10);
    EXPECT_EQ(CInitMgr::WriteInitFile(), 0);
    EXPECT_EQ(ini(), "COMPORT=COM1;\n");
    EXPECT_FALSE(std::filesystem::exists(user_ini()));
}

TEST_F(CInitMgrTest, InitFixesTheDirectoriesAndFindsTheHelp) {
    program.write("help/ZEP100/engl/home.htm", "x");
    program.write("zepmain.ini", "COMPORT=COM5;\nFile=old.slp\n");
    CInitMgr::select_file("c:\\stale.slp");
    GwLanguage::set_number(33);
    CInitMgr::Init((program.dir() + "zepmain").c_str(), "V 1.1 - 32 Bit");
    EXPECT_EQ(CInitMgr::program_dir(), program.dir().c_str());
    EXPECT_EQ(CInitMgr::ZEPVersionNumber(), "V 1.1 - 32 Bit");
    EXPECT_EQ(CInitMgr::inifn(), "zepmain.ini");
    EXPECT_EQ(CInitMgr::GetComID(), "COM5");
    EXPECT_EQ(CInitMgr::m_iLastFileIndex, 1) << "the stale list went before reading";
    EXPECT_EQ(CInitMgr::get_filename(1), "old.slp");
    EXPECT_EQ(CInitMgr::get_filename(0), ".\\data");
    EXPECT_EQ(CHelpManager::HelpSubDir, "help\\ZEP100\\fran\\");
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
}

TEST_F(CInitMgrTest, WithoutHelpFilesTheUserIsToldAndTheHelpDirectoryStays) {
    CHelpManager::HelpSubDir = "help\\ZEP200\\engl\\";
    EXPECT_EQ(CInitMgr::BuildHelpSubDir(program.dir().c_str(), ""), 0);
    EXPECT_EQ(CHelpManager::HelpSubDir, "help\\ZEP200\\engl\\");
    const auto* box = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text, "Couldn't find help files!");
    EXPECT_EQ(box->title, "ZEP Error: ");
}

TEST_F(CInitMgrTest, AScannerDirectoryNamesTheHelpDirectoryInTheLanguage) {
    GwLanguage::set_number(49);
    EXPECT_EQ(CInitMgr::BuildHelpSubDir(program.dir().c_str(), "ZEP300"), 1);
    EXPECT_EQ(CHelpManager::HelpSubDir, "help\\ZEP300\\deut\\");
}

// A frame holding a "Main Dialog" with the label of the scanner variables.
std::unique_ptr<QWidget> frame_with_variables(const char* text) {
    auto frame = std::make_unique<QWidget>();
    auto* dialog = new QWidget(frame.get());
    dialog->setObjectName("Main Dialog");
    auto* label = new QLabel(QString::fromUtf8(text), dialog);
    label->setObjectName("SCANNER_VARIABLES");
    return frame;
}

TEST_F(CInitMgrTest, ScannerVariablesComeFromTheLabelOfTheMainDialog) {
    auto frame = frame_with_variables("unused\nRV-4400\nZEP100\nPROFILE_MENU_ENABLED\n"
                                      "NETWORK_DETECT_ENABLED\n2.10\nABC");
    EXPECT_EQ(CInitMgr::set_scanner_specific_variables(GwCore::of(frame.get())), 0);
    EXPECT_EQ(CInitMgr::SelectedScanner(), "RV-4400");
    EXPECT_EQ(CHelpManager::HelpSubDir, "help\\ZEP100\\engl\\");
    EXPECT_EQ(CInitMgr::profile_menu_enabled(), 1);
    EXPECT_EQ(CInitMgr::NetworkDetectEnabled(), 1);
    EXPECT_EQ(CInitMgr::GetValidSWVersion(), "2.10");
    EXPECT_EQ(CInitMgr::GetEnabledOPModes(), "ABC");
}

TEST_F(CInitMgrTest, AShortLabelLeavesTheMissingVariablesEmpty) {
    auto full = frame_with_variables("-\nRV-4400\nZEP100\nx\ny\n2.10\nABC");
    CInitMgr::set_scanner_specific_variables(GwCore::of(full.get()));
    auto short_one = frame_with_variables("-\nRV-2000\nZEP200");
    EXPECT_EQ(CInitMgr::set_scanner_specific_variables(GwCore::of(short_one.get())), 0);
    EXPECT_EQ(CInitMgr::SelectedScanner(), "RV-2000");
    EXPECT_EQ(CInitMgr::profile_menu_enabled(), 0);
    EXPECT_EQ(CInitMgr::GetValidSWVersion(), "");
    EXPECT_EQ(CInitMgr::GetEnabledOPModes(), "") << "not the previous type's modes";
}

TEST_F(CInitMgrTest, WithoutAMainDialogEveryScannerVariableIsReset) {
    auto full = frame_with_variables("-\nRV-4400\nZEP100\nPROFILE_MENU_ENABLED\nx\n2.10\nABC");
    CInitMgr::set_scanner_specific_variables(GwCore::of(full.get()));
    QWidget empty;
    EXPECT_EQ(CInitMgr::set_scanner_specific_variables(GwCore::of(&empty)), 0);
    EXPECT_EQ(CInitMgr::set_scanner_specific_variables(nullptr), 0);
    EXPECT_EQ(CInitMgr::SelectedScanner(), "");
    EXPECT_EQ(CInitMgr::profile_menu_enabled(), 0);
    EXPECT_EQ(CInitMgr::GetValidSWVersion(), "");
    EXPECT_EQ(CInitMgr::GetEnabledOPModes(), "");
}

} // namespace
