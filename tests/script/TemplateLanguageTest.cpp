// The report template language: tokens, keys, parameter lists, passages, defaults and the
// verbatim output of faulty placeholders. The plain use of each key is what the ZEP100 reports
// read back show (PrintReportTest, RtfReportTest).
#include "CScriptPrintMgr.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Lines = std::vector<std::string>;
const std::string kMarker(1, '\0');

// A ZEP100 repository with values that the rows below read.
class Report : public testing::Test {
protected:
    Report() {
        m_repo->set_value("L1L", "13___", 1);
        m_repo->set_value("CVI", "xABy", 1);
        m_repo->set_value("CVM", "xyAB", 1);
        m_repo->set_value("H0E", "", 1);
        m_repo->set_prf_value("H0B", "6", 1);
    }
    std::string line(const std::string& text, int form = 0) {
        return m_mgr.instantiate_line(m_repo.get(), text, "tpl", form).str();
    }
    Lines lines(const Lines& texts) {
        Lines out;
        for (const std::string& t : texts)
            out.push_back(line(t));
        return out;
    }

    LanguageGuard m_english{1};
    SettingsGuard m_settings;
    Repo m_repo = zep100_repo();
    EwRepository* m_ptr = m_repo.get();
    CScriptPrintMgr m_mgr{m_ptr};
};

} // namespace

TEST_F(Report, EveryTokenGivesItsOutput) {
    const std::tuple<const char*, const char*, std::string> rows[] = {
        {"text_and_comment", "Plain (a|b) ; b $$DCI", "Plain (a|b) ; b $$DCI"},
        {"parameter_consumes_one_blank", "Rate $$DCI  ms", "Rate 0500 ms"},
        {"key_ends_at_next_key_or_semicolon", "$$DCI$$DCC;c", "05002;c"},
        {"unnamed_parameter_by_group", "$$GN", "1"},
        {"group_name_is_no_parameter", "$$L9", "$$L9"},
        {"decode_last_match_wins", "$$DECODE(H0B|5|one|5|uno|other)", "uno"},
        {"decode_with_blank_before_list", "$$DECODE (H0B|5|x|y)", "x"},
        {"decode_default_names_unnamed", "$$DECODE(H0B|6|x|$$BT)", "3"},
        {"decode_default_of_unknown_parameter", "a $$DECODE(H0B|6|x|$$QQ) b",
         "a $$DECODE(H0B|6|x|$$QQ) b"},
        {"decode_odd_count", "$$DECODE(H0B|5|x)", "$$DECODE(H0B|5|x)"},
        {"decode_unknown_parameter", "$$DECODE(QQ|5|x|y)", "$$DECODE(QQ|5|x|y)"},
        {"decode_nested_brackets", "$$DECODE(H0B|5|(a|b)|c)", "(a|b)"},
        {"decode_unclosed", "x $$DECODE(H0B|5|x|y", "x $$DECODE(H0B|5|x|y"},
        {"text_before_bracket_joins_first", "$$DECODE x(H0B|5|y|z)", "$$DECODE x(H0B|5|y|z)"},
        {"decode_index_bounds_are_no_keys", "$$DECODE_INDEX(L0L|0|1|0|zero|01|first|no)", "first"},
        {"decode_index_too_few", "$$DECODE_INDEX(L0L|0|1)", "$$DECODE_INDEX(L0L|0|1)"},
        {"index_beyond_the_value", "[$$INDEX(L1L|3|9)]", "[__]"},
        {"index_negative_or_huge", "$$INDEX(CVI|-5|-1)[$$INDEX(CVI|2|99999999999)]", "[By]"},
        {"index_four_parameters", "$$INDEX(L1L|2|3|4)", "$$INDEX(L1L|2|3|4)"},
        {"empty_value_inside_line", "[$$H0E ] rest", "[] rest"},
        {"empty_value_alone_is_an_empty_line", "$$H0E", kMarker},
        {"empty_decode_text_alone", "$$DECODE(H0B|5||x)", kMarker},
        {"unknown_parameter_verbatim", "x $$NOPE y", "x $$NOPE y"},
        {"empty_key_and_single_dollars", "$$ a$b$", "$$ a$b$"},
        {"special_key_consumes_one_blank", "by $$Created_by  now", "by 'tpl' now"},
        {"empty_line_is_the_marker", "", kMarker}};
    for (const auto& [name, text, output] : rows)
        EXPECT_EQ(line(text), output) << name;
    EXPECT_EQ(lines({"$$H0B", "$$DECODE(H0B|6|fast|slow)", "[$$CVI ]"}),
              Lines({"5", "slow", "[xABy]"}));
    // Form 1 reads the comparison values.
    EXPECT_EQ(m_mgr.instantiate_line(m_ptr, "$$DECODE(H0B|6|fast|slow) [$$CVI ]", "", 1),
              "fast []");
}

TEST_F(Report, IfElseEndifPassagesDoNotNest) {
    EXPECT_EQ(lines({"$$IF(H0B|5)", "shown", "$$ELSE", "hidden", "", "$$ENDIF", "after", ""}),
              Lines({"", "shown", "", "", "", "", "after", kMarker}));
    EXPECT_EQ(lines({"$$IF(H0B|1|2)", "hidden", "$$ELSE", "shown", "$$ENDIF"}),
              Lines({"", "", "", "shown", ""}));
    // Text before an IF on its line counts while output was on; after it, the IF decides.
    EXPECT_EQ(lines({"a $$IF(H0B|6) b", "c", "d $$ENDIF e"}), Lines({"a ", "", "e"}));
    // The inner IF sets the one flag from its own condition; its ENDIF ends both passages.
    EXPECT_EQ(lines({"$$IF(H0B|6)", "a", "$$IF(H0B|5)", "b", "$$ENDIF", "c", "$$ENDIF", "d"}),
              Lines({"", "", "", "b", "", "c", "", "d"}));
    // ELSE inside a switched-off passage switches output on.
    EXPECT_EQ(lines({"$$IF(H0B|6)", "$$ELSE", "on", "$$ELSE", "off", "$$ENDIF"}),
              Lines({"", "", "on", "", "", ""}));
    // An empty alternative matches an empty value only.
    EXPECT_EQ(lines({"$$IF(H0E|x||y)", "empty", "$$IF(H0B|x||y)", "five", "$$ENDIF"}),
              Lines({"", "empty", "", "", ""}));
}

TEST_F(Report, ContainsLooksAtMultiplesOfTheLength) {
    EXPECT_EQ(lines({"$$CONTAINS(CVI|AB)", "at 1", "$$CONTAINS(CVM|AB)", "at 2",
                     "$$CONTAINS(CVI|Q|y)", "y at 3", "$$ENDIF"}),
              Lines({"", "", "", "at 2", "", "y at 3", ""}));
}

TEST_F(Report, FaultyIfOrContainsSwitchesOutputOff) {
    for (const char* faulty : {"$$IF(H0B)", "$$IF(QQ|1)", "$$CONTAINS(CVI)", "$$CONTAINS(QQ|1)"}) {
        EXPECT_EQ(lines({"$$ENDIF", faulty, "x"}), Lines({"", "", ""})) << faulty;
    }
    EXPECT_EQ(lines({"$$ENDIF", "a $$IF(H0B|5", "x"}), Lines({"", "a ", ""}));
    EXPECT_EQ(m_mgr.output_enabled(), 0);
    m_mgr.reset_interpreter();
    EXPECT_EQ(line("x"), "x");
    // Without a repository the line stays, as far as output is on.
    EXPECT_EQ(m_mgr.instantiate_line(nullptr, "$$DCI", "", 0), "$$DCI");
}
