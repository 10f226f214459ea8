// The main window's two list boxes, subclassed: a right press shows the sample of the font under
// the pointer, and Tab, Shift+Tab and F6 move the focus from one list to the other.
#include "controls/font_list_box.h"

#include "controls/font_sample.h"
#include "controls/font_style.h"
#include "resource.h"

namespace {

// Each list box's own procedure is kept in its user data (a list box has no use for it). A
// window property would do too, but under wine every property lookup is a trip to the server,
// and every message of the list box needs it.
WNDPROC PreviousListProc(HWND listBox) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(listBox, GWLP_USERDATA));
}

LRESULT CallListProc(HWND listBox, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = PreviousListProc(listBox);
    if (!previous)
        return DefWindowProcA(listBox, message, wParam, lParam);
    return CallWindowProcA(previous, listBox, message, wParam, lParam);
}

// Tab, Shift+Tab and F6 move the focus from one list of the main window to the other.
void FocusOtherList(HWND list) {
    HWND parent = GetParent(list);
    HWND atmList = GetDlgItem(parent, IDC_ATM_LIST);
    SetFocus(list == atmList ? GetDlgItem(parent, IDC_SELECTED_LIST) : atmList);
}

// A right-button drag at client y: move the caret to the item it points at and show its sample.
void FollowPointer(HWND listBox, unsigned y) {
    int top = static_cast<int>(SendMessageA(listBox, LB_GETTOPINDEX, 0, 0));
    int target = SampleTargetIndex(top, y);
    if (target == FontSample.LastTargetIndex)
        return;
    FontSample.LastTargetIndex = target;
    // The caret moves without touching the selection; past the last item the call fails.
    if (SendMessageA(listBox, LB_SETCARETINDEX, target, FALSE) != LB_ERR)
        FontSample.FontSampleWindow = ShowFontSample(listBox);
}

} // namespace

void SubclassFontList(HWND listBox) {
    LONG_PTR previous = GetWindowLongPtrA(listBox, GWLP_WNDPROC);
    SetWindowLongPtrA(listBox, GWLP_USERDATA, previous);
    SetWindowLongPtrA(listBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListCapProc));
}

LRESULT CALLBACK ListCapProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_RBUTTONDOWN:
        FontSample.LastTargetIndex = -1;
        SetFocus(window);
        SetCapture(window);
        [[fallthrough]];
    case WM_MOUSEMOVE:
        // Only the right button alone drives the sample; with Shift, Ctrl or another button the
        // list box does its own work.
        if (wParam != MK_RBUTTON)
            break;
        FollowPointer(window, HIWORD(lParam));
        return 0;
    case WM_RBUTTONUP:
        ReleaseCapture();
        CloseFontSample();
        return 0;
    case WM_KEYDOWN:
        if (wParam != VK_TAB && wParam != VK_F6)
            break;
        FocusOtherList(window);
        return 0;
    }
    return CallListProc(window, message, wParam, lParam);
}
