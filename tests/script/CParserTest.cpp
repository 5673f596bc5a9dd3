// The static parts of the parser: field prefixes of parameter names and the scanner type table.
#include "CParser.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct PrefixCase {
    const char* name;
    const char* parameter;
    const char* group;
    const char* prefix;
};
// Test names in ctest show the row, not its bytes.
void PrintTo(const PrefixCase& c, std::ostream* os) {
    *os << c.name;
}

std::string prefix_name(const testing::TestParamInfo<PrefixCase>& info) {
    return info.param.name;
}

struct TypeCase {
    const char* name;
    const char* text;
    unsigned from;
    unsigned to;
    const char* result;
};
// Test names in ctest show the row, not its bytes.
void PrintTo(const TypeCase& c, std::ostream* os) {
    *os << c.name;
}

std::string type_name(const testing::TestParamInfo<TypeCase>& info) {
    return info.param.name;
}

} // namespace

class RemoveGroupID : public testing::TestWithParam<PrefixCase> {};
TEST_P(RemoveGroupID, GivesTheFieldPrefix) {
    EXPECT_EQ(CParser::RemoveGroupID(GetParam().parameter, GetParam().group).str(),
              GetParam().prefix);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, RemoveGroupID,
    testing::Values(PrefixCase{"plain", "Code1Len", "Code1", "Len"},
                    PrefixCase{"exactly_noname_is_empty", "G1NONAME", "G1", ""},
                    PrefixCase{"noname_start_loses_six", "G1NONAMEX", "G1", "X"},
                    PrefixCase{"noname_inside_loses_the_first_six_anyway", "G1ABNONAME", "G1",
                               "ME"},
                    PrefixCase{"lower_case_noname_is_kept", "G1noname", "G1", "noname"},
                    PrefixCase{"group_longer_than_name", "G1AB", "Group1", ""},
                    PrefixCase{"only_length_counts", "ABCDE", "XY", "CDE"},
                    PrefixCase{"empty_group", "Len", "", "Len"}),
    prefix_name);

class TranslateType : public testing::TestWithParam<TypeCase> {};
TEST_P(TranslateType, UsesTheFirstMatchingRow) {
    EXPECT_EQ(CParser::TranslateType(GetParam().text, GetParam().from, GetParam().to).str(),
              GetParam().result);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, TranslateType,
    testing::Values(TypeCase{"identification_to_type_name", "ZEP RV-4400 V1.02", 0, 2, "ZEP100"},
                    TypeCase{"identification_to_code", "ZEP RV-4400 V1.02", 0, 1, "100"},
                    TypeCase{"longer_model_matches_the_shorter_row_first", "RV-4400L", 0, 0,
                             "RV-4400"},
                    TypeCase{"unknown_marker_is_row_zero", "type ?? unknown", 0, 2, "ZEP???"},
                    TypeCase{"unknown_marker_before_model_row", "RV-4400 ??", 0, 1, "???"},
                    TypeCase{"identification_ignores_case", "zep rv-4400l", 0, 2, "ZEP100"},
                    TypeCase{"no_model_in_text", "Scanner XY-1", 0, 2, ""},
                    TypeCase{"empty_text", "", 0, 2, ""},
                    TypeCase{"any_other_from_is_model_column", "RV-4400", 7, 2, "ZEP100"},
                    TypeCase{"code_to_type_name", "100", 1, 2, "ZEP100"},
                    TypeCase{"code_to_model_takes_first_row", "100", 1, 0, "RV-4400"},
                    TypeCase{"code_must_be_equal", "1000", 1, 2, ""},
                    TypeCase{"unknown_code", "???", 1, 2, "ZEP???"},
                    TypeCase{"type_name_to_code", "ZEP100", 2, 1, "100"},
                    TypeCase{"type_name_ignores_case", "zep100", 2, 1, "100"},
                    TypeCase{"type_name_must_be_equal", "ZEP100X", 2, 1, ""},
                    TypeCase{"type_name_to_type_name", "Zep100", 2, 2, "ZEP100"},
                    TypeCase{"any_other_to_is_model_column", "ZEP100", 2, 9, "RV-4400"}),
    type_name);

TEST(CParserTable, HoldsTheThreeRowsBeforeAndAfterConstruction) {
    ASSERT_EQ(CParser::kScannerTypeCount, 3);
    EXPECT_EQ(CParser::m_asoZep[0].model_text.str(), "??");
    EXPECT_EQ(CParser::m_asoZep[0].type_code.str(), "???");
    EXPECT_EQ(CParser::m_asoZep[0].type_name.str(), "ZEP???");
    // A damaged row is written back by every construction.
    CParser::m_asoZep[2].type_name = "broken";
    CParser parser;
    for (const SCANNER_TYPES& row : {CParser::m_asoZep[1], CParser::m_asoZep[2]}) {
        EXPECT_EQ(row.type_code.str(), "100");
        EXPECT_EQ(row.type_name.str(), "ZEP100");
    }
    EXPECT_EQ(CParser::m_asoZep[1].model_text.str(), "RV-4400");
    EXPECT_EQ(CParser::m_asoZep[2].model_text.str(), "RV-4400L");
}
