#include "catalog/list_box_font_list.h"

#include "base/list_box_text.h"

int ListBoxFontList::Count() const {
    return static_cast<int>(Send(LB_GETCOUNT));
}

std::string ListBoxFontList::Text(int index) const {
    return ListBoxText(box_, index);
}

int ListBoxFontList::AddSorted(const char* name) {
    LRESULT index = Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    return index < 0 ? -1 : static_cast<int>(index);
}

// LB_INSERTSTRING does not sort: the item goes where it is told.
int ListBoxFontList::InsertAt(int index, const char* name) {
    LRESULT at = Send(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(name));
    return at < 0 ? -1 : static_cast<int>(at);
}

LCID ListBoxFontList::Locale() const {
    if (locale_ == 0)
        locale_ = static_cast<LCID>(Send(LB_GETLOCALE));
    return locale_;
}

// A sorted list box orders its items by its own locale, reading their bytes in the system's code
// page (it holds them as the system converts them); so do the two calls below. Where the system
// does not know LOCALE_USE_CP_ACP (it is documented from Windows 98 and 2000 on) the call fails,
// and the callers leave the placing of names to the list box.
constexpr DWORD ListOrderFlags = NORM_IGNORECASE | LOCALE_USE_CP_ACP;

int ListBoxFontList::Compare(const char* a, const char* b) const {
    const int order = CompareStringA(Locale(), ListOrderFlags, a, -1, b, -1);
    return order == 0 ? OrderUnknown : order - CSTR_EQUAL;
}

std::string ListBoxFontList::SortKey(const char* name) const {
    const DWORD flags = LCMAP_SORTKEY | ListOrderFlags;
    const int size = LCMapStringA(Locale(), flags, name, -1, nullptr, 0);
    std::string key(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    if (size > 0 && LCMapStringA(Locale(), flags, name, -1, &key[0], size) != size)
        key.clear();
    return key;
}

void ListBoxFontList::Delete(int index) {
    Send(LB_DELETESTRING, index);
}

int ListBoxFontList::SelectedCount() const {
    LRESULT count = Send(LB_GETSELCOUNT);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::vector<int> ListBoxFontList::SelectedItems(int maxItems) const {
    std::vector<int> items(maxItems > 0 ? maxItems : 0);
    if (items.empty())
        return items;
    LRESULT got = Send(LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
    items.resize(got == LB_ERR ? 0 : static_cast<size_t>(got));
    return items;
}

void ListBoxFontList::SelectRange(int first, int last, bool select) {
    if (last >= first)
        Send(LB_SELITEMRANGE, select, MAKELPARAM(first, last));
}

void ListBoxFontList::Reset() {
    Send(LB_RESETCONTENT);
}

void ListBoxFontList::ShowFirstItems() {
    Send(LB_SETTOPINDEX, 0);
    Send(LB_SETCARETINDEX, 0, FALSE);
}

void ListBoxFontList::Reserve(int items, int bytes) {
    Send(LB_INITSTORAGE, items, bytes);
}

void ListBoxFontList::SetRedraw(bool on) {
    Send(WM_SETREDRAW, on);
    if (on)
        InvalidateRect(box_, nullptr, TRUE);
}
