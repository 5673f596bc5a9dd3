#include "GwDynArray.h"
#include "GwDynIntArray.h"

#include <gtest/gtest.h>

TEST(GwDynArray, MinusOneAppendsNullSlots) {
    GwDynArray<int> a(2, 3);
    EXPECT_EQ(a.count(), 0);
    int x = 1, y = 2, z = 3;
    a.access(-1) = &x;
    a.access(-1) = &y;
    a.access(-1) = &z; // beyond the initial reserve
    int*& fresh = a.access(-1);
    EXPECT_EQ(fresh, nullptr);
    EXPECT_EQ(a.count(), 4);
    EXPECT_EQ(a.access(0), &x);
    EXPECT_EQ(a.at(2), &z);
    EXPECT_EQ(a.grow_step(), 3);
}

TEST(GwDynArray, StrayIndexesNeitherGrowNorTouchSlots) {
    GwDynArray<int> a(1, 1);
    int x = 0;
    a.access(-1) = &x;
    a.access(5) = &x; // lands in the spare slot
    a.access(-7) = &x;
    EXPECT_EQ(a.count(), 1);
    EXPECT_EQ(a.access(5), nullptr);
    EXPECT_EQ(a.at(5), nullptr);
    EXPECT_EQ(a.at(-1), nullptr);
    EXPECT_EQ(a.access(0), &x);
}

TEST(GwDynArray, RemoveSlotShiftsLaterSlots) {
    GwDynArray<int> a(4, 1);
    int v[3];
    for (int& i : v)
        a.access(-1) = &i;
    EXPECT_EQ(a.remove_slot(1), 1);
    EXPECT_EQ(a.count(), 2);
    EXPECT_EQ(a.at(1), &v[2]);
    EXPECT_EQ(a.remove_slot(2), 0);
    EXPECT_EQ(a.remove_slot(-1), 0);
}

TEST(GwDynIntArray, AppendsReadsAndIgnoresStrayIndexes) {
    GwDynIntArray a(1, 1);
    a.add(7);
    a.access(-1) = 9;
    a.access(3) = 11;
    EXPECT_EQ(a.count(), 2);
    EXPECT_EQ(a.at(0), 7);
    EXPECT_EQ(a.access(1), 9);
    EXPECT_EQ(a.at(3), 0);
    EXPECT_EQ(a.contains(9), 1);
    EXPECT_EQ(a.contains(11), 0);
}
