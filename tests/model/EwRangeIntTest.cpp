// Integer parameters: validity by number and excluded text, the filled coded form.
#include "EwRangeInt.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// low "1", high "10", excludes ("5"), length 3.
std::unique_ptr<EwRangeInt> make_int() {
    auto p = std::make_unique<EwRangeInt>("GLen", "INT");
    p->set_length("3");
    p->set_bounds("1", "10");
    DynGwStringPtrArray* excludes = new_list({"5"});
    p->set_range(excludes, nullptr);
    return p;
}

struct ValidityCase {
    const char* name;
    const char* candidate;
    int valid;
};

std::string case_name(const testing::TestParamInfo<ValidityCase>& info) {
    return info.param.name;
}

} // namespace

class EwRangeIntValidity : public testing::TestWithParam<ValidityCase> {};

TEST_P(EwRangeIntValidity, JudgesByExcludedTextThenByNumber) {
    auto p = make_int();
    EXPECT_EQ(p->IsValid(GetParam().candidate), GetParam().valid);
    // set_value stores exactly what IsValid accepts, in any form.
    EXPECT_EQ(p->set_value(GetParam().candidate, 1), GetParam().valid);
    EXPECT_EQ(p->set_prf_value(GetParam().candidate, 0), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EwRangeIntValidity,
    testing::Values(ValidityCase{"inside", "7", 1}, ValidityCase{"low_bound", "1", 1},
                    ValidityCase{"high_bound", "10", 1}, ValidityCase{"excluded", "5", 0},
                    ValidityCase{"excluded_number_with_leading_zero", "05", 0},
                    ValidityCase{"excluded_number_with_trailing_text", "5 ", 0},
                    ValidityCase{"above", "11", 0}, ValidityCase{"below", "0", 0},
                    ValidityCase{"not_a_number_is_zero", "abc", 0},
                    ValidityCase{"leading_number_counts", "7kg", 1},
                    ValidityCase{"leading_blanks", "  8", 1}, ValidityCase{"negative", "-3", 0},
                    ValidityCase{"empty", "", 0}),
    case_name);

TEST(EwRangeInt, CodedFormIsFilledDecimal) {
    auto p = make_int();
    EXPECT_EQ(p->value(1).str(), "000"); // starts at 0
    ASSERT_EQ(p->set_value("7", 0), 1);
    EXPECT_EQ(p->value(1).str(), "007");
    EXPECT_EQ(p->value(0).str(), "7");
    EXPECT_EQ(p->value(2).str(), "7"); // only form 1 is filled
    ASSERT_EQ(p->set_value("007", 1), 1);
    EXPECT_EQ(p->value(0).str(), "7");
    EXPECT_EQ(p->set_value("11", 1), 0);
    EXPECT_EQ(p->value(0).str(), "7");
    ASSERT_EQ(p->set_prf_value("9", 1), 1);
    EXPECT_EQ(p->prf_value(1).str(), "009");
    EXPECT_EQ(p->prf_value(0).str(), "9");
}

TEST(EwRangeInt, NegativeNumbersKeepTheSignInFrontOfTheZeros) {
    // "0-5" would read back as 0: the sign goes first so the coded form survives a round trip.
    auto p = std::make_unique<EwRangeInt>("GOff", "INT");
    p->set_length("4");
    p->set_bounds("-100", "100");
    ASSERT_EQ(p->set_value("-5", 0), 1);
    const GwString coded = p->value(1);
    EXPECT_EQ(coded.str(), "-005");
    ASSERT_EQ(p->set_value("0", 0), 1);
    ASSERT_EQ(p->set_value(coded, 1), 1);
    EXPECT_EQ(p->value(0).str(), "-5");
    ASSERT_EQ(p->set_prf_value("-100", 0), 1);
    EXPECT_EQ(p->prf_value(1).str(), "-100");
}

TEST(EwRangeInt, OnlyNumericExcludesExcludeByNumber) {
    // A text entry excludes only itself: "abc" reads as 0 but does not exclude 0.
    auto p = std::make_unique<EwRangeInt>("GX", "INT");
    p->set_bounds("-9", "9");
    DynGwStringPtrArray* excludes = new_list({"abc", "-3", "+4", ""});
    p->set_range(excludes, nullptr);
    EXPECT_EQ(p->IsValid("0"), 1);
    EXPECT_EQ(p->IsValid("abc"), 0);
    EXPECT_EQ(p->IsValid("-03"), 0);
    EXPECT_EQ(p->IsValid("4"), 0);
    EXPECT_EQ(p->IsValid("3"), 1);
    EXPECT_EQ(p->IsValid(""), 0); // the empty entry excludes the empty text
}

TEST(EwRangeInt, BoundsAreReadAnewOnEveryCheck) {
    auto p = make_int();
    EXPECT_EQ(p->bounds().str(), "1,10");
    EXPECT_EQ(p->IsValid("50"), 0);
    p->set_bounds("0", "255");
    EXPECT_EQ(p->bounds().str(), "0,255");
    EXPECT_EQ(p->IsValid("50"), 1);
    EXPECT_EQ(p->IsValid("5"), 0); // the exclude list stays
}

TEST(EwRangeInt, DefaultIsTakenOnlyWhenValid) {
    auto p = make_int();
    EXPECT_EQ(p->set_default("5"), 0);
    EXPECT_EQ(p->value(0).str(), "0");
    EXPECT_EQ(p->set_default("4"), 1);
    EXPECT_EQ(p->value(0).str(), "4");
}

TEST(EwRangeInt, RangeIsTheExcludeListWhateverIsAsked) {
    auto p = make_int();
    EXPECT_EQ(texts_of(p->range(0)), Texts{"5"});
    EXPECT_EQ(p->range(1), p->range(0));
    auto bare = std::make_unique<EwRangeInt>("GB", "INT");
    EXPECT_EQ(bare->range(0), nullptr);
    EXPECT_EQ(bare->bounds().str(), ",");
}

TEST(EwRangeInt, AnAbsurdLengthFillsNoFurtherThanALine) {
    auto p = make_int();
    p->set_length("99999999999");
    EXPECT_EQ(p->length().str(), "2147483647");
    EXPECT_EQ(p->value(1).len(), 1023);
}

TEST(EwRangeInt, DifferenceOfFilledForms) {
    auto p = make_int();
    EXPECT_EQ(p->differs(), 0); // both 0
    EXPECT_EQ(p->diff_text(1).str(), "");
    ASSERT_EQ(p->set_value("3", 0), 1);
    EXPECT_EQ(p->differs(), 1);
    EXPECT_EQ(p->diff_text(1).str(), "GLen003");
    EXPECT_EQ(p->diff_text(0).str(), "GLen000");
}
