// FontList over a real sorted, extended-selection LISTBOX.
#pragma once

#include <windows.h>

#include "catalog/font_list.h"

class ListBoxFontList : public FontList {
  public:
    explicit ListBoxFontList(HWND listBox) : box_(listBox) {}

    int Count() const override;
    std::string Text(int index) const override;
    int AddSorted(const char* name) override;
    int InsertAt(int index, const char* name) override;
    int Compare(const char* a, const char* b) const override;
    std::string SortKey(const char* name) const override;
    void Delete(int index) override;
    int SelectedCount() const override;
    std::vector<int> SelectedItems(int maxItems) const override;
    void SelectRange(int first, int last, bool select) override;
    void Reset() override;
    void ShowFirstItems() override;
    void Reserve(int items, int bytes) override;
    void SetRedraw(bool on) override;

  private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(box_, message, wParam, lParam);
    }
    LCID Locale() const;
    HWND box_;
    mutable LCID locale_ = 0; // asked once
};
