// The font sample, help and About as the main window's commands reach them.
#include "marlix_test.h"

#include <string>

#include "app/help.h"
#include "app/main_window.h"
#include "resource.h"

namespace {

class SampleHelpCommands : public MarlixTest {
  protected:
    void SetUp() override {
        MarlixTest::SetUp();
        ASSERT_TRUE(CreateMainWindow());
        fonts = Items(App.AtmList);
    }
    // A left click on an item as the mouse makes it; Ctrl adds to the selection.
    void Click(HWND list, const std::string& name, bool control = false) {
        LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(name.c_str()));
        ASSERT_NE(index, LB_ERR) << name;
        RECT item = {};
        SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        WPARAM keys = control ? MK_CONTROL : 0;
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, point);
        SendMessageA(list, WM_LBUTTONUP, keys, point);
        PumpMessages();
    }
    std::string SampleFace() const {
        HWND sample = App.FontSampleWindow;
        if (!sample || !IsWindow(sample))
            return "(none)";
        LOGFONTA font = {};
        HDC dc = GetDC(sample);
        GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
        ReleaseDC(sample, dc);
        return font.lfFaceName;
    }
    std::vector<std::string> fonts; // sorted: Nimbus Mono PS, Nimbus Roman, Nimbus Sans, ...
};

TEST_F(SampleHelpCommands, ShowFontSampleTakesTheOneSelectedFontOfTheRightList) {
    SelectItems(App.AtmList, {fonts[3], fonts[4]});
    Command(IDM_ADD_FONTS);
    Command(IDM_SHOW_SAMPLE);
    EXPECT_EQ(SampleFace(), "(none)") << "nothing selected";

    Click(App.AtmList, fonts[0]);
    Click(App.SelectedList, fonts[4]);
    Command(IDM_SHOW_SAMPLE);
    EXPECT_EQ(SampleFace(), fonts[4]) << "one in each list, the selected list used last";

    Click(App.AtmList, fonts[0]);
    Command(IDM_SHOW_SAMPLE);
    EXPECT_EQ(SampleFace(), fonts[0]) << "one in each list, the left list used last";

    Click(App.AtmList, fonts[1], true);
    Command(IDM_SHOW_SAMPLE);
    EXPECT_EQ(SampleFace(), fonts[4]) << "two in the left list, one in the right";
    EXPECT_EQ(FindWindowExA(mainWindow,
                            FindWindowExA(mainWindow, nullptr, "MXShowFontClass", nullptr),
                            "MXShowFontClass", nullptr),
              nullptr)
        << "one sample window";
}

TEST_F(SampleHelpCommands, ARightPressInTheOtherListReplacesTheSample) {
    SelectItems(App.AtmList, {fonts[4]});
    Command(IDM_ADD_FONTS);
    Click(App.AtmList, fonts[1]);
    Command(IDM_SHOW_SAMPLE);
    HWND shown = App.FontSampleWindow;
    ASSERT_EQ(SampleFace(), fonts[1]);

    // The focus moves to the other list, whose notification closes the sample; the press
    // then opens one of its own item.
    SendMessageA(App.SelectedList, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 7));
    PumpMessages();
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_EQ(SampleFace(), fonts[4]);
    SendMessageA(App.SelectedList, WM_RBUTTONUP, 0, MAKELPARAM(30, 7));
    EXPECT_EQ(App.FontSampleWindow, nullptr);
}

TEST_F(SampleHelpCommands, HelpMenuShowsTheOwnHelpInSpanishAfterTheSpanishMenu) {
    Command(IDM_SPANISH);
    const struct {
        int command;
        const char* caption;
    } cases[] = {
        {IDM_HELP_CONTENTS, "Ayuda de Marlix32 - Contenido"},
        {IDM_HELP_OVERVIEW, "Ayuda de Marlix32 - Perspectiva"},
        {IDM_HELP_USING, "Ayuda de Marlix32 - Usar la ayuda"},
        {IDM_HELP_KEYWORD, "Ayuda de Marlix32 - Contenido"},
    };
    for (const auto& c : cases) {
        Command(c.command);
        ASSERT_TRUE(Help.Window) << c.caption;
        EXPECT_EQ(DialogDriver::TextOf(Help.Window), c.caption);
    }
    EXPECT_EQ(GetFocus(), GetDlgItem(Help.Window, IDC_HELP_FIND)) << "keyword search";
    EXPECT_EQ(helps.size(), 4u);
    Command(IDM_ENGLISH);
    Command(IDM_HELP_OVERVIEW);
    EXPECT_EQ(DialogDriver::TextOf(Help.Window), "Marlix32 Help - Overview");
}

TEST_F(SampleHelpCommands, AboutCommandShowsTheAboutBox) {
    Command(IDM_SPANISH);
    dialogs.Then([](SeenDialog& dialog) {
        EXPECT_EQ(dialog.caption, "Acerca");
        EXPECT_NE(dialog.controls[IDC_ABOUT_TEXT].find("Escrito por"), std::string::npos);
        return IDOK;
    });
    Command(IDM_ABOUT);
    EXPECT_EQ(dialogs.Pending(), 0u);
}

} // namespace
