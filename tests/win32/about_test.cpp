// The About box: its title, animation and rich text in the current language, and how it ends.
#include "marlix_test.h"

#include <commctrl.h>
#include <richedit.h>
#include <winver.h>

#include <string>
#include <vector>

#include "app/about.h"
#include "resource.h"

namespace {

// The picture the animation control shows now, drawn through WM_PRINTCLIENT.
std::vector<unsigned> Frame(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = client.right;
    format.bmiHeader.biHeight = -client.bottom;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    GdiFlush();
    const unsigned* pixels = static_cast<const unsigned*>(bits);
    std::vector<unsigned> frame(pixels, pixels + client.right * client.bottom);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return frame;
}

DWORD CALLBACK CollectText(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* taken) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(bytes), count);
    *taken = count;
    return 0;
}

std::string PlainText(HWND richEdit) {
    std::string text;
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&text);
    stream.pfnCallback = CollectText;
    SendMessageA(richEdit, EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    return text;
}

// A text of the built program's version resource, from one language's block ("" if none).
std::string ProgramVersion(const char* block, const char* name) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(MARLIX_PROGRAM, &ignored);
    std::vector<char> info(size);
    const std::string path = std::string("\\StringFileInfo\\") + block + "\\" + name;
    char* value = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(MARLIX_PROGRAM, 0, size, info.data()) ||
        !VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        return "";
    return value;
}

// The version the About text shows after this word, to the end of its line.
std::string VersionShown(const std::string& text, const std::string& word) {
    const size_t start = text.find(word);
    if (start == std::string::npos)
        return "";
    const size_t from = start + word.size();
    return text.substr(from, text.find_first_of("\r\n", from) - from);
}

// The About text and the file's properties name the same version, in each language's block.
void ExpectSameVersion(const std::string& text, const std::string& word, const char* block) {
    const std::string shown = VersionShown(text, word);
    EXPECT_FALSE(shown.empty()) << text;
    EXPECT_EQ(ProgramVersion(block, "FileVersion"), shown) << MARLIX_PROGRAM;
    EXPECT_EQ(ProgramVersion(block, "ProductVersion"), shown) << MARLIX_PROGRAM;
}

struct AboutSeen {
    std::string caption, close, text, animationClass;
    bool modified = true, playing = false, centred = false;
};

AboutSeen Look(SeenDialog& dialog) {
    AboutSeen seen;
    seen.caption = dialog.caption;
    seen.close = dialog.controls[IDOK];
    HWND text = GetDlgItem(dialog.window, IDC_ABOUT_TEXT);
    seen.text = PlainText(text);
    seen.modified = SendMessageA(text, EM_GETMODIFY, 0, 0) != 0;
    PARAFORMAT format = {};
    format.cbSize = sizeof format;
    SendMessageA(text, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    seen.centred = format.wAlignment == PFA_CENTER;

    HWND animation = GetDlgItem(dialog.window, IDC_ABOUT_ANIMATION);
    char className[32] = "";
    GetClassNameA(animation, className, sizeof className);
    seen.animationClass = className;
    // Playing: the picture changes by itself while messages run.
    const std::vector<unsigned> first = Frame(animation);
    seen.playing = PumpUntil([&] { return Frame(animation) != first; }, 2000);
    return seen;
}

class AboutBoxTest : public MarlixTest {};

TEST_F(AboutBoxTest, EnglishTitleAnimationAndRichText) {
    ASSERT_TRUE(CreateMainWindow());
    AboutSeen seen;
    dialogs.Then([&](SeenDialog& dialog) {
        seen = Look(dialog);
        return IDOK;
    });
    EXPECT_EQ(RunAboutBox(mainWindow), 1);
    EXPECT_EQ(seen.caption, "About");
    EXPECT_EQ(seen.close, "Close");
    EXPECT_EQ(seen.animationClass, "SysAnimate32");
    EXPECT_TRUE(seen.playing) << "animation 242 is opened and plays";
    EXPECT_NE(seen.text.find("Marlix32"), std::string::npos) << seen.text;
    ExpectSameVersion(seen.text, "Version ", "040904E4");
    EXPECT_NE(seen.text.find("Written by Velquist"), std::string::npos) << seen.text;
    EXPECT_EQ(seen.text.find("{\\rtf"), std::string::npos) << "streamed as RTF, not as text";
    EXPECT_FALSE(seen.modified);
    EXPECT_TRUE(seen.centred);
}

TEST_F(AboutBoxTest, SpanishMenuThenAboutCommand) {
    ASSERT_TRUE(CreateMainWindow());
    Command(IDM_SPANISH);
    AboutSeen seen;
    dialogs.Then([&](SeenDialog& dialog) {
        seen = Look(dialog);
        return IDOK;
    });
    Command(IDM_ABOUT);
    EXPECT_EQ(dialogs.Pending(), 0u);
    EXPECT_EQ(seen.caption, "Acerca");
    EXPECT_EQ(seen.close, "Cerrar");
    EXPECT_TRUE(seen.playing);
    ExpectSameVersion(seen.text, "Versi\xF3n ", "0C0A04E4");
    EXPECT_NE(seen.text.find("Escrito por Velquist"), std::string::npos) << seen.text;
    EXPECT_EQ(seen.text.find("Written"), std::string::npos) << seen.text;
    EXPECT_FALSE(seen.modified);
}

// Under a dark scheme the About text keeps the look of the standard scheme, navy on white,
// rather than navy on the system's black Window colour.
TEST_F(AboutBoxTest, TextStaysNavyOnWhiteUnderADarkScheme) {
    const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF dark[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)};
    COLORREF saved[4];
    for (int i = 0; i < 4; ++i)
        saved[i] = GetSysColor(elements[i]);
    ASSERT_TRUE(SetSysColors(4, elements, dark));
    ASSERT_TRUE(CreateMainWindow());
    COLORREF background = 0;
    CHARFORMATA format = {};
    dialogs.Then([&](SeenDialog& dialog) {
        HWND text = GetDlgItem(dialog.window, IDC_ABOUT_TEXT);
        // The old background is the answer to setting one; the same one is set back.
        background = static_cast<COLORREF>(SendMessageA(text, EM_SETBKGNDCOLOR, FALSE, 0));
        SendMessageA(text, EM_SETBKGNDCOLOR, FALSE, background);
        SendMessageA(text, EM_SETSEL, 0, -1);
        format.cbSize = sizeof format;
        SendMessageA(text, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return IDOK;
    });
    EXPECT_EQ(RunAboutBox(mainWindow), 1);
    SetSysColors(4, elements, saved);
    EXPECT_EQ(background, RGB(255, 255, 255));
    EXPECT_TRUE(format.dwMask & CFM_COLOR) << "one colour for the whole text";
    EXPECT_FALSE(format.dwEffects & CFE_AUTOCOLOR);
    EXPECT_EQ(format.crTextColor, RGB(0, 0, 128));
}

TEST_F(AboutBoxTest, EscEndsItLikeClose) {
    ASSERT_TRUE(CreateMainWindow());
    dialogs.ThenClick(IDCANCEL);
    EXPECT_EQ(RunAboutBox(mainWindow), 1);
}

} // namespace
