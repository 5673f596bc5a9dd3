// RTF export: the structure of the ZEP100 reports in every language and state, escaping and the
// file name choice. A failed write is SaveFailureTest's; a missing template or directory, that
// of the one template writer the script files share (CFileRepoIfTest).
#include "CScriptPrintMgr.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Brace depth over the whole text (escaped braces and backslashes skipped); -1 as soon as a
// "}" closes more than was opened.
int brace_balance(const std::string& rtf) {
    int depth = 0;
    for (size_t i = 0; i < rtf.size() && depth >= 0; ++i) {
        if (rtf[i] == '\\')
            ++i;
        else
            depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
    }
    return depth;
}

class RtfReport : public testing::Test {
protected:
    // Exports with the given template; the file's text.
    std::string export_with(const std::string& tpl) {
        m_dir.write("rtf_001.tpl", tpl);
        EXPECT_EQ(m_mgr.repository_to_rtffile(m_dir.file("out.rtf"), 0), 1);
        return TempDir::read(m_dir.file("out.rtf"));
    }

    LanguageGuard m_english{1};
    ScannerDir m_dir;
    Repo m_repo = zep100_repo();
    EwRepository* m_ptr = m_repo.get();
    CScriptPrintMgr m_mgr{m_ptr};
};

} // namespace

TEST(Zep100Rtf, IsWellFormedAndHoldsTheValuesInEveryLanguageAndState) {
    ScannerDir dir;
    // Repository states that switch the report's passages on and off, and what each shows.
    const struct {
        const char* name;
        bool change_all;                 // every value changed, CVI with RTF's special characters
        std::vector<const char*> values; // "name=coded value" set before the export
        std::vector<const char*> shown;
    } states[] = {
        {"defaults",
         false,
         {},
         {"\\tab 9600 bit/s", "\\tab NOREAD\\par", "\\tab 0500 ms", "\\tab 8N1\\par",
          "\\tab CR LF\\par"}},
        {"passages_on",
         false,
         {"L0O=03", "L5O=03", "L9O=03", "L5L=08___", "L5U=024100", "CVA=1", "K3G=1", "K5E=1",
          "K6E=1", "CVM=P?@", "LKC=2", "HIP=2", "H1E=1", "LTT=C"},
         {"08___", "STX A", "P?@", "GS (hex 1D00)", "\\tab 01\\par"}},
        {"changed", true, {}, {"\\{braces\\} and \\\\back\\\\slash", "\\tab 38400 bit/s"}},
    };
    for (int language : {1, 49, 33}) {
        for (const auto& state : states) {
            SCOPED_TRACE(std::to_string(language) + " " + state.name);
            LanguageGuard guard(language);
            Repo repo = zep100_repo();
            if (state.change_all) {
                change_every_value(*repo);
                repo->set_value("CVI", "{braces} and \\back\\slash", 1);
            }
            for (const std::string pair : state.values)
                repo->set_value(pair.substr(0, 3), pair.substr(4), 1);
            EwRepository* p = repo.get();
            ASSERT_EQ(CScriptPrintMgr(p).repository_to_rtffile(dir.file("report.rtf"), 0), 1);
            const std::string rtf = TempDir::read(dir.file("report.rtf"));
            const std::string tpl =
                TempDir::read(dir.file("rtf_" + CInitMgr::get_lang_str().str() + ".tpl"));

            EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
            EXPECT_EQ(brace_balance(rtf), 0);
            EXPECT_EQ(rtf.substr(rtf.size() - 2), "}\n");
            // One output line per template line.
            EXPECT_EQ(std::count(rtf.begin(), rtf.end(), '\n'),
                      std::count(tpl.begin(), tpl.end(), '\n'));
            EXPECT_EQ(rtf.find("$$"), std::string::npos) << "a placeholder was left verbatim";
            EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) {
                return c != '\0' && static_cast<unsigned char>(c) < 0x80;
            })) << "RTF must be 7-bit text";
            EXPECT_NE(rtf.find(" 100\\par}"), std::string::npos); // the type code in the header
            EXPECT_NE(rtf.find("'" + dir.dir() + "rtf_"), std::string::npos);
            for (const char* value : state.shown)
                EXPECT_NE(rtf.find(value), std::string::npos) << value;
        }
    }
}

// Runs in turn on one repository: each starts with output on, whatever the last left.
TEST_F(RtfReport, EscapesEmptyLinesAndHostileTemplateLines) {
    m_repo->set_value("CVI", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xFF \xF8\x80", 1);
    m_repo->set_value("H0E", "", 1);
    const std::string decode = "$$DECODE(H0B|" + std::string(3000, '5') + "|x|y)";
    // Beyond ASCII: Unicode escapes (UTF-16, signed), a stray byte as hex.
    const std::string cvi = "\\u233?t\\u233? \\u8364? \\u-10179?\\u-8704? \\'ff \\'f8\\'80";
    const std::pair<std::string, std::string> rows[] = {
        {"{\\rtf1 [$$CVI ]\\par\n}\n", "{\\rtf1 [" + cvi + "]\\par\n}\n"},
        {"{\\rtf1\n$$H0E\n\n$$IF(H0B|9)\nhidden\n", "{\\rtf1\n\n\n\n\n"}, // empty results
        {"shown\n", "shown\n"},
        // Cut at 1023 characters, printed verbatim; extreme bounds clamp to the whole value.
        {decode + "\n" + std::string(4000, '(') + "\n" + std::string(999, '$') +
             "\n$$INDEX(CVI|-2147483648|2147483647)\n$$IF(H0B|9)\nhidden\n",
         decode.substr(0, 1023) + "\n" + std::string(1023, '(') + "\n" + std::string(999, '$') +
             "\n" + cvi + "\n\n\n"}};
    for (const auto& [tpl, rtf] : rows)
        EXPECT_EQ(export_with(tpl), rtf) << tpl.substr(0, 40);
}

TEST(RtfFileName, TheLastPathComponentDecidesTheExtension) {
    LanguageGuard english(1);
    EwRepository* none = nullptr;
    CScriptPrintMgr mgr(none);
    const char* const rows[][3] = {
        // name, file chosen, file name given
        {"dot_only_in_directory", "c:\\rep.d\\line4", "c:\\rep.d\\line4.RTF"},
        {"last_dot_is_the_extension", "c:\\r.d\\a.b.txt", "c:\\r.d\\a.b.RTF"},
        {"hidden_name", "c:\\rep\\.line4", "c:\\rep\\.line4.RTF"},
        {"slashes", "/home/u.x/line4", "/home/u.x/line4.RTF"}};
    for (const auto& [name, chosen, result] : rows) {
        GwScriptedAnswers::choose_file(chosen);
        EXPECT_EQ(mgr.check_filename_rtf(nullptr), result) << name;
    }
    EXPECT_EQ(last_file_request(), warn(47) + "|*.rtf|.|1");
    GwScriptedAnswers::cancel_file();
    EXPECT_EQ(mgr.check_filename_rtf(nullptr), "");
}
