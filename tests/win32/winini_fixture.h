// What the WIN.INI tests share: the sample fonts' names and file entries, a second top-level
// window that logs the font-change broadcast, a log of the toolbar's commands, and answers for
// the printer-section dialog.
#pragma once

#include "marlix_test.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "window_probe.h"

// Font i of SampleFontLines: its name and its FileEntry as the catalogue holds it (with CR LF).
std::string SampleFontName(int i);
std::string SampleFileEntry(int i);
// "softfonts=n" and the softfont lines of these sample fonts, in this order.
std::string SoftfontLines(const std::vector<int>& fonts);

class WinIniTest : public MarlixTest {
  public:
    // Events in the order they happened: "fontchange" (the other window saw WM_FONTCHANGE) and
    // "warning" (the warning dialog was up).
    static std::vector<std::string> events;
    // Run at each flush of the system's WIN.INI cache, when set.
    static std::function<void()> onFlush;

  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the main window and starts logging what its toolbar is told.
    HWND CreateMainWindowLogged();
    // Moves these sample fonts into the SelectedList.
    void SelectFonts(const std::vector<int>& fonts);

    // Answers dialog 1020: remembers its items, picks the named section (none: no selection) and
    // clicks the button.
    void ThenChooseSection(const std::string& name, int button = IDOK);

    std::vector<std::string> sectionItems; // items of the last dialog 1020 answered
    HWND probe = nullptr;                  // the other top-level window
    std::unique_ptr<CommandLog> toolbar;   // set by CreateMainWindowLogged
};
