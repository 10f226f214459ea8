#include "vector_font_list.h"

#include <algorithm>

#include "base/ascii.h"

int VectorFontList::AddSorted(const char* name) {
    // The items are always sorted, so the first one that does not compare below the name is
    // found by halving.
    auto at = std::lower_bound(
        items_.begin(), items_.end(), name,
        [&](const Item& item, const char* key) { return order_(item.name.c_str(), key) < 0; });
    at = items_.insert(at, Item{name, false});
    return static_cast<int>(at - items_.begin());
}

int VectorFontList::InsertAt(int index, const char* name) {
    if (index < 0 || index > Count())
        return -1;
    items_.insert(items_.begin() + index, Item{name, false});
    return index;
}

void VectorFontList::Delete(int index) {
    if (index >= 0 && index < Count())
        items_.erase(items_.begin() + index);
}

int VectorFontList::SelectedCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(),
                                          [](const Item& item) { return item.selected; }));
}

std::vector<int> VectorFontList::SelectedItems(int maxItems) const {
    std::vector<int> selected;
    for (int i = 0; i < Count() && static_cast<int>(selected.size()) < maxItems; ++i)
        if (items_[i].selected)
            selected.push_back(i);
    return selected;
}

void VectorFontList::SelectRange(int first, int last, bool select) {
    for (int i = std::max(first, 0); i <= last && i < Count(); ++i)
        items_[i].selected = select;
}

std::vector<std::string> VectorFontList::Names() const {
    std::vector<std::string> names;
    for (const Item& item : items_)
        names.push_back(item.name);
    return names;
}

int AsciiNameOrder(const char* a, const char* b) {
    for (;; ++a, ++b) {
        int ca = static_cast<unsigned char>(*a), cb = static_cast<unsigned char>(*b);
        if (ca == cb) { // the common case: names share a family prefix
            if (ca == 0)
                return 0;
            continue;
        }
        ca = AsciiLower(ca);
        cb = AsciiLower(cb);
        if (ca != cb || ca == 0)
            return ca - cb;
    }
}

std::string AsciiNameKey(const char* name) {
    std::string key = name;
    for (char& c : key)
        c = static_cast<char>(AsciiLower(c));
    return key;
}
