#include "CUtils.h"

#include <gtest/gtest.h>

TEST(CUtilsTables, HoldTheMnemonicsAndCodesIndexAligned) {
    ASSERT_EQ(CUtils::Comp_Len, 34);
    EXPECT_EQ(CUtils::Comp_Str[0].str(), "NUL");
    EXPECT_EQ(CUtils::Comp_Str[21].str(), "NAC");
    EXPECT_EQ(CUtils::Comp_Hex[21].str(), "15");
    EXPECT_EQ(CUtils::Comp_Str[32].str(), "SPC");
    EXPECT_EQ(CUtils::Comp_Hex[32].str(), "20");
    EXPECT_EQ(CUtils::Comp_Str[33].str(), "DEL");
    EXPECT_EQ(CUtils::Comp_Hex[33].str(), "7F");
    // Codes 0 to 31 in order, upper-case hex.
    for (int k = 0; k < 32; ++k) {
        GwString expected;
        expected.Put("%02X", static_cast<unsigned>(k));
        EXPECT_EQ(CUtils::Comp_Hex[k].str(), expected.str()) << k;
        EXPECT_EQ(CUtils::Token2Hex(CUtils::Comp_Str[k]).str(), expected.str()) << k;
    }
}

struct ConvCase {
    const char* name;
    const char* in;
    const char* out;
};

void PrintTo(const ConvCase& c, std::ostream* os) {
    *os << c.name;
}

std::string case_name(const testing::TestParamInfo<ConvCase>& info) {
    return info.param.name;
}

class Token2Hex : public testing::TestWithParam<ConvCase> {};
TEST_P(Token2Hex, Converts) {
    EXPECT_EQ(CUtils::Token2Hex(GetParam().in).str(), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Token2Hex,
    testing::Values(ConvCase{"letter", "A", "41"}, ConvCase{"blank", " ", "20"},
                    ConvCase{"mnemonic", "ESC", "1B"}, ConvCase{"two_letter_mnemonic", "CR", "0D"},
                    ConvCase{"nak_is_spelt_nac", "NAK", "NAK"}, ConvCase{"nac", "NAC", "15"},
                    ConvCase{"space_mnemonic", "SPC", "20"}, ConvCase{"del", "DEL", "7F"},
                    ConvCase{"four_chars", "ABCD", "ABCD"}, ConvCase{"empty", "", ""},
                    ConvCase{"unknown_three", "XYZ", "XYZ"},
                    ConvCase{"signed_byte", "\xE9", "FFFFFFE9"},
                    ConvCase{"rest_after_blank_ignored", "ESC trailing", "1B"},
                    ConvCase{"lower_case_mnemonic", "esc", "esc"}),
    case_name);

class Hex2Token : public testing::TestWithParam<ConvCase> {};
TEST_P(Hex2Token, Converts) {
    EXPECT_EQ(CUtils::Hex2Token(GetParam().in).str(), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Hex2Token,
    testing::Values(ConvCase{"cr", "0D", "CR"}, ConvCase{"letter", "41", "A"},
                    ConvCase{"tilde", "7E", "~"}, ConvCase{"space_is_spc", "20", "SPC"},
                    ConvCase{"escape", "1B", "ESC"}, ConvCase{"lower_case_unchanged", "1b", "1b"},
                    ConvCase{"first_printable", "21", "!"},
                    ConvCase{"text_order_not_numeric", "3", "\x03"},
                    ConvCase{"above_range", "80", "80"}, ConvCase{"empty", "", ""},
                    ConvCase{"rest_after_blank_ignored", "41 42", "A"},
                    ConvCase{"nac", "15", "NAC"}),
    case_name);

TEST(CUtils, TokenCountCountsTokenSteps) {
    EXPECT_EQ(CUtils::TokenCount("a;b;c", ";"), 3);
    EXPECT_EQ(CUtils::TokenCount("", ";"), 0);
    EXPECT_EQ(CUtils::TokenCount("abc", ";"), 1);
    EXPECT_EQ(CUtils::TokenCount("CR ", " "), 2);
    EXPECT_EQ(CUtils::TokenCount("CR LF", " "), 2);
    EXPECT_EQ(CUtils::TokenCount(";;a", ";"), 1);
}

TEST(CUtils, Hex2IntSumsDigitsInto32Bits) {
    EXPECT_EQ(CUtils::Hex2Int("1B").str(), "27");
    EXPECT_EQ(CUtils::Hex2Int("00").str(), "0");
    EXPECT_EQ(CUtils::Hex2Int("").str(), "0");
    EXPECT_EQ(CUtils::Hex2Int("FFFFFFFF").str(), "-1");
    EXPECT_EQ(CUtils::Hex2Int("7FFFFFFF").str(), "2147483647");
    EXPECT_EQ(CUtils::Hex2Int("100000000").str(), "0"); // wraps like its accumulator
    EXPECT_EQ(CUtils::Hex2Int("02").str(), "2");
    // Lower case is not a hex digit: 'b' counts as 98 - 55 = 43.
    EXPECT_EQ(CUtils::Hex2Int("1b").str(), "59");
}

TEST(CUtils, Int2HexWritesUpperCaseWithoutLeadingZeros) {
    EXPECT_EQ(CUtils::Int2Hex("27").str(), "1B");
    EXPECT_EQ(CUtils::Int2Hex("10").str(), "A");
    EXPECT_EQ(CUtils::Int2Hex("0").str(), "0");
    EXPECT_EQ(CUtils::Int2Hex("abc").str(), "0");
    EXPECT_EQ(CUtils::Int2Hex("-23").str(), "FFFFFFE9");
    EXPECT_EQ(CUtils::Int2Hex("255").str(), "FF");
}

struct RangeCase {
    const char* name;
    const char* in;
    int width;
    const char* out;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class ExtractRange : public testing::TestWithParam<RangeCase> {};
TEST_P(ExtractRange, Normalises) {
    EXPECT_EQ(CUtils::ExtractRange(GetParam().in, GetParam().width).str(), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(Cases, ExtractRange,
                         testing::Values(RangeCase{"single", "5", 2, "05___"},
                                         RangeCase{"pair", "5-12", 2, "05-12"},
                                         RangeCase{"second_reread", "3-007", 2, "03-07"},
                                         RangeCase{"width3", "12", 3, "012__"},
                                         RangeCase{"first_not_reread", "007-3", 2, "007-03"},
                                         RangeCase{"third_part_dropped", "1-2-3", 2, "01-02"},
                                         RangeCase{"empty", "", 2, "00___"},
                                         RangeCase{"trailing_text", "7x", 2, "07___"},
                                         RangeCase{"already_long", "12345", 2, "12345"},
                                         RangeCase{"leading_dash", "-4", 2, "00-04"}),
                         [](const testing::TestParamInfo<RangeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(CUtils, WhitespaceTrimming) {
    EXPECT_EQ(CUtils::EraseLeadingWhitespace("  \tab c ").str(), "ab c ");
    EXPECT_EQ(CUtils::EraseLeadingWhitespace("   ").str(), "");
    EXPECT_EQ(CUtils::EraseLeadingWhitespace("").str(), "");
    EXPECT_EQ(CUtils::EraseTrailingWhitespace(" ab c \t ").str(), " ab c");
    EXPECT_EQ(CUtils::EraseTrailingWhitespace("   ").str(), " ");
    EXPECT_EQ(CUtils::EraseTrailingWhitespace("\t").str(), "\t");
    EXPECT_EQ(CUtils::EraseTrailingWhitespace("").str(), "");
    EXPECT_EQ(CUtils::EraseTrailingWhitespace("a").str(), "a");
}

TEST(CUtils, PaddingNeverShortens) {
    EXPECT_EQ(CUtils::PadLeft("7", 3).str(), "007");
    EXPECT_EQ(CUtils::PadLeft("1234", 3).str(), "1234");
    EXPECT_EQ(CUtils::PadRight("AB", 5, '_').str(), "AB___");
    EXPECT_EQ(CUtils::PadRight("ABCDEF", 5, '_').str(), "ABCDEF");
}
