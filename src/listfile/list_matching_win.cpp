#include "listfile/list_matching_win.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "base/instance.h"
#include "base/language.h"
#include "base/system_code_page.h"
#include "base/wait_cursor.h"
#include "catalog/list_box_font_list.h"
#include "resource.h"

namespace {

// The names that matched nothing, while dialog 1005 shows them.
const std::vector<std::string>* UnmatchedItems;

// The names in the list box's own order, so that each one lands at the end of the sorted list
// box: a long list of names fills it in a moment instead of shifting its items every time. Where
// the order cannot be told, the list box places them as they come.
std::vector<const std::string*> InListBoxOrder(const FontList& list,
                                               const std::vector<std::string>& names) {
    std::vector<std::pair<std::string, const std::string*>> keyed;
    keyed.reserve(names.size());
    for (const std::string& name : names)
        keyed.emplace_back(list.SortKey(name.c_str()), &name);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const std::string*> ordered;
    ordered.reserve(keyed.size());
    for (const auto& entry : keyed)
        ordered.push_back(entry.second);
    return ordered;
}

void FillUnmatchedList(HWND list, const std::vector<std::string>& names) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_INITSTORAGE, names.size(), 0);
    for (const std::string* name : InListBoxOrder(ListBoxFontList(list), names))
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name->c_str()));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

} // namespace

bool ShowMatchOutcome(HWND owner, const MatchResult& result) {
    if (result.outcome == MatchOutcome::NoMemory)
        return ReportFailure(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
    if (!result.unmatched.empty()) {
        UnmatchedItems = &result.unmatched;
        DialogBoxParamA(ProgramInstance, MAKEINTRESOURCEA(IDD_BAD_MATCH), owner, BadMatchDlgProc,
                        0);
        UnmatchedItems = nullptr;
    }
    if (!result.hasSelection)
        return ReportFailure(owner, IDS_NO_MATCH, IDS_MATCH_CAPTION);
    return true;
}

bool MatchSectionFonts(HWND owner, const MainLists& lists, char* text, long start) {
    ListBoxFontList atmList(lists.atmList), selectedList(lists.selectedList);
    MatchResult result;
    {
        WaitCursor wait;
        result = MatchByFileNames(atmList, selectedList, lists.catalog, text, start, false,
                                  SystemCodePage());
    }
    return ShowMatchOutcome(owner, result);
}

INT_PTR CALLBACK BadMatchDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetDialogTexts(
            dialog,
            {{0, IDS_BAD_MATCH_TITLE}, {IDC_BAD_MATCH_TEXT, IDS_BAD_MATCH_TEXT}, {IDOK, IDS_OK}});
        if (!UnmatchedItems) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        try {
            FillUnmatchedList(GetDlgItem(dialog, IDC_BAD_MATCH_LIST), *UnmatchedItems);
        } catch (const std::bad_alloc&) {
            // The dialog still says that some names did not match; the list shows what fitted.
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
