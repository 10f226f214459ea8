// Resource and command ids. The numbers are fixed by the program's resources and its menus; the
// .rc files and the code both use these names. Each subsystem keeps its ids in its own block.
#pragma once

// ---- Menus, accelerators, icon (application shell) ----
#define IDM_MENU_ENGLISH 5
#define IDM_MENU_SPANISH 305
#define IDA_ACCELERATORS 5
#define IDI_MARLIX 103

// ---- Command ids: menu item, accelerator and toolbar button share one id ----
#define IDM_EXIT 10
#define IDM_OPEN_LIST 20
#define IDM_SAVE_LIST 21
#define IDM_SAVE_LIST_AS 22
#define IDM_OPEN_WININI 23
#define IDM_SAVE_WININI 24
#define IDM_PRINT_LIST 25
#define IDM_PRINTER_SETUP 26
#define IDM_ADD_FONTS 30
#define IDM_REMOVE_FONTS 31
#define IDM_ADD_ALL_FONTS 32
#define IDM_NEW_LIST 33
#define IDM_SHOW_SAMPLE 34
#define IDM_OPEN_NAMED_LIST 35
#define IDM_MERGE_LIST 36
#define IDM_ARM_MERGE 37
#define IDM_MERGE_NAMED_LIST 38
#define IDM_ALWAYS_ON_TOP 39
#define IDM_HELP_CONTENTS 41
#define IDM_HELP_USING 42
#define IDM_HELP_KEYWORD 43
#define IDM_HELP_OVERVIEW 44
#define IDM_ABOUT 45
#define IDM_ENGLISH 50
#define IDM_SPANISH 350

// ---- Child windows of the main window ----
#define IDC_ATM_LIST 1001
#define IDC_SELECTED_LIST 1002
#define IDC_FONT_SAMPLE 1003

// ---- Strings (English id; the Spanish text is at id + 300) ----
#define SPANISH_OFFSET 300 // the Spanish string, menu and language setting: English + 300
#define IDS_OK 10
#define IDS_CANCEL 11
#define IDS_HELP 12
#define IDS_CLOSE 15
#define IDS_NO_WINDOWS_DIR 101
#define IDS_WINDOWS_DIR_CAPTION 102
#define IDS_NO_ATM_INI 103
#define IDS_ATM_INI_CAPTION 104
#define IDS_NO_FONT_INFO 105
#define IDS_NO_MEMORY 106
#define IDS_MEMORY_CAPTION 107
#define IDS_NO_FONTS 108
#define IDS_CORRUPT_FONTS 109
#define IDS_CORRUPT_CAPTION 110
#define IDS_OPEN_FILE_CAPTION 112
#define IDS_NO_WIN_INI 113
#define IDS_WIN_INI_CAPTION 114
#define IDS_NO_PS_SECTION 115
#define IDS_TOO_MANY_FONTS 116
#define IDS_WIN_INI_TOO_LARGE 117
#define IDS_NO_MATCH 118
#define IDS_MATCH_CAPTION 119
#define IDS_NO_PRINTER_INFO 120
#define IDS_PRINTER_ERROR_CAPTION 121
#define IDS_CANNOT_PRINT 122
#define IDS_PRINTER_LABEL 123
#define IDS_PRINT_ATM_LIST 124
#define IDS_PRINT_SELECTED_LIST 125
#define IDS_PRINT_TITLE 126
#define IDS_SECTION_TITLE 130
#define IDS_SECTION_PROMPT 131
#define IDS_BAD_MATCH_TITLE 134
#define IDS_BAD_MATCH_TEXT 135
#define IDS_PRINTING_TITLE 136
#define IDS_PRINTING_TEXT 137
#define IDS_LIST_NOT_SAVED 140
#define IDS_SAVE_FILE_CAPTION 141
#define IDS_LIST_NOT_OPENED 142
#define IDS_OPEN_LIST_CAPTION 143
#define IDS_COPY_PUT_BACK 144
#define IDS_COPY_PUT_BACK_CAPTION 145
#define IDS_COPY_LEFT_ASIDE 146
#define IDS_COPY_LEFT_ASIDE_CAPTION 147
#define IDS_BALLOON_OPEN_LIST 150
#define IDS_BALLOON_SAVE_LIST 151
#define IDS_BALLOON_PRINT 152
#define IDS_BALLOON_OPEN_WININI 153
#define IDS_BALLOON_SAVE_WININI 154
#define IDS_BALLOON_ADD 155
#define IDS_BALLOON_REMOVE 156
#define IDS_CATALOG_COUNT 160
#define IDS_SELECTED_COUNT 161
#define IDS_ABOUT_TITLE 191

// ---- Toolbar and balloon (custom controls) ----
// Button bitmaps: the enabled one has the button's control id, pressed +100, greyed +200.
#define IDB_OPEN_LIST 101
#define IDB_OPEN_WININI 102
#define IDB_SAVE_WININI 103
#define IDB_SAVE_LIST 104
#define IDB_ADD_FONTS 105
#define IDB_REMOVE_FONTS 106
#define IDB_PRINT_LIST 107
#define IDB_OPEN_LIST_PRESSED 201
#define IDB_OPEN_WININI_PRESSED 202
#define IDB_SAVE_WININI_PRESSED 203
#define IDB_SAVE_LIST_PRESSED 204
#define IDB_ADD_FONTS_PRESSED 205
#define IDB_REMOVE_FONTS_PRESSED 206
#define IDB_PRINT_LIST_PRESSED 207
#define IDB_SAVE_WININI_DISABLED 303
#define IDB_SAVE_LIST_DISABLED 304
#define IDB_ADD_FONTS_DISABLED 305
#define IDB_REMOVE_FONTS_DISABLED 306

// ---- List files: dialog 1005 ----
#define IDD_BAD_MATCH 1005
#define IDC_BAD_MATCH_LIST 101
#define IDC_BAD_MATCH_TEXT 102

// ---- WIN.INI: dialogs 1020, 101, 401 ----
#define IDD_FONT_CHANGE_WARNING 101
#define IDD_FONT_CHANGE_WARNING_SPANISH 401
#define IDC_WARNING_DONT_SHOW 10
#define IDC_WARNING_TEXT 11
#define IDD_PRINTER_SECTION 1020
#define IDC_SECTION_LIST 1021
#define IDC_SECTION_PROMPT 1022
#define IDC_SECTION_HELP 9

// ---- Printing: dialogs 1010, 1011 ----
#define IDD_PRINT_STOP 1010     // "Printing": modeless while a job runs, Cancel stops it
#define IDD_PRINT_CHOICE 1011   // "Print": the printer line and the choice of list
#define IDC_PRINT_ATM_LIST 1012 // radio button: print AtmList
#define IDC_PRINT_SELECTED 1013 // radio button: print SelectedList
#define IDC_PRINTER_LINE 1014   // "<device> on <port>"
#define IDC_PRINTER_LABEL 1015  // "Printer:"
#define IDC_PRINTING_TEXT 1016  // the text of the "Printing" dialog
#define IDC_PRINT_HELP 9        // Help button of dialog 1011
#define IDH_PRINT_CHOICE 17     // help topic of dialog 1011

// ---- About box and help: dialog 241 ----
#define IDD_ABOUT 241
#define IDR_ABOUT_ANIMATION 242
#define IDC_ABOUT_ANIMATION 243
#define IDC_ABOUT_TEXT 65
#define IDR_ABOUT_TEXT 66         // RTF, English
#define IDR_ABOUT_TEXT_SPANISH 67 // RTF, Spanish
#define IDR_HELP_BOOK 250         // HELPTEXT, English
#define IDC_HELP_FIND_LABEL 251
#define IDC_HELP_FIND 252
#define IDC_HELP_TOPICS 253
#define IDC_HELP_TEXT 254
#define IDR_HELP_BOOK_SPANISH 550 // HELPTEXT, Spanish (English + 300)
