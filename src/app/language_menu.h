// The switch of language: the texts' offset, the help file and the main window's menu.
#pragma once

// Sets the language (300 Spanish, anything else English), puts its menu on the main window and
// stores the value as asked for.
void SetLanguage(int value);
// Loads the menu resource and puts it on the main window in place of the one it has.
void LoadLanguageMenu(int menuId);
