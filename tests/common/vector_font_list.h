// FontList over a vector, ordered like a sorted list box: a new name goes before the first item
// that does not compare below it, so names that compare equal end in reverse insertion order.
#pragma once

#include "catalog/font_list.h"

// Orders two font names: negative, zero or positive.
using NameOrder = int (*)(const char* a, const char* b);
// A name's sort key under such an order (see FontList::SortKey).
using NameKey = std::string (*)(const char* name);

class VectorFontList : public FontList {
  public:
    // Without key, SortKey makes none.
    explicit VectorFontList(NameOrder order, NameKey key = nullptr) : order_(order), key_(key) {}

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Text(int index) const override { return items_.at(index).name; }
    int AddSorted(const char* name) override;
    int InsertAt(int index, const char* name) override;
    int Compare(const char* a, const char* b) const override { return order_(a, b); }
    std::string SortKey(const char* name) const override { return key_ ? key_(name) : ""; }
    void Delete(int index) override;
    int SelectedCount() const override;
    std::vector<int> SelectedItems(int maxItems) const override;
    void SelectRange(int first, int last, bool select) override;
    void Reset() override { items_.clear(); }
    void ShowFirstItems() override {}
    void Reserve(int items, int) override { items_.reserve(items_.size() + items); }
    void SetRedraw(bool) override {}

    std::vector<std::string> Names() const;

  private:
    struct Item {
        std::string name;
        bool selected = false;
    };
    NameOrder order_;
    NameKey key_;
    std::vector<Item> items_;
};

// A portable stand-in for lstrcmpiA's order in tests: ASCII case-insensitive byte order.
int AsciiNameOrder(const char* a, const char* b);
// Its sort key: the name with ASCII capitals made small.
std::string AsciiNameKey(const char* name);
