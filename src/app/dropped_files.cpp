// A file dropped on the main window is named for the posted command, which opens it, or merges
// it after Alt+M.
#include "app/dropped_files.h"

#include "app/app_state.h"
#include "base/late_libraries.h"
#include "base/shell_hooks.h"
#include "resource.h"

void OnDropFiles(HWND window, HDROP drop) {
    char path[sizeof App.NamedListPath] = "";
    // Only the first of several files is taken. A path too long to hold is not cut short (that
    // would name another file): it counts as no path at all.
    UINT needed = LateDragQueryFile(drop, 0, nullptr, 0);
    UINT length = needed < sizeof path ? LateDragQueryFile(drop, 0, path, sizeof path) : 0;
    if (length > 0) {
        lstrcpyA(App.NamedListPath, path);
        PostMessageA(window, WM_COMMAND,
                     App.MergeNextDrop ? IDM_MERGE_NAMED_LIST : IDM_OPEN_NAMED_LIST, 0);
    } else {
        SoundBeep(MB_ICONHAND);
    }
    LateDragFinish(drop);
    SetForegroundWindow(window);
}
