// The menu states set when a popup opens, and the accelerators, which obey the same states.
#include "marlix_test.h"

#include "app/main_window.h"
#include "controls/toolbar.h"
#include "resource.h"
#include "window_probe.h"

namespace {

class MainWindowMenus : public MarlixTest {
  protected:
    HMENU Popup(int position) { return GetSubMenu(GetMenu(mainWindow), position); }
    // Opens the popup as the menu bar does, then reads the item's state.
    void OpenPopup(int position, LPARAM lParam = -1) {
        SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(Popup(position)),
                     lParam == -1 ? position : lParam);
    }
    bool Grayed(int position, UINT id) {
        return GetMenuState(Popup(position), id, MF_BYCOMMAND) & MF_GRAYED;
    }
    bool Checked(int position, UINT id) {
        return GetMenuState(Popup(position), id, MF_BYCOMMAND) & MF_CHECKED;
    }
};

const UINT FileItemsNeedingSelectedFonts[] = {IDM_NEW_LIST, IDM_MERGE_LIST, IDM_SAVE_LIST,
                                              IDM_SAVE_LIST_AS, IDM_SAVE_WININI};
const UINT FileItemsNeedingCatalogue[] = {IDM_OPEN_LIST, IDM_OPEN_WININI, IDM_PRINT_LIST};

TEST_F(MainWindowMenus, FileItemsFollowTheCountsAndLeaveSetupAndExitAlone) {
    ASSERT_TRUE(CreateMainWindow());
    // Setup and Exit are not the popup's business: a state set elsewhere stays.
    EnableMenuItem(Popup(0), IDM_PRINTER_SETUP, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(Popup(0), IDM_EXIT, MF_BYCOMMAND | MF_GRAYED);
    OpenPopup(0);
    for (UINT id : FileItemsNeedingSelectedFonts)
        EXPECT_TRUE(Grayed(0, id)) << id;
    for (UINT id : FileItemsNeedingCatalogue)
        EXPECT_FALSE(Grayed(0, id)) << id;
    EXPECT_TRUE(Grayed(0, IDM_PRINTER_SETUP));
    EXPECT_TRUE(Grayed(0, IDM_EXIT));

    SelectItems(App.AtmList, {"URW Gothic"});
    Command(IDM_ADD_FONTS);
    OpenPopup(0);
    for (UINT id : FileItemsNeedingSelectedFonts)
        EXPECT_FALSE(Grayed(0, id)) << id;

    // The system menu's popup (high word 1) is not the File popup.
    Command(IDM_NEW_LIST);
    OpenPopup(0, MAKELPARAM(0, TRUE));
    for (UINT id : FileItemsNeedingSelectedFonts)
        EXPECT_FALSE(Grayed(0, id)) << id;
}

TEST_F(MainWindowMenus, WithoutACatalogueNothingCanBeOpenedOrPrinted) {
    windows.Remove("atm.ini");
    dialogs.ThenClick(IDOK); // "ATM.INI File": the catalogue could not be read
    ASSERT_TRUE(CreateMainWindow());
    OpenPopup(0);
    for (UINT id : FileItemsNeedingCatalogue)
        EXPECT_TRUE(Grayed(0, id)) << id;
    OpenPopup(1);
    EXPECT_TRUE(Grayed(1, IDM_ADD_ALL_FONTS));
    // The toolbar stays an empty strip.
    EXPECT_EQ(GetWindow(App.Toolbar, GW_CHILD), nullptr);
}

TEST_F(MainWindowMenus, EditItemsFollowTheSelections) {
    ASSERT_TRUE(CreateMainWindow());
    const struct {
        const char* what;
        std::vector<std::string> atmSelection, selectedSelection;
        bool add, remove, addAll, sample;
    } cases[] = {
        {"nothing selected", {}, {}, false, false, true, false},
        {"one font on the left", {"Nimbus Sans"}, {}, true, false, true, true},
        {"two on the left", {"Nimbus Sans", "URW Gothic"}, {}, true, false, true, false},
        {"one on the right", {}, {"Nimbus Roman"}, false, true, true, true},
        {"two left, one right",
         {"Nimbus Sans", "URW Gothic"},
         {"Nimbus Roman"},
         true,
         true,
         true,
         true},
        {"two on the right", {}, {"Nimbus Roman", "URW Bookman"}, false, true, true, false},
    };
    SelectItems(App.AtmList, {"Nimbus Roman", "URW Bookman"});
    Command(IDM_ADD_FONTS);
    for (const auto& c : cases) {
        SelectItems(App.AtmList, c.atmSelection);
        SelectItems(App.SelectedList, c.selectedSelection);
        OpenPopup(1);
        EXPECT_EQ(!Grayed(1, IDM_ADD_FONTS), c.add) << c.what;
        EXPECT_EQ(!Grayed(1, IDM_REMOVE_FONTS), c.remove) << c.what;
        EXPECT_EQ(!Grayed(1, IDM_ADD_ALL_FONTS), c.addAll) << c.what;
        EXPECT_EQ(!Grayed(1, IDM_SHOW_SAMPLE), c.sample) << c.what;
    }
    SelectItems(App.AtmList, {"Nimbus Mono PS", "Nimbus Sans", "URW Gothic"});
    Command(IDM_ADD_FONTS);
    OpenPopup(1);
    EXPECT_TRUE(Grayed(1, IDM_ADD_ALL_FONTS)) << "the left list is empty";
}

TEST_F(MainWindowMenus, PreferenceChecksTheLanguageAndAlwaysOnTop) {
    ASSERT_TRUE(CreateMainWindow());
    OpenPopup(2);
    EXPECT_TRUE(Checked(2, IDM_ENGLISH));
    EXPECT_FALSE(Checked(2, IDM_SPANISH));
    EXPECT_FALSE(Checked(2, IDM_ALWAYS_ON_TOP));

    Command(IDM_ALWAYS_ON_TOP);
    Command(IDM_SPANISH); // a new menu: nothing checked until the popup opens
    CheckMenuItem(Popup(2), IDM_ENGLISH, MF_BYCOMMAND | MF_CHECKED);
    OpenPopup(2);
    EXPECT_FALSE(Checked(2, IDM_ENGLISH));
    EXPECT_TRUE(Checked(2, IDM_SPANISH));
    EXPECT_TRUE(Checked(2, IDM_ALWAYS_ON_TOP));
}

TEST_F(MainWindowMenus, AcceleratorsActOnlyWhenTheirItemIsEnabled) {
    ASSERT_TRUE(CreateMainWindow());
    CommandLog toolbar(App.Toolbar, false);

    // Ctrl+Delete with no selection on the right: "Remove fonts" is grayed, nothing runs.
    EXPECT_TRUE(PressAccelerator(mainWindow, VK_DELETE, true, false));
    EXPECT_TRUE(toolbar.Entries().empty());

    SelectItems(App.AtmList, {"Nimbus Sans", "URW Gothic"});
    PressAccelerator(mainWindow, VK_INSERT, true, false);
    EXPECT_EQ(Items(App.SelectedList), (std::vector<std::string>{"Nimbus Sans", "URW Gothic"}));

    SelectItems(App.SelectedList, {"URW Gothic"});
    toolbar.Clear();
    PressAccelerator(mainWindow, VK_DELETE, true, false);
    EXPECT_EQ(Items(App.SelectedList), (std::vector<std::string>{"Nimbus Sans"}));
    EXPECT_EQ(toolbar.Entries(),
              (std::vector<std::pair<int, LPARAM>>{{ToolbarDisable, ButtonRemove}}));

    // Insert without Ctrl is no accelerator.
    SelectItems(App.AtmList, {"URW Bookman"});
    EXPECT_FALSE(PressAccelerator(mainWindow, VK_INSERT, false, false));
    EXPECT_EQ(Items(App.SelectedList).size(), 1u);

    // F1 always acts; Alt+M (in no menu) always arms the merge.
    EXPECT_TRUE(PressAccelerator(mainWindow, VK_F1, false, false));
    ASSERT_EQ(helps.size(), 1u);
    EXPECT_EQ(helps[0].command, UINT(HELP_CONTEXT));
    EXPECT_FALSE(App.MergeNextDrop);
    EXPECT_TRUE(PressAccelerator(mainWindow, 'M', false, true));
    EXPECT_TRUE(App.MergeNextDrop);
}

TEST_F(MainWindowMenus, AltMArmsTheMergeEvenWithoutACatalogue) {
    windows.Remove("atm.ini");
    dialogs.ThenClick(IDOK);
    ASSERT_TRUE(CreateMainWindow());
    EXPECT_TRUE(PressAccelerator(mainWindow, 'M', false, true));
    EXPECT_TRUE(App.MergeNextDrop);
}

} // namespace
