// The base of every Win32 test: a Windows directory whose atm.ini, win.ini and Marlix.ini the
// test writes (and which is restored afterwards), the dialog driver, observed beeps and help
// calls, and the real main window created the way the program creates it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "support/sample_fonts.h"
#include "support/windows_files.h"

struct HelpCall {
    std::string file;
    UINT command;
    ULONG_PTR data;
};

class MarlixTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes an atm.ini with these "name=files" lines (CR LF) in its [Fonts] section.
    void WriteAtmIni(const std::vector<std::string>& lines);
    // Writes Marlix.ini whole (the profile cache is flushed first).
    void WriteSettings(const std::string& text);
    int ReadSettingValue(const char* section, const char* key, int defaultValue = -12345);

    // Creates the main window as the program does (with the command line's file, if any).
    HWND CreateMainWindow(const char* commandLine = "");
    void DestroyMainWindow();

    // Names a list file as the command line and a drop do, and makes it the current one as a
    // finished open or save does, in this form (-1: the current form).
    void NameListFile(const std::string& path, int form = -1);
    // Opens (or merges) the named file as the posted open command does; its result.
    bool OpenNamedListFile(bool merge = false);

    std::vector<std::string> Items(HWND listBox) const;
    void SelectItems(HWND listBox, const std::vector<std::string>& names);
    // Sends a command as the menu does, and runs what it posts.
    void Command(int id);
    // Queues the check of the next message box (texts of the current language, hand icon) and
    // its OK.
    void ThenMessage(UINT textId, UINT captionId);

    WindowsDirectory windows;
    DialogDriver dialogs;
    std::vector<UINT> beeps;
    std::vector<HelpCall> helps;
    HWND mainWindow = nullptr;
};

// The items of any list box, in its order.
std::vector<std::string> ListItems(HWND listBox);
