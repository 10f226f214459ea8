#include "print/print.h"

BOOL KWGetPrintSetup(HWND) {
    return FALSE;
}
void KWPrintPages(HWND) {}
INT_PTR CALLBACK PrintSelDlgProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}
void RunPrintCommand(HWND) {}
