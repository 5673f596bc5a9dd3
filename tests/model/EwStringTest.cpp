// Text parameters take every text in every form.
#include "EwString.h"
#include "StringLists.h"

#include <gtest/gtest.h>

TEST(EwString, AcceptsEveryTextAndIgnoresTheForm) {
    EwString p("GLabel", "STRING");
    p.set_length("8");
    EXPECT_EQ(p.value(1).str(), "");
    EXPECT_EQ(p.IsValid("anything at all"), 1);
    EXPECT_EQ(p.set_value("abc", 1), 1);
    EXPECT_EQ(p.value(1).str(), "abc"); // not filled to the length
    EXPECT_EQ(p.value(0).str(), "abc");
    EXPECT_EQ(p.set_prf_value("xyz", 0), 1);
    EXPECT_EQ(p.prf_value(1).str(), "xyz");
    EXPECT_EQ(p.set_default("dflt"), 1);
    EXPECT_EQ(p.value(0).str(), "dflt");
    EXPECT_EQ(p.prf_value(0).str(), "xyz");
}

TEST(EwString, KeepsExcludesButHasNoBounds) {
    EwString p("GLabel", "STRING");
    DynGwStringPtrArray* excludes = new_list({"x"});
    p.set_range(excludes, new_list({"1"}));
    EXPECT_EQ(texts_of(p.range(0)), Texts{"x"});
    EXPECT_EQ(p.range(1), p.range(0));
    EXPECT_EQ(p.IsValid("x"), 1);
    p.set_bounds("a", "b");
    EXPECT_EQ(p.bounds().str(), "");
}

TEST(EwString, EqualEmptyValuesDoNotDiffer) {
    EwString p("GLabel", "NULSTRING");
    EXPECT_EQ(p.differs(), 0);
    EXPECT_EQ(p.diff_text(1).str(), "");
    p.set_value("a", 0);
    EXPECT_EQ(p.diff_text(1).str(), "GLabela");
    EXPECT_EQ(p.diff_text(0).str(), "GLabel");
}
