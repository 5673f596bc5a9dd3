// GwString: positions, clamped ranges, tokens, numbers and embedded NULs.
#include "GwString.h"
#include "GwStringPrint.h"

#include <gtest/gtest.h>

#include <climits>

TEST(GwString, ConstructsComparesAndFinds) {
    EXPECT_EQ(GwString(static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(GwString(-42), "-42");
    EXPECT_EQ(GwString('x', -2), "");
    GwString a("abc");
    GwString b = a;
    b += "d";
    EXPECT_EQ(a + "|" + b.make_upper(), "abc|ABCD"); // copies are independent
    EXPECT_EQ(GwString("b").compare("abc") - GwString("ab").compare("abc"), 2);
    EXPECT_EQ(GwString("\xE9").compare("z"), 1); // bytes above 0x7F sort after ASCII
    const GwString s("a;b;c");
    EXPECT_EQ(s.first(';') + s.last(';') + s.first(GwString("b;")), 1 + 3 + 2);
    EXPECT_EQ(s.first(';', 2), 3);
    EXPECT_EQ(s.first(';', -5), 1);
    for (int miss : {s.first(';', 99), s.first(GwString("x")), s.first(GwString("")),
                     s.last(GwString("")), GwString().first('a'), GwString().last('a')})
        EXPECT_EQ(miss, -1);
    const GwString name("Code2Len");
    EXPECT_EQ(name.begins_with("Code") + name.begins_with("") + name.ends_with("Len") +
                  name.contains("e2L"),
              4);
    EXPECT_EQ(name.begins_with("Code2Len!") + name.ends_with("xCode2Len") + name.contains(""), 0);
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
    EXPECT_EQ(GwString("abcdef")(c.from, c.to), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, GwStringRange,
    testing::Values(RangeCase{"whole", 0, 5, "abcdef"}, RangeCase{"middle", 1, 3, "bcd"},
                    RangeCase{"one", 2, 2, "c"}, RangeCase{"past_end", 4, 99, "ef"},
                    RangeCase{"before_start", -3, 1, "ab"}, RangeCase{"reversed", 3, 1, ""},
                    RangeCase{"beyond", 6, 9, ""}, RangeCase{"all_negative", -5, -1, ""},
                    RangeCase{"empty_to", 0, -1, ""}),
    [](const testing::TestParamInfo<RangeCase>& row) { return std::string(row.param.name); });

TEST(GwString, IndexRemoveAndTrimStayInsideTheText) {
    const GwString s("ab");
    EXPECT_EQ(std::string() + s[0] + s[1], "ab");
    EXPECT_EQ(s[2] + s[-1] + GwString()[0], 0);
    EXPECT_EQ(GwString("abcdef").remove(1, 2), "adef");
    EXPECT_EQ(GwString("abcdef").remove(4, 100), "abcd");
    EXPECT_EQ(GwString("abcdef").remove(-2, 0), "bcdef");
    EXPECT_EQ(GwString("abcdef").remove(3, 1), "abcdef");
    EXPECT_EQ(GwString("abc").remove(7, 9), "abc");
    // Joining and case are exercised by every user of GwString; trimming has its edges.
    EXPECT_EQ(GwString(" a b ").EraseTrailingChars(' '), " a b");
    EXPECT_EQ(GwString("    ").EraseTrailingChars(' '), "");
}

TEST(GwString, TokensWalkASeparatedListAndFieldsCountFromZero) {
    GwString list(";;a;b;;c");
    EXPECT_EQ(list.token(";"), "a");
    EXPECT_EQ(list, ";b;;c");
    EXPECT_EQ(list.token(";"), "b");
    EXPECT_EQ(list.token(";"), "c");
    EXPECT_EQ(list, "");
    EXPECT_EQ(list.token(";"), "");
    GwString s("x, y");
    EXPECT_EQ(s.token(", "), "x");
    EXPECT_EQ(s.token(", "), "y");
    GwString separators_only(";;;");
    EXPECT_EQ(separators_only.token(";"), "");
    EXPECT_EQ(separators_only, "");

    const GwString line("Speed;INT;3;;255;0");
    EXPECT_EQ(line.GetTokenCount(';'), 6);
    EXPECT_EQ(line.GetToken(0, ';') + "|" + line.GetToken(3, ';') + "|" + line.GetToken(5, ';'),
              "Speed||0");
    EXPECT_EQ(line.GetToken(6, ';') + line.GetToken(-1, ';') + GwString().GetToken(0, ';'), "");
    EXPECT_EQ(GwString("").GetTokenCount(';'), 0);
    EXPECT_EQ(GwString("a;").GetTokenCount(';'), 2);
}

TEST(GwString, ReadsLeadingNumbersFormatsAndHoldsNuls) {
    EXPECT_EQ(GwString("  -17xyz").to_int(), -17);
    EXPECT_EQ(GwString("9600 ,N,8,1").to_int(), 9600);
    EXPECT_EQ(GwString("abc").to_int() + GwString("").to_int(), 0);
    EXPECT_EQ(GwString("99999999999999999999999").to_int(), INT_MAX);
    EXPECT_EQ(GwString("-99999999999999999999999").to_int(), INT_MIN);
    EXPECT_EQ(GwAtoi(nullptr) + GwStrlen(nullptr), 0);
    GwString s("old");
    EXPECT_EQ(s.Put("%X", 27u), 2);
    EXPECT_EQ(s, "1B");
    const std::string longer(5000, 'q');
    s.Put("%s", longer.c_str());
    EXPECT_EQ(s.len(), 5000);
    // A text of one NUL is the report interpreter's empty-line marker: not an empty text.
    const GwString marker("\0", 1);
    EXPECT_EQ(marker.len() + marker.is_empty(), 1);
    EXPECT_FALSE(marker == GwString());
    EXPECT_EQ((GwString("a") + marker + "b")[2], 'b');
}
