// Runs the program's real main window inside a tool: writes the Windows directory's atm.ini,
// creates the window as the program's entry point does, and runs its messages until idle.
#pragma once

#include <windows.h>

#include <string>

// Replaces atm.ini in the Windows directory; the original comes back when the object goes.
class AtmIniSwap {
  public:
    explicit AtmIniSwap(const std::string& text);
    ~AtmIniSwap();
    AtmIniSwap(const AtmIniSwap&) = delete;
    AtmIniSwap& operator=(const AtmIniSwap&) = delete;

  private:
    std::string path_, original_;
    bool existed_ = false;
};

// An atm.ini with this many fonts in its [Fonts] section (URW family names, 4 styles each).
std::string GeneratedAtmIni(int fonts);
std::string ReadFileBytes(const std::string& path);
// The path of a file in the Windows directory.
std::string WindowsFile(const char* name);

// Registers the classes once, then creates and shows the main window (WM_CREATE has run).
HWND StartMainWindow(const char* commandLine);
// Dispatches messages (paints included) until none is left.
void RunUntilIdle();
// Selects the named items of a list box.
void SelectNames(HWND listBox, std::initializer_list<const char*> names);
