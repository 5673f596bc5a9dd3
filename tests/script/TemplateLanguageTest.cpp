// The report template language: tokens, keys, parameter lists, passages, defaults and the
// verbatim output of faulty placeholders.
#include "CScriptPrintMgr.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

const std::string kMarker(1, '\0');

// A ZEP100 repository with values that the rows below read.
class Report : public testing::Test {
protected:
    Report() : m_repo(zep100_repo()), m_ptr(m_repo.get()), m_mgr(m_ptr) {
        m_repo->set_value("L1L", "13___", 1);
        m_repo->set_value("L3U", "4142", 1); // plain form "A B"
        m_repo->set_value("CVI", "xABy", 1);
        m_repo->set_value("CVM", "xyAB", 1);
        m_repo->set_value("H0E", "", 1);
        m_repo->set_prf_value("H0B", "6", 1);
    }

    std::string line(const std::string& text, int form = 0) {
        return m_mgr.instantiate_line(m_repo.get(), text, "tpl", form).str();
    }
    std::vector<std::string> lines(const std::vector<std::string>& texts) {
        std::vector<std::string> out;
        for (const std::string& t : texts)
            out.push_back(line(t));
        return out;
    }

    LanguageGuard m_english{1};
    SettingsGuard m_settings;
    Repo m_repo;
    EwRepository* m_ptr;
    CScriptPrintMgr m_mgr;
};

struct TokenCase {
    const char* name;
    const char* line;
    std::string output;
};

class TemplateToken : public Report, public testing::WithParamInterface<TokenCase> {};

} // namespace

TEST_P(TemplateToken, GivesItsOutput) {
    EXPECT_EQ(line(GetParam().line), GetParam().output);
    EXPECT_EQ(m_mgr.output_enabled(), 1);
    EXPECT_EQ(m_mgr.parse_position(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TemplateToken,
    testing::Values(
        TokenCase{"plain_text", "Plain text (a|b)", "Plain text (a|b)"},
        TokenCase{"comment_keeps_placeholders", "A ; b $$DCI", "A ; b $$DCI"},
        TokenCase{"parameter_consumes_one_blank", "Rate $$DCI ms", "Rate 0500ms"},
        TokenCase{"second_blank_is_printed", "Rate $$DCI  ms", "Rate 0500 ms"},
        TokenCase{"key_ends_at_semicolon", "$$DCI;c", "0500;c"},
        TokenCase{"keys_back_to_back", "$$DCI$$DCC", "05002"},
        TokenCase{"unnamed_parameter_by_group", "$$GN", "1"},
        TokenCase{"hexchar_in_plain_form", "[$$L3U ]", "[A B]"},
        TokenCase{"decode_last_match_wins", "$$DECODE(H0B|5|one|5|uno|other)", "uno"},
        TokenCase{"decode_default", "$$DECODE(H0B|6|x|other)", "other"},
        TokenCase{"decode_with_blank_before_list", "$$DECODE (H0B|5|x|y)", "x"},
        TokenCase{"decode_default_names_parameter", "$$DECODE(H0B|6|x|$$H0F)", "A"},
        TokenCase{"decode_default_names_unnamed", "$$DECODE(H0B|6|x|$$BT)", "3"},
        TokenCase{"decode_default_of_unknown_parameter", "a $$DECODE(H0B|6|x|$$QQ) b",
                  "a $$DECODE(H0B|6|x|$$QQ) b"},
        TokenCase{"decode_short_default_is_text", "$$DECODE(H0B|6|x|$$)", "$$"},
        TokenCase{"decode_odd_count", "$$DECODE(H0B|5|x)", "$$DECODE(H0B|5|x)"},
        TokenCase{"decode_unknown_parameter", "$$DECODE(QQ|5|x|y)", "$$DECODE(QQ|5|x|y)"},
        TokenCase{"decode_nested_brackets", "$$DECODE(H0B|5|(a|b)|c)", "(a|b)"},
        TokenCase{"decode_unclosed", "x $$DECODE(H0B|5|x|y", "x $$DECODE(H0B|5|x|y"},
        TokenCase{"decode_without_list", "$$DECODE H0B", "$$DECODE H0B"},
        TokenCase{"text_before_bracket_joins_first", "$$DECODE x(H0B|5|y|z)",
                  "$$DECODE x(H0B|5|y|z)"},
        TokenCase{"decode_index_range", "$$DECODE_INDEX(L0L|2|2|_|fixed|range)", "range"},
        TokenCase{"decode_index_fixed", "$$DECODE_INDEX(L1L|2|2|_|fixed|range)", "fixed"},
        TokenCase{"decode_index_bounds_are_no_keys",
                  "$$DECODE_INDEX(L0L|0|1|0|zero|1|one|01|first|none)", "first"},
        TokenCase{"decode_index_too_few", "$$DECODE_INDEX(L0L|0|1)", "$$DECODE_INDEX(L0L|0|1)"},
        TokenCase{"index", "$$INDEX(L1L|0|1) chars", "13 chars"},
        TokenCase{"index_beyond_the_value", "[$$INDEX(L1L|3|9)]", "[__]"},
        TokenCase{"index_two_parameters", "$$INDEX(L1L|2)", "$$INDEX(L1L|2)"},
        TokenCase{"index_four_parameters", "$$INDEX(L1L|2|3|4)", "$$INDEX(L1L|2|3|4)"},
        TokenCase{"index_char", "$$INDEX_CHAR(K3F|0|1)", "GS"},
        TokenCase{"index_char_printable", "$$INDEX_CHAR(CVI|1|1)", "A"},
        TokenCase{"empty_value_inside_line", "[$$H0E ] rest", "[] rest"},
        TokenCase{"empty_value_alone_is_an_empty_line", "$$H0E", kMarker},
        TokenCase{"empty_decode_text_alone", "$$DECODE(H0B|5||x)", kMarker},
        TokenCase{"unknown_parameter_verbatim", "x $$NOPE y", "x $$NOPE y"},
        TokenCase{"empty_key_verbatim", "$$", "$$"}, TokenCase{"single_dollar", "a$b$", "a$b$"},
        TokenCase{"special_key_consumes_one_blank", "by $$Created_by  now", "by 'tpl' now"},
        TokenCase{"special_key_by_beginning", "$$Typewriter", "100"},
        TokenCase{"from", "$$From", "ZEP Setup V2.0.1"},
        TokenCase{"empty_line_is_the_marker", "", kMarker}),
    RowName());

TEST_F(Report, ComparisonValuesWithFormOne) {
    EXPECT_EQ(line("$$H0B", 0), "5");
    EXPECT_EQ(line("$$H0B", 1), "6");
    EXPECT_EQ(line("$$DECODE(H0B|6|fast|slow)", 1), "fast");
    EXPECT_EQ(line("[$$CVI ]", 1), "[]"); // no comparison value yet
}

TEST_F(Report, IfElseEndifPassages) {
    EXPECT_EQ(lines({"$$IF(H0B|5)", "shown", "$$ELSE", "hidden", "", "$$ENDIF", "after", ""}),
              (std::vector<std::string>{"", "shown", "", "", "", "", "after", kMarker}));
    EXPECT_EQ(lines({"$$IF(H0B|1|2)", "hidden", "$$ELSE", "shown", "$$ENDIF"}),
              (std::vector<std::string>{"", "", "", "shown", ""}));
    // Text before an IF on its line counts while output was on; after it, the IF decides.
    EXPECT_EQ(lines({"a $$IF(H0B|6) b", "c", "d $$ENDIF e"}),
              (std::vector<std::string>{"a ", "", "e"}));
}

TEST_F(Report, IfDoesNotNest) {
    // The inner IF sets the one flag from its own condition; its ENDIF ends both passages.
    EXPECT_EQ(lines({"$$IF(H0B|6)", "a", "$$IF(H0B|5)", "b", "$$ENDIF", "c", "$$ENDIF", "d"}),
              (std::vector<std::string>{"", "", "", "b", "", "c", "", "d"}));
    // ELSE inside a switched-off passage switches output on.
    EXPECT_EQ(lines({"$$IF(H0B|6)", "$$ELSE", "on", "$$ELSE", "off", "$$ENDIF"}),
              (std::vector<std::string>{"", "", "on", "", "", ""}));
}

TEST_F(Report, FaultyIfSwitchesOutputOff) {
    EXPECT_EQ(lines({"$$IF(H0B)", "x", "$$ENDIF"}), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(lines({"$$IF(QQ|1)", "x", "$$ENDIF"}), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(lines({"a $$IF(H0B|5", "x"}), (std::vector<std::string>{"a ", ""}));
    EXPECT_EQ(m_mgr.output_enabled(), 0);
    m_mgr.reset_interpreter();
    EXPECT_EQ(line("x"), "x");
}

TEST_F(Report, EmptyAlternativeMatchesAnEmptyValue) {
    EXPECT_EQ(lines({"$$IF(H0E|x||y)", "empty", "$$ENDIF"}),
              (std::vector<std::string>{"", "empty", ""}));
    EXPECT_EQ(lines({"$$IF(H0B|x||y)", "empty", "$$ENDIF"}),
              (std::vector<std::string>{"", "", ""}));
}

TEST_F(Report, ContainsLooksAtMultiplesOfTheLength) {
    EXPECT_EQ(lines({"$$CONTAINS(CVI|AB)", "at 1", "$$ENDIF"}),
              (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(lines({"$$CONTAINS(CVM|AB)", "at 2", "$$ENDIF"}),
              (std::vector<std::string>{"", "at 2", ""}));
    EXPECT_EQ(lines({"$$CONTAINS(CVI|Q|y)", "y at 3", "$$ENDIF"}),
              (std::vector<std::string>{"", "y at 3", ""}));
    EXPECT_EQ(lines({"$$CONTAINS(CVI)", "x", "$$ENDIF"}), (std::vector<std::string>{"", "", ""}));
}

TEST_F(Report, ParameterListsAndTokens) {
    const GwString text = "(X|(a|b)||last) tail";
    DynGwStringPtrArray* list = nullptr;
    EXPECT_EQ(m_mgr.get_parameter_list(text, list), 1);
    std::unique_ptr<DynGwStringPtrArray> owned(list);
    EXPECT_EQ(texts_of(list), (std::vector<std::string>{"X", "(a|b)", kMarker, "last"}));
    EXPECT_EQ(m_mgr.parse_position(), 15u);

    CScriptPrintMgr fresh(m_ptr);
    GwString* p = nullptr;
    EXPECT_EQ(fresh.get_next_parameter("(only)", p), 4);
    std::unique_ptr<GwString> one(p);
    EXPECT_EQ(p->str(), "only");
    EXPECT_EQ(fresh.get_next_parameter("(open", p), 2);
    EXPECT_EQ(p, nullptr);

    CScriptPrintMgr tokens(m_ptr);
    unsigned kind = 9;
    unsigned start = 9;
    GwString t;
    const GwString l = "ab$$KEY (x);c";
    EXPECT_EQ(tokens.get_next_token(l, kind, start, t), 1);
    EXPECT_EQ(kind, 2u);
    EXPECT_EQ(t.str(), "ab");
    EXPECT_EQ(tokens.get_next_token(l, kind, start, t), 1);
    EXPECT_EQ(kind, 0u);
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(t.str(), "KEY");
    EXPECT_EQ(tokens.parse_position(), 8u); // behind the consumed blank
    EXPECT_EQ(tokens.get_next_token(l, kind, start, t), 1);
    EXPECT_EQ(t.str(), "(x)");
    EXPECT_EQ(tokens.get_next_token(l, kind, start, t), 1);
    EXPECT_EQ(kind, 1u);
    EXPECT_EQ(t.str(), ";c");
    EXPECT_EQ(tokens.get_next_token(l, kind, start, t), 2);
    EXPECT_EQ(tokens.parse_position(), 0u);
}

TEST_F(Report, RepositoryParameterLookup) {
    GwString name;
    CScriptPrintMgr::get_repository_parameter_name("FD", name);
    EXPECT_EQ(name.str(), "FDNONAME");
    CScriptPrintMgr::get_repository_parameter_name("FDX", name);
    EXPECT_EQ(name.str(), "FDX");
    EXPECT_EQ(m_mgr.exist_repository_parameter(m_repo.get(), "L9H"), 1);
    EXPECT_EQ(m_mgr.exist_repository_parameter(m_repo.get(), "L9"), 0);
    EXPECT_EQ(m_mgr.exist_repository_parameter(m_repo.get(), "GN"), 0);
    EXPECT_EQ(m_mgr.exist_repository_parameter(nullptr, "L9H"), 0);
    GwString value = "kept";
    EXPECT_EQ(m_mgr.get_repository_parameter(0, "", "QQ", value), 0);
    EXPECT_EQ(value.str(), "kept");
    EXPECT_EQ(m_mgr.get_repository_parameter(0, "", "H0E", value), 1);
    EXPECT_EQ(value.str(), kMarker);
}

TEST(TemplateLanguage, WithoutRepositoryTheLineStays) {
    EwRepository* none = nullptr;
    CScriptPrintMgr mgr(none);
    EXPECT_EQ(mgr.instantiate_line(nullptr, "$$DCI", "", 0).str(), "$$DCI");
    EXPECT_EQ(mgr.instantiate_line(nullptr, "", "", 0).str(), kMarker);
}
