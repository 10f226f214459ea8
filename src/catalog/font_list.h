// A sorted, multi-selection list of font names: what the catalogue load, the list transfer and
// the matching need of a list box. The program implements it over a real LISTBOX
// (list_box_font_list.h); tests implement it over a vector.
#pragma once

#include <climits>
#include <string>
#include <vector>

// What Compare answers when the list cannot tell the order of two names.
constexpr int OrderUnknown = INT_MIN;

class FontList {
  public:
    virtual ~FontList() = default;

    virtual int Count() const = 0;
    virtual std::string Text(int index) const = 0;
    // Inserts at the name's sorted place; returns the new item's index, or -1 on failure.
    virtual int AddSorted(const char* name) = 0;
    // Inserts at index, which the caller has found to be the name's sorted place; returns the new
    // item's index, or -1 on failure.
    virtual int InsertAt(int index, const char* name) = 0;
    // The list's own order, the one its sorted insert keeps, is the only order of names in the
    // program: of two names negative, zero or positive, or OrderUnknown when the system cannot
    // tell (callers then leave the placing to AddSorted).
    virtual int Compare(const char* a, const char* b) const = 0;
    // The name's sort key in that order: two keys compared byte by byte order their names, and
    // equal keys mean names that compare equal; empty when it cannot be made.
    virtual std::string SortKey(const char* name) const = 0;
    virtual void Delete(int index) = 0;
    virtual int SelectedCount() const = 0;
    // Indexes of the selected items in ascending order, at most maxItems of them.
    virtual std::vector<int> SelectedItems(int maxItems) const = 0;
    virtual void SelectRange(int first, int last, bool select) = 0;
    virtual void Reset() = 0;
    // Scrolls to the first item and puts the caret on it, as a list filled afresh shows itself.
    virtual void ShowFirstItems() = 0;
    virtual void Reserve(int items, int bytes) = 0;
    // Bulk changes run with redraw off; the list is redrawn once when it is turned back on.
    virtual void SetRedraw(bool on) = 0;
};
