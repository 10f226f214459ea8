// The two calls that make noise or leave the program go through here, so that tests can watch
// them; everything else calls Windows directly.
#pragma once

#include <windows.h>

// MessageBeep, and the observer (if any) is told the beep type first.
void SoundBeep(UINT type);
// WinHelpA; returns its result. The observer (if any) sees the call and may answer it instead.
// FALSE without starting WinHelp when the help file cannot be found.
BOOL CallWinHelp(HWND owner, const char* file, UINT command, ULONG_PTR data);

using BeepObserver = void (*)(UINT type);
// Returns true when it answered the call itself (result in *result); WinHelpA is then not called.
using HelpObserver = bool (*)(HWND owner, const char* file, UINT command, ULONG_PTR data,
                              BOOL* result);
void SetBeepObserver(BeepObserver observer);
void SetHelpObserver(HelpObserver observer);
