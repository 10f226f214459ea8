// Work on many items of a FontList at once: names compared without asking the list for each
// pair, and redraw turned off for a scope.
#pragma once

#include "base/ascii.h"
#include "catalog/font_list.h"

// Whether the name holds printable ASCII only.
inline bool IsPlainAscii(const char* name) {
    for (; *name; ++name)
        if (static_cast<unsigned char>(*name) < 0x20 || static_cast<unsigned char>(*name) >= 0x7F)
            return false;
    return true;
}

// Whether two names compare equal in the list's order: 1 or 0, or OrderUnknown. Names of
// printable ASCII that differ in more than letter case are told apart without asking the list (a
// call costs about a microsecond in the program); every other pair is asked.
inline int NamesCompareEqual(const FontList& list, const char* a, const char* b) {
    if (IsPlainAscii(a) && IsPlainAscii(b)) {
        for (const char *x = a, *y = b;; ++x, ++y) {
            const int p = AsciiLower(*x), q = AsciiLower(*y);
            if (p != q)
                return 0;
            if (p == 0)
                break;
        }
    }
    const int order = list.Compare(a, b);
    return order == OrderUnknown ? OrderUnknown : order == 0;
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
