// Script and command files: the parameter line rules, sections and the header check, reading
// and writing with their failures, and file names. The file name in the window title is the
// main window's (FrameFileTest, CMainDlgMgrTest).
#include "CFileRepoIf.h"
#include "CInfoBox.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const std::string kHeader = "[VELT AG, Script ZEP Language]\n[ZEP_Type_Target]\nType=100\n"
                            "Version=1.0\n[Parameter]\n";

// A file interface on a ZEP100 repository in a scanner directory of the test's own.
class ScriptFile : public testing::Test {
protected:
    int load(const std::string& text, int form = 0) {
        GwMessageBox* box = nullptr;
        const int result = m_files.scriptfile_to_repository(m_dir.write("in.slp", text), box, form);
        CInfoBox::adopt(box).close();
        return result;
    }
    std::string value(const char* name, int coded = 0) { return m_repo->value(name, coded).str(); }

    LanguageGuard m_english{1};
    ScannerDir m_dir;
    Repo m_owned = zep100_repo();
    EwRepository* m_repo = m_owned.get();
    CFileRepoIf m_files{m_repo, nullptr};
};

} // namespace

// LKS's semicolon value: ReadsParameterLinesOnTopOfTheFactoryDefaults; a two-character key: GN
// in the ZEP100 round trip.
TEST(ParameterLine, GivesTheTextOfTheDataLine) {
    const char* const rows[][3] = {// name, line, text (null: the line is not used)
                                   {"blanks_and_comment_off", "  \tH0B=5   ; host port", "H0B5"},
                                   {"four_character_key", "ABCD=1", "ABCD1"},
                                   {"five_character_key", "ABCDE=1", nullptr},
                                   {"one_character_key", "A=12", nullptr},
                                   {"no_equals", "H0B5", nullptr},
                                   {"too_short", "DC=", nullptr},
                                   {"blank_inside_value_stays", "H0E=NO READ  ", "H0ENO READ"},
                                   {"other_key_semicolon_is_comment", "LKC=;3", "LKC"},
                                   {"only_the_first_equals_goes", "CVI=A=B", "CVIA=B"},
                                   {"equals_before_position_two", "=AB=1", "=AB1"}};
    for (const auto& [name, line, expected] : rows) {
        GwString text = "untouched";
        EXPECT_EQ(CFileRepoIf::parameter_line_text(line, text), expected != nullptr) << name;
        EXPECT_EQ(text, expected != nullptr ? expected : "untouched") << name;
    }
}

TEST(ScriptHeader, IsCheckedWithItsMessage) {
    LanguageGuard english(1);
    TempDir tmp;
    const std::string script = "[VELT AG, Script ZEP Language]\n";
    // name, file text, type code read (null: the file is not loaded), message before the name
    const std::tuple<const char*, std::string, const char*, std::string> rows[] = {
        {"blanks_and_comment",
         script + "[ZEP_Type_Target]\n  Version=2 ;v\n\tType=200  ; other\nType=300\n", "200", ""},
        {"type_in_another_section_does_not_count",
         script + "[ZEP_Type_Target]\n[Parameter]\nType=100\n", nullptr, warn(24, 1) + warn(25, 1)},
        {"no_target", script + "[Parameter]\nH0B=5\n", nullptr, warn(20, 1)},
        {"not_a_script", "[ZEP_Type_Target]\nType=100\n", nullptr, err(11, 1)},
        {"missing", "", nullptr, err(11, 1)}};
    for (const auto& [name, text, type, message] : rows) {
        SCOPED_TRACE(name);
        const std::string path = text.empty() ? tmp.file("none") : tmp.write("h.slp", text);
        GwString code = "kept";
        EXPECT_EQ(CFileRepoIf::check_script_header(path, code), type != nullptr);
        EXPECT_EQ(code, type != nullptr ? type : "kept");
        EXPECT_EQ(last_text(), type != nullptr ? "<nothing shown>" : message + path);
        GwScriptedAnswers::reset();
    }
    GwString code;
    EXPECT_EQ(CFileRepoIf::check_script_header("", code), 0);
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
}

TEST_F(ScriptFile, ReadsParameterLinesOnTopOfTheFactoryDefaults) {
    change_every_value(*m_repo);
    EXPECT_EQ(load(kHeader + "  H0B=6 ; 19200\nLKS=; link\nCVI=ABC DEF\nH0T=1C2\n[Other]\nH1B=6\n"),
              1);
    EXPECT_EQ(value("H0B") + value("LKS", 1) + value("CVI", 1), "19200;ABC DEF");
    EXPECT_EQ(value("H0T") + value("H0C"), "CRSum"); // one line, two fields of a group
    // Named nowhere, or after the next section: at the factory default, not the changed value.
    EXPECT_EQ(value("H1B") + value("DCI", 1), "96000500");
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
    EXPECT_EQ(last_text(GwScriptedAnswers::Info), warn(8, 1) + m_dir.file("in.slp"));
}

TEST_F(ScriptFile, AnOverLongLineIsCutAndTheLinesAfterItAreStillRead) {
    const std::string text =
        kHeader + "CVI=" + std::string(1019, 'A') + "BEYOND\nH0B=6\r\nH1B=6\r\r\n";
    EXPECT_EQ(load(text), 1);
    EXPECT_EQ(TempDir::read(m_dir.file("in.slp")), text) << "reading changed the file";
    EXPECT_EQ(value("CVI", 1), std::string(1019, 'A'));
    EXPECT_EQ(value("H0B") + value("H1B"), "1920019200");
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
}

TEST_F(ScriptFile, MissingFileOrSectionIsNotLoaded) {
    m_repo->set_value("H0B", "300", 0);
    GwMessageBox* box = reinterpret_cast<GwMessageBox*>(this); // must be cleared
    const std::string missing = m_dir.file("nothing.slp");
    EXPECT_EQ(m_files.scriptfile_to_repository(missing, box, 0), 0);
    EXPECT_EQ(box, nullptr);
    EXPECT_EQ(last_text(), err(12, 1) + missing);
    EXPECT_EQ(load("[VELT AG, Script ZEP Language]\nH0B=6\n"), 0);
    EXPECT_EQ(value("H0B"), "300"); // the factory defaults were not loaded either
    EXPECT_EQ(m_files.scriptfile_to_repository("", box, 0), 0);
}

// Both forms are stored by the ZEP100 round trips.
TEST_F(ScriptFile, ARefusedValueWarnsOnceAndTheOthersAreStored) {
    EXPECT_EQ(load(kHeader + "H0B=9\nH1B=6\nROT=1000\nH2E=3\n"), 1);
    EXPECT_EQ(value("H1B", 1) + value("H2E", 1) + "|" + value("H0B") + value("ROT"), "63|9600800");
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 1);
    EXPECT_EQ(last_text(), warn(11));
}

TEST_F(ScriptFile, MissingFactoryDefaultsAsksWhetherToGoOn) {
    m_dir.remove("3PRF1");
    m_repo->set_value("H1B", "300", 0);
    GwScriptedAnswers::answer_box(17); // No
    EXPECT_EQ(load(kHeader + "H0B=6\n"), 0);
    EXPECT_EQ(value("H0B"), "9600");
    const auto& shown = GwScriptedAnswers::shown();
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown[shown.size() - 2].title.str() + "|" + shown[shown.size() - 2].text.str(),
              err(49) + "|" + err(7));
    EXPECT_EQ(last_text(), err(13, 1) + m_dir.file("in.slp"));
    GwScriptedAnswers::answer_box(10); // Yes: the script goes on without the defaults
    EXPECT_EQ(load(kHeader + "H0B=6\n"), 1);
    EXPECT_EQ(value("H0B") + value("H1B"), "19200300");
}

// Comment lines and several fields a line: the factory defaults (Zep100Script); the comparison
// values of form 1: FrameTransfer.TheCompareListShowsBothValuesAndChangesNothing; a file that
// cannot be read: ParamCompare's comparison without "3PRF1".
TEST_F(ScriptFile, CommandFileTakesDataLinesOnly) {
    const std::string path = m_dir.write("cmd", "3H0B6\nH1B6\n4H2E1\n3ZZ1\n");
    EXPECT_EQ(m_files.commandfile_to_repository(path, 0), 1);
    EXPECT_EQ(value("H0B") + value("H1B") + value("H2E", 1), "1920096000");
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
}

// A failed write: SaveFailureTest.
TEST_F(ScriptFile, WithoutTemplateOrDirectoryNothingIsWritten) {
    const std::string out = m_dir.write("out.slp", "earlier script\n");
    EXPECT_EQ(m_files.repository_to_scriptfile(m_dir.file("no/such/dir/out.slp"), 0), -1);
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
    m_dir.remove("scl_000.tpl");
    EXPECT_EQ(m_files.repository_to_scriptfile(out, 0), 0);
    EXPECT_EQ(TempDir::read(out), "earlier script\n");
    EXPECT_EQ(last_box(),
              "ZEP Data: |" + err(50, 1) + m_dir.dir() + "scl_000.tpl\n" + err(51, 1) + out);
}

TEST_F(ScriptFile, FileNamesFromTheSelector) {
    CInitMgr::_Files[0] = GwString(m_dir.dir());
    GwScriptedAnswers::choose_file("c:\\data.d\\set");
    EXPECT_EQ(m_files.check_filename(1, 0, 1), "c:\\data.d\\set.SLP");
    EXPECT_EQ(last_file_request(), warn(47) + "|*.slp|" + m_dir.dir() + "|1");
    // A later Save writes to the file that was written, extension included, without asking.
    EXPECT_EQ(m_files.check_filename(1, 0, 1), "c:\\data.d\\set.SLP");
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::File), 1);

    GwScriptedAnswers::choose_file("c:\\data\\set.txt");
    EXPECT_EQ(m_files.check_filename(1, 1, 1), "c:\\data\\set.txt");
    CInitMgr::_Files[0] = GwString(m_dir.file("gone"));
    GwScriptedAnswers::choose_file("c:\\data\\open");
    EXPECT_EQ(m_files.check_filename(0, 1, 0), "c:\\data\\open");
    EXPECT_EQ(last_file_request(), warn(39) + "|*.slp|.|0");
    GwScriptedAnswers::cancel_file();
    EXPECT_EQ(m_files.check_filename(1, 1, 1), "");
    EXPECT_EQ(m_files.get_filename(), "c:\\data\\open");
}
