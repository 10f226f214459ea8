// Start-up: the program's five window classes, the command line's list file, the main window.
#include "app/main_window.h"

#include <string>

#include "base/command_line.h"
#include "base/late_libraries.h"
#include "listfile/list_file.h"

#include "base/settings.h"
#include "controls/balloon.h"
#include "controls/font_sample.h"
#include "controls/toolbar.h"
#include "resource.h"
#include "winini/winini_file.h"

namespace {

bool RegisterOne(HINSTANCE instance, const char* name, WNDPROC procedure, HBRUSH background,
                 HICON icon) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC | CS_BYTEALIGNWINDOW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

} // namespace

bool RegisterMarlixClasses(HINSTANCE instance) {
    const COLORREF navy = RGB(0, 0, 128), paleYellow = RGB(255, 255, 128);
    HBRUSH lightGrey = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    // The solid brushes belong to their classes for the life of the process.
    return RegisterOne(instance, "MarlixClass", WndProc, CreateSolidBrush(navy),
                       LoadIconA(instance, MAKEINTRESOURCEA(IDI_MARLIX))) &&
           RegisterOne(instance, "MXToolBarClass", MXToolBarProc, lightGrey, nullptr) &&
           RegisterOne(instance, "MXTButtonClass", MXTButtonProc, lightGrey, nullptr) &&
           RegisterOne(instance, "MXBalHelpClass", MXBalHelpProc, CreateSolidBrush(paleYellow),
                       nullptr) &&
           RegisterOne(instance, "MXShowFontClass", MXShowFontProc, CreateSolidBrush(paleYellow),
                       nullptr);
}

HWND CreateMainWindow() {
    // A geometry stored on a larger screen could leave only a corner of the window in sight.
    RECT area;
    WindowGeometry geometry = ReadWindowGeometry();
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        geometry = FitOntoWorkArea(geometry, {area.left, area.top, area.right, area.bottom});
    return CreateWindowExA(WS_EX_OVERLAPPEDWINDOW, "MarlixClass", "Marlix32  by Velquist",
                           WS_OVERLAPPEDWINDOW, geometry.left, geometry.top, geometry.width,
                           geometry.height, nullptr, nullptr, ProgramInstance, nullptr);
}

void TakeCommandLine(const char* commandLine) {
    std::string path;
    App.OpenListOnStart = ListPathFromCommandLine(commandLine, path);
    ListFile.CurrentListTitle[0] = '\0';
    if (App.OpenListOnStart) {
        lstrcpynA(ListFile.CurrentListPath, path.c_str(), sizeof ListFile.CurrentListPath);
        LateGetFileTitle(ListFile.CurrentListPath, ListFile.CurrentListTitle,
                         sizeof ListFile.CurrentListTitle);
    }
}

HWND StartMainWindow(HINSTANCE instance, const char* commandLine, int showState) {
    App = MainWindowState();
    ProgramInstance = instance;
    ListFile = SettledListFile = ListFileState();
    TakeCommandLine(commandLine);
    HWND window = CreateMainWindow();
    if (!window)
        return nullptr;
    ShowWindow(window, showState);
    // The always-on-top command posted at creation may already have run, inside a message box
    // of the catalogue's load, when the window could not yet take the topmost place.
    if (App.IsAlwaysOnTop)
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // Other programs read WIN.INI too: a whole copy that a cut save left aside goes back now.
    TakeBackWinIni(window);
    return window;
}

namespace {
// Set in a key press's lParam when the key was already down.
constexpr LPARAM KeyRepeatBit = 1 << 30;
} // namespace

void DispatchProgramMessage(MSG& message, HACCEL accelerators) {
    const bool forMainWindow =
        App.MainWindow && (message.hwnd == App.MainWindow || IsChild(App.MainWindow, message.hwnd));
    // A toolbar button holds the capture while the pointer rests on it, and under a capture the
    // table sends no command: a key press ends the rest first, so the shortcuts act anywhere.
    const bool keyPress = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    const HWND capture = GetCapture();
    if (forMainWindow && keyPress && capture && FindToolbarButton(capture))
        ReleaseCapture();
    // The sample stands until the user types: any key, Esc, Shift and Ctrl too, wherever the
    // focus is; a held key's repeats do not count (Ctrl stays down after Ctrl+S).
    if (keyPress && !(message.lParam & KeyRepeatBit))
        CloseFontSample();
    if (forMainWindow && TranslateAcceleratorA(App.MainWindow, accelerators, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}
