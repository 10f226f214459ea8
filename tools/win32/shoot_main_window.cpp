// Sets the real main window up as a user would have it for a screenshot, on the atm.ini of the
// Windows directory: some fonts moved to the selected list, some selected in the left one,
// optionally Spanish and a balloon shown. Then it writes the window's screen rectangle to the
// ready file and keeps the window up for a while, so that a script can take the picture.
//   shoot_main_window.exe READY_FILE [--list FILE] [--spanish] [--balloon BUTTON_ID]
//                         [--seconds N]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "app/main_window.h"
#include "app/start_up.h"
#include "controls/toolbar.h"
#include "resource.h"
#include "support/driving.h"

namespace {

// A click on an item as the mouse makes it (Ctrl adds to the selection).
void Click(HWND list, const char* name, bool control) {
    LRESULT index = FindListItem(list, name);
    if (index == LB_ERR)
        return;
    SendMessageA(list, LB_SETTOPINDEX, 0, 0);
    ClickListItem(list, index, false, control ? MK_CONTROL : 0);
}

void ShowBalloonOf(int buttonId) {
    for (const ToolbarButton& button : Toolbar.ToolbarButtons) {
        if (button.id == buttonId) {
            SendMessageA(button.window, WM_MOUSEMOVE, 0, MAKELPARAM(12, 10));
            SendMessageA(button.window, WM_TIMER, BalloonTimer, 0);
        }
    }
}

void SelectNames(HWND listBox, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        LRESULT index = FindListItem(listBox, name);
        if (index != LB_ERR)
            SendMessageA(listBox, LB_SETSEL, TRUE, index);
    }
}

void RunFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    const std::string ready = argv[1];
    std::string list;
    bool spanish = false;
    int balloon = 0;
    DWORD seconds = 6;
    for (int i = 2; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--list" && i + 1 < argc)
            list = argv[++i];
        else if (argument == "--spanish")
            spanish = true;
        else if (argument == "--balloon" && i + 1 < argc)
            balloon = std::atoi(argv[++i]);
        else if (argument == "--seconds" && i + 1 < argc)
            seconds = static_cast<DWORD>(std::atoi(argv[++i]));
    }

    // The list opens as it does from the program's command line, once the messages run.
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND window = RegisterMarlixClasses(instance)
                      ? StartMainWindow(instance, list.c_str(), SW_SHOWNORMAL)
                      : nullptr;
    if (!window)
        return 1;
    PumpMessages();
    if (spanish)
        SendMessageA(window, WM_COMMAND, IDM_SPANISH, 0);

    // A selection being built: the list's fonts and a few more, two more picked on the left.
    SelectNames(App.AtmList, {"Nimbus Sans,ITALIC", "Nimbus Sans,BOLDITALIC", "P052", "P052,BOLD"});
    SendMessageA(window, WM_COMMAND, IDM_ADD_FONTS, 0);
    Click(App.SelectedList, "P052", false);
    Click(App.AtmList, "Nimbus Mono PS", false);
    Click(App.AtmList, "Nimbus Mono PS,BOLD", true);
    RunFor(300);
    if (balloon)
        ShowBalloonOf(balloon);
    RunFor(500);

    RECT outer;
    GetWindowRect(window, &outer);
    if (FILE* file = std::fopen(ready.c_str(), "w")) {
        std::fprintf(file, "%ldx%ld+%ld+%ld\n", outer.right - outer.left, outer.bottom - outer.top,
                     outer.left, outer.top);
        std::fclose(file);
    }
    RunFor(seconds * 1000);
    DestroyWindow(window);
    PumpMessages();
    return 0;
}
