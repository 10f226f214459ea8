// The two printing dialogs as their templates lay them out, in dialog units.
#include "print_fixture.h"

#include "app/main_window.h"
#include "print/print.h"
#include "resource.h"

namespace {

struct Place {
    int id;
    const char* className;
    DWORD style; // the style bits that matter for the control
    RECT units;  // left, top, right, bottom in dialog units
};

// As the dialog manager places a control: its origin and its size are converted apart.
RECT InPixels(HWND dialog, RECT units) {
    RECT origin = {units.left, units.top, 0, 0};
    RECT size = {units.right - units.left, units.bottom - units.top, 0, 0};
    MapDialogRect(dialog, &origin);
    MapDialogRect(dialog, &size);
    return {origin.left, origin.top, origin.left + size.left, origin.top + size.top};
}

RECT ChildRect(HWND dialog, HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Finds the control of the place: by id, or (id -1) by class and style among the others.
HWND Find(HWND dialog, const Place& place) {
    if (place.id != -1)
        return GetDlgItem(dialog, place.id);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = "";
        GetClassNameA(child, className, sizeof className);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        if (GetDlgCtrlID(child) == 0xFFFF && lstrcmpiA(className, place.className) == 0 &&
            (style & SS_TYPEMASK) == (place.style & SS_TYPEMASK))
            return child;
    }
    return nullptr;
}

void ExpectLayout(HWND dialog, SIZE clientUnits, const std::vector<Place>& places) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, DWORD(WS_CAPTION));
    EXPECT_TRUE(style & DS_MODALFRAME);
    EXPECT_FALSE(style & WS_SYSMENU) << "no system menu on the caption bar";
    RECT client;
    GetClientRect(dialog, &client);
    const RECT expected = InPixels(dialog, {0, 0, clientUnits.cx, clientUnits.cy});
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
    for (const Place& place : places) {
        SCOPED_TRACE(place.id);
        HWND control = Find(dialog, place);
        ASSERT_NE(control, nullptr);
        char className[32] = "";
        GetClassNameA(control, className, sizeof className);
        EXPECT_STREQ(className, place.className);
        const DWORD controlStyle = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        EXPECT_EQ(controlStyle & place.style, place.style);
        const RECT at = ChildRect(dialog, control), want = InPixels(dialog, place.units);
        EXPECT_EQ(at.left, want.left);
        EXPECT_EQ(at.top, want.top);
        if (place.style == SS_ICON)
            continue; // an icon takes the size of its picture
        EXPECT_EQ(at.right, want.right);
        EXPECT_EQ(at.bottom, want.bottom);
    }
}

RECT Units(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

TEST_F(PrintTest, ChoiceDialogTemplate) {
    OpenMainWindow(5, 1);
    dialogs.Then([](SeenDialog& seen) {
        const DWORD radio = BS_AUTORADIOBUTTON | WS_GROUP;
        ExpectLayout(seen.window, {207, 70},
                     {{IDC_PRINTER_LABEL, "Static", SS_RIGHT, Units(4, 6, 40, 8)},
                      {IDC_PRINTER_LINE, "Static", SS_LEFT, Units(45, 6, 159, 8)},
                      {-1, "Static", SS_ETCHEDFRAME, Units(8, 20, 130, 43)},
                      {IDC_PRINT_ATM_LIST, "Button", radio, Units(13, 27, 119, 12)},
                      {IDC_PRINT_SELECTED, "Button", radio, Units(13, 44, 119, 12)},
                      {IDOK, "Button", BS_DEFPUSHBUTTON, Units(147, 18, 50, 15)},
                      {IDCANCEL, "Button", BS_PUSHBUTTON, Units(147, 36, 50, 14)},
                      {IDC_PRINT_HELP, "Button", BS_PUSHBUTTON, Units(147, 54, 50, 14)}});
        return IDCANCEL;
    });
    EXPECT_EQ(RunChoiceDialog(), 0);
}

TEST_F(PrintTest, PrintingDialogTemplate) {
    OpenMainWindow(5, 0);
    HWND dialog = CreateDialogParamA(App.ProgramInstance, MAKEINTRESOURCEA(IDD_PRINT_STOP),
                                     mainWindow, PrintStopDlg, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "a modeless dialog that shows itself";
    ExpectLayout(dialog, {175, 75},
                 {{-1, "Static", SS_ETCHEDFRAME, Units(6, 6, 164, 46)},
                  {-1, "Static", SS_ICON, Units(12, 15, 0, 0)},
                  {IDC_PRINTING_TEXT, "Static", SS_LEFT, Units(41, 16, 124, 31)},
                  {IDCANCEL, "Button", BS_DEFPUSHBUTTON, Units(62, 54, 50, 16)}});
    HWND icon = Find(dialog, {-1, "Static", SS_ICON, {}});
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)) != nullptr, true)
        << "the program icon";
    DestroyWindow(dialog);
}

} // namespace
