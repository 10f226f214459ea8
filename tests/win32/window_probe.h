// What the main-window tests look at: the commands a window receives, the commands posted to
// it, mouse clicks on list items, keys through the accelerator table, and pixels on screen.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "controls/toolbar.h"
#include "support/driving.h"

// Subclasses a window and records every WM_COMMAND it receives (low word of wParam, lParam),
// in order. When swallow is set the commands stop there; otherwise they run as usual.
class CommandLog {
  public:
    CommandLog(HWND window, bool swallow);
    ~CommandLog();
    CommandLog(const CommandLog&) = delete;
    CommandLog& operator=(const CommandLog&) = delete;

    const std::vector<std::pair<int, LPARAM>>& Entries() const { return entries_; }
    std::vector<int> Ids() const;
    void Clear() { entries_.clear(); }

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_;
    bool swallow_;
    WNDPROC previous_;
    std::vector<std::pair<int, LPARAM>> entries_;
};

// Takes the WM_COMMAND messages waiting in the queue for the window, without running them.
std::vector<int> TakePostedCommands(HWND window);

// The toolbar button with this id (a test failure, and the first button, when there is none).
ToolbarButton& ToolbarButtonOf(int id);

// A drop of these files as the shell makes it (the receiver frees it with DragFinish).
HDROP MakeDrop(const std::vector<std::string>& paths);

// Offers a key press to TranslateAcceleratorA with the main window's table 5, the modifier keys
// held; returns whether the table translated it (its command has then run).
bool PressAccelerator(HWND mainWindow, UINT virtualKey, bool control, bool alt);

// Presses the keys together as the keyboard does (real input, to whichever window has the
// focus), releasing them in reverse order, then runs the program's own loop for a moment.
void PressKeys(std::initializer_list<WORD> keys);
// The real input of such a press: the keys down in order, then up in reverse order.
std::vector<INPUT> KeyChord(std::initializer_list<WORD> keys);
// Real input (keys or the pointer) in this order, then the program's own loop for a moment.
void SendInputAndRun(std::vector<INPUT> inputs);
// Moves the pointer onto this point of the window's client area as the mouse does.
void MovePointer(HWND window, POINT client);

// The text of a menu item by its position.
std::string MenuText(HMENU menu, UINT position);

// The font selected into a window's own drawing context (the font sample draws with it).
LOGFONTA WindowFont(HWND window);

// Pixels of a window as they are on screen (client coordinates).
COLORREF PixelAt(HWND window, int x, int y);
// How many pixels of the rectangle differ from the text drawn the way the status panel draws
// it: the DC's default font, opaque, at origin; -1 when the rectangle could not be read.
int TextDifference(HWND window, POINT origin, const std::string& text, COLORREF ink,
                   COLORREF paper);
// The width and height of the text in the default font of a window's device context.
SIZE DefaultFontExtent(const std::string& text);
// Whether the window shows the bitmap resource at its (0, 0) pixel for pixel.
::testing::AssertionResult ShowsBitmap(HWND window, int bitmapId);
