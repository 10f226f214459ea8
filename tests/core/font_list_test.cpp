#include "vector_font_list.h"

#include <gtest/gtest.h>

// The vector list stands in for a sorted list box in every core test, so it must order and
// select like one.
TEST(VectorFontList, InsertsSortedWithEqualNamesInReverseInsertionOrder) {
    VectorFontList list(AsciiNameOrder);
    list.AddSorted("Times");
    list.AddSorted("arial");
    list.AddSorted("Courier");
    list.AddSorted("ARIAL");
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"ARIAL", "arial", "Courier", "Times"}));
}

TEST(VectorFontList, SelectsRangesAndReportsSelectionInOrder) {
    VectorFontList list(AsciiNameOrder);
    for (const char* name : {"a", "b", "c", "d"})
        list.AddSorted(name);
    list.SelectRange(1, 10, true);
    list.SelectRange(2, 2, false);
    EXPECT_EQ(list.SelectedItems(1001), (std::vector<int>{1, 3}));
    EXPECT_EQ(list.SelectedItems(1), (std::vector<int>{1}));
    EXPECT_EQ(list.SelectedCount(), 2);
}
