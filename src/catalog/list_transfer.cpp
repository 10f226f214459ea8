#include "catalog/list_transfer.h"

#include <algorithm>
#include <string>

#include "catalog/font_catalog.h"

bool IsIndexSelected(const std::vector<int>& selection, int index) {
    return std::binary_search(selection.begin(), selection.end(), index);
}

namespace {

int MoveOneFont(FontList& destination, FontList& source) {
    std::vector<int> selected = source.SelectedItems(1);
    if (selected.empty())
        return 0;
    std::string name = source.Text(selected[0]);
    // Added before it is deleted, so that a full destination cannot lose the name.
    if (destination.AddSorted(name.c_str()) < 0) {
        source.SelectRange(selected[0], selected[0], false);
        return 0;
    }
    source.Delete(selected[0]);
    return 1;
}

// Adds every selected item to the destination, then rebuilds the source from the rest: the
// selected indexes stay valid throughout, where deleting items one by one would shift them.
int MoveManyFonts(FontList& destination, FontList& source) {
    std::vector<int> selected = source.SelectedItems(MaxCatalogFonts);
    if (selected.empty())
        return 0;
    std::vector<int> kept; // selected items the destination would not take stay in the source
    for (int index : selected)
        if (destination.AddSorted(source.Text(index).c_str()) < 0)
            kept.push_back(index);

    int count = source.Count();
    source.SelectRange(0, count - 1, false);
    std::vector<std::string> staying;
    staying.reserve(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index)
        if (!IsIndexSelected(selected, index) || IsIndexSelected(kept, index))
            staying.push_back(source.Text(index));
    source.Reset();
    for (const std::string& name : staying)
        source.AddSorted(name.c_str());
    return kept.size() < selected.size() ? 1 : 0;
}

} // namespace

int MoveSelectedFonts(FontList& destination, FontList& source) {
    int selectedCount = source.SelectedCount();
    if (selectedCount == 0)
        return 0;
    if (selectedCount == 1)
        return MoveOneFont(destination, source);
    return MoveManyFonts(destination, source);
}
