// Byte sequences: tokens in plain form, hex pairs in coded form.
#include "EwRangeChar.h"
#include "StringLists.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct HexCase {
    const char* name;
    const char* in;
    int length;
    const char* out;
};

std::string case_name(const testing::TestParamInfo<HexCase>& info) {
    return info.param.name;
}

} // namespace

class HexToTokens : public testing::TestWithParam<HexCase> {};
TEST_P(HexToTokens, Converts) {
    EXPECT_EQ(EwRangeChar::hex_to_tokens(GetParam().in, GetParam().length).str(), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, HexToTokens,
    testing::Values(HexCase{"full_sequence_has_no_trailing_blank", "0D0A", 2, "CR LF"},
                    HexCase{"ended_early_keeps_one_blank", "0D00", 2, "CR "},
                    HexCase{"leading_terminator_gives_empty", "000D", 2, ""},
                    HexCase{"terminator_ends_reading", "4100FF", 3, "A "},
                    HexCase{"zero_byte_of_a_one_byte_value", "00", 1, "NUL"},
                    HexCase{"printable_and_mnemonics", "02411B", 3, "STX A ESC"},
                    HexCase{"space_is_spc", "20", 1, "SPC"},
                    HexCase{"bytes_beyond_length_run_together", "414243", 2, "A BC"},
                    HexCase{"odd_digit_count_reads_the_lone_digit", "414", 3, "A \x04 "},
                    HexCase{"empty", "", 2, ""}),
    case_name);

class TokensToHex : public testing::TestWithParam<HexCase> {};
TEST_P(TokensToHex, Converts) {
    EXPECT_EQ(EwRangeChar::tokens_to_hex(GetParam().in, GetParam().length).str(), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, TokensToHex,
    testing::Values(HexCase{"full_sequence", "CR LF", 2, "0D0A"},
                    HexCase{"short_sequence_gets_one_terminator", "CR", 3, "0D00"},
                    HexCase{"empty_gives_terminator", "", 2, "00"},
                    HexCase{"trailing_blank_ignored", "CR ", 2, "0D00"},
                    HexCase{"letters", "A B", 2, "4142"},
                    HexCase{"unknown_token_passes_through", "NAK", 2, "NAK00"},
                    HexCase{"huge_length_does_not_overflow", "A", 2147483647, "4100"},
                    HexCase{"zero_length_no_terminator", "", 0, ""}),
    case_name);

namespace {

std::unique_ptr<EwRangeChar> make_char(const char* length = "2") {
    auto p = std::make_unique<EwRangeChar>("GSuffix", "HEXCHAR");
    p->set_length(length);
    p->set_bounds("00", "7F");
    DynGwStringPtrArray* excludes = new_list({"0A"});
    p->set_range(excludes, nullptr);
    return p;
}

} // namespace

TEST(EwRangeChar, StoresTokensAndGivesHexPairs) {
    auto p = make_char();
    EXPECT_EQ(p->value(0).str(), "0");
    ASSERT_EQ(p->set_value("0D0A", 1), 1);
    EXPECT_EQ(p->value(0).str(), "CR LF");
    EXPECT_EQ(p->value(1).str(), "0D0A");
    EXPECT_EQ(p->value(5).str(), "0D0A"); // any non-zero form is coded
    ASSERT_EQ(p->set_value("CR", 0), 1);
    EXPECT_EQ(p->value(1).str(), "0D00");
    ASSERT_EQ(p->set_value("000D", 1), 1);
    EXPECT_EQ(p->value(0).str(), "");
    EXPECT_EQ(p->value(1).str(), "00");
    ASSERT_EQ(p->set_prf_value("41", 3), 1);
    EXPECT_EQ(p->prf_value(0).str(), "A ");
    EXPECT_EQ(p->prf_value(1).str(), "4100");
}

TEST(EwRangeChar, SetValueNeverRejects) {
    auto p = make_char();
    EXPECT_EQ(p->set_value("zz", 0), 1);
    EXPECT_EQ(p->value(0).str(), "zz");
    EXPECT_EQ(p->set_default("anything"), 1);
    EXPECT_EQ(p->value(0).str(), "anything");
}

class EwRangeCharValidity : public testing::TestWithParam<HexCase> {};
TEST_P(EwRangeCharValidity, NeedsTwoUpperCaseHexDigitsInsideTheBounds) {
    auto p = make_char();
    EXPECT_EQ(p->IsValid(GetParam().in), GetParam().length);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, EwRangeCharValidity,
    testing::Values(HexCase{"inside", "0D", 1, ""}, HexCase{"low_bound", "00", 1, ""},
                    HexCase{"high_bound", "7F", 1, ""}, HexCase{"above", "80", 0, ""},
                    HexCase{"lower_case_letter", "0d", 0, ""}, HexCase{"excluded", "0A", 0, ""},
                    HexCase{"one_character", "7", 0, ""}, HexCase{"empty", "", 0, ""},
                    HexCase{"not_hex", "0G", 0, ""},
                    HexCase{"text_order_allows_longer", "7E55", 1, ""},
                    HexCase{"text_order_rejects_longer_high", "7F0", 0, ""}),
    case_name);

TEST(EwRangeChar, BoundsAndExcludes) {
    auto p = make_char();
    EXPECT_EQ(p->bounds().str(), "00,7F");
    EXPECT_EQ(texts_of(p->range(0)), Texts{"0A"});
    EXPECT_EQ(p->range(1), p->range(0));
}

TEST(EwRangeChar, DifferenceComparesHexForms) {
    auto p = make_char();
    ASSERT_EQ(p->set_value("0D0A", 1), 1);
    ASSERT_EQ(p->set_prf_value("CR LF", 0), 1);
    EXPECT_EQ(p->differs(), 0);
    ASSERT_EQ(p->set_prf_value("CR", 0), 1);
    EXPECT_EQ(p->differs(), 1);
    EXPECT_EQ(p->diff_text(1).str(), "GSuffix0D0A");
    EXPECT_EQ(p->diff_text(0).str(), "GSuffix0D00");
}
