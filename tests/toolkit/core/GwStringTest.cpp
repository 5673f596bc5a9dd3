// GwString: clamped ranges, formatting into a longer text and embedded NULs. Finding, fields
// and numbers are checked by their users: the profile, command map and parameter type tests
// read every field through them, and the fuzz targets walk them over arbitrary text.
#include "GwString.h"
#include "GwStringPrint.h"

#include <gtest/gtest.h>

#include <tuple>

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

TEST(GwString, FormatsAndHoldsNuls) {
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
