// The program on systems whose ANSI code page is not the Western one: Japanese (932, two-byte
// characters whose second byte may be '[', ']' or '\'), Cyrillic (1251) and Central European
// (1250). Each suite holds only under its own code page, which wine takes from the locale it
// runs in (LC_ALL=ja_JP.UTF-8, ru_RU.UTF-8, cs_CZ.UTF-8); under any other it fails at once.
#include "winini_fixture.h"

#include <algorithm>

#include "app/main_window.h"
#include "listfile/list_file.h"
#include "resource.h"

namespace {

using Names = std::vector<std::string>;

struct Font {
    std::string name, files;
};

// Shift-JIS names and file names whose second bytes are '[' (ー), '\' (ソ, 表), ']' (ゾ) and
// capital letters (ア is 83 41, ヂ is 83 61: a fold of the second byte would make them one).
const std::vector<Font> JapaneseFonts = {
    {"\x83\x69\x81[\x83\x8B"
     "D",
     "c:\\psfonts\\pfm\\NARD____.PFM,c:\\psfonts\\NARD____.PFB"},
    {"\x83\x5C\x83\x74\x83\x67", "c:\\psfonts\\pfm\\SOFT____.PFM,c:\\psfonts\\SOFT____.PFB"},
    {"\x95\x5C\x8E\xA6 W3", "c:\\\x95\x5C\\pfm\\\x95\x5CW3.PFM,c:\\\x95\x5C\\\x95\x5CW3.PFB"},
    {"\x83\x5D\x81[\x83\x93", "c:\\psfonts\\pfm\\ZON\x81[.PFM,c:\\psfonts\\ZON\x81[.PFB"},
    {"\x83\x41 Mincho", "c:\\psfonts\\pfm\\\x83\x41.PFM,c:\\psfonts\\\x83\x41.PFB"},
    {"\x83\x61 Mincho", "c:\\psfonts\\pfm\\\x83\x61.PFM,c:\\psfonts\\\x83\x61.PFB"},
    {"Ryumin", "c:\\psfonts\\pfm\\RYUMIN__.PFM,c:\\psfonts\\RYUMIN__.PFB"},
};

std::vector<std::string> CatalogLines(const std::vector<Font>& fonts) {
    std::vector<std::string> lines;
    for (const Font& font : fonts)
        lines.push_back(font.name + "=" + font.files);
    return lines;
}

Names NamesOf(const std::vector<Font>& fonts) {
    Names names;
    for (const Font& font : fonts)
        names.push_back(font.name);
    return names;
}

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

std::string FilesOf(const std::vector<Font>& fonts, const std::string& name) {
    for (const Font& font : fonts)
        if (font.name == name)
            return font.files;
    return {};
}

// The font the lists draw their names in.
LOGFONTA ListFont() {
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(App.AtmList, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

BYTE ListCharset() {
    return ListFont().lfCharSet;
}

} // namespace

// The Western code page, in which the program runs everywhere else: Arial of its own character
// set, as ever.
TEST_F(MarlixTest, ListsDrawNamesInArialOfTheWesternCharacterSet) {
    ASSERT_EQ(GetACP(), 1252u);
    ASSERT_TRUE(CreateMainWindow());
    EXPECT_EQ(ListCharset(), ANSI_CHARSET);
    EXPECT_STREQ(ListFont().lfFaceName, "Arial");
}

class CodePageTest : public WinIniTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), codePage_) << "this suite runs under the locale of code page "
                                       << codePage_ << " (see the file's head)";
        WinIniTest::SetUp();
    }
    explicit CodePageTest(UINT codePage) : codePage_(codePage) {}

    // Writes a list file and opens it as the command line and a drop do.
    void OpenListText(const std::string& text) {
        windows.Write("fonts.mxf", text);
        NameListFile(WindowsDirectory::Path("fonts.mxf"));
        Command(IDM_OPEN_NAMED_LIST);
    }

  private:
    UINT codePage_;
};

class CodePage932 : public CodePageTest {
  protected:
    CodePage932() : CodePageTest(932) {}
    void SetUp() override {
        CodePageTest::SetUp();
        WriteAtmIni(CatalogLines(JapaneseFonts));
    }
};

// Drawn in a font of the Western character set, the names would show as Western letters.
TEST_F(CodePage932, EveryFontOfTheCatalogueIsListedInAJapaneseFont) {
    ASSERT_TRUE(CreateMainWindow());
    EXPECT_EQ(Sorted(Items(App.AtmList)), Sorted(NamesOf(JapaneseFonts)));
    EXPECT_EQ(ListCharset(), SHIFTJIS_CHARSET);
}

TEST_F(CodePage932, AListInEachFormSelectsEveryFont) {
    ASSERT_TRUE(CreateMainWindow());
    std::string softfonts = "softfonts=7\r\n", names, fontsAndFiles;
    for (size_t i = 0; i < JapaneseFonts.size(); ++i) {
        const Font& font = JapaneseFonts[i];
        softfonts += "softfont" + std::to_string(i + 1) + "=" + font.files + "\r\n";
        fontsAndFiles += font.name + "=" + font.files + "\r\n";
        names += font.name + "\r\n";
    }
    for (const std::string& body : {softfonts, fontsAndFiles, names}) {
        OpenListText("[Fonts]\r\n" + body + "[EndFonts]\r\n");
        EXPECT_EQ(Sorted(Items(App.SelectedList)), Sorted(NamesOf(JapaneseFonts))) << body;
        EXPECT_TRUE(Items(App.AtmList).empty()) << body;
    }
}

// The old body holds a '[' that ends a character: the body runs on to the next header all the
// same, and everything from there on is written back byte for byte; the section reads back.
TEST_F(CodePage932, ASaveChangesThatSectionAloneAndReadsBack) {
    const std::string head = "[windows]\r\nload=\r\n\r\n[PostScript,LPT1]\r\n";
    const std::string oldBody = "softfonts=1\r\nsoftfont1=c:\\psfonts\\pfm\\\x83\x69\x81[.pfm\r\n"
                                "\x83\x5C=\x95\x5C\r\n\r\n";
    const std::string tail = "[PostScript,\x83\x5D\x81[]\r\nsoftfonts=0\r\n\r\n[Fonts]\r\n"
                             "\x95\x5C=\x81[\\\r\n";
    windows.Write("win.ini", head + oldBody + tail);
    ASSERT_TRUE(CreateMainWindow());
    SelectItems(App.AtmList, {JapaneseFonts[0].name, JapaneseFonts[2].name, JapaneseFonts[4].name});
    Command(IDM_ADD_FONTS);
    const Names saved = Items(App.SelectedList);
    ASSERT_EQ(saved.size(), 3u);

    ThenChooseSection("PostScript,LPT1");
    dialogs.Then([](SeenDialog&) { return IDOK; }); // the font-change warning
    Command(IDM_SAVE_WININI);
    std::string body = "ATM=placeholder\r\nsoftfonts=3\r\n";
    for (size_t i = 0; i < saved.size(); ++i)
        body +=
            "softfont" + std::to_string(i + 1) + "=" + FilesOf(JapaneseFonts, saved[i]) + "\r\n";
    EXPECT_EQ(windows.Read("win.ini"), head + body + "\r\n" + tail);

    Command(IDM_NEW_LIST);
    ASSERT_TRUE(Items(App.SelectedList).empty());
    ThenChooseSection("PostScript,LPT1");
    Command(IDM_OPEN_WININI);
    EXPECT_EQ(Items(App.SelectedList), saved);
}

// .pfm file names in one letter case find the catalogue's in the other, as the system lowers
// them: Ч Я Ё Ђ Љ Ў Ѕ in Cyrillic, Ť Ł Ź Ż Ą Ş in Central European.
class CodePage1251 : public CodePageTest {
  protected:
    CodePage1251() : CodePageTest(1251) {}
};

class CodePage1250 : public CodePageTest {
  protected:
    CodePage1250() : CodePageTest(1250) {}
};

TEST_F(CodePage1251, PfmNamesMatchInTheOtherLetterCase) {
    WriteAtmIni(CatalogLines({{"Cyr One", "c:\\psfonts\\pfm\\\xD7\xDF.PFM"},
                              {"Cyr Two", "c:\\psfonts\\pfm\\\xA8\xC6.PFM"},
                              {"Cyr Three", "c:\\psfonts\\pfm\\\x80\x8A\xA1\xBD.PFM"},
                              {"Cyr Four", "c:\\psfonts\\pfm\\\xC0\xC1.PFM"}}));
    ASSERT_TRUE(CreateMainWindow());
    OpenListText("[Fonts]\r\nA=d:\\\xF7\xFF.pfm\r\nB=d:\\\xB8\xE6.pfm\r\n"
                 "C=d:\\\x90\x9A\xA2\xBE.pfm\r\nD=d:\\\xE0\xE1.pfm\r\n[EndFonts]\r\n");
    EXPECT_EQ(Sorted(Items(App.SelectedList)),
              (Names{"Cyr Four", "Cyr One", "Cyr Three", "Cyr Two"}));
    EXPECT_EQ(ListCharset(), RUSSIAN_CHARSET);
}

TEST_F(CodePage1250, PfmNamesMatchInTheOtherLetterCase) {
    WriteAtmIni(CatalogLines({{"CE One", "c:\\psfonts\\pfm\\\x9D\xB3.pfm"},
                              {"CE Two", "c:\\psfonts\\pfm\\\x9F\xBF.pfm"},
                              {"CE Three", "c:\\psfonts\\pfm\\\xB9\xBA.pfm"},
                              {"CE Four", "c:\\psfonts\\pfm\\\xE9\xE1.pfm"}}));
    ASSERT_TRUE(CreateMainWindow());
    OpenListText("[Fonts]\r\nA=D:\\\x8D\xA3.PFM\r\nB=D:\\\x8F\xAF.PFM\r\n"
                 "C=D:\\\xA5\xAA.PFM\r\nD=D:\\\xC9\xC1.PFM\r\n[EndFonts]\r\n");
    EXPECT_EQ(Sorted(Items(App.SelectedList)), (Names{"CE Four", "CE One", "CE Three", "CE Two"}));
    EXPECT_EQ(ListCharset(), EASTEUROPE_CHARSET);
}
