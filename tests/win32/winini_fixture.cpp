#include "winini_fixture.h"

#include "app/main_window.h"
#include "app/status_panel.h"
#include "base/shell_hooks.h"
#include "catalog/catalog_win.h"
#include "resource.h"

std::vector<std::string> WinIniTest::events;
std::function<void()> WinIniTest::onFlush;

namespace {

const char ProbeClass[] = "WinIniTestFontChangeProbe";

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_FONTCHANGE)
        WinIniTest::events.push_back("fontchange");
    return DefWindowProcA(window, message, wParam, lParam);
}

void ObserveFlush() {
    if (WinIniTest::onFlush)
        WinIniTest::onFlush();
}

} // namespace

std::string SampleFontName(int i) {
    const std::string line = SampleFontLines(i + 1)[i];
    return line.substr(0, line.find('='));
}

std::string SampleFileEntry(int i) {
    const std::string line = SampleFontLines(i + 1)[i];
    return line.substr(line.find('=') + 1) + "\r\n";
}

std::string SoftfontLines(const std::vector<int>& fonts) {
    std::string text = "softfonts=" + std::to_string(fonts.size()) + "\r\n";
    for (size_t i = 0; i < fonts.size(); ++i)
        text += "softfont" + std::to_string(i + 1) + "=" + SampleFileEntry(fonts[i]);
    return text;
}

void WinIniTest::SetUp() {
    MarlixTest::SetUp();
    events.clear();
    onFlush = nullptr;
    SetFlushObserver(ObserveFlush);
    WNDCLASSA probeClass = {};
    probeClass.lpfnWndProc = ProbeProc;
    probeClass.hInstance = GetModuleHandleA(nullptr);
    probeClass.lpszClassName = ProbeClass;
    RegisterClassA(&probeClass); // fails harmlessly when an earlier test registered it
    probe = CreateWindowExA(0, ProbeClass, "probe", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(probe, nullptr);
}

void WinIniTest::TearDown() {
    DestroyWindow(probe);
    SetFlushObserver(nullptr);
    toolbar.reset();
    MarlixTest::TearDown();
}

HWND WinIniTest::CreateMainWindowLogged() {
    HWND window = CreateMainWindow();
    if (window)
        toolbar = std::make_unique<CommandLog>(App.Toolbar, false);
    return window;
}

void WinIniTest::SelectFonts(const std::vector<int>& fonts) {
    std::vector<std::string> names;
    for (int font : fonts)
        names.push_back(SampleFontName(font));
    SelectItems(App.AtmList, names);
    ::MoveSelectedFonts(App.SelectedList, App.AtmList);
    UpdateSelectedCount(mainWindow);
}

void WinIniTest::ThenChooseSection(const std::string& name, int button) {
    dialogs.Then([this, name, button](SeenDialog& dialog) {
        HWND list = GetDlgItem(dialog.window, IDC_SECTION_LIST);
        sectionItems = Items(list);
        if (!name.empty()) {
            LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(name.c_str()));
            EXPECT_NE(index, LB_ERR) << name;
            SendMessageA(list, LB_SETCURSEL, index, 0);
        }
        return button;
    });
}
