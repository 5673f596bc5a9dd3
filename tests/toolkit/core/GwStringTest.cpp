#include "GwString.h"

#include <gtest/gtest.h>

#include <climits>

TEST(GwString, ConstructsFromTextNumbersAndRepeats) {
    EXPECT_EQ(GwString().len(), 0);
    EXPECT_EQ(GwString(static_cast<const char*>(nullptr)).len(), 0);
    EXPECT_EQ(GwString(-42).str(), "-42");
    EXPECT_EQ(GwString(123456789L).str(), "123456789");
    EXPECT_EQ(GwString('0', 3).str(), "000");
    EXPECT_EQ(GwString('x', -2).str(), "");
    EXPECT_EQ(GwString("a\0b", 3).len(), 3);
}

TEST(GwString, CopiesAreIndependent) {
    GwString a("abc");
    GwString b = a;
    b += "d";
    b.make_upper();
    EXPECT_EQ(a.str(), "abc");
    EXPECT_EQ(b.str(), "ABCD");
}

TEST(GwString, CompareGivesTheSignOfTheByteOrder) {
    EXPECT_EQ(GwString("abc").compare("abc"), 0);
    EXPECT_EQ(GwString("abc").compare("abd"), -1);
    EXPECT_EQ(GwString("b").compare("abc"), 1);
    EXPECT_EQ(GwString("ab").compare("abc"), -1);
    // Bytes above 0x7F sort after ASCII.
    EXPECT_EQ(GwString("\xE9").compare("z"), 1);
    EXPECT_TRUE(GwString("x") == "x");
    EXPECT_FALSE(GwString("x") == "xy");
}

TEST(GwString, FirstAndLastFindOccurrencesOrMinusOne) {
    const GwString s("a;b;c");
    EXPECT_EQ(s.first(';'), 1);
    EXPECT_EQ(s.last(';'), 3);
    EXPECT_EQ(s.first(GwString("b;")), 2);
    EXPECT_EQ(s.first(';', 2), 3);
    EXPECT_EQ(s.first(';', 99), -1);
    EXPECT_EQ(s.first(';', -5), 1);
    EXPECT_EQ(s.first(GwString("x")), -1);
    EXPECT_EQ(s.first(GwString("")), -1);
    EXPECT_EQ(s.last(GwString("")), -1);
    EXPECT_EQ(GwString().first('a'), -1);
    EXPECT_EQ(GwString().last('a'), -1);
}

struct RangeCase {
    const char* name;
    int from;
    int to;
    const char* expected;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class GwStringRange : public testing::TestWithParam<RangeCase> {};

TEST_P(GwStringRange, SubstringIsInclusiveAndClamped) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(GwString("abcdef")(c.from, c.to).str(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, GwStringRange,
    testing::Values(RangeCase{"whole", 0, 5, "abcdef"}, RangeCase{"middle", 1, 3, "bcd"},
                    RangeCase{"one", 2, 2, "c"}, RangeCase{"past_end", 4, 99, "ef"},
                    RangeCase{"before_start", -3, 1, "ab"}, RangeCase{"reversed", 3, 1, ""},
                    RangeCase{"beyond", 6, 9, ""}, RangeCase{"all_negative", -5, -1, ""},
                    RangeCase{"empty_to", 0, -1, ""}),
    [](const testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

TEST(GwString, IndexOutsideTheTextGivesNul) {
    const GwString s("ab");
    EXPECT_EQ(s[0], 'a');
    EXPECT_EQ(s[1], 'b');
    EXPECT_EQ(s[2], '\0');
    EXPECT_EQ(s[-1], '\0');
    EXPECT_EQ(GwString()[0], '\0');
}

TEST(GwString, RemoveTakesAnInclusiveClampedRange) {
    EXPECT_EQ(GwString("abcdef").remove(1, 2).str(), "adef");
    EXPECT_EQ(GwString("abcdef").remove(4, 100).str(), "abcd");
    EXPECT_EQ(GwString("abcdef").remove(-2, 0).str(), "bcdef");
    EXPECT_EQ(GwString("abcdef").remove(3, 1).str(), "abcdef");
    EXPECT_EQ(GwString("abc").remove(7, 9).str(), "abc");
    EXPECT_EQ(GwString().remove(0, 0).str(), "");
}

TEST(GwString, AppendPrependAndConcatenate) {
    GwString s("b");
    s.prepend("a").append("c");
    s += 'd';
    EXPECT_EQ(s.str(), "abcd");
    EXPECT_EQ(("x" + s + "y").str(), "xabcdy");
    EXPECT_EQ((s + '!').str(), "abcd!");
    s.clear();
    EXPECT_EQ(s.is_empty(), 1);
    EXPECT_EQ(s.not_null(), 0);
}

TEST(GwString, UpperAndLowerCase) {
    GwString s("Rv-4400l");
    EXPECT_EQ(s.to_upper().str(), "RV-4400L");
    EXPECT_EQ(s.str(), "Rv-4400l");
    s.make_upper();
    EXPECT_EQ(s.str(), "RV-4400L");
    EXPECT_EQ(s.to_lower().str(), "rv-4400l");
}

TEST(GwString, EraseTrailingCharsStripsOnlyTheTrailingRun) {
    EXPECT_EQ(GwString("INT   ").EraseTrailingChars(' ').str(), "INT");
    EXPECT_EQ(GwString(" a b ").EraseTrailingChars(' ').str(), " a b");
    EXPECT_EQ(GwString("    ").EraseTrailingChars(' ').str(), "");
    EXPECT_EQ(GwString("").EraseTrailingChars(' ').str(), "");
    EXPECT_EQ(GwString("ab__").EraseTrailingChars('_').str(), "ab");
}

TEST(GwString, TokenWalksASeparatedList) {
    GwString list(";;a;b;;c");
    EXPECT_EQ(list.token(";").str(), "a");
    EXPECT_EQ(list.str(), ";b;;c");
    EXPECT_EQ(list.token(";").str(), "b");
    EXPECT_EQ(list.str(), ";;c");
    EXPECT_EQ(list.token(";").str(), "c");
    EXPECT_EQ(list.str(), "");
    EXPECT_EQ(list.token(";").str(), "");
    EXPECT_EQ(list.str(), "");
}

TEST(GwString, TokenWithSeveralSeparatorsAndNoSeparator) {
    GwString s("x, y");
    EXPECT_EQ(s.token(", ").str(), "x");
    EXPECT_EQ(s.token(", ").str(), "y");
    GwString whole("RV-4400");
    EXPECT_EQ(whole.token(" ").str(), "RV-4400");
    EXPECT_TRUE(whole.is_empty());
    GwString separators_only(";;;");
    EXPECT_EQ(separators_only.token(";").str(), "");
    EXPECT_TRUE(separators_only.is_empty());
}

TEST(GwString, GetTokenCountsFieldsFromZero) {
    const GwString line("Speed;INT;3;;255;0");
    EXPECT_EQ(line.GetTokenCount(';'), 6);
    EXPECT_EQ(line.GetToken(0, ';').str(), "Speed");
    EXPECT_EQ(line.GetToken(3, ';').str(), "");
    EXPECT_EQ(line.GetToken(5, ';').str(), "0");
    EXPECT_EQ(line.GetToken(6, ';').str(), "");
    EXPECT_EQ(line.GetToken(-1, ';').str(), "");
    EXPECT_EQ(GwString("").GetTokenCount(';'), 0);
    EXPECT_EQ(GwString("").GetToken(0, ';').str(), "");
    EXPECT_EQ(GwString("a;").GetTokenCount(';'), 2);
    EXPECT_EQ(GwString("a").GetTokenCount(';'), 1);
    EXPECT_EQ(GwString(";").GetToken(1, ';').str(), "");
}

TEST(GwString, NumberConversionReadsALeadingDecimal) {
    EXPECT_EQ(GwString("42").to_int(), 42);
    EXPECT_EQ(GwString("  -17xyz").to_int(), -17);
    EXPECT_EQ(GwString("9600 ,N,8,1").to_int(), 9600);
    EXPECT_EQ(GwString("+5").to_int(), 5);
    EXPECT_EQ(GwString("abc").to_int(), 0);
    EXPECT_EQ(GwString("").to_int(), 0);
    EXPECT_EQ(GwString("0042").to_long(), 42L);
    EXPECT_EQ(GwString("99999999999999999999999").to_int(), INT_MAX);
    EXPECT_EQ(GwString("-99999999999999999999999").to_int(), INT_MIN);
    EXPECT_EQ(GwAtoi(nullptr), 0);
    EXPECT_EQ(GwAtol("120627"), 120627L);
    EXPECT_EQ(GwStrlen(nullptr), 0);
    EXPECT_EQ(GwStrlen("abc"), 3);
}

TEST(GwString, PutFormatsLikePrintf) {
    GwString s("old");
    EXPECT_EQ(s.Put("%X", 27u), 2);
    EXPECT_EQ(s.str(), "1B");
    s.Put("%s-%03d", "x", 7);
    EXPECT_EQ(s.str(), "x-007");
    const std::string longer(5000, 'q');
    s.Put("%s", longer.c_str());
    EXPECT_EQ(s.len(), 5000);
}

TEST(GwString, HoldsEmbeddedNulCharacters) {
    const GwString marker("\0", 1);
    EXPECT_EQ(marker.len(), 1);
    EXPECT_FALSE(marker.is_empty());
    EXPECT_FALSE(marker == GwString());
    GwString line = GwString("a") + marker + "b";
    EXPECT_EQ(line.len(), 3);
    EXPECT_EQ(line[2], 'b');
}

TEST(GwString, BeginsAndEndsWith) {
    const GwString s("Code2Len");
    EXPECT_EQ(s.begins_with("Code"), 1);
    EXPECT_EQ(s.begins_with("Code2Len!"), 0);
    EXPECT_EQ(s.begins_with(""), 1);
    EXPECT_EQ(s.ends_with("Len"), 1);
    EXPECT_EQ(s.ends_with("xCode2Len"), 0);
    EXPECT_EQ(s.contains("e2L"), 1);
    EXPECT_EQ(s.contains(""), 0);
}
