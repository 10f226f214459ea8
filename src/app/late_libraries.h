// The functions of the system libraries that only some commands use, reached through libraries
// loaded on first use rather than when the program starts: the common dialogs (file, print and
// the file title), the shell's dropped files and the common controls. Under wine, loading the
// common controls alone makes the start slower and every dialog of the program three times
// slower to open. Each function answers as its own does when the library cannot be loaded.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

short LateGetFileTitle(LPCSTR path, LPSTR title, WORD titleSize);
BOOL LateGetOpenFileName(OPENFILENAMEA* dialog);
BOOL LateGetSaveFileName(OPENFILENAMEA* dialog);
// CDERR_INITIALIZATION when the common dialogs could not be loaded.
DWORD LateCommDlgExtendedError();
BOOL LatePrintDlg(PRINTDLGA* dialog);
UINT LateDragQueryFile(HDROP drop, UINT file, LPSTR path, UINT pathSize);
void LateDragFinish(HDROP drop);
void LateInitCommonControls();
// The rich-edit control's library; the About box can do without it.
void LateLoadRichEdit();
