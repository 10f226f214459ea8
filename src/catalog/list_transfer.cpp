#include "catalog/list_transfer.h"

#include <algorithm>
#include <string>

#include "catalog/font_catalog.h"

namespace {

struct MovingItem {
    int index; // in the source
    int turn;  // its place in the order the move takes the items
    std::string name;
};

// The moving items in the order they will stand in the destination: the source's order, except
// that names comparing equal stand in reverse turn, as adding them one by one puts each new one
// before its equals.
std::vector<MovingItem> InDestinationOrder(const FontList& source, const std::vector<int>& indexes,
                                           const std::vector<std::string>* sourceNames) {
    std::vector<MovingItem> items;
    items.reserve(indexes.size());
    for (size_t turn = 0; turn < indexes.size(); ++turn) {
        const int index = indexes[turn];
        items.push_back({index, static_cast<int>(turn),
                         sourceNames ? (*sourceNames)[index] : source.Text(index)});
    }
    std::sort(items.begin(), items.end(),
              [](const MovingItem& a, const MovingItem& b) { return a.index < b.index; });
    for (size_t first = 0; first < items.size();) {
        size_t end = first + 1;
        while (
            end < items.size() &&
            NamesCompareEqual(items[end - 1].name.c_str(), items[end].name.c_str(),
                              [&](const char* a, const char* b) { return source.Compare(a, b); }))
            ++end;
        std::sort(items.begin() + first, items.begin() + end,
                  [](const MovingItem& a, const MovingItem& b) { return a.turn > b.turn; });
        first = end;
    }
    return items;
}

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

int MoveManyFonts(FontList& destination, FontList& source) {
    const std::vector<int> selected = source.SelectedItems(MaxCatalogFonts);
    if (selected.empty())
        return 0;
    const int moved = MoveItems(destination, source, selected);
    // What the destination would not take stays, unselected.
    if (moved < static_cast<int>(selected.size()))
        source.SelectRange(0, source.Count() - 1, false);
    return moved > 0 ? 1 : 0;
}

} // namespace

int MoveItems(FontList& destination, FontList& source, const std::vector<int>& indexes,
              const std::vector<std::string>* sourceNames) {
    if (indexes.empty())
        return 0;
    const std::vector<MovingItem> moving = InDestinationOrder(source, indexes, sourceNames);
    const int count = destination.Count();
    std::vector<std::string> staying;
    staying.reserve(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index)
        staying.push_back(destination.Text(index));

    // Each name goes before the first item that does not compare below it; each insert is
    // made before its item leaves the source, so that a full destination cannot lose a name.
    std::vector<int> taken;
    taken.reserve(moving.size());
    const auto leaveSource = [&] {
        // Everything moved: the source is emptied at once rather than item by item.
        if (static_cast<int>(taken.size()) == source.Count()) {
            source.Reset();
            return;
        }
        std::sort(taken.rbegin(), taken.rend());
        for (int index : taken)
            source.Delete(index);
    };
    int below = 0; // destination items already passed
    try {
        for (const MovingItem& item : moving) {
            while (below < count &&
                   destination.Compare(staying[below].c_str(), item.name.c_str()) < 0)
                ++below;
            if (destination.InsertAt(below + static_cast<int>(taken.size()), item.name.c_str()) >=
                0)
                taken.push_back(item.index);
        }
    } catch (...) {
        // What the destination took already must not stay in the source too.
        leaveSource();
        throw;
    }
    leaveSource();
    return static_cast<int>(taken.size());
}

int MoveSelectedFonts(FontList& destination, FontList& source) {
    int selectedCount = source.SelectedCount();
    if (selectedCount == 0)
        return 0;
    if (selectedCount == 1)
        return MoveOneFont(destination, source);
    return MoveManyFonts(destination, source);
}
