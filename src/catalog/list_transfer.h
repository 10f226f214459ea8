// Moving fonts between the two lists. Together they hold every catalogue font exactly once.
#pragma once

#include <vector>

#include "catalog/font_list.h"

// Moves the selected items of source into destination (both sorted; the moved names land at
// their sorted places, unselected). Returns 1 when something moved, 0 when source had no
// selected item. Afterwards no item of source is selected.
int MoveSelectedFonts(FontList& destination, FontList& source);

// Whether index is among the selected item indexes, which are in ascending order as a list
// reports them.
bool IsIndexSelected(const std::vector<int>& selection, int index);
