#include "marlix_test.h"

#include "app/main_window.h"
#include "app/start_up.h"
#include "base/language.h"
#include "base/shell_hooks.h"
#include "listfile/list_file.h"

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
} // namespace

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
    windows.Write("atm.ini", AtmIniText(lines));
}

void MarlixTest::WriteSettings(const std::string& text) {
    windows.Write("Marlix.ini", text);
}

int MarlixTest::ReadSettingValue(const char* section, const char* key, int defaultValue) {
    FlushProfileCache("Marlix.ini");
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, "Marlix.ini"));
}

void MarlixTest::NameListFile(const std::string& path, int form) {
    lstrcpynA(App.NamedListPath, path.c_str(), sizeof App.NamedListPath);
    ListFile = NamedListFile(path.c_str());
    if (form >= 0)
        ListFile.CurrentListForm = form;
}

bool MarlixTest::OpenNamedListFile(bool merge) {
    return OpenListFile(mainWindow, MainWindowLists(), NamedListFile(App.NamedListPath), merge);
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
        LRESULT index = FindListItem(listBox, name.c_str());
        ASSERT_NE(index, LB_ERR) << name;
        SendMessageA(listBox, LB_SETSEL, TRUE, index);
    }
}

void MarlixTest::Command(int id) {
    SendMessageA(mainWindow, WM_COMMAND, id, 0);
    PumpMessages();
}
