// The language, its texts and menus, and the settings the main window reads and writes.
#include "marlix_test.h"

#include "app/language_menu.h"
#include "app/main_window.h"
#include "base/language.h"
#include "resource.h"
#include "window_probe.h"
#include "winini/font_change_warning.h"

TEST_F(MarlixTest, SpanishTextsAreTheCodePage1252BytesOfTheTable) {
    ASSERT_TRUE(CreateMainWindow());
    SetLanguage(300);
    char text[TextBufferSize];
    EXPECT_EQ(KWStrTbGetTxt(text, IDS_CATALOG_COUNT), 26);
    EXPECT_STREQ(text, "N\xFAmero de Fuentes: %lu    ");
    KWStrTbGetTxt(text, IDS_CANNOT_PRINT);
    EXPECT_STREQ(text, "No  hay informaci\xF3n de impresora del sistema. No puedo imprimir.");
    KWStrTbGetTxt(text, IDS_PRINTING_TEXT);
    EXPECT_STREQ(text,
                 "Marlix esta ahora imprimiendo.\nOprimir aqui cancelaci\xF3n de la impresi\xF3n.");
    // Two paths go into each of these: each must hold two %s and no other insert.
    KWStrTbGetTxt(text, IDS_COPY_PUT_BACK);
    EXPECT_STREQ(text, "Un guardado interrumpido hab\xED"
                       "a dejado aparte el archivo completo %s. Ya "
                       "est\xE1 de nuevo en su lugar; el archivo que estaba all\xED se conserva "
                       "como %s.");
    KWStrTbGetTxt(text, IDS_COPY_LEFT_ASIDE);
    EXPECT_STREQ(text, "Un guardado interrumpido dej\xF3 aparte el archivo completo %s como %s. "
                       "El que est\xE1 en su lugar no se puede conservar: .mx1 a .mx9 est\xE1n "
                       "ocupados. Libere uno.");
    EXPECT_STREQ(Language.HelpFileName, "Marlixs.hlp");
    SetLanguage(0);
    KWStrTbGetTxt(text, IDS_NO_MATCH);
    EXPECT_STREQ(text, "Could not find any matching font data in list.");
    EXPECT_EQ(KWStrTbGetTxt(text, 999), 0);
    EXPECT_STREQ(text, "");
}

TEST_F(MarlixTest, StoredLanguageChoosesMenuAndIsKeptAsWritten) {
    WriteSettings("[Options]\r\nLanguage=7\r\n");
    ASSERT_TRUE(CreateMainWindow());
    EXPECT_EQ(GetLanguageOffset(), 0);
    EXPECT_EQ(MenuText(GetMenu(mainWindow), 0), "&File");
    EXPECT_EQ(ReadSettingValue("Options", "Language"), 7);
    DestroyMainWindow();

    WriteSettings("[Options]\r\nLanguage=300\r\n");
    ASSERT_TRUE(CreateMainWindow());
    HMENU menu = GetMenu(mainWindow);
    EXPECT_EQ(MenuText(menu, 0), "&Archivo");
    EXPECT_EQ(MenuText(menu, 1), "&Edici\xF3n");
    EXPECT_EQ(MenuText(GetSubMenu(menu, 0), 1), "&Abra lista del archivo\bF3");
    EXPECT_EQ(MenuText(GetSubMenu(menu, 0), 2), "Abra &Combine lista del archivo               ");
    MENUITEMINFOA help = {};
    help.cbSize = sizeof help;
    help.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, 3, TRUE, &help);
    EXPECT_TRUE(help.fType & MFT_RIGHTJUSTIFY) << "the Help popup stands at the right";
}

TEST_F(MarlixTest, WarningSettingIsNormalisedAndWrittenAtStart) {
    WriteSettings("[Options]\r\nWarn01=5\r\n");
    ASSERT_TRUE(CreateMainWindow());
    EXPECT_TRUE(WarnOnFontChange);
    EXPECT_EQ(ReadSettingValue("Options", "Warn01"), 1);
    DestroyMainWindow();

    WriteSettings("[Options]\r\nWarn01=0\r\n");
    ASSERT_TRUE(CreateMainWindow());
    EXPECT_FALSE(WarnOnFontChange);
    EXPECT_EQ(ReadSettingValue("Options", "Warn01"), 0);
    DestroyMainWindow();

    windows.Remove("Marlix.ini");
    ASSERT_TRUE(CreateMainWindow());
    EXPECT_TRUE(WarnOnFontChange);
    EXPECT_EQ(ReadSettingValue("Options", "Warn01"), 1);
    EXPECT_EQ(ReadSettingValue("Options", "Language"), 0);
}
