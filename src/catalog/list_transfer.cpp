#include "catalog/list_transfer.h"

#include <algorithm>
#include <string>

#include "catalog/font_catalog.h"
#include "catalog/font_list_batch.h"

namespace {

struct MovingItem {
    int index; // in the source
    int turn;  // its place in the order the move takes the items
    std::string name;
};

std::vector<MovingItem> InTurnOrder(const std::vector<NamedItem>& named) {
    std::vector<MovingItem> items;
    items.reserve(named.size());
    for (size_t turn = 0; turn < named.size(); ++turn)
        items.push_back({named[turn].index, static_cast<int>(turn), named[turn].name});
    return items;
}

// Puts the moving items in the order they will stand in the destination: the source's order,
// except that names comparing equal stand in reverse turn, as adding them one by one puts each
// new one before its equals. False when the source cannot tell whether two names are equal.
bool ToDestinationOrder(const FontList& source, std::vector<MovingItem>& items) {
    std::sort(items.begin(), items.end(),
              [](const MovingItem& a, const MovingItem& b) { return a.index < b.index; });
    for (size_t first = 0; first < items.size();) {
        size_t end = first + 1;
        for (; end < items.size(); ++end) {
            const int equal =
                NamesCompareEqual(source, items[end - 1].name.c_str(), items[end].name.c_str());
            if (equal == OrderUnknown)
                return false;
            if (!equal)
                break;
        }
        std::sort(items.begin() + first, items.begin() + end,
                  [](const MovingItem& a, const MovingItem& b) { return a.turn > b.turn; });
        first = end;
    }
    return true;
}

// For each item, in destination order, how many of the destination's items go before it: those
// that compare below it. False when the destination cannot tell the order.
bool MergePlaces(const FontList& destination, const std::vector<MovingItem>& items,
                 std::vector<int>& places) {
    const int count = destination.Count();
    std::vector<std::string> staying;
    staying.reserve(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index)
        staying.push_back(destination.Text(index));
    places.clear();
    places.reserve(items.size());
    int below = 0;
    for (const MovingItem& item : items) {
        for (; below < count; ++below) {
            const int order = destination.Compare(staying[below].c_str(), item.name.c_str());
            if (order == OrderUnknown)
                return false;
            if (order >= 0)
                break;
        }
        places.push_back(below);
    }
    return true;
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
    // The source shows its first items again, as it did when it was refilled after such a move.
    source.ShowFirstItems();
    return moved > 0 ? 1 : 0;
}

} // namespace

int MoveItems(FontList& destination, FontList& source, const std::vector<int>& indexes) {
    std::vector<NamedItem> named;
    named.reserve(indexes.size());
    for (int index : indexes)
        named.push_back({index, source.Text(index)});
    return MoveNamedItems(destination, source, named);
}

int MoveNamedItems(FontList& destination, FontList& source, const std::vector<NamedItem>& items) {
    if (items.empty())
        return 0;
    std::vector<MovingItem> moving = InTurnOrder(items);
    std::vector<int> places;
    const bool merged =
        ToDestinationOrder(source, moving) && MergePlaces(destination, moving, places);
    // Where the order cannot be told, the destination places each name itself, in turn.
    if (!merged)
        std::sort(moving.begin(), moving.end(),
                  [](const MovingItem& a, const MovingItem& b) { return a.turn < b.turn; });

    // Each insert is made before its item leaves the source, so that a full destination cannot
    // lose a name.
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
    try {
        for (size_t k = 0; k < moving.size(); ++k) {
            const char* name = moving[k].name.c_str();
            const int at =
                merged ? destination.InsertAt(places[k] + static_cast<int>(taken.size()), name)
                       : destination.AddSorted(name);
            if (at >= 0)
                taken.push_back(moving[k].index);
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
