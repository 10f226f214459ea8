// The calls that make noise, leave the program or reach past what Wine can show go through
// here, so that tests can watch them; everything else calls Windows directly.
#pragma once

#include <windows.h>

// MessageBeep, and the observer (if any) is told the beep type first.
void SoundBeep(UINT type);
// WinHelpA; returns its result. The observer (if any) sees the call and may answer it instead.
// FALSE without starting WinHelp when the help file cannot be found.
BOOL CallWinHelp(HWND owner, const char* file, UINT command, ULONG_PTR data);
// Windows 95, 98 and ME keep WIN.INI cached in memory: writes through the profile functions may
// not be in the file yet, and what the file says may not be what they read. Writing with no
// section, key or value flushes that cache both ways. Called before WIN.INI is read as a file and
// after it is rewritten; elsewhere the call does nothing (and returns FALSE everywhere).
void FlushWinIniCache();

using BeepObserver = void (*)(UINT type);
// Returns true when it answered the call itself (result in *result); WinHelpA is then not called.
using HelpObserver = bool (*)(HWND owner, const char* file, UINT command, ULONG_PTR data,
                              BOOL* result);
// Told after each flush.
using FlushObserver = void (*)();
void SetBeepObserver(BeepObserver observer);
void SetHelpObserver(HelpObserver observer);
void SetFlushObserver(FlushObserver observer);
