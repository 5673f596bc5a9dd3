// The parameter line parser: splitting data lines by the cutting rules, the scanner type table
// and template lines with their special keys. Finding a line's group and parameter is what
// every ZEP100 script load and round trip does (Zep100ScriptTest); the field prefix of each
// parameter (the unnamed one too) what every download of the transfer tests writes.
#include "CParser.h"
#include "LanguageGuard.h"
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Each cutting rule once: a prefix that begins a later one (A before AB), hex texts, a quoted
// name, an unnamed parameter and a length that a hostile profile made negative.
const char* const kLineProfile = R"([GeneralInformation]
[ParameterGroups]
G1=First
CV=Compare
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
Count=2
Instances=
I=Master;STRING;48;;;;;;;
O=Out;STRING;1;;;;;;;
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

using Pairs = std::vector<std::string>;

} // namespace

// Fixed widths, hex filler pairs, a nul string's terminator and quoted texts, empty or not,
// followed by further fields are what every line of the factory defaults "3PRF1" holds
// (Zep100Script.FactoryDefaultsGiveTheProfileDefaults); that a split names only parameters of
// its group, the dataline fuzz target's invariant.
TEST(DataLine, SplitsByTheCuttingRules) {
    const Repo repo = repo_from(kLineProfile);
    const std::tuple<const char*, const char*, const char*, Pairs> rows[] = {
        {"earlier_prefix_wins_over_longer", "G1", "3G1AB7", {"G1A=B7"}},
        {"response_code_is_not_looked_at", "G1", "XG1A12", {"G1A=12"}},
        {"value_past_the_end_takes_what_is_there", "G1", "3G1A1", {"G1A=1"}},
        {"unknown_prefix_ends_the_line", "G1", "3G1A12Q3A45", {"G1A=12"}},
        {"hex_with_filler_pairs", "G1", "3G1H4142000000A12", {"G1H=414200", "G1A=12"}},
        {"hex_at_maximum_width", "G1", "3G1H41424344A12", {"G1H=41424344", "G1A=12"}},
        {"nulstring_width_is_its_length", "G1", "3G1N1D2E3FA12", {"G1N=1D2E3F", "G1A=12"}},
        {"hex_zero_pair_at_odd_offset_does_not_end", "G1", "3G1NA00B", {"G1N=A00B"}},
        {"hex_running_out", "G1", "3G1H41", {"G1H=41"}},
        {"without_quote_the_rest_of_the_line", "CV", "3CVIABC OA", {"CVI=ABC OA"}},
        {"unterminated_quote", "CV", "3CVI\"AB", {"CVI=AB"}},
        {"several_quotes_are_skipped", "CV", "3CVI\"\"\"\"OA", {"CVI=", "CVO=A"}},
        {"empty_text_of_a_script_line", "CV", "3CVI", {"CVI="}},
        {"unnamed_parameter_is_the_first_field", "UN", "3UN12X5", {"UNNONAME=12", "UNX=5"}},
        {"unnamed_parameter_only_first", "UN", "3UNX512", {"UNX=5"}},
        {"negative_length_takes_nothing", "NG", "3NGQR1", {"NGQ=", "NGR=1"}},
        {"empty_line", "G1", "", {}}};
    for (const auto& [name, group, line, pairs] : rows)
        EXPECT_EQ(ParserProbe().split(repo.get(), group, line), pairs) << name;
}

TEST(TranslateType, FirstMatchingRowOfTheTable) {
    // text, column from, column to, result
    const std::tuple<const char*, unsigned, unsigned, const char*> rows[] = {
        {"ZEP RV-4400 V1.02", 0, 2, "ZEP100"},
        {"type ?? unknown", 0, 2, "ZEP???"},
        {"Scanner XY-1", 0, 2, ""},
        {"RV-4400", 7, 1, "100"},
        {"100", 1, 0, "RV-4400"},
        {"ZEP100X", 2, 1, ""},
        {"ZEP100", 2, 9, "RV-4400"}};
    for (const auto& [text, from, to, result] : rows)
        EXPECT_EQ(CParser::TranslateType(text, from, to), result) << text << " " << from << to;
    // A damaged row is written back by every construction.
    CParser::m_asoZep[2].type_name = "broken";
    CParser parser;
    EXPECT_EQ(CParser::m_asoZep[2].type_name, "ZEP100");
}

TEST(TemplateLine, FillsTheFirstPlaceholder) {
    LanguageGuard english(1);
    SettingsGuard settings;
    const Repo repo = zep100_repo();
    ASSERT_EQ(repo->set_value("DCI", "750", 0), 1);
    ASSERT_EQ(repo->set_prf_value("DCI", "1234", 0), 1);
    const std::tuple<const char*, const char*, int, const char*> rows[] = {
        {"comparison_for_form_one_and_above", "DCI=$$DCI", 7, "DCI=1234"},
        {"text_after_the_name_stays", "[$$DCI] ms", 0, "[0750] ms"},
        {"only_the_first_is_expanded", "$$DCI $$DCC", 0, "0750 $$DCC"},
        {"unknown_key_makes_a_comment", "X=$$Nothing", 0, ";X=$$Nothing"},
        {"lone_dollar", "cost $5", 0, "cost $5"},
        {"type_drops_the_rest", "Type=$$Type ; code", 0, "Type=100"},
        {"created_by_quotes_the_comment", "; by $$Created_by x", 0, "; by 'c:\\tpl'"},
        {"from_names_the_version", "; $$From", 0, "; ZEP Setup V2.0.1"},
        {"special_key_by_its_beginning", "$$Typewriter", 0, "100"}};
    CParser parser;
    for (const auto& [name, line, form, result] : rows)
        EXPECT_EQ(parser.instantiate_line(repo.get(), line, "c:\\tpl", form), result) << name;
    EXPECT_EQ(parser.instantiate_line(nullptr, "A=$$DCI", "", 0), "A=$$DCI");
    // zepmain's version text brings its own "V".
    CInitMgr::m_sZEPVersionNbr = "V 1.1 - 64 Bit";
    EXPECT_EQ(parser.instantiate_line(repo.get(), "; $$From", "", 0), "; ZEP Setup V 1.1 - 64 Bit");
}
