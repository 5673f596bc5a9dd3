// The typed parameters: validity, coded and plain forms, comparison values, defaults, the
// lists each keeps (the difference texts are common to all types: RepositoryTest).
#include "EwEnumInt.h"
#include "EwRangeChar.h"
#include "EwRangeInt.h"
#include "EwString.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// value(0)/value(1) and prf_value(0)/prf_value(1) of a parameter in one text: "On/01 Off/00".
static std::string forms(const EwType& p) {
    return p.value(0).str() + "/" + p.value(1).str() + " " + p.prf_value(0).str() + "/" +
           p.prf_value(1).str();
}

// ---- Enumerations (EwEnumChar differs only in its name; ZEP100 builds both) ---------------

namespace {

// Values and codes (no code list when empty), length 2.
std::unique_ptr<EwEnumInt> make(std::initializer_list<const char*> values = {"Off", "On"},
                                std::initializer_list<const char*> codes = {"0", "1"}) {
    auto p = std::make_unique<EwEnumInt>("GMode", "ENUMERATEDINT");
    p->set_length("2");
    DynGwStringPtrArray* list = new_list(values);
    p->set_range(list, codes.size() > 0 ? new_list(codes) : nullptr);
    return p;
}

} // namespace

TEST(EwEnum, DecodesCodesOnSetAndFillsThemOnRead) {
    auto p = make();
    // It starts as the text "0", no value: coded unfilled; the empty comparison value filled.
    EXPECT_EQ(forms(*p), "0/0 /00");
    EXPECT_EQ(p->set_value("1", 1), 1);
    EXPECT_EQ(p->set_value("2", 1), 0);
    EXPECT_EQ(p->set_value("1", 0), 0); // the plain form is not decoded
    EXPECT_EQ(p->set_prf_value("1", 1), 1);
    EXPECT_EQ(p->set_prf_value("9", 1), 0);
    EXPECT_EQ(forms(*p), "On/01 On/01");
    EXPECT_EQ(p->value(7), "On");         // only form 1 is coded
    EXPECT_EQ(p->set_value("Off", 1), 1); // a text that is no code is taken as it is
    EXPECT_EQ(forms(*p), "Off/00 On/01");
}

TEST(EwEnum, CodesAreNeitherCutNorReadPastTheirList) {
    auto p = make({"A", "B", "A", "X"}, {"5", "123", "7"});
    ASSERT_EQ(p->set_value("123", 1) + p->set_prf_value("7", 1), 2);
    EXPECT_EQ(forms(*p), "B/123 A/05"); // "7" decodes to "A", whose first code is 5
    // "X" has no code: the value comes back as it is, the comparison value filled.
    ASSERT_EQ(p->set_value("X", 0) + p->set_prf_value("X", 0), 2);
    EXPECT_EQ(forms(*p), "X/X X/0X");
    auto plain = make({"Off", "On"}, {});
    ASSERT_EQ(plain->set_value("On", 1) + plain->set_prf_value("Off", 1), 2);
    EXPECT_EQ(forms(*plain), "On/On Off/Off");
    EXPECT_EQ(plain->range(1), nullptr);
}

TEST(EwEnum, OnlyAListedTextIsValidOrADefault) {
    auto p = make();
    for (const char* text : {"on", "On ", "O", ""})
        EXPECT_EQ(p->IsValid(text), 0) << text;
    EXPECT_EQ(p->IsValid("On"), 1);
    EXPECT_EQ(p->set_default("Maybe"), 0);
    EXPECT_EQ(p->set_default("0"), 0); // a code is no default
    EXPECT_EQ(p->value(0), "0");
    EXPECT_EQ(p->set_default("On"), 1);
    EXPECT_EQ(p->value(0), "On");
    auto bare = std::make_unique<EwEnumInt>("GY", "BOOLEAN");
    EXPECT_EQ(bare->IsValid("0"), 0);
    EXPECT_EQ(bare->set_value("0", 1), 0);
}

TEST(EwEnum, ListsAndBounds) {
    auto p = make();
    EXPECT_EQ(texts_of(p->range(0)), (Texts{"Off", "On"}));
    EXPECT_EQ(texts_of(p->range(1)), (Texts{"0", "1"}));
    EXPECT_EQ(p->range(5), p->range(0));
}

// ---- Byte sequences: tokens in plain form, hex pairs in coded form --------------------------

namespace {

struct HexCase {
    const char* name;
    const char* in;
    int length; // validity rows: the expected result
    const char* out;
};

void PrintTo(const HexCase& c, std::ostream* os) {
    *os << c.name;
}

std::string case_name(const testing::TestParamInfo<HexCase>& info) {
    return info.param.name;
}

std::unique_ptr<EwRangeChar> make_hex() {
    auto p = std::make_unique<EwRangeChar>("GSuffix", "HEXCHAR");
    p->set_length("2");
    p->set_bounds("00", "7F");
    DynGwStringPtrArray* excludes = new_list({"0A"});
    p->set_range(excludes, nullptr);
    return p;
}

} // namespace

// Rows named To... convert tokens to hex, the others hex to tokens.
class HexConversion : public testing::TestWithParam<HexCase> {};
TEST_P(HexConversion, Converts) {
    const HexCase& c = GetParam();
    EXPECT_EQ(std::string(c.name).rfind("To", 0) == 0 ? EwRangeChar::tokens_to_hex(c.in, c.length)
                                                      : EwRangeChar::hex_to_tokens(c.in, c.length),
              c.out);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, HexConversion,
    testing::Values(HexCase{"Full", "0D0A", 2, "CR LF"}, HexCase{"EndedEarly", "0D00", 2, "CR "},
                    HexCase{"LeadingEnd", "000D", 2, ""}, HexCase{"EndStops", "4100FF", 3, "A "},
                    HexCase{"ZeroOfOneByte", "00", 1, "NUL"},
                    HexCase{"Beyond", "414243", 2, "A BC"},
                    HexCase{"OddDigits", "414", 3, "A \x04 "}, HexCase{"ToShort", "CR", 3, "0D00"},
                    HexCase{"ToEmpty", "", 2, "00"}, HexCase{"ToTrailingBlank", "CR ", 2, "0D00"},
                    HexCase{"ToUnknown", "NAK", 2, "NAK00"},
                    HexCase{"ToHugeLength", "A", 2147483647, "4100"}),
    case_name);

class EwRangeCharValidity : public testing::TestWithParam<HexCase> {};
TEST_P(EwRangeCharValidity, NeedsTwoUpperCaseHexDigitsInsideTheBounds) {
    EXPECT_EQ(make_hex()->IsValid(GetParam().in), GetParam().length);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, EwRangeCharValidity,
    testing::Values(HexCase{"Low", "00", 1, ""}, HexCase{"High", "7F", 1, ""},
                    HexCase{"Above", "80", 0, ""}, HexCase{"LowerCase", "0d", 0, ""},
                    HexCase{"Excluded", "0A", 0, ""}, HexCase{"OneDigit", "7", 0, ""},
                    HexCase{"NotHex", "0G", 0, ""}, HexCase{"TextOrderLonger", "7E55", 1, ""},
                    HexCase{"TextOrderAboveHigh", "7F0", 0, ""}),
    case_name);

TEST(EwRangeChar, StoresTokensWithoutCheckAndGivesHexPairs) {
    auto p = make_hex();
    ASSERT_EQ(p->set_value("0D0A", 1) + p->set_prf_value("41", 3), 2);
    EXPECT_EQ(forms(*p), "CR LF/0D0A A /4100");
    EXPECT_EQ(p->value(5), "0D0A"); // any non-zero form is coded
    ASSERT_EQ(p->set_value("000D", 1), 1);
    EXPECT_EQ(p->value(1), "00");
    EXPECT_EQ(p->set_value("zz", 0) + p->set_default("anything"), 2); // never rejects
    EXPECT_EQ(p->value(0), "anything");
    EXPECT_EQ(p->bounds(), "00,7F");
    EXPECT_EQ(texts_of(p->range(1)), Texts{"0A"});
}

// ---- Integers ------------------------------------------------------------------------------

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

void PrintTo(const ValidityCase& c, std::ostream* os) {
    *os << c.name;
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
    testing::Values(ValidityCase{"Low", "1", 1}, ValidityCase{"High", "10", 1},
                    ValidityCase{"Excluded", "5", 0}, ValidityCase{"ExcludedLeadingZero", "05", 0},
                    ValidityCase{"ExcludedTrailingText", "5 ", 0}, ValidityCase{"Above", "11", 0},
                    ValidityCase{"Below", "0", 0}, ValidityCase{"TextIsZero", "abc", 0},
                    ValidityCase{"LeadingNumber", "7kg", 1}, ValidityCase{"Negative", "-3", 0}),
    [](const testing::TestParamInfo<ValidityCase>& row) { return row.param.name; });

TEST(EwRangeInt, CodedFormIsDecimalFilledToTheLength) {
    auto p = make_int();
    ASSERT_EQ(p->set_value("007", 1) + p->set_prf_value("9", 0), 2);
    EXPECT_EQ(forms(*p), "7/007 9/009");
    EXPECT_EQ(p->value(2), "7"); // only form 1 is filled
    EXPECT_EQ(p->set_default("5"), 0);
    EXPECT_EQ(p->value(0), "7");
    EXPECT_EQ(p->set_default("4"), 1);
    EXPECT_EQ(p->value(0), "4");
    // A length beyond a line (only a broken profile gives one) fills no further than a line.
    p->set_length("99999999999");
    EXPECT_EQ(p->length(), "2147483647");
    EXPECT_EQ(p->value(1).len(), 1023);
}

TEST(EwRangeInt, NegativeNumbersKeepTheSignInFrontOfTheZeros) {
    // "0-5" would read back as 0: the sign goes first so the coded form survives a round trip.
    auto p = std::make_unique<EwRangeInt>("GOff", "INT");
    p->set_length("4");
    p->set_bounds("-100", "100");
    ASSERT_EQ(p->set_value("-5", 0) + p->set_prf_value("-100", 0), 2);
    EXPECT_EQ(forms(*p), "-5/-005 -100/-100");
    ASSERT_EQ(p->set_prf_value("-005", 1), 1);
    EXPECT_EQ(p->prf_value(0), "-5");
}

TEST(EwRangeInt, ExcludesAndBounds) {
    // Only a numeric entry excludes by number: "abc" reads as 0 but does not exclude 0.
    auto p = std::make_unique<EwRangeInt>("GX", "INT");
    EXPECT_EQ(p->range(0), nullptr);
    EXPECT_EQ(p->bounds(), ",");
    p->set_bounds("-9", "9");
    DynGwStringPtrArray* excludes = new_list({"abc", "-3", "+4", ""});
    p->set_range(excludes, nullptr);
    for (const char* valid : {"0", "3"})
        EXPECT_EQ(p->IsValid(valid), 1) << valid;
    for (const char* excluded : {"abc", "-03", "4", "", "50"})
        EXPECT_EQ(p->IsValid(excluded), 0) << excluded;
    // Bounds are read anew on every check; the exclude list stays.
    p->set_bounds("0", "255");
    EXPECT_EQ(p->bounds(), "0,255");
    EXPECT_EQ(p->IsValid("50"), 1);
    EXPECT_EQ(p->IsValid("4"), 0);
    EXPECT_EQ(p->range(1), excludes);
}

// ---- Texts ---------------------------------------------------------------------------------

TEST(EwString, AcceptsEveryTextInEveryFormAndKeepsItsExcludesUnchecked) {
    EwString p("GLabel", "STRING");
    p.set_length("8");
    DynGwStringPtrArray* excludes = new_list({"x"});
    p.set_range(excludes, new_list({"1"})); // the mapping is of no use: deleted at once
    EXPECT_EQ(texts_of(p.range(1)), Texts{"x"});
    EXPECT_EQ(p.IsValid("x"), 1);
    EXPECT_EQ(p.set_value("abc", 1) + p.set_prf_value("xyz", 0) + p.set_default("dflt"), 3);
    EXPECT_EQ(forms(p), "dflt/dflt xyz/xyz"); // not filled to the length
    p.set_bounds("a", "b");
    EXPECT_EQ(p.bounds(), "");
}
