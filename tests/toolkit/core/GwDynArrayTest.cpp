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

    GwDynIntArray n(1, 1);
    n.add(7);
    n.access(-1) = 9;
    n.access(3) = 11;
    EXPECT_EQ(n.count(), 2);
    EXPECT_EQ(n.at(0) * 10 + n.access(1), 79);
    EXPECT_EQ(n.at(3), 0);
    EXPECT_EQ(n.contains(9) + n.contains(11), 1);
}
