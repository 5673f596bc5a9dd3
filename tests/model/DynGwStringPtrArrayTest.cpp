#include "DynGwStringPtrArray.h"

#include <gtest/gtest.h>

TEST(DynGwStringPtrArray, MinusOneAppendsAndTheListOwnsItsStrings) {
    // Run under the sanitizer build: a string that is not deleted, or deleted twice, fails.
    DynGwStringPtrArray list(1, 10);
    list[-1] = new GwString("a");
    list[-1] = new GwString("b");
    list.add("c");
    list[-1]; // an empty slot stays null and is skipped when deleting
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list[0]->str(), "a");
    EXPECT_EQ(list.get(2)->str(), "c");
    EXPECT_EQ(list.get(3), nullptr);
    EXPECT_EQ(list.get(4), nullptr);
    EXPECT_EQ(list.find("b"), 1);
    EXPECT_EQ(list.find("bb"), -1);
}

TEST(DynGwStringPtrArray, CopyIsDeep) {
    DynGwStringPtrArray list(2, 10);
    list.add("x");
    list[-1] = nullptr;
    DynGwStringPtrArray copy(list);
    ASSERT_EQ(copy.count(), 2);
    EXPECT_NE(copy[0], list[0]);
    copy[0]->append("y");
    EXPECT_EQ(list[0]->str(), "x");
    EXPECT_EQ(copy.get(1), nullptr);
}

TEST(DynGwStringPtrArray, ClearDeletesAndEmpties) {
    DynGwStringPtrArray list(2, 10);
    list.add("x");
    list.add("y");
    list.clear();
    EXPECT_EQ(list.count(), 0);
    list.add("z");
    EXPECT_EQ(list.count(), 1);
}
