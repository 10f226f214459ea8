// The main window: its creation, and its procedure: the children made and destroyed, painting,
// menus, drops.
// Commands are handled in commands.cpp.
#include "app/main_window.h"

#include <shellapi.h>

#include "app/commands.h"
#include "app/dropped_files.h"
#include "app/language_menu.h"
#include "app/menu_states.h"
#include "app/status_panel.h"
#include "base/font_description.h"
#include "base/instance.h"
#include "base/language.h"
#include "base/settings.h"
#include "base/shell_hooks.h"
#include "base/system_code_page.h"
#include "catalog/catalog_win.h"
#include "controls/font_list_box.h"
#include "controls/font_sample.h"
#include "controls/toolbar.h"
#include "listfile/window_title.h"
#include "print/print_state.h"
#include "resource.h"
#include "winini/font_change_warning.h"

namespace {

HFONT CreateListFont() {
    const LOGFONTA font =
        FontDescription("Arial", 15, FW_NORMAL, SystemCharset(), DEFAULT_PITCH | FF_SWISS);
    return CreateFontIndirectA(&font);
}

// Both lists stand 166 pixels tall, the height a list box made 172 tall takes for whole rows of
// the system font, so that the count lines below them (y 208) show. A list box left to keep whole
// rows itself shrinks again when its scroll bar appears, and the two would differ.
constexpr int ListHeight = 166;

HWND CreateFontListBox(HWND parent, int x, int id, HFONT* oldFont) {
    HWND list =
        CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE, "LISTBOX", nullptr,
                        WS_CHILD | WS_CLIPSIBLINGS | WS_BORDER | WS_VSCROLL | LBS_NOTIFY |
                            LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT,
                        x, 40, 210, ListHeight, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                        ProgramInstance, nullptr);
    *oldFont = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(App.ListFont), TRUE);
    SubclassFontList(list);
    ShowWindow(list, SW_SHOW);
    return list;
}

void DestroyFontListBox(HWND list, HFONT oldFont) {
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(oldFont), TRUE);
    DestroyWindow(list);
}

void OnCreate(HWND window) {
    App.MainWindow = window;
    App.ActiveList = IDC_ATM_LIST;
    App.MergeNextDrop = false;
    App.SelectedFontCount = 0;
    SetLanguage(ReadSetting("Options", "Language", 0));
    SetFontChangeWarning(ReadSetting("Options", "Warn01", 1));
    App.IsAlwaysOnTop = false;
    if (ReadSetting("Options", "AlwaysOnTop", 0) != 0)
        PostMessageA(window, WM_COMMAND, IDM_ALWAYS_ON_TOP, 0);
    FontSample.FontSampleWindow = nullptr;
    App.ListFont = CreateListFont();

    // The toolbar and the lists never paint over the sample or the balloon standing above them.
    App.Toolbar =
        CreateWindowExA(0, "MXToolBarClass", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                        450, 29, window, nullptr, ProgramInstance, nullptr);
    ShowWindow(App.Toolbar, SW_SHOW);
    App.AtmList = CreateFontListBox(window, 10, IDC_ATM_LIST, &App.AtmListOldFont);
    App.SelectedList = CreateFontListBox(window, 230, IDC_SELECTED_LIST, &App.SelectedListOldFont);
    App.FocusList = App.AtmList;

    if (LoadAtmCatalog(App.AtmList))
        SendMessageA(App.Toolbar, WM_COMMAND, ToolbarCreateButtons, 0);
    // What DragAcceptFiles does, without loading the shell library at start.
    SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
    if (App.OpenListOnStart)
        PostMessageA(window, WM_COMMAND, IDM_OPEN_NAMED_LIST, 0);
}

void OnDestroy(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    WriteWindowGeometry(outer);
    FreeFontCatalog();
    ReleasePrinterChoice();
    DestroyFontListBox(App.AtmList, App.AtmListOldFont);
    DestroyFontListBox(App.SelectedList, App.SelectedListOldFont);
    App.AtmList = App.SelectedList = App.FocusList = nullptr;
    if (!DeleteObject(App.ListFont))
        SoundBeep(MB_ICONHAND);
    App.ListFont = nullptr;
    App.MainWindow = nullptr;
    PostQuitMessage(0);
}

} // namespace

HWND CreateMainWindow() {
    // A geometry stored on a larger screen could leave only a corner of the window in sight.
    RECT area;
    WindowGeometry geometry = ReadWindowGeometry();
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        geometry = FitOntoWorkArea(geometry, {area.left, area.top, area.right, area.bottom});
    return CreateWindowExA(WS_EX_OVERLAPPEDWINDOW, "MarlixClass", PlainWindowTitle,
                           WS_OVERLAPPEDWINDOW, geometry.left, geometry.top, geometry.width,
                           geometry.height, nullptr, nullptr, ProgramInstance, nullptr);
}

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    case WM_PAINT:
        PaintStatusPanel(window);
        return 0;
    case WM_SETFOCUS:
        // The window itself takes no keys: at start, on activation and when a dialog or message
        // box ends, the focus goes on to the list used last.
        if (App.FocusList)
            SetFocus(App.FocusList);
        return 0;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
        CloseFontSample();
        return 0;
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), lParam);
        return 0;
    case WM_DROPFILES:
        OnDropFiles(window, reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
