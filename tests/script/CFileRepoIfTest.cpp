// Script and command files: the parameter line rules, sections and the header check, reading
// and writing with their failures, file names and the window title.
#include "CFileRepoIf.h"
#include "CErrorHandler.h"
#include "GwAtomicFile.h"
#include "GwCore.h"
#include "GwLineReader.h"
#include "GwScriptedAnswers.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"
#include "ShownText.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

namespace {

const std::string kHeader = "[VELT AG, Script ZEP Language]\n[ZEP_Type_Target]\nType=100\n"
                            "Version=1.0\n[Parameter]\n";

int boxes_with(const GwString& title) {
    int n = 0;
    for (const GwScriptedAnswers::Shown& s : GwScriptedAnswers::shown())
        if (s.kind == GwScriptedAnswers::Box && s.title == title)
            ++n;
    return n;
}

// A file interface on a ZEP100 repository in a scanner directory of the test's own.
class ScriptFile : public testing::Test {
protected:
    ScriptFile() : m_repo(zep100_repo().release()), m_files(m_repo, nullptr) {}
    ~ScriptFile() override { delete m_repo; }

    int load(const std::string& text, int form = 0) {
        const std::string path = m_dir.tmp().write("in.slp", text);
        GwMessageBox* box = nullptr;
        const int result = m_files.scriptfile_to_repository(path, box, form);
        CErrorHandler::msgbox_destroy(box);
        return result;
    }

    LanguageGuard m_english{1};
    ScannerDir m_dir;
    EwRepository* m_repo;
    CFileRepoIf m_files;
};

} // namespace

// ---- parameter lines -------------------------------------------------------------------------

namespace {
struct LineRuleCase {
    const char* name;
    const char* line;
    const char* text; // null: the line is not used
};
} // namespace

class ParameterLine : public testing::TestWithParam<LineRuleCase> {};
TEST_P(ParameterLine, GivesTheTextOfTheDataLine) {
    GwString text = "untouched";
    const int used = CFileRepoIf::parameter_line_text(GetParam().line, text);
    if (GetParam().text == nullptr) {
        EXPECT_EQ(used, 0);
        EXPECT_EQ(text.str(), "untouched");
    } else {
        EXPECT_EQ(used, 1);
        EXPECT_EQ(text.str(), GetParam().text);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Rules, ParameterLine,
    testing::Values(LineRuleCase{"three_character_key", "H0B=5", "H0B5"},
                    LineRuleCase{"blanks_and_comment_off", "  \tH0B=5   ; host port", "H0B5"},
                    LineRuleCase{"two_character_key", "GN=1", "GN1"},
                    LineRuleCase{"four_character_key", "ABCD=1", "ABCD1"},
                    LineRuleCase{"five_character_key", "ABCDE=1", nullptr},
                    LineRuleCase{"one_character_key", "A=12", nullptr},
                    LineRuleCase{"no_equals", "H0B5", nullptr},
                    LineRuleCase{"too_short", "DC=", nullptr},
                    LineRuleCase{"empty_value", "CVI=", "CVI"},
                    LineRuleCase{"blank_inside_value_stays", "H0E=NO READ  ", "H0ENO READ"},
                    LineRuleCase{"link_separator_semicolon", "LKS=; ; separator", "LKS;"},
                    LineRuleCase{"link_separator_rest_is_no_comment", "LKS=; x", "LKS; x"},
                    LineRuleCase{"link_separator_semicolon_alone", "LKS=;", "LKS;"},
                    LineRuleCase{"other_key_semicolon_is_comment", "LKC=;3", "LKC"},
                    LineRuleCase{"link_separator_other", "LKS=/ ; c", "LKS/"},
                    LineRuleCase{"comment_line", "; Host port", nullptr},
                    LineRuleCase{"empty_line", "", nullptr},
                    LineRuleCase{"only_the_first_equals_goes", "CVI=A=B", "CVIA=B"},
                    LineRuleCase{"equals_before_position_two", "=AB=1", "=AB1"}),
    RowName());

// ---- sections --------------------------------------------------------------------------------

TEST(Sections, HeadersAndSectionNames) {
    EXPECT_EQ(CFileRepoIf::is_a_section("  [Parameter]"), 1);
    EXPECT_EQ(CFileRepoIf::is_a_section("[]"), 1);
    EXPECT_EQ(CFileRepoIf::is_a_section("["), 0);
    EXPECT_EQ(CFileRepoIf::is_a_section("; [x]"), 0);
    EXPECT_EQ(CFileRepoIf::is_a_section("x[y]"), 0);
    EXPECT_EQ(CFileRepoIf::is_section("\t[Parameter] c", "[Parameter]"), 1);
    EXPECT_EQ(CFileRepoIf::is_section("[Param]", "[Parameter]"), 0);
}

TEST(Sections, GotoSectionByNameAndByCount) {
    TempDir tmp;
    const std::string path =
        tmp.write("s.slp", "; top\n[A]\nline a\n[B]\nline b1\nline b2\n[A]\nline a2\n");
    GwLineReader in;
    ASSERT_EQ(in.open(path), 1);
    int status = 9;
    int number = 9;
    GwString line;
    EXPECT_EQ(CFileRepoIf::goto_section(in, "[B]", status, number, 0), 1);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(number, 4);
    in.read_line(line);
    EXPECT_EQ(line.str(), "line b1");
    EXPECT_EQ(CFileRepoIf::goto_section(in, "[A]", status, number, 3), 1); // the third header
    in.read_line(line);
    EXPECT_EQ(line.str(), "line a2");
    EXPECT_EQ(CFileRepoIf::goto_section(in, "[A]", status, number, 2), 0); // the second is [B]
    EXPECT_EQ(status, 0);
    GwLineReader closed;
    EXPECT_EQ(CFileRepoIf::goto_section(closed, "[A]", status, number, 0), 0);
    EXPECT_EQ(status, -1);
    GwLineReader empty;
    ASSERT_EQ(empty.open(tmp.write("e.slp", "")), 1);
    EXPECT_EQ(CFileRepoIf::goto_section(empty, "[A]", status, number, 0), 0);
    EXPECT_EQ(status, 0);
}

// ---- the header ------------------------------------------------------------------------------

namespace {
struct HeaderCase {
    const char* name;
    std::string text;
    CFileRepoIf::HeaderStatus status;
    const char* code;
    int message; // what the check shows before the file name: error 11, warning 20 or 24 + 25
};
std::string header_message(int message) {
    if (message == 11)
        return CErrorHandler::error_msg(11, 1).str();
    if (message == 20)
        return CErrorHandler::warning(20, 1).str();
    return (CErrorHandler::warning(24, 1) + CErrorHandler::warning(25, 1)).str();
}
const std::string kScript = "[VELT AG, Script ZEP Language]\n";
} // namespace

class ScriptHeader : public testing::TestWithParam<HeaderCase> {};
TEST_P(ScriptHeader, IsReadAndCheckedWithItsMessage) {
    LanguageGuard english(1);
    TempDir tmp;
    const std::string path = tmp.write("h.slp", GetParam().text);
    const CFileRepoIf::ScriptHeader h = CFileRepoIf::read_script_header(path);
    EXPECT_EQ(h.status, GetParam().status);
    EXPECT_EQ(h.type_code.str(), GetParam().code);
    EXPECT_EQ(GwScriptedAnswers::shown().size(), 0u) << "reading shows nothing";

    GwString code = "kept";
    const int ok = CFileRepoIf::check_script_header(path, code);
    EXPECT_EQ(ok, GetParam().status == CFileRepoIf::kHeaderOk ? 1 : 0);
    EXPECT_EQ(code.str(), ok ? GetParam().code : "kept");
    const GwScriptedAnswers::Shown* box = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    EXPECT_EQ(box_of(box),
              ok ? "" : "ZEP Error: |" + header_message(GetParam().message) + path + "|mb_stop");
}
INSTANTIATE_TEST_SUITE_P(
    Files, ScriptHeader,
    testing::Values(
        HeaderCase{"complete", kScript + "[ZEP_Type_Target]\nType=100\n", CFileRepoIf::kHeaderOk,
                   "100", 0},
        HeaderCase{"blanks_and_comment",
                   kScript + "[ZEP_Type_Target]\n  Version=2 ;v\n\tType=200  ; other scanner\n",
                   CFileRepoIf::kHeaderOk, "200", 0},
        HeaderCase{"first_type_line_counts", kScript + "[ZEP_Type_Target]\nType=100\nType=300\n",
                   CFileRepoIf::kHeaderOk, "100", 0},
        HeaderCase{"type_in_another_section_does_not_count",
                   kScript + "[ZEP_Type_Target]\n[Parameter]\nType=100\n",
                   CFileRepoIf::kHeaderNoType, "", 24},
        HeaderCase{"no_target", kScript + "[Parameter]\nH0B=5\n", CFileRepoIf::kHeaderNoTarget, "",
                   20},
        HeaderCase{"not_a_script", "[ZEP_Type_Target]\nType=100\n", CFileRepoIf::kHeaderNotAScript,
                   "", 11},
        HeaderCase{"binary", std::string("\0\x01[\xff\n\0]", 7), CFileRepoIf::kHeaderNotAScript, "",
                   11}),
    RowName());

TEST(ScriptHeader, MissingFileIsNoScriptAndNoNameShowsNothing) {
    TempDir tmp;
    GwString code;
    EXPECT_EQ(CFileRepoIf::check_script_header("", code), 0);
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
    EXPECT_EQ(CFileRepoIf::read_script_header(tmp.file("none.slp")).status,
              CFileRepoIf::kHeaderNotAScript);
}

// ---- reading ---------------------------------------------------------------------------------

TEST_F(ScriptFile, ReadsParameterLinesOnTopOfTheFactoryDefaults) {
    change_every_value(*m_repo);
    EXPECT_EQ(load(kHeader + "H0B=6 ; 19200\n  LKS=; link\nL3O=04\nL3L=13___\nCVI=ABC DEF\n"
                             "K3F=1E00\nGN=2\nH0T=1C2\n"),
              1);
    EXPECT_EQ(m_repo->value("H0B", 0).str(), "19200");
    EXPECT_EQ(m_repo->value("LKS", 1).str(), ";");
    EXPECT_EQ(m_repo->value("L3O", 0).str(), "EAN-13");
    EXPECT_EQ(m_repo->value("L3L", 1).str(), "13___");
    EXPECT_EQ(m_repo->value("CVI", 1).str(), "ABC DEF");
    EXPECT_EQ(m_repo->value("K3F", 1).str(), "1E00");
    EXPECT_EQ(m_repo->value("GNNONAME", 0).str(), "Inverted");
    EXPECT_EQ(m_repo->value("H0T", 0).str(), "CR"); // one line, two fields of a group
    EXPECT_EQ(m_repo->value("H0C", 0).str(), "Sum");
    // Named nowhere in the script: back at the factory default, not at the changed value.
    EXPECT_EQ(m_repo->value("H1B", 0).str(), "9600");
    EXPECT_EQ(m_repo->value("DCI", 1).str(), "0500");
    EXPECT_EQ(m_repo->value("L3U", 1).str(), "00");
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
    const GwScriptedAnswers::Shown* info = GwScriptedAnswers::last(GwScriptedAnswers::Info);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->text.str(), (CErrorHandler::warning(8, 1) + m_dir.file("in.slp")).str());
}

TEST_F(ScriptFile, StopsAtTheNextSection) {
    EXPECT_EQ(load(kHeader + "H0B=6\n[Other]\nH1B=6\n"), 1);
    EXPECT_EQ(m_repo->value("H0B", 0).str(), "19200");
    EXPECT_EQ(m_repo->value("H1B", 0).str(), "9600");
}

TEST_F(ScriptFile, MissingFileOrSectionIsNotLoaded) {
    m_repo->set_value("H0B", "300", 0);
    GwMessageBox* box = reinterpret_cast<GwMessageBox*>(this); // must be cleared
    const std::string missing = m_dir.file("nothing.slp");
    EXPECT_EQ(m_files.scriptfile_to_repository(missing, box, 0), 0);
    EXPECT_EQ(box, nullptr);
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::Box)->text.str(),
              (CErrorHandler::error_msg(12, 1) + missing).str());
    EXPECT_EQ(load("[VELT AG, Script ZEP Language]\nH0B=6\n"), 0);
    EXPECT_EQ(m_repo->value("H0B", 0).str(), "300"); // the factory defaults were not loaded
    EXPECT_EQ(m_files.scriptfile_to_repository("", box, 0), 0);
}

TEST_F(ScriptFile, RefusedValueWarnsOnceAndTheOthersAreStored) {
    for (int form : {0, 1}) {
        const int before = boxes_with("ZEP Error: ");
        EXPECT_EQ(load(kHeader + "H0B=9\nH1B=6\nROT=1000\nH2E=3\n", form), 1);
        const GwString h1b = form == 0 ? m_repo->value("H1B", 0) : m_repo->prf_value("H1B", 0);
        const GwString h2e = form == 0 ? m_repo->value("H2E", 1) : m_repo->prf_value("H2E", 1);
        EXPECT_EQ(h1b.str(), "19200") << form;
        EXPECT_EQ(h2e.str(), "3") << form;
        EXPECT_EQ(boxes_with("ZEP Error: "), before + 1) << form;
        EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::Box)->text.str(),
                  CErrorHandler::warning(11, 0).str());
    }
    EXPECT_EQ(m_repo->value("H0B", 0).str(), "9600");
    EXPECT_EQ(m_repo->value("ROT", 0).str(), "800");
}

TEST_F(ScriptFile, MissingFactoryDefaultsAsksWhetherToGoOn) {
    m_dir.remove("3PRF1");
    m_repo->set_value("H1B", "300", 0);
    GwScriptedAnswers::answer_box(17); // No
    const std::string path = m_dir.tmp().write("a.slp", kHeader + "H0B=6\n");
    GwMessageBox* box = nullptr;
    EXPECT_EQ(m_files.scriptfile_to_repository(path, box, 0), 0);
    EXPECT_EQ(box, nullptr);
    EXPECT_EQ(m_repo->value("H0B", 0).str(), "9600");
    const std::vector<GwScriptedAnswers::Shown>& shown = GwScriptedAnswers::shown();
    ASSERT_GE(shown.size(), 3u);
    const GwScriptedAnswers::Shown& question = shown[shown.size() - 2];
    EXPECT_EQ(question.title.str(), CErrorHandler::error_msg(49, 0).str());
    EXPECT_EQ(question.text.str(), CErrorHandler::error_msg(7, 0).str());
    EXPECT_EQ(shown.back().text.str(), (CErrorHandler::error_msg(13, 1) + path).str());

    GwScriptedAnswers::answer_box(10); // Yes: the script goes on without the defaults
    EXPECT_EQ(m_files.scriptfile_to_repository(path, box, 0), 1);
    EXPECT_NE(box, nullptr);
    CErrorHandler::msgbox_destroy(box);
    EXPECT_EQ(m_repo->value("H0B", 0).str(), "19200");
    EXPECT_EQ(m_repo->value("H1B", 0).str(), "300");
}

TEST_F(ScriptFile, WithoutRepositoryNothingIsDone) {
    EwRepository* none = nullptr;
    CFileRepoIf files(none, nullptr);
    GwMessageBox* box = nullptr;
    EXPECT_EQ(files.scriptfile_to_repository("x.slp", box, 0), 1);
    EXPECT_EQ(files.repository_to_scriptfile(m_dir.file("out.slp"), 0), 1);
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("out.slp")));
    EXPECT_EQ(files.commandfile_to_repository(m_dir.file("3PRF1"), 0), -1);
    // The repository the caller's pointer holds now is the one used.
    none = m_repo;
    EXPECT_EQ(files.repository_to_scriptfile(m_dir.file("out.slp"), 0), 1);
    EXPECT_TRUE(std::filesystem::exists(m_dir.file("out.slp")));
}

// ---- command files ---------------------------------------------------------------------------

TEST_F(ScriptFile, CommandFileTakesDataLinesOnly) {
    const std::string path = m_dir.tmp().write("cmd", "; comment 3H0B6\n3H0B6\nH1B6\n 3H2E1\n"
                                                      "3ZZ1\n3H1B7FB\n");
    EXPECT_EQ(m_files.commandfile_to_repository(path, 0), 1);
    EXPECT_EQ(m_repo->value("H0B", 0).str(), "19200");
    EXPECT_EQ(m_repo->value("H2E", 1).str(), "0"); // the line began with a blank
    EXPECT_EQ(m_repo->value("H1B", 0).str(), "38400");
    EXPECT_EQ(m_repo->value("H1F", 0).str(), "8E1");
    EXPECT_EQ(m_files.commandfile_to_repository(path, 1), 1);
    EXPECT_EQ(m_repo->prf_value("H1F", 1).str(), "B");
    EXPECT_EQ(m_files.commandfile_to_repository("", 0), 0);
    EXPECT_EQ(m_files.commandfile_to_repository(m_dir.file("none"), 0), -1);
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
}

// ---- writing ---------------------------------------------------------------------------------

TEST_F(ScriptFile, WritesTheTemplateWithValues) {
    m_repo->set_value("H0B", "19200", 0);
    const std::string out = m_dir.file("out.slp");
    EXPECT_EQ(m_files.repository_to_scriptfile(out, 0), 1);
    const std::string text = TempDir::read(out);
    EXPECT_NE(text.find("\nH0B=6\n"), std::string::npos);
    EXPECT_NE(text.find("\nType=100\n"), std::string::npos);
    EXPECT_NE(text.find("'" + m_dir.dir() + "scl_000.tpl'"), std::string::npos);
    EXPECT_NE(text.find("\nGN=1\n"), std::string::npos);
    const GwScriptedAnswers::Shown* info = GwScriptedAnswers::last(GwScriptedAnswers::Info);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->text.str(), (CErrorHandler::warning(1, 1) + out).str());
}

TEST_F(ScriptFile, PlaceholderOfNoParameterBecomesAComment) {
    m_dir.write("scl_000.tpl", "[Parameter]\nXYZ=$$XYZ\nH0B=$$H0B\n");
    const std::string out = m_dir.file("out.slp");
    EXPECT_EQ(m_files.repository_to_scriptfile(out, 0), 1);
    EXPECT_EQ(TempDir::read(out), "[Parameter]\n;XYZ=$$XYZ\nH0B=5\n");
}

TEST_F(ScriptFile, MissingTemplateLeavesTheOutputAlone) {
    const std::string out = m_dir.tmp().write("out.slp", "earlier script\n");
    m_dir.remove("scl_000.tpl");
    EXPECT_EQ(m_files.repository_to_scriptfile(out, 0), 0);
    EXPECT_EQ(TempDir::read(out), "earlier script\n");
    const GwScriptedAnswers::Shown* box = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title.str(), "ZEP Data: ");
    EXPECT_EQ(box->text.str(), (CErrorHandler::error_msg(50, 1) + m_dir.dir() + "scl_000.tpl\n" +
                                CErrorHandler::error_msg(51, 1) + out)
                                   .str());
    EXPECT_EQ(m_files.repository_to_scriptfile("", 0), 0);
}

TEST_F(ScriptFile, FailedWriteKeepsTheEarlierFile) {
    const std::string out = m_dir.tmp().write("out.slp", "earlier script\n");
    const auto entries = [this] {
        return std::distance(std::filesystem::directory_iterator(m_dir.tmp().path()),
                             std::filesystem::directory_iterator());
    };
    const auto before = entries();
    GwAtomicFile::fail_writes_after(100);
    const int result = m_files.repository_to_scriptfile(out, 0);
    GwAtomicFile::fail_writes_after(-1);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(TempDir::read(out), "earlier script\n");
    EXPECT_EQ(entries(), before); // no temporary file left behind
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
    EXPECT_EQ(m_files.repository_to_scriptfile(m_dir.file("no/such/dir/out.slp"), 0), -1);
}

// ---- file names and the title ----------------------------------------------------------------

TEST_F(ScriptFile, FileNamesFromTheSelector) {
    EXPECT_EQ(m_files.get_filename().str(), "");
    GwScriptedAnswers::choose_file("c:\\data.d\\set");
    EXPECT_EQ(m_files.check_filename(1, 0, 1).str(), "c:\\data.d\\set.SLP");
    // A later Save writes to the file that was written, extension included.
    EXPECT_EQ(m_files.check_filename(1, 0, 1).str(), "c:\\data.d\\set.SLP");
    const GwScriptedAnswers::Shown* request = GwScriptedAnswers::last(GwScriptedAnswers::File);
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->title.str(), CErrorHandler::warning(47, 0).str());
    EXPECT_EQ(request->filter.str(), "*.slp");
    EXPECT_EQ(request->save, 1);

    GwScriptedAnswers::choose_file("c:\\data\\set.txt");
    EXPECT_EQ(m_files.check_filename(1, 1, 1).str(), "c:\\data\\set.txt");
    EXPECT_EQ(m_files.get_filename().str(), "c:\\data\\set.txt");

    GwScriptedAnswers::choose_file("c:\\data\\open");
    EXPECT_EQ(m_files.check_filename(0, 1, 0).str(), "c:\\data\\open");
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::File)->title.str(),
              CErrorHandler::warning(39, 0).str());
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::File)->save, 0);

    GwScriptedAnswers::cancel_file();
    EXPECT_EQ(m_files.check_filename(1, 1, 1).str(), "");
    EXPECT_EQ(m_files.get_filename().str(), "c:\\data\\open");
    m_files.reset_filename();
    EXPECT_EQ(m_files.get_filename().str(), "");
}

TEST_F(ScriptFile, SelectorStartsAtTheDataPathWhenItExists) {
    CInitMgr::_Files[0] = GwString(m_dir.dir());
    GwScriptedAnswers::cancel_file();
    m_files.select_file(0);
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::File)->start.str(), m_dir.dir());
    CInitMgr::_Files[0] = GwString(m_dir.file("gone"));
    GwScriptedAnswers::cancel_file();
    m_files.select_file(0);
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::File)->start.str(), ".");
}

TEST(FileTitle, ShowsTheFileNameInBrackets) {
    QWidget window;
    window.setWindowTitle("ZEP Setup [old.slp] x");
    QWidget dialog(&window);
    dialog.setObjectName("Main Dialog");
    GwCore* frame = GwCore::of(&window);
    EwRepository* repo = nullptr;
    CFileRepoIf files(repo, frame);
    files.UpdateApplTitle();
    EXPECT_EQ(window.windowTitle().toStdString(), "ZEP Setup [No File]");
    files.set_filename("c:\\a.slp");
    files.UpdateApplTitle();
    EXPECT_EQ(window.windowTitle().toStdString(), "ZEP Setup [c:\\a.slp]");
    window.setWindowTitle("Plain");
    files.UpdateApplTitle();
    EXPECT_EQ(window.windowTitle().toStdString(), "Plain[c:\\a.slp]");
    // The parameter dialog is enabled again after the selector.
    GwScriptedAnswers::cancel_file();
    files.select_file(1);
    EXPECT_TRUE(dialog.isEnabled());
}
