// RTF export: the structure of the ZEP100 reports in every language and state, the file name
// choice, and the failures of the export.
#include "CErrorHandler.h"
#include "CScriptPrintMgr.h"
#include "GwAtomicFile.h"
#include "GwScriptedAnswers.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

#include <sstream>

namespace {

// Brace depth over the whole text (escaped braces and backslashes skipped); -1 as soon as a
// "}" closes more than was opened.
int brace_balance(const std::string& rtf) {
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        if (rtf[i] == '{')
            ++depth;
        else if (rtf[i] == '}' && --depth < 0)
            return -1;
    }
    return depth;
}

size_t line_count(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

class RtfProbe : public CScriptPrintMgr {
public:
    using CScriptPrintMgr::CScriptPrintMgr;
    using CScriptPrintMgr::write_extras_to_file;
};

class RtfReport : public testing::Test {
protected:
    int export_to(const std::string& name) {
        return m_mgr.repository_to_rtffile(m_dir.file(name), 0);
    }

    LanguageGuard m_english{1};
    ScannerDir m_dir;
    Repo m_repo = zep100_repo();
    EwRepository* m_ptr = m_repo.get();
    RtfProbe m_mgr{m_ptr};
};

// Repository states that switch the report's passages on and off.
enum class State { Defaults, AllOn, Changed };

void apply(State state, EwRepository& repo) {
    if (state == State::Defaults)
        return;
    if (state == State::Changed) {
        change_every_value(repo);
        repo.set_value("CVI", "{braces} and \\back\\slash", 1);
        return;
    }
    for (const char* rule : {"L0O", "L5O", "L9O"})
        repo.set_value(rule, "03", 1);
    repo.set_value("L5L", "08___", 1);
    repo.set_value("L5U", "024100", 1);
    for (const char* on : {"CVA", "K3G", "K5E", "K6E"})
        repo.set_value(on, "1", 1);
    repo.set_value("CVM", "P?@", 1);
    repo.set_value("LKC", "2", 1);
    repo.set_value("HIP", "2", 1);
    repo.set_value("H1E", "1", 1);
    repo.set_value("LTT", "C", 1);
}

struct RtfCase {
    int language;
    State state;
};
std::string rtf_case_name(const testing::TestParamInfo<RtfCase>& info);
void PrintTo(const RtfCase& c, std::ostream* os) {
    *os << rtf_case_name(testing::TestParamInfo<RtfCase>(c, 0));
}
std::string rtf_case_name(const testing::TestParamInfo<RtfCase>& info) {
    const char* lang = info.param.language == 1    ? "English"
                       : info.param.language == 49 ? "German"
                                                   : "French";
    const char* state = info.param.state == State::Defaults ? "defaults"
                        : info.param.state == State::AllOn  ? "passages_on"
                                                            : "changed_values";
    return std::string(lang) + "_" + state;
}

class Zep100Rtf : public testing::TestWithParam<RtfCase> {};

} // namespace

TEST_P(Zep100Rtf, IsWellFormedAndHoldsTheValues) {
    LanguageGuard language(GetParam().language);
    ScannerDir dir;
    Repo repo = zep100_repo();
    apply(GetParam().state, *repo);
    EwRepository* p = repo.get();
    CScriptPrintMgr mgr(p);
    const std::string path = dir.file("report.rtf");
    ASSERT_EQ(mgr.repository_to_rtffile(path, 0), 1);
    const std::string rtf = TempDir::read(path);
    const std::string tpl =
        TempDir::read(dir.file("rtf_" + CInitMgr::get_lang_str().str() + ".tpl"));

    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    EXPECT_EQ(brace_balance(rtf), 0);
    EXPECT_EQ(rtf.substr(rtf.size() - 2), "}\n");
    EXPECT_EQ(line_count(rtf), line_count(tpl)); // one output line per template line
    EXPECT_EQ(rtf.find("$$"), std::string::npos) << "a placeholder was left verbatim";
    EXPECT_EQ(rtf.find('\0'), std::string::npos);
    for (char c : rtf)
        ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80) << "RTF must be 7-bit";
    EXPECT_NE(rtf.find(" 100\\par}"), std::string::npos); // the type code in the header
    EXPECT_NE(rtf.find("'" + dir.dir() + "rtf_"), std::string::npos);

    if (GetParam().state == State::Defaults) {
        for (const char* value : {"\\tab 9600 bit/s", "\\tab NOREAD\\par", "\\tab 0500 ms",
                                  "\\tab 8N1\\par", "\\tab CR LF\\par"})
            EXPECT_NE(rtf.find(value), std::string::npos) << value;
    } else if (GetParam().state == State::AllOn) {
        for (const char* value : {"08___", "STX A", "P?@", "GS (hex 1D00)", "\\tab 01\\par"})
            EXPECT_NE(rtf.find(value), std::string::npos) << value;
    } else {
        EXPECT_NE(rtf.find("\\{braces\\} and \\\\back\\\\slash"), std::string::npos);
        EXPECT_NE(rtf.find("\\tab 38400 bit/s"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndStates, Zep100Rtf,
                         testing::Values(RtfCase{1, State::Defaults}, RtfCase{1, State::AllOn},
                                         RtfCase{1, State::Changed}, RtfCase{49, State::Defaults},
                                         RtfCase{49, State::AllOn}, RtfCase{49, State::Changed},
                                         RtfCase{33, State::Defaults}, RtfCase{33, State::AllOn},
                                         RtfCase{33, State::Changed}),
                         rtf_case_name);

TEST_F(RtfReport, ValuesBeyondAsciiAreEscaped) {
    m_dir.write("rtf_001.tpl", "{\\rtf1 [$$CVI ]\\par\n}\n");
    m_repo->set_value("CVI", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xFF \xF8\x80", 1);
    ASSERT_EQ(export_to("u.rtf"), 1);
    EXPECT_EQ(TempDir::read(m_dir.file("u.rtf")),
              "{\\rtf1 [\\u233?t\\u233? \\u8364? \\u-10179?\\u-8704? \\'ff \\'f8\\'80]\\par\n}\n");
}

TEST_F(RtfReport, EmptyResultsGiveEmptyLines) {
    m_dir.write("rtf_001.tpl", "{\\rtf1\n$$IF(H0B|9)\nhidden\n$$ENDIF\n$$H0E\n\n}\n");
    m_repo->set_value("H0E", "", 1);
    ASSERT_EQ(export_to("e.rtf"), 1);
    EXPECT_EQ(TempDir::read(m_dir.file("e.rtf")), "{\\rtf1\n\n\n\n\n\n}\n");
}

TEST_F(RtfReport, EachRunStartsWithOutputOn) {
    m_dir.write("rtf_001.tpl", "$$IF(H0B|9)\nhidden\n");
    ASSERT_EQ(export_to("a.rtf"), 1);
    m_dir.write("rtf_001.tpl", "shown\n");
    ASSERT_EQ(export_to("b.rtf"), 1);
    EXPECT_EQ(TempDir::read(m_dir.file("b.rtf")), "shown\n");
}

TEST_F(RtfReport, MissingTemplateLeavesTheFileAlone) {
    const std::string out = m_dir.tmp().write("old.rtf", "{\\rtf1 earlier}\n");
    m_dir.remove("rtf_001.tpl");
    EXPECT_EQ(m_mgr.repository_to_rtffile(out, 0), 0);
    EXPECT_EQ(TempDir::read(out), "{\\rtf1 earlier}\n");
    const GwScriptedAnswers::Shown* box = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title.str(), "ZEP Data: ");
    EXPECT_EQ(box->text.str(), (CErrorHandler::error_msg(50, 1) + m_dir.dir() + "rtf_001.tpl\n" +
                                CErrorHandler::error_msg(51, 1) + out)
                                   .str());
    EXPECT_EQ(m_mgr.repository_to_rtffile("", 0), 0);
    EwRepository* none = nullptr;
    CScriptPrintMgr without(none);
    EXPECT_EQ(without.repository_to_rtffile(m_dir.file("x.rtf"), 0), 1);
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("x.rtf")));
}

TEST_F(RtfReport, FailedWriteKeepsTheEarlierFile) {
    const std::string out = m_dir.tmp().write("old.rtf", "{\\rtf1 earlier}\n");
    GwAtomicFile::fail_writes_after(200);
    const int result = m_mgr.repository_to_rtffile(out, 0);
    GwAtomicFile::fail_writes_after(-1);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(TempDir::read(out), "{\\rtf1 earlier}\n");
    EXPECT_EQ(m_mgr.repository_to_rtffile(m_dir.file("no/dir/x.rtf"), 0), -1);
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
}

TEST_F(RtfReport, ExtrasOfKnownGroupsAreWritten) {
    DynGwStringPtrArray extras(5, 5);
    extras.add("3H0B6");
    extras.add("3ZZ1");
    extras.add("3CVI{x}");
    std::ostringstream out;
    m_mgr.write_extras_to_file(out, &extras);
    EXPECT_EQ(out.str(), "\\par H0B6\n\\par CVI\\{x\\}\n");
    EXPECT_EQ(GwScriptedAnswers::last(GwScriptedAnswers::Box)->text.str(),
              (CErrorHandler::warning(30, 1) + "\n" + CErrorHandler::warning(31, 0) + "ZZ1").str());
}

namespace {
struct NameCase {
    const char* name;
    const char* chosen;
    const char* result;
};
} // namespace

class RtfFileName : public testing::TestWithParam<NameCase> {};
TEST_P(RtfFileName, TheLastPathComponentDecidesTheExtension) {
    LanguageGuard english(1);
    GwScriptedAnswers::choose_file(GetParam().chosen);
    EwRepository* none = nullptr;
    CScriptPrintMgr mgr(none);
    EXPECT_EQ(mgr.check_filename_rtf(nullptr).str(), GetParam().result);
    const GwScriptedAnswers::Shown* request = GwScriptedAnswers::last(GwScriptedAnswers::File);
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->filter.str(), "*.rtf");
    EXPECT_EQ(request->start.str(), ".");
    EXPECT_EQ(request->save, 1);
    EXPECT_EQ(request->title.str(), CErrorHandler::warning(47, 0).str());
}
INSTANTIATE_TEST_SUITE_P(
    Names, RtfFileName,
    testing::Values(NameCase{"no_dot", "c:\\reports\\line4", "c:\\reports\\line4.RTF"},
                    NameCase{"dot_only_in_directory", "c:\\rep.d\\line4", "c:\\rep.d\\line4.RTF"},
                    NameCase{"other_extension", "c:\\rep\\line4.txt", "c:\\rep\\line4.RTF"},
                    NameCase{"extension_kept_in_case", "c:\\rep\\line4.rtf", "c:\\rep\\line4.RTF"},
                    NameCase{"last_dot_is_the_extension", "c:\\r.d\\a.b.txt", "c:\\r.d\\a.b.RTF"},
                    NameCase{"trailing_dot", "c:\\rep\\line4.", "c:\\rep\\line4.RTF"},
                    NameCase{"hidden_name", "c:\\rep\\.line4", "c:\\rep\\.line4.RTF"},
                    NameCase{"slashes", "/home/u.x/line4", "/home/u.x/line4.RTF"}),
    RowName());

TEST(RtfFileName, CancelGivesEmpty) {
    GwScriptedAnswers::cancel_file();
    EwRepository* none = nullptr;
    CScriptPrintMgr mgr(none);
    EXPECT_EQ(mgr.check_filename_rtf(nullptr).str(), "");
}
