// The entry point: classes, the command-line file, the main window and the message loop. The
// About box's rich-edit library is loaded when the box first opens (base/late_libraries.h).
#include <windows.h>

#include "app/start_up.h"
#include "resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showState) {
    if (!RegisterMarlixClasses(instance))
        return 0;
    if (!StartMainWindow(instance, commandLine, showState))
        return 0;
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_ACCELERATORS));

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchProgramMessage(message, accelerators);
    return static_cast<int>(message.wParam);
}
