// The wait cursor for a scope (a long match), and the arrow again after it, also when memory ran
// out on the way.
#pragma once

#include <windows.h>

class WaitCursor {
  public:
    WaitCursor() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }
    ~WaitCursor() { SetCursor(LoadCursorA(nullptr, IDC_ARROW)); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
