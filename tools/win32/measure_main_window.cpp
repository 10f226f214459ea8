// Times, under wine, what a user waits for with a full catalogue of 1001 fonts: the start until
// the window is idle (in this process and as a program of its own), "Add all fonts" and "New".
// A bare window's start is timed the same way beside it. Prints medians and minimums in ms.
//   measure_main_window.exe [rounds]        (default 9)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_window.h"
#include "main_window_driver.h"
#include "resource.h"
#include "timing.h"

namespace {

HWND CreateBareWindow() {
    static bool registered = [] {
        WNDCLASSA windowClass = {};
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = "BareWindowClass";
        return RegisterClassA(&windowClass) != 0;
    }();
    if (!registered)
        return nullptr;
    HWND window = CreateWindowExA(WS_EX_OVERLAPPEDWINDOW, "BareWindowClass", "Bare window",
                                  WS_OVERLAPPEDWINDOW, 40, 40, 463, 288, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    return window;
}

// The tool stands in build/win64/tools/win32, beside the bare window program; the program
// itself in build/win64.
std::string Beside(const char* name, int levelsUp) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path = self;
    for (int up = 0; up <= levelsUp; ++up)
        path = path.substr(0, path.find_last_of('\\'));
    return "\"" + path + "\\" + name + "\"";
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    AtmIniSwap atmIni(GeneratedAtmIni(1001));

    Figures bare{"bare window: create + show until idle"};
    Figures created{"main window: create (catalogue of 1001 loaded)"};
    Figures started{"main window: create + show until idle"};
    Figures addAll{"\"Add all fonts\": command"}, addAllPainted{"\"Add all fonts\": until idle"};
    Figures newList{"\"New...\": command"}, newListPainted{"\"New...\": until idle"};
    Figures addMany{"\"Add fonts\", 500 selected: command"};
    unsigned long catalogued = 0, moved = 0;

    for (int round = 0; round < rounds; ++round) {
        double t0 = Now();
        HWND plain = CreateBareWindow();
        RunUntilIdle();
        bare.samples.push_back(Now() - t0);
        DestroyWindow(plain);
        RunUntilIdle();

        t0 = Now();
        HWND window = StartMainWindow("");
        double t1 = Now();
        RunUntilIdle();
        double t2 = Now();
        if (!window)
            return 1;
        created.samples.push_back(t1 - t0);
        started.samples.push_back(t2 - t0);
        catalogued = static_cast<unsigned long>(SendMessageA(App.AtmList, LB_GETCOUNT, 0, 0));

        t0 = Now();
        SendMessageA(window, WM_COMMAND, IDM_ADD_ALL_FONTS, 0);
        t1 = Now();
        RunUntilIdle();
        addAll.samples.push_back(t1 - t0);
        addAllPainted.samples.push_back(Now() - t0);
        moved = App.SelectedFontCount;

        t0 = Now();
        SendMessageA(window, WM_COMMAND, IDM_NEW_LIST, 0);
        t1 = Now();
        RunUntilIdle();
        newList.samples.push_back(t1 - t0);
        newListPainted.samples.push_back(Now() - t0);

        SendMessageA(App.AtmList, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 499));
        t0 = Now();
        SendMessageA(window, WM_COMMAND, IDM_ADD_FONTS, 0);
        addMany.samples.push_back(Now() - t0);
        RunUntilIdle();

        DestroyWindow(window);
        RunUntilIdle();
    }

    const std::string program = Beside("marlix32.exe", 2);
    const std::string bareWindow = Beside("bare_window.exe", 0);
    Figures bareProgram{"bare window program: start until input idle"};
    Figures marlixProgram{"marlix32.exe: start until input idle"};
    for (int round = 0; round < rounds; ++round) {
        bareProgram.samples.push_back(TimeProgramStart(bareWindow));
        marlixProgram.samples.push_back(TimeProgramStart(program));
    }

    std::printf("catalogue: %lu fonts in the left list; \"Add all\" moved %lu\n", catalogued,
                moved);
    for (const Figures* figures : {&bare, &created, &started, &addAll, &addAllPainted, &newList,
                                   &newListPainted, &addMany, &bareProgram, &marlixProgram})
        Report(*figures);
    return 0;
}
