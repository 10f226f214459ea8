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

int ListBoxFontList::Compare(const char* a, const char* b) const {
    return CompareStringA(Locale(), NORM_IGNORECASE, a, -1, b, -1) - CSTR_EQUAL;
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

void ListBoxFontList::Reserve(int items, int bytes) {
    Send(LB_INITSTORAGE, items, bytes);
}

void ListBoxFontList::SetRedraw(bool on) {
    Send(WM_SETREDRAW, on);
    if (on)
        InvalidateRect(box_, nullptr, TRUE);
}

int ListBoxNameOrder(const char* a, const char* b) {
    return lstrcmpiA(a, b);
}

std::string ListBoxNameKey(const char* name) {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, name, -1, nullptr, 0);
    std::string key(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    if (size > 0)
        LCMapStringA(LOCALE_USER_DEFAULT, flags, name, -1, &key[0], size);
    return key;
}
