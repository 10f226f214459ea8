// The font sample window: "ABYZ abyz 123" in the font of a list's caret item.
#pragma once

#include <windows.h>

#include "base/exports.h"

struct FontSampleState {
    // The font the next sample is drawn in; weight, slant and face are rewritten for every
    // showing. Weight 0 lets the font mapper choose.
    LOGFONTA SampleFont;
    // The item a right-button drag last pointed at; -1 after each right press.
    int LastTargetIndex = -1;
    HWND FontSampleWindow = nullptr; // the sample window while it is open
};
extern FontSampleState FontSample;

// The sample's text and the command that makes the sample window rebuild its font.
constexpr char SampleText[] = "ABYZ abyz 123";
constexpr int SampleRebuildCommand = 20;

// Shows the sample of the list box's caret item: refreshes the open sample window (by a posted
// rebuild command) or creates one over the list's parent. Returns the sample window; callers keep
// it as FontSampleWindow. With no item at the caret nothing changes and the open window (if any)
// is returned.
MARLIX_EXPORT HWND ShowFontSample(HWND listBox);
// Destroys FontSampleWindow if it is open and forgets it.
void CloseFontSample();

MARLIX_EXPORT LRESULT CALLBACK MXShowFontProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam);
