// A sorted, multi-selection list of font names: what the catalogue load, the list transfer and
// the matching need of a list box. The program implements it over a real LISTBOX
// (list_box_font_list.h); tests implement it over a vector (vector_font_list.h).
#pragma once

#include <string>
#include <vector>

// Orders two font names: negative, zero or positive, case-insensitive in the user's locale.
// The program passes lstrcmpiA's order; a sorted list box uses the same one.
using NameOrder = int (*)(const char* a, const char* b);
// A name's sort key: two keys compared byte by byte order their names as the list's order does,
// and equal keys mean names that compare equal. The program passes the locale's sort keys.
using NameKey = std::string (*)(const char* name);

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
    // The list's own order of two names: negative, zero or positive.
    virtual int Compare(const char* a, const char* b) const = 0;
    virtual void Delete(int index) = 0;
    virtual int SelectedCount() const = 0;
    // Indexes of the selected items in ascending order, at most maxItems of them.
    virtual std::vector<int> SelectedItems(int maxItems) const = 0;
    virtual void SelectRange(int first, int last, bool select) = 0;
    virtual void Reset() = 0;
    virtual void Reserve(int items, int bytes) = 0;
    // Bulk changes run with redraw off; the list is redrawn once when it is turned back on.
    virtual void SetRedraw(bool on) = 0;
};

inline bool IsPlainAscii(const char* name) {
    for (; *name; ++name)
        if (static_cast<unsigned char>(*name) < 0x20 || static_cast<unsigned char>(*name) >= 0x7F)
            return false;
    return true;
}

// Whether two names compare equal in order, the list's order or one like it. Names of printable
// ASCII alone compare equal only when they differ in letter case alone, which is told without
// calling the order (a call costs about a microsecond in the program).
template <typename Order> bool NamesCompareEqual(const char* a, const char* b, Order order) {
    if (!IsPlainAscii(a) || !IsPlainAscii(b))
        return order(a, b) == 0;
    for (;; ++a, ++b) {
        const char x = *a >= 'A' && *a <= 'Z' ? static_cast<char>(*a + 32) : *a;
        const char y = *b >= 'A' && *b <= 'Z' ? static_cast<char>(*b + 32) : *b;
        if (x != y)
            return false;
        if (x == '\0')
            return true;
    }
}

// Turns redraw off for a scope.
class RedrawOff {
  public:
    explicit RedrawOff(FontList& list) : list_(list) { list_.SetRedraw(false); }
    ~RedrawOff() { list_.SetRedraw(true); }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

  private:
    FontList& list_;
};
