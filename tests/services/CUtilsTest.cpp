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

// Each row names its case; helpers bring the conversions with more arguments to one text.
TEST(CUtils, Converts) {
    using Convert = GwString (*)(const GwString&);
    const Convert token_count = [](const GwString& t) {
        return GwString(CUtils::TokenCount(t, " "));
    };
    const Convert range2 = [](const GwString& t) { return CUtils::ExtractRange(t, 2); };
    const Convert pad_to_3 = [](const GwString& t) {
        return CUtils::PadLeft(t, 3) + "|" + CUtils::PadRight(t, 3, '_');
    };
    const struct {
        const char* name;
        Convert convert;
        const char *in, *out;
    } rows[] = {{"Token2HexNakIsSpeltNac", CUtils::Token2Hex, "NAK", "NAK"},
                {"Token2HexSignedByte", CUtils::Token2Hex, "\xE9", "FFFFFFE9"},
                {"Hex2TokenTilde", CUtils::Hex2Token, "7E", "~"},
                {"Hex2TokenFirstPrintable", CUtils::Hex2Token, "21", "!"},
                {"Hex2TokenAbove", CUtils::Hex2Token, "80", "80"},
                {"Hex2Int", CUtils::Hex2Int, "1B", "27"},
                {"Hex2IntSigned", CUtils::Hex2Int, "FFFFFFFF", "-1"},
                {"TokenCountTrailingBlank", token_count, "CR ", "2"},
                {"RangeSecondReread", range2, "3-007", "03-07"},
                {"RangeThirdDropped", range2, "1-2-3", "01-02"},
                {"RangeLeadingDash", range2, "-4", "00-04"},
                {"LeadingWhitespace", CUtils::EraseLeadingWhitespace, "  \tab c ", "ab c "},
                {"TrailingWhitespace", CUtils::EraseTrailingWhitespace, " ab c \t ", " ab c"},
                {"Pad", pad_to_3, "7", "007|7__"},
                {"PadNeverShortens", pad_to_3, "1234", "1234|1234"}};
    for (const auto& row : rows)
        EXPECT_EQ(row.convert(row.in), row.out) << row.name;
}
