// The functions of the system libraries that only some commands use, reached through libraries
// loaded on first use rather than when the program starts: the common dialogs (file, print and
// the file title), the shell's dropped files, the common controls and the rich-edit control of
// the About box. Loading them belongs to no command a user waits on at start: under wine the
// common dialogs with what they bring (the common controls and the shell) took 30 to 50 ms of
// it, the rich-edit library about 9 ms. Each function answers as its own does when the library
// cannot be loaded.
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
