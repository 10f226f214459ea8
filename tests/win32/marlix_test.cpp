#include "marlix_test.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/main_window.h"
#include "base/language.h"
#include "base/shell_hooks.h"

namespace {
MarlixTest* current;
std::vector<UINT>* beepLog;
std::vector<HelpCall>* helpLog;

void ObserveBeep(UINT type) {
    if (beepLog)
        beepLog->push_back(type);
}

bool ObserveHelp(HWND, const char* file, UINT command, ULONG_PTR data, BOOL*) {
    if (helpLog)
        helpLog->push_back({file ? file : "", command, data});
    return false;
}

void FlushProfileCache(const std::string& name) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
}
} // namespace

WindowsDirectory::~WindowsDirectory() {
    for (const auto& [name, original] : originals_) {
        FlushProfileCache(name);
        if (original.first) {
            std::ofstream(Path(name), std::ios::binary | std::ios::trunc) << original.second;
        } else {
            SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(Path(name).c_str());
        }
    }
}

std::string WindowsDirectory::Path(const std::string& name) {
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, sizeof directory);
    return std::string(directory) + "\\" + name;
}

void WindowsDirectory::Remember(const std::string& name) {
    if (originals_.count(name) == 0)
        originals_[name] = {Exists(name), Read(name)};
}

void WindowsDirectory::Write(const std::string& name, const std::string& bytes) {
    Remember(name);
    FlushProfileCache(name);
    SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
    std::ofstream(Path(name), std::ios::binary | std::ios::trunc) << bytes;
}

void WindowsDirectory::Remove(const std::string& name) {
    Remember(name);
    FlushProfileCache(name);
    SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(Path(name).c_str());
}

std::string WindowsDirectory::Read(const std::string& name) const {
    return ReadFileBytes(Path(name));
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool WindowsDirectory::Exists(const std::string& name) const {
    return GetFileAttributesA(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MarlixTest::SetUp() {
    current = this;
    beepLog = &beeps;
    helpLog = &helps;
    SetBeepObserver(ObserveBeep);
    SetHelpObserver(ObserveHelp);
    windows.Remove("Marlix.ini");
    WriteAtmIni(SampleFontLines(5));
}

void MarlixTest::TearDown() {
    DestroyMainWindow();
    for (const SeenDialog& dialog : dialogs.Seen())
        EXPECT_TRUE(dialog.expected)
            << "unexpected dialog \"" << dialog.caption << "\": " << dialog.text;
    EXPECT_EQ(dialogs.Pending(), 0u) << "a dialog the test expected did not open";
    SetBeepObserver(nullptr);
    SetHelpObserver(nullptr);
    beepLog = nullptr;
    helpLog = nullptr;
    current = nullptr;
}

void MarlixTest::WriteAtmIni(const std::vector<std::string>& lines) {
    std::string text = "[Settings]\r\nATMFonts=On\r\n\r\n[Fonts]\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    text += "\r\n[Synonyms]\r\n";
    windows.Write("atm.ini", text);
}

void MarlixTest::WriteSettings(const std::string& text) {
    windows.Write("Marlix.ini", text);
}

int MarlixTest::ReadSettingValue(const char* section, const char* key, int defaultValue) {
    FlushProfileCache("Marlix.ini");
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, "Marlix.ini"));
}

HWND MarlixTest::CreateMainWindow(const char* commandLine) {
    mainWindow = StartMainWindow(GetModuleHandleA(nullptr), commandLine, SW_SHOWNORMAL);
    PumpMessages();
    return mainWindow;
}

void MarlixTest::DestroyMainWindow() {
    if (mainWindow && IsWindow(mainWindow))
        DestroyWindow(mainWindow);
    mainWindow = nullptr;
    PumpMessages();
}

void MarlixTest::ThenMessage(UINT textId, UINT captionId) {
    dialogs.Then([textId, captionId](SeenDialog& dialog) {
        char text[TextBufferSize], caption[TextBufferSize];
        KWStrTbGetTxt(text, textId);
        KWStrTbGetTxt(caption, captionId);
        EXPECT_EQ(dialog.text, text);
        EXPECT_EQ(dialog.caption, caption);
        EXPECT_EQ(dialog.icon, "hand");
        return IDOK;
    });
}

std::vector<std::string> MarlixTest::Items(HWND listBox) const {
    return ListItems(listBox);
}

std::vector<std::string> ListItems(HWND listBox) {
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageA(listBox, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        SendMessageA(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

void MarlixTest::SelectItems(HWND listBox, const std::vector<std::string>& names) {
    SendMessageA(listBox, LB_SETSEL, FALSE, -1);
    for (const std::string& name : names) {
        LRESULT index = SendMessageA(listBox, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(name.c_str()));
        ASSERT_NE(index, LB_ERR) << name;
        SendMessageA(listBox, LB_SETSEL, TRUE, index);
    }
}

void MarlixTest::Command(int id) {
    SendMessageA(mainWindow, WM_COMMAND, id, 0);
    PumpMessages();
}

std::vector<std::string> SampleFontLines(int count) {
    static const char* const families[] = {"Nimbus Sans", "Nimbus Roman", "Nimbus Mono PS",
                                           "URW Bookman", "URW Gothic",   "C059",
                                           "P052",        "Z003",         "Standard Symbols PS"};
    static const char* const styles[] = {"", ",BOLD", ",ITALIC", ",BOLDITALIC"};
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        char line[160], stem[16];
        std::snprintf(stem, sizeof stem, "F%03d%c___", i, 'A' + i % 26);
        std::snprintf(line, sizeof line, "%s%s%s=C:\\PSFONTS\\PFM\\%s.PFM,C:\\PSFONTS\\%s.PFB",
                      families[i % 9], i >= 36 ? (" " + std::to_string(i / 36)).c_str() : "",
                      styles[(i / 9) % 4], stem, stem);
        lines.push_back(line);
    }
    return lines;
}
