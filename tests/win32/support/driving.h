// Driving the program as a user's hand and eye do: the thread's messages run, items of a list
// box found by their text, a millisecond clock, and a window of another process found.
#pragma once

#include <windows.h>

#include <functional>

// Runs the messages waiting now.
void PumpMessages();
// Runs the thread's messages until the condition holds or the time is up; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);

// The index of the item with exactly this text (case aside), or LB_ERR.
LRESULT FindListItem(HWND listBox, const char* text);
// A left click (or double click) on a list box item, as the mouse makes it, with these keys
// (MK_CONTROL, MK_SHIFT) held.
void ClickListItem(HWND listBox, LRESULT index, bool doubleClick = false, UINT keys = 0);

// Milliseconds since some fixed moment, from the performance counter.
double Now();

// The visible top-level window of this class that the process owns, or null.
HWND FindProcessWindow(DWORD processId, const char* windowClass);
