// Growable arrays: -1 appends, stray indexes neither grow the array nor touch its slots.
#include "GwDynArray.h"
#include "GwDynIntArray.h"

#include <gtest/gtest.h>

TEST(GwDynArray, MinusOneAppendsAndStrayIndexesLandInASpareSlot) {
    GwDynArray<int> a(2, 3);
    int v[4];
    for (int& i : v)
        a.access(-1) = &i; // beyond the initial reserve
    EXPECT_EQ(a.access(-1), nullptr);
    a.access(9) = &v[0];
    a.access(-7) = &v[0];
    EXPECT_EQ(a.count(), 5);
    EXPECT_EQ(a.access(9), nullptr);
    EXPECT_EQ(a.at(9), nullptr);
    EXPECT_EQ(a.at(-1), nullptr);
    EXPECT_EQ(a.at(2), &v[2]);
    EXPECT_EQ(a.remove_slot(1) * 10 + a.remove_slot(4), 10); // offered; no caller uses it
    EXPECT_EQ(a.at(1), &v[2]);
}

TEST(GwDynIntArray, AppendsReadsAndIgnoresStrayIndexes) {
    GwDynIntArray a(1, 1);
    a.add(7);
    a.access(-1) = 9;
    a.access(3) = 11;
    EXPECT_EQ(a.count(), 2);
    EXPECT_EQ(a.at(0) + a.access(1), 16);
    EXPECT_EQ(a.at(3), 0);
    EXPECT_EQ(a.contains(9) + a.contains(11), 1);
}
