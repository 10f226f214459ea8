// Start-up: the program's five window classes, the command line's list file, the main window,
// and each message of the loop.
#include "app/start_up.h"

#include <string>

#include "app/main_window.h"
#include "base/command_line.h"
#include "base/instance.h"
#include "base/settings.h"
#include "base/window_class.h"
#include "controls/balloon.h"
#include "controls/font_sample.h"
#include "controls/toolbar.h"
#include "listfile/list_file.h"
#include "resource.h"
#include "winini/winini_file.h"

namespace {

bool RegisterOne(HINSTANCE instance, const char* name, WNDPROC procedure, HBRUSH background,
                 HICON icon) {
    return RegisterWindowClass(instance, name, procedure,
                               CS_VREDRAW | CS_HREDRAW | CS_OWNDC | CS_BYTEALIGNWINDOW, background,
                               icon);
}

// Takes the list file named on the command line, to be opened once the main window stands.
void TakeCommandLine(const char* commandLine) {
    std::string path;
    App.OpenListOnStart = ListPathFromCommandLine(commandLine, path);
    if (App.OpenListOnStart)
        lstrcpynA(App.NamedListPath, path.c_str(), sizeof App.NamedListPath);
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

HWND StartMainWindow(HINSTANCE instance, const char* commandLine, int showState) {
    App = MainWindowState();
    ProgramInstance = instance;
    ListFile = ListFileState();
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
