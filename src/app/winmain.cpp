// The entry point: classes, the command-line file, the main window and the message loop.
#include <windows.h>
#include "app/main_window.h"
#include "resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showState) {
    if (!RegisterMarlixClasses(instance))
        return 0;
    // The About box's rich-edit control; the program runs on without it.
    HMODULE richEdit = LoadLibraryA("RICHED32.DLL");
    if (!StartMainWindow(instance, commandLine, showState)) {
        if (richEdit)
            FreeLibrary(richEdit);
        return 0;
    }
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_ACCELERATORS));

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchProgramMessage(message, accelerators);
    if (richEdit)
        FreeLibrary(richEdit);
    return static_cast<int>(message.wParam);
}
