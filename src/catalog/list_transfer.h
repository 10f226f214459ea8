// Moving fonts between the two lists. Together they hold every catalogue font exactly once.
#pragma once

#include <string>
#include <vector>

#include "catalog/font_list.h"

// Moves the selected items of source into destination (both sorted; the moved names land at
// their sorted places, unselected). Returns 1 when something moved, 0 when source had no
// selected item. Afterwards no item of source is selected.
int MoveSelectedFonts(FontList& destination, FontList& source);

// Moves the source's items at indexes (each named once, in the order a move one by one would
// take them) into destination, leaving both exactly as adding each name with AddSorted and then
// deleting it from the source would, with one list read and no sorted insert. Names the
// destination refuses stay in the source. Returns how many moved.
int MoveItems(FontList& destination, FontList& source, const std::vector<int>& indexes);

// A source item to move, with its name as the source holds it.
struct NamedItem {
    int index;
    std::string name;
};

// MoveItems for a caller that already holds the names: the source is not read.
int MoveNamedItems(FontList& destination, FontList& source, const std::vector<NamedItem>& items);
