// The text conversions, one table row per case.
#include "CUtils.h"
#include "GwStringPrint.h"

#include <gtest/gtest.h>

#include <string>

TEST(CUtilsTables, HoldTheMnemonicsAndCodesIndexAligned) {
    ASSERT_EQ(CUtils::Comp_Len, 34);
    // Codes 0 to 31 in order, then SPC and DEL; 0x15 is spelt "NAC".
    for (int k = 0; k < CUtils::Comp_Len; ++k) {
        GwString code;
        code.Put("%02X", k < 32 ? static_cast<unsigned>(k) : k == 32 ? 0x20u : 0x7Fu);
        EXPECT_EQ(CUtils::Comp_Hex[k], code) << k;
        EXPECT_EQ(CUtils::Token2Hex(CUtils::Comp_Str[k]), code) << k;
        // 7F is inside the printable range that Hex2Token tests first: it gives the byte.
        EXPECT_EQ(CUtils::Hex2Token(code), k < 33 ? CUtils::Comp_Str[k] : "\x7F") << k;
    }
    EXPECT_EQ(CUtils::Comp_Str[21].str() + CUtils::Comp_Str[32].str(), "NACSPC");
}

namespace {

struct ConvCase {
    const char* name;
    GwString (*convert)(const GwString&);
    const char* in;
    const char* out;
};

void PrintTo(const ConvCase& c, std::ostream* os) {
    *os << c.name;
}

GwString token_count(const GwString& text) {
    return GwString(CUtils::TokenCount(text, " "));
}
GwString range2(const GwString& text) {
    return CUtils::ExtractRange(text, 2);
}
GwString pad_to_3(const GwString& text) {
    return CUtils::PadLeft(text, 3) + "|" + CUtils::PadRight(text, 3, '_');
}

} // namespace

class CUtilsConversion : public testing::TestWithParam<ConvCase> {};
TEST_P(CUtilsConversion, Converts) {
    EXPECT_EQ(GetParam().convert(GetParam().in), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, CUtilsConversion,
    testing::Values(
        ConvCase{"Token2HexNakIsSpeltNac", CUtils::Token2Hex, "NAK", "NAK"},
        ConvCase{"Token2HexSignedByte", CUtils::Token2Hex, "\xE9", "FFFFFFE9"},
        ConvCase{"Hex2TokenTilde", CUtils::Hex2Token, "7E", "~"},
        ConvCase{"Hex2TokenFirstPrintable", CUtils::Hex2Token, "21", "!"},
        ConvCase{"Hex2TokenAbove", CUtils::Hex2Token, "80", "80"},
        ConvCase{"Hex2Int", CUtils::Hex2Int, "1B", "27"},
        ConvCase{"Hex2IntSigned", CUtils::Hex2Int, "FFFFFFFF", "-1"},
        ConvCase{"TokenCountTrailingBlank", token_count, "CR ", "2"},
        ConvCase{"RangeSecondReread", range2, "3-007", "03-07"},
        ConvCase{"RangeThirdDropped", range2, "1-2-3", "01-02"},
        ConvCase{"RangeLeadingDash", range2, "-4", "00-04"},
        ConvCase{"LeadingWhitespace", CUtils::EraseLeadingWhitespace, "  \tab c ", "ab c "},
        ConvCase{"TrailingWhitespace", CUtils::EraseTrailingWhitespace, " ab c \t ", " ab c"},
        ConvCase{"Pad", pad_to_3, "7", "007|7__"},
        ConvCase{"PadNeverShortens", pad_to_3, "1234", "1234|1234"}),
    [](const testing::TestParamInfo<ConvCase>& row) { return std::string(row.param.name); });
