// The parser's moving parts: splitting parameter data lines, prefixes, groups, the nth-occurrence
// helpers and the template line with its special keys.
#include "CErrorHandler.h"
#include "CInitMgr.h"
#include "CParser.h"
#include "GwScriptedAnswers.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

#include <regex>

namespace {

// A repository that has each cutting rule once: prefixes where an earlier one begins a later
// one (A before AB), hex texts, the three quoted names, an unnamed parameter and a length that
// a hostile profile made negative.
const char* const kLineProfile = R"([GeneralInformation]
[ParameterGroups]
G1=First
CV=Compare
H0=Host
GN=Good
NG=Negative
UN=Unnamed
[Third]
[G1]
Count=4
Instances=
A=A;STRING;2;;;;;;;
AB=AB;STRING;3;;;;;;;
H=Hex;HEXCHAR;4;;FF;00;;;NA;
N=Nul;NULSTRING;6;;;;;;;
[CV]
Count=4
Instances=
A=Active;STRING;1;;;;;;;
I=Master;STRING;48;;;;;;;
M=Mask;STRING;48;;;;;;;
O=Out;STRING;1;;;;;;;
[H0]
Count=2
Instances=
E=Text;STRING;24;;;;;;;
C=Check;STRING;1;;;;;;;
[GN]
Count=1
Instances=
NONAME=Led;STRING;1;;;;;;;
[NG]
Count=2
Instances=
Q=Neg;STRING;-3;;;;;;;
R=Next;STRING;1;;;;;;;
[UN]
Count=2
Instances=
NONAME=Unnamed;STRING;2;;;;;;;
X=Ex;STRING;1;;;;;;;
)";

struct LineCase {
    const char* name;
    const char* group;
    const char* line;
    std::vector<std::string> pairs;
};

} // namespace

class DataLine : public testing::TestWithParam<LineCase> {};

TEST_P(DataLine, SplitsIntoNamesAndValues) {
    Repo repo = repo_from(kLineProfile);
    ParserProbe parser;
    EXPECT_EQ(parser.split(repo.get(), GetParam().group, GetParam().line), GetParam().pairs);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DataLine,
    testing::Values(
        LineCase{"fixed_widths", "G1", "3G1A12AB345", {"G1A=12", "G1A=B3"}},
        LineCase{"earlier_prefix_wins_over_longer", "G1", "3G1AB7", {"G1A=B7"}},
        LineCase{"response_code_is_not_looked_at", "G1", "XG1A12", {"G1A=12"}},
        LineCase{"value_past_the_end_takes_what_is_there", "G1", "3G1A1", {"G1A=1"}},
        LineCase{"unknown_prefix_ends_the_line", "G1", "3G1QA12", {}},
        LineCase{"rest_after_unknown_prefix_is_ignored", "G1", "3G1A12Q3A45", {"G1A=12"}},
        LineCase{"hex_with_filler_pairs", "G1", "3G1H4142000000A12", {"G1H=414200", "G1A=12"}},
        LineCase{"hex_at_maximum_width", "G1", "3G1H41424344A12", {"G1H=41424344", "G1A=12"}},
        LineCase{"hex_terminated_early", "G1", "3G1H00A12", {"G1H=00", "G1A=12"}},
        LineCase{"hex_zero_pair_at_odd_offset_does_not_end", "G1", "3G1NA00B", {"G1N=A00B"}},
        LineCase{"nulstring_width_is_its_length", "G1", "3G1N1D2E3FA12", {"G1N=1D2E3F", "G1A=12"}},
        LineCase{"nulstring_terminated", "G1", "3G1N1D00A12", {"G1N=1D00", "G1A=12"}},
        LineCase{"hex_running_out", "G1", "3G1H41", {"G1H=41"}},
        LineCase{"quoted_texts", "CV", "3CVA0I\"\"M\"P?\"OA", {"CVA=0", "CVI=", "CVM=P?", "CVO=A"}},
        LineCase{"quoted_text_then_field", "H0", "3H0E\"NOREAD\"C0", {"H0E=NOREAD", "H0C=0"}},
        LineCase{"without_quote_the_rest_of_the_line", "CV", "3CVIABC OA", {"CVI=ABC OA"}},
        LineCase{"empty_text_of_a_script_line", "CV", "3CVI", {"CVI="}},
        LineCase{"unterminated_quote", "CV", "3CVI\"AB", {"CVI=AB"}},
        LineCase{"several_quotes_are_skipped", "CV", "3CVI\"\"\"\"OA", {"CVI=", "CVO=A"}},
        LineCase{"unnamed_parameter_is_the_first_field", "GN", "3GN1", {"GNNONAME=1"}},
        LineCase{"unnamed_parameter_then_fields", "UN", "3UN12X5", {"UNNONAME=12", "UNX=5"}},
        LineCase{"unnamed_parameter_only_first", "UN", "3UNX512", {"UNX=5"}},
        LineCase{"negative_length_takes_nothing", "NG", "3NGQR1", {"NGQ=", "NGR=1"}},
        LineCase{"group_only", "G1", "3G1", {}}, LineCase{"empty_line", "G1", "", {}}),
    RowName());

TEST(DataLine, NeedsTheGroupsNamesAsCurrentList) {
    Repo repo = repo_from(kLineProfile);
    ParserProbe parser;
    DynGwStringPtrArray names(10, 10);
    DynGwStringPtrArray values(10, 10);
    parser.select_group(repo.get(), "H0"); // another group's list: G1's prefixes are unknown
    parser.get_array_of_values(repo.get(), "G1", "3G1A12", &names, &values);
    EXPECT_EQ(names.count(), 0);
    EXPECT_EQ(parser.select_group(repo.get(), "Nope"), 0);
    EXPECT_EQ(parser.current_names()->count(), 0);
    parser.get_array_of_values(nullptr, "G1", "3G1A12", &names, &values);
    EXPECT_EQ(names.count(), 0);
}

TEST(DataLine, Zep100FactoryLinesOfTheDocumentation) {
    LanguageGuard english(1);
    Repo repo = zep100_repo();
    ParserProbe parser;
    EXPECT_EQ(parser.split(repo.get(), "H0", "3H0B5FAT3E\"NOREAD\"C0"),
              (std::vector<std::string>{"H0B=5", "H0F=A", "H0T=3", "H0E=NOREAD", "H0C=0"}));
    EXPECT_EQ(parser.split(repo.get(), "L3", "3L3O04L13___U4100D0C2S0A0H0"),
              (std::vector<std::string>{"L3O=04", "L3L=13___", "L3U=4100", "L3D=0", "L3C=2",
                                        "L3S=0", "L3A=0", "L3H=0"}));
    EXPECT_EQ(parser.split(repo.get(), "K3", "3K3E1N01X64G0F1D00"),
              (std::vector<std::string>{"K3E=1", "K3N=01", "K3X=64", "K3G=0", "K3F=1D00"}));
}

// ---- prefixes, parameters and groups -------------------------------------------------------

TEST(ParamPrefix, FirstListedPrefixWins) {
    Repo repo = repo_from(kLineProfile);
    CParser parser;
    parser.select_group(repo.get(), "G1");
    EXPECT_EQ(parser.param_prefix("AB1", "G1").str(), "G1A");
    EXPECT_EQ(parser.param_prefix("H00", "G1").str(), "G1H");
    EXPECT_EQ(parser.param_prefix("Z", "G1").str(), "");
    EXPECT_EQ(parser.param_prefix("", "G1").str(), "");
    parser.select_group(repo.get(), "GN");
    EXPECT_EQ(parser.param_prefix("NONAME1", "GN").str(), ""); // no prefix at all
}

TEST(GetParam, FindsTheFirstGroupWithThatParameter) {
    LanguageGuard english(1);
    Repo repo = zep100_repo();
    CParser parser;
    GwString name = "unchanged";
    int length = -1;
    EXPECT_EQ(parser.get_param(repo.get(), "CVI", name, length), 1);
    EXPECT_EQ(name.str(), "CVI");
    EXPECT_EQ(length, 3);
    // ROT comes before LTT and ends in the same prefix: the key must begin with the full name.
    EXPECT_EQ(parser.get_param(repo.get(), "LTT and more", name, length), 1);
    EXPECT_EQ(name.str(), "LTT");
    EXPECT_EQ(parser.get_param(repo.get(), "L9H", name, length), 1);
    EXPECT_EQ(name.str(), "L9H");
    EXPECT_EQ(parser.get_param(repo.get(), "FDNONAME=", name, length), 1);
    EXPECT_EQ(name.str(), "FDNONAME");
    EXPECT_EQ(length, 8);
    name = "unchanged";
    EXPECT_EQ(parser.get_param(repo.get(), "GN", name, length), 0);
    EXPECT_EQ(parser.get_param(repo.get(), "QQ", name, length), 0);
    EXPECT_EQ(parser.get_param(nullptr, "CVI", name, length), 0);
    EXPECT_EQ(name.str(), "unchanged");
}

TEST(GetGroup, FirstGroupTheTextBeginsWith) {
    LanguageGuard english(1);
    Repo repo = zep100_repo();
    CParser parser;
    GwString group;
    EXPECT_EQ(parser.get_group(repo.get(), "LTD0", group), 1);
    EXPECT_EQ(group.str(), "LT");
    EXPECT_EQ(parser.get_group(repo.get(), "L7O05", group), 1);
    EXPECT_EQ(group.str(), "L7");
    EXPECT_EQ(parser.get_group(repo.get(), "GN1", group), 1);
    EXPECT_EQ(group.str(), "GN");
    group = "kept";
    EXPECT_EQ(parser.get_group(repo.get(), "ZZ1", group), 0);
    EXPECT_EQ(parser.get_group(repo.get(), "", group), 0);
    EXPECT_EQ(group.str(), "kept");
}

TEST(FindNthParamPosition, CountsPositionsWhereAPrefixBegins) {
    Repo repo = repo_from(kLineProfile);
    CParser parser;
    parser.select_group(repo.get(), "H0");
    EXPECT_EQ(parser.find_nth_param_position("xExC", "H0", 1), 1);
    EXPECT_EQ(parser.find_nth_param_position("xExC", "H0", 2), 3);
    EXPECT_EQ(parser.find_nth_param_position("xExC", "H0", 3), -1);
    EXPECT_EQ(parser.find_nth_param_position("", "H0", 1), -1);
}

// ---- static text helpers -------------------------------------------------------------------

namespace {
struct OccurrenceCase {
    const char* name;
    const char* text;
    const char* pattern;
    int n, start, step;
    int position;
    const char* removed;
};
} // namespace

class NthOccurrence : public testing::TestWithParam<OccurrenceCase> {};
TEST_P(NthOccurrence, FindsAndRemoves) {
    const OccurrenceCase& c = GetParam();
    EXPECT_EQ(CParser::index_nth_occurrence(c.text, c.pattern, c.n, c.start, c.step), c.position);
    EXPECT_EQ(CParser::remove_nth_occurrence(c.text, c.pattern, c.n, c.start, c.step).str(),
              c.removed);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, NthOccurrence,
    testing::Values(OccurrenceCase{"first", "a;b;c", ";", 1, 0, 1, 1, "ab;c"},
                    OccurrenceCase{"second", "a;b;c", ";", 2, 0, 1, 3, "a;bc"},
                    OccurrenceCase{"too_few", "a;b;c", ";", 3, 0, 1, -1, "a;b;c"},
                    OccurrenceCase{"even_offsets_only", "A00B", "00", 1, 0, 2, -1, "A00B"},
                    OccurrenceCase{"even_offset_found", "AB00CD00", "00", 1, 0, 2, 2, "ABCD00"},
                    OccurrenceCase{"even_from_odd_start", "xA00B", "00", 1, 1, 2, -1, "xA00B"},
                    OccurrenceCase{"start_beyond_the_end", "abc", "c", 1, 3, 1, -1, "abc"},
                    OccurrenceCase{"pattern_longer_than_text", "ab", "abc", 1, 0, 1, -1, "ab"},
                    OccurrenceCase{"nth_zero_never_counts", "aaa", "a", 0, 0, 1, -1, "aaa"},
                    OccurrenceCase{"zero_step_moves_on", "xxy", "y", 1, 0, 0, 2, "xx"},
                    OccurrenceCase{"negative_start_is_the_start", "yx", "y", 1, -5, 1, 0, "x"},
                    OccurrenceCase{"at_the_very_end", "ab$$", "$$", 1, 0, 1, 2, "ab"}),
    RowName());

namespace {
struct StripCase {
    const char* name;
    const char* text;
    const char* pattern;
    const char* front;
    const char* tail;
};
} // namespace

class StripString : public testing::TestWithParam<StripCase> {};
TEST_P(StripString, RemovesRepetitions) {
    const StripCase& c = GetParam();
    EXPECT_EQ(CParser::strip_string_front(c.text, c.pattern).str(), c.front);
    EXPECT_EQ(CParser::strip_string_tail(c.text, c.pattern).str(), c.tail);
}
INSTANTIATE_TEST_SUITE_P(Cases, StripString,
                         testing::Values(StripCase{"pairs", "0000120000", "00", "120000", "000012"},
                                         StripCase{"odd_run_keeps_one", "000", "00", "0", "0"},
                                         StripCase{"only_pattern", "0000", "00", "", ""},
                                         StripCase{"empty_pattern", "00", "", "00", "00"},
                                         StripCase{"empty_text", "", "00", "", ""},
                                         StripCase{"no_match", "1200", "3", "1200", "1200"}),
                         RowName());

TEST(ExtrasInsertionPoint, AnywhereInTheLine) {
    EXPECT_EQ(CParser::is_extras_insertion_point("\\par $$Extras"), 1);
    EXPECT_EQ(CParser::is_extras_insertion_point("$$Extra"), 0);
    EXPECT_EQ(CParser::is_extras_insertion_point(""), 0);
}

TEST(FillUpString, FillsOrReportsAWidthThatDoesNotFit) {
    CParser parser;
    EXPECT_EQ(parser.fill_up_string("7", "0", 3).str(), "700");
    EXPECT_EQ(parser.fill_up_string("7", "ab", 5).str(), "7abab");
    EXPECT_EQ(parser.fill_up_string("777", "0", 2).str(), "777");
    EXPECT_EQ(parser.fill_up_string("7", "", 9).str(), "7");
    EXPECT_EQ(GwScriptedAnswers::count(GwScriptedAnswers::Box), 0);
    EXPECT_EQ(parser.fill_up_string("7", "ab", 4).str(), "7");
    const GwScriptedAnswers::Shown* box = GwScriptedAnswers::last(GwScriptedAnswers::Box);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title.str(), "ZEP Error: ");
    EXPECT_NE(box->text.str().find("ab"), std::string::npos);
    EXPECT_NE(box->text.str().find(CErrorHandler::error_msg(55, 0).str() + "4"), std::string::npos);
}

// ---- template lines ------------------------------------------------------------------------

namespace {
struct TemplateCase {
    const char* name;
    const char* line;
    int form;
    const char* result;
};
} // namespace

class TemplateLine : public testing::TestWithParam<TemplateCase> {};
TEST_P(TemplateLine, FillsTheFirstPlaceholder) {
    LanguageGuard english(1);
    SettingsGuard settings;
    Repo repo = zep100_repo();
    ASSERT_EQ(repo->set_value("DCI", "750", 0), 1);
    ASSERT_EQ(repo->set_prf_value("DCI", "1234", 0), 1);
    CParser parser;
    EXPECT_EQ(
        parser.instantiate_line(repo.get(), GetParam().line, "c:\\tpl", GetParam().form).str(),
        GetParam().result);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, TemplateLine,
    testing::Values(TemplateCase{"parameter_coded", "DCI=$$DCI", 0, "DCI=0750"},
                    TemplateCase{"comparison_value", "DCI=$$DCI", 1, "DCI=1234"},
                    TemplateCase{"comparison_for_any_higher_form", "DCI=$$DCI", 7, "DCI=1234"},
                    TemplateCase{"text_after_the_name_stays", "[$$DCI] ms", 0, "[0750] ms"},
                    TemplateCase{"only_the_first_is_expanded", "$$DCI $$DCC", 0, "0750 $$DCC"},
                    TemplateCase{"enumeration_code", "H0B=$$H0B", 0, "H0B=5"},
                    TemplateCase{"quoted_text_plain", "H0E=$$H0E", 0, "H0E=NOREAD"},
                    TemplateCase{"unknown_key_makes_a_comment", "X=$$Nothing", 0, ";X=$$Nothing"},
                    TemplateCase{"unnamed_parameter", "FD=$$FDNONAME", 0, "FD=0100"},
                    TemplateCase{"no_placeholder", "Version=1.0", 0, "Version=1.0"},
                    TemplateCase{"lone_dollar", "cost $5", 0, "cost $5"},
                    TemplateCase{"type_drops_the_rest", "Type=$$Type ; code", 0, "Type=100"},
                    TemplateCase{"created_by_quotes_the_comment", "; by $$Created_by x", 0,
                                 "; by 'c:\\tpl'"},
                    TemplateCase{"from_names_the_version", "; $$From", 0, "; ZEP Setup V2.0.1"},
                    TemplateCase{"special_key_by_its_beginning", "$$Typewriter", 0, "100"}),
    RowName());

TEST(TemplateLine, WithoutRepositoryUnchanged) {
    CParser parser;
    EXPECT_EQ(parser.instantiate_line(nullptr, "A=$$DCI", "", 0).str(), "A=$$DCI");
}

TEST(SpecialKeys, TypeIsEmptyWithoutSelectedScanner) {
    SettingsGuard settings;
    CParser parser;
    GwString out = "x";
    CInitMgr::m_sScannerType = "";
    EXPECT_EQ(parser.tpl_special_cases("Type", out, ""), 1);
    EXPECT_EQ(out.str(), "");
    CInitMgr::m_sScannerType = "RV-4400L";
    EXPECT_EQ(parser.tpl_special_cases("Type", out, ""), 1);
    EXPECT_EQ(out.str(), "100");
    out = "kept";
    EXPECT_EQ(parser.tpl_special_cases("date", out, ""), 0); // case matters
    EXPECT_EQ(parser.tpl_special_cases("DCI", out, ""), 0);
    EXPECT_EQ(out.str(), "kept");
}

TEST(SpecialKeys, DateHasTheCtimeLayout) {
    CParser parser;
    GwString out;
    ASSERT_EQ(parser.tpl_special_cases("Date", out, ""), 1);
    const std::regex layout(
        "(Sun|Mon|Tue|Wed|Thu|Fri|Sat) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
        "[ 123][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}");
    EXPECT_TRUE(std::regex_match(out.str(), layout)) << out.str();
}
