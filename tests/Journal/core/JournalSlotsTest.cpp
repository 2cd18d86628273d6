// The table of journal windows: reuse of closed indexes and the cut back
// when the last window closes.
#include "core/JournalSlots.h"

#include <gtest/gtest.h>

using BasJournal::JournalSlots;

TEST(JournalSlots, StartsWithoutWindows) {
    JournalSlots table;
    EXPECT_EQ(table.upperBound(), 0);
    EXPECT_FALSE(table.AnyJournalOpen());
    EXPECT_FALSE(table.isOpen(0));
    EXPECT_FALSE(table.isOpen(1));
}

TEST(JournalSlots, GrowsOneIndexAtATimeFromOne) {
    JournalSlots table;
    EXPECT_EQ(table.FindFreeSlot(), 1);
    EXPECT_EQ(table.FindFreeSlot(), 2);
    EXPECT_EQ(table.FindFreeSlot(), 3);
    EXPECT_EQ(table.upperBound(), 3);
    for (int index : {1, 2, 3})
        EXPECT_TRUE(table.isOpen(index));
}

TEST(JournalSlots, ReusesTheLowestClosedIndexFirst) {
    JournalSlots table;
    for (int i = 0; i < 3; ++i)
        table.FindFreeSlot();
    table.release(2);
    table.release(1);
    EXPECT_TRUE(table.AnyJournalOpen());
    EXPECT_EQ(table.FindFreeSlot(), 1);
    EXPECT_EQ(table.FindFreeSlot(), 2);
    EXPECT_EQ(table.FindFreeSlot(), 4);
}

TEST(JournalSlots, LastCloseCutsBackSoTheNextWindowIsOne) {
    JournalSlots table;
    table.FindFreeSlot();
    table.FindFreeSlot();
    table.release(1);
    EXPECT_EQ(table.upperBound(), 2);
    table.release(2);
    EXPECT_FALSE(table.AnyJournalOpen());
    EXPECT_EQ(table.upperBound(), 0);
    EXPECT_EQ(table.FindFreeSlot(), 1);
}

TEST(JournalSlots, ResetToFirstTakesIndexOne) {
    JournalSlots table;
    table.FindFreeSlot();
    table.FindFreeSlot();
    table.setUnsaved(2, true);
    table.resetToFirst();
    EXPECT_TRUE(table.isOpen(1));
    EXPECT_FALSE(table.isOpen(2));
    EXPECT_FALSE(table.isUnsaved(2));
    EXPECT_EQ(table.FindFreeSlot(), 2);
}

TEST(JournalSlots, UnsavedBelongsToOneOpenWindowAndEndsWithIt) {
    JournalSlots table;
    table.FindFreeSlot();
    table.FindFreeSlot();
    table.setUnsaved(2, true);
    EXPECT_FALSE(table.isUnsaved(1));
    EXPECT_TRUE(table.isUnsaved(2));
    table.release(2);
    EXPECT_FALSE(table.isUnsaved(2));
    EXPECT_EQ(table.FindFreeSlot(), 2);
    EXPECT_FALSE(table.isUnsaved(2));
}

TEST(JournalSlots, IgnoresIndexesOutsideTheTable) {
    JournalSlots table;
    table.FindFreeSlot();
    table.release(0);
    table.release(5);
    table.setUnsaved(5, true);
    EXPECT_TRUE(table.isOpen(1));
    EXPECT_FALSE(table.isOpen(2));
    EXPECT_FALSE(table.isUnsaved(5));
}
