#include "app/commands.h"

#include "app/main_window.h"
#include "resource.h"

void OnCommand(HWND window, int id, int) {
    switch (id) {
    case IDM_EXIT:
        DestroyWindow(window);
        break;
    }
}

void OnInitMenuPopup(HMENU, LPARAM) {
    CloseFontSample();
}

void OnDropFiles(HWND, HDROP drop) {
    DragFinish(drop);
}
