// Loading ATM.INI into the left list when the main window is created: what the user sees for
// every way the file can fail, and the order of the fonts.
#include "marlix_test.h"

#include "app/main_window.h"
#include "base/language.h"
#include "catalog/catalog_win.h"

namespace {
struct Failure {
    const char* name;
    bool fileExists;
    std::string atmIni;
    const char* english[2]; // text, caption
    const char* spanish[2];
};
} // namespace

TEST_F(MarlixTest, EachCatalogueFailureIsReportedInTheUsersLanguage) {
    const Failure failures[] = {
        {"no file",
         false,
         "",
         {"Could not access ATM ini file.", "ATM.INI File"},
         {"No pude tener acceso al archivo ATM ini.", "Archivo ATM.INI"}},
        {"lower-case header",
         true,
         "[fonts]\r\nA=C:\\PSFONTS\\PFM\\A.PFM\r\n",
         {"Could not extract font information.", "ATM.INI File"},
         {"No pude extraer la informaci\xF3n de la fuente.", "Archivo ATM.INI"}},
        {"header at the end",
         true,
         "[Settings]\r\nX=1\r\n[Fonts]",
         {"Could not extract font information.", "ATM.INI File"},
         {"No pude extraer la informaci\xF3n de la fuente.", "Archivo ATM.INI"}},
        {"only comments",
         true,
         "[Fonts]\r\n; none yet\r\n\r\n[Synonyms]\r\n",
         {"No fonts available through ATM.INI.", "ATM.INI File"},
         {"No hay fuentes disponibles a trav\xE9s de ATM.INI.", "Archivo ATM.INI"}},
        {"every key too long",
         true,
         "[Fonts]\r\n" + std::string(64, 'K') + "=C:\\PSFONTS\\PFM\\K.PFM\r\n",
         {"Corrupt font information of 1 font(s).", "Corrupt Data"},
         {"Corrupta la informaci\xF3n de la fuente 1 fuente(s).", "Datos Corruptos"}},
    };
    for (int spanish = 0; spanish < 2; ++spanish) {
        for (const Failure& failure : failures) {
            SCOPED_TRACE(failure.name);
            WriteSettings(spanish ? "[Options]\r\nLanguage=300\r\n" : "");
            if (failure.fileExists)
                windows.Write("atm.ini", failure.atmIni);
            else
                windows.Remove("atm.ini");
            beeps.clear();
            size_t seenBefore = dialogs.Seen().size();
            dialogs.ThenClick(IDOK);
            ASSERT_TRUE(CreateMainWindow());
            ASSERT_EQ(dialogs.Seen().size(), seenBefore + 1);
            const SeenDialog& box = dialogs.Seen().back();
            const char* const* expected = spanish ? failure.spanish : failure.english;
            EXPECT_EQ(box.text, expected[0]);
            EXPECT_EQ(box.caption, expected[1]);
            EXPECT_EQ(box.icon, "hand");
            EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONERROR});
            EXPECT_TRUE(Items(App.AtmList).empty());
            EXPECT_EQ(Catalog.CatalogFontCount, 0u);
            DestroyMainWindow();
        }
    }
}

TEST_F(MarlixTest, CorruptFontsAreCountedAndTheOthersStillLoad) {
    WriteAtmIni({"Good One=C:\\PSFONTS\\PFM\\GOOD1___.PFM,C:\\PSFONTS\\GOOD1___.PFB", "Short=a.pfm",
                 "Also Short=xy",
                 "Good Two=C:\\PSFONTS\\PFM\\GOOD2___.PFM,C:\\PSFONTS\\GOOD2___.PFB"});
    dialogs.ThenClick(IDOK);
    ASSERT_TRUE(CreateMainWindow());
    ASSERT_EQ(dialogs.Seen().size(), 1u);
    EXPECT_EQ(dialogs.Seen()[0].text, "Corrupt font information of 2 font(s).");
    EXPECT_EQ(dialogs.Seen()[0].caption, "Corrupt Data");
    EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONERROR});
    EXPECT_EQ(Items(App.AtmList), (std::vector<std::string>{"Good One", "Good Two"}));
    EXPECT_EQ(Catalog.CatalogFontCount, 2u);
}

TEST_F(MarlixTest, ListOrderIsTheListBoxOrderAndEntryTextFollowsIt) {
    // Mixed case, digits and a hyphen: the list box's own order decides, and the catalogue's
    // lines must stand in that same order.
    const std::vector<std::string> names = {"zapf chancery", "Arial-Bold", "ARIAL",       "Courier",
                                            "10 Pitch",      "9 Pitch",    "arialnarrow", "Bodoni"};
    std::vector<std::string> lines;
    for (const std::string& name : names)
        lines.push_back(name + "=C:\\PSFONTS\\PFM\\X" + std::to_string(lines.size()) +
                        ".PFM,C:\\PSFONTS\\X.PFB");
    WriteAtmIni(lines);
    ASSERT_TRUE(CreateMainWindow());
    std::vector<std::string> shown = Items(App.AtmList);
    ASSERT_EQ(shown.size(), names.size());
    for (size_t i = 1; i < shown.size(); ++i)
        EXPECT_LE(lstrcmpiA(shown[i - 1].c_str(), shown[i].c_str()), 0) << shown[i];

    std::string expectedText;
    for (const std::string& name : shown)
        for (const std::string& line : lines)
            if (line.compare(0, name.size() + 1, name + "=") == 0)
                expectedText += line + "\r\n";
    EXPECT_EQ(Catalog.FontEntryText, expectedText);
    EXPECT_EQ(Catalog.CatalogFontCount, names.size());
}

TEST_F(MarlixTest, CatalogueIsReleasedWhenTheWindowCloses) {
    ASSERT_TRUE(CreateMainWindow());
    EXPECT_EQ(Catalog.CatalogFontCount, 5u);
    DestroyMainWindow();
    EXPECT_EQ(Catalog.CatalogFontCount, 0u);
    EXPECT_TRUE(Catalog.FontEntryText.empty());
}
