// GwString: positions, clamped ranges, fields, numbers and embedded NULs. Numbers beyond the
// range of int are the parameter types' tests'.
#include "GwString.h"
#include "GwStringPrint.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(GwString, ComparesAndFindsByBytes) {
    EXPECT_EQ(GwString(static_cast<const char*>(nullptr)) + GwString('x', -2), "");
    EXPECT_EQ(GwString("b").compare("abc") - GwString("ab").compare("abc"), 2);
    EXPECT_EQ(GwString("\xE9").compare("z"), 1); // bytes above 0x7F sort after ASCII
    const GwString s("a;b;c");
    EXPECT_EQ(s.first(';') + s.last(';') + s.first(GwString("b;")), 1 + 3 + 2);
    EXPECT_EQ(s.first(';', 2) * 10 + s.first(';', -5), 31);
    for (int miss : {s.first(';', 99), s.first(GwString("x")), s.first(GwString("")),
                     s.last(GwString("")), GwString().first('a'), GwString().last('a')})
        EXPECT_EQ(miss, -1);
    const GwString name("Code2Len");
    EXPECT_EQ(name.begins_with("Code") + name.begins_with("") + name.ends_with("Len") +
                  name.contains("e2L"),
              4);
    EXPECT_EQ(name.begins_with("Code2Len!") + name.ends_with("xCode2Len") + name.contains(""), 0);
}

TEST(GwString, RangesIndexesAndRemovalStayInsideTheText) {
    // from, to, substring, the text with the range removed
    const std::tuple<int, int, const char*, const char*> rows[] = {
        {0, 5, "abcdef", ""},  {1, 3, "bcd", "aef"},   {2, 2, "c", "abdef"},
        {4, 99, "ef", "abcd"}, {-3, 1, "ab", "cdef"},  {3, 1, "", "abcdef"},
        {6, 9, "", "abcdef"},  {-5, -1, "", "abcdef"}, {0, -1, "", "abcdef"}};
    for (const auto& [from, to, substring, removed] : rows) {
        SCOPED_TRACE(testing::Message() << from << ".." << to);
        EXPECT_EQ(GwString("abcdef")(from, to), substring);
        EXPECT_EQ(GwString("abcdef").remove(from, to), removed);
    }
    const GwString s("ab");
    EXPECT_EQ(s[2] + s[-1] + GwString()[0], 0);
    EXPECT_EQ(GwString(" a b ").EraseTrailingChars(' '), " a b");
    EXPECT_EQ(GwString("    ").EraseTrailingChars(' '), "");
}

// Walking a list with token() is the conversions' and list readers' tests'.
TEST(GwString, FieldsCountFromZero) {
    const GwString line("Speed;INT;3;;255;0");
    EXPECT_EQ(line.GetTokenCount(';'), 6);
    EXPECT_EQ(line.GetToken(0, ';') + "|" + line.GetToken(3, ';') + "|" + line.GetToken(5, ';'),
              "Speed||0");
    EXPECT_EQ(line.GetToken(6, ';') + line.GetToken(-1, ';') + GwString().GetToken(0, ';'), "");
    EXPECT_EQ(GwString("").GetTokenCount(';') * 10 + GwString("a;").GetTokenCount(';'), 2);
}

TEST(GwString, ReadsLeadingNumbersFormatsAndHoldsNuls) {
    EXPECT_EQ(GwString("  -17xyz").to_int(), -17);
    EXPECT_EQ(GwString("abc").to_int() + GwString("").to_int(), 0);
    EXPECT_EQ(GwAtoi(nullptr) + GwStrlen(nullptr), 0);
    GwString s("old");
    EXPECT_EQ(s.Put("%X", 27u), 2);
    EXPECT_EQ(s, "1B");
    const std::string longer(5000, 'q');
    EXPECT_EQ(s.Put("%s", longer.c_str()), 5000);
    EXPECT_EQ(s.str(), longer);
    // A text of one NUL is the report interpreter's empty-line marker: not an empty text.
    const GwString marker("\0", 1);
    EXPECT_EQ(marker.len() + marker.is_empty(), 1);
    EXPECT_FALSE(marker == GwString());
    EXPECT_EQ((GwString("a") + marker + "b")[2], 'b');
}
