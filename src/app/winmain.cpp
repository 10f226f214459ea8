// The entry point: classes, the command-line file, the main window and the message loop.
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "app/command_line.h"
#include "app/main_window.h"
#include "listfile/list_file.h"
#include "resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showState) {
    if (!RegisterMarlixClasses(instance))
        return 0;
    App = MainWindowState();
    App.ProgramInstance = instance;

    std::string path;
    App.OpenListOnStart = ListPathFromCommandLine(commandLine, path);
    ListFile.CurrentListTitle[0] = '\0';
    if (App.OpenListOnStart) {
        lstrcpynA(ListFile.CurrentListPath, path.c_str(), sizeof ListFile.CurrentListPath);
        GetFileTitleA(ListFile.CurrentListPath, ListFile.CurrentListTitle,
                      sizeof ListFile.CurrentListTitle);
    }

    HMODULE richEdit = LoadLibraryA("RICHED32.DLL");
    HWND window = CreateMainWindow();
    if (!window) {
        if (richEdit)
            FreeLibrary(richEdit);
        return 0;
    }
    ShowWindow(window, showState);
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_ACCELERATORS));

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(App.MainWindow, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    if (richEdit)
        FreeLibrary(richEdit);
    return static_cast<int>(message.wParam);
}
