// Times builds of marlix32.exe side by side, from outside, the way a user waits: each command is
// posted to the running program, and the clock stops when its result shows (the list counts, or
// the file replaced on disk), the main window is painted and the program has finished with it.
// The catalogue holds 1001 fonts; the list file is a 1001-line softfont list; WIN.INI is the
// caller's, put back before every save. Start-up is timed against a bare window program of the
// same build, and the printer-section dialog against a bare dialog of its layout in that program.
//   bench_programs ROUNDS LIST NAME PROGRAM BARE_WINDOW [NAME PROGRAM BARE_WINDOW]...
// LIST is where the list file is written. Prints one table of medians (minimums in brackets),
// a column for each NAME.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "resource.h"
#include "support/driving.h"
#include "support/sample_fonts.h"
#include "support/windows_files.h"
#include "timing.h"

namespace {

constexpr int kFonts = 1001;
constexpr DWORD kWaitMs = 20000;
// A command whose result has not shown by then failed (a message box waits for a user).
constexpr double kResultMs = 5000;

// The softfont form of every font of the atm.ini text, in catalogue order.
std::string SoftfontList(const std::string& atmIni) {
    std::string text = "[Fonts]\r\nsoftfonts=" + std::to_string(kFonts) + "\r\n";
    size_t at = atmIni.find("[Fonts]\r\n") + 9;
    for (int i = 1; i <= kFonts; ++i) {
        const size_t equals = atmIni.find('=', at), end = atmIni.find("\r\n", at);
        text +=
            "softfont" + std::to_string(i) + "=" + atmIni.substr(equals + 1, end + 2 - equals - 1);
        at = end + 2;
    }
    return text + "[EndFonts]\r\n";
}

ULONGLONG LastWrite(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

// A program started with its arguments (the program under test: the list file), and its main
// window, found by its class.
class Program {
  public:
    Program(const std::string& exe, const std::string& arguments, const char* windowClass) {
        std::string line = "\"" + exe + "\" " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_))
            return;
        WaitForInputIdle(process_.hProcess, kWaitMs);
        for (DWORD waited = 0; waited < kWaitMs && !window_; waited += 10) {
            window_ = FindProcessWindow(process_.dwProcessId, windowClass);
            if (!window_)
                Sleep(10);
        }
    }
    ~Program() {
        if (!process_.hProcess)
            return;
        if (window_)
            PostMessageA(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, kWaitMs) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND Window() const { return window_; }
    long Count(int listId) const { return CountOf(GetDlgItem(window_, listId)); }
    bool Shows(long atm, long selected) const {
        return Count(IDC_ATM_LIST) == atm && Count(IDC_SELECTED_LIST) == selected;
    }

    // Posts the command and returns the ms until done() holds, the main window is painted, and
    // the program has finished: a message sent after that is answered only once it returned.
    double Time(UINT command, const std::function<bool()>& done) const {
        return TimeMessage(window_, command, done);
    }
    double TimeMessage(HWND to, UINT command, const std::function<bool()>& done) const {
        const double start = Now();
        PostMessageA(to, WM_COMMAND, command, 0);
        for (;;) {
            const bool finished = done() && Painted();
            if (!Answers())
                return -1;
            if (finished)
                return Now() - start;
            if (Now() - start > kResultMs)
                return -1;
        }
    }
    // The printer section dialog once it is shown with its sections listed, else null.
    HWND SectionDialog() const {
        HWND dialog = nullptr;
        for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            HWND list = GetDlgItem(w, IDC_SECTION_LIST);
            if (owner == process_.dwProcessId && list && IsWindowVisible(w) && CountOf(list) > 0)
                dialog = w;
        }
        return dialog;
    }

  private:
    // No part of the main window is waiting to be painted.
    bool Painted() const {
        bool painted = GetUpdateRect(window_, nullptr, FALSE) == FALSE;
        EnumChildWindows(window_, NotWaitingForPaint, reinterpret_cast<LPARAM>(&painted));
        return painted;
    }
    static BOOL CALLBACK NotWaitingForPaint(HWND child, LPARAM cookie) {
        if (GetUpdateRect(child, nullptr, FALSE))
            *reinterpret_cast<bool*>(cookie) = false;
        return TRUE;
    }
    static long CountOf(HWND list) {
        DWORD_PTR count = 0;
        if (!SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, kWaitMs, &count))
            return -1;
        return static_cast<long>(count);
    }
    bool Answers() const {
        DWORD_PTR ignored = 0;
        return SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &ignored) != 0;
    }
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

enum Row {
    StartUp,
    StartUpRatio,
    NewList,
    AddAll,
    ReOpen,
    SaveListF2,
    SaveDialog,
    SaveWinIni,
    OpenDialog,
    OpenWinIni,
    BareDialog,
    BareDialogOk,
    RowCount
};
const char* const RowNames[RowCount] = {"Start-up (ms)",
                                        "Start-up / bare window",
                                        "New",
                                        "Add all",
                                        "Re-open the 1001-line list",
                                        "F2: save the list",
                                        "Save to WIN.INI: dialog shown",
                                        "Save to WIN.INI: OK until written",
                                        "Open WIN.INI section: dialog shown",
                                        "Open WIN.INI section: OK until shown",
                                        "Bare dialog of that layout: shown",
                                        "Bare dialog of that layout: OK until gone"};

using Samples = std::array<std::vector<double>, RowCount>;

// Chooses the last section listed (in the saving dialog, [PostScript,LPT1] after FILE) and
// presses OK; the clock runs until done() holds and the dialog is gone.
double TimeDialogChoice(const Program& program, HWND dialog, const std::function<bool()>& done) {
    HWND list = GetDlgItem(dialog, IDC_SECTION_LIST);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    SendMessageA(list, LB_SETCURSEL, count - 1, 0);
    return program.TimeMessage(dialog, IDOK, [&] { return !IsWindow(dialog) && done(); });
}

double TimeDialogOpen(const Program& program, UINT command, HWND& dialog) {
    return program.Time(command, [&] { return (dialog = program.SectionDialog()) != nullptr; });
}

void RunRound(const std::string& exe, const std::string& bare, const std::string& list,
              const std::string& winIni, WindowsDirectory& windows, Samples& samples) {
    const auto Keep = [&](Row row, double ms) {
        if (ms >= 0)
            samples[row].push_back(ms);
        else
            std::printf("%s: \"%s\" showed no result\n", exe.c_str(), RowNames[row]);
    };
    const double bareStart = TimeProgramStart("\"" + bare + "\"");
    const double start = TimeProgramStart("\"" + exe + "\"");
    Keep(StartUp, start);
    if (bareStart > 0 && start > 0)
        samples[StartUpRatio].push_back(start / bareStart);

    {
        // The floor of a dialog like the printer-section one, in a program with nothing else.
        Program plain(bare, "", "BareWindowClass");
        HWND dialog = nullptr;
        Keep(BareDialog, TimeDialogOpen(plain, 1, dialog));
        if (dialog)
            Keep(BareDialogOk, TimeDialogChoice(plain, dialog, [] { return true; }));
    }

    Program program(exe, "\"" + list + "\"", "MarlixClass");
    // The program may wait for input once before the list it was given has opened.
    const double started = Now();
    while (program.Window() && !program.Shows(0, kFonts) && Now() - started < kResultMs)
        Sleep(1);
    if (!program.Window() || !program.Shows(0, kFonts)) {
        std::printf("%s did not open the list\n", exe.c_str());
        return;
    }
    // F2 first: "New" forgets the list's name, and F2 would then ask for one.
    const ULONGLONG listWritten = LastWrite(list);
    Keep(SaveListF2, program.Time(IDM_SAVE_LIST, [&] { return LastWrite(list) != listWritten; }));
    Keep(NewList, program.Time(IDM_NEW_LIST, [&] { return program.Shows(kFonts, 0); }));
    Keep(AddAll, program.Time(IDM_ADD_ALL_FONTS, [&] { return program.Shows(0, kFonts); }));
    program.Time(IDM_NEW_LIST, [&] { return program.Shows(kFonts, 0); });
    Keep(ReOpen, program.Time(IDM_OPEN_NAMED_LIST, [&] { return program.Shows(0, kFonts); }));

    const std::string winIniPath = WindowsFile("win.ini");
    windows.Write("win.ini", winIni);
    const ULONGLONG winIniWritten = LastWrite(winIniPath);
    HWND dialog = nullptr;
    Keep(SaveDialog, TimeDialogOpen(program, IDM_SAVE_WININI, dialog));
    if (dialog)
        Keep(SaveWinIni, TimeDialogChoice(program, dialog,
                                          [&] { return LastWrite(winIniPath) != winIniWritten; }));

    program.Time(IDM_NEW_LIST, [&] { return program.Shows(kFonts, 0); });
    dialog = nullptr;
    Keep(OpenDialog, TimeDialogOpen(program, IDM_OPEN_WININI, dialog));
    if (dialog)
        Keep(OpenWinIni,
             TimeDialogChoice(program, dialog, [&] { return program.Shows(0, kFonts); }));
}

void PrintTable(const std::vector<std::string>& programs, const std::vector<Samples>& samples) {
    std::printf("\n| %-38s |", "1001 fonts: median (minimum)");
    for (const std::string& exe : programs)
        std::printf(" %s |", exe.c_str());
    std::printf("\n|---|");
    for (size_t i = 0; i < programs.size(); ++i)
        std::printf("---|");
    std::printf("\n");
    for (int row = 0; row < RowCount; ++row) {
        std::printf("| %-38s |", RowNames[row]);
        for (const Samples& of : samples) {
            const int decimals = row == StartUpRatio ? 2 : 1;
            if (of[row].empty())
                std::printf(" no run |");
            else
                std::printf(" %.*f (%.*f), %zu runs |", decimals, Median(of[row]), decimals,
                            Minimum(of[row]), of[row].size());
        }
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 6 || (argc - 3) % 3 != 0) {
        std::fprintf(stderr, "usage: bench_programs ROUNDS LIST NAME PROGRAM BARE_WINDOW "
                             "[NAME PROGRAM BARE_WINDOW]...\n");
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    const std::string list = argv[2];
    // Short folder names: 1001 softfont lines must fit into the 64 KB a WIN.INI may hold.
    std::string atmIni = AtmIniText(SampleFontLines(kFonts));
    for (size_t at; (at = atmIni.find("PSFONTS")) != std::string::npos;)
        atmIni.replace(at, 7, "PS");
    // atm.ini and win.ini are put back when the run ends.
    WindowsDirectory windows;
    windows.Write("atm.ini", atmIni);
    WriteFileBytes(list, SoftfontList(atmIni));
    // No warning box after a save into WIN.INI: it would wait for a user.
    WritePrivateProfileStringA("Options", "Warn01", "0", "Marlix.ini");
    const std::string winIni = ReadFileBytes(WindowsFile("win.ini"));

    std::vector<std::string> names;
    for (int i = 3; i < argc; i += 3)
        names.push_back(argv[i]);
    std::vector<Samples> samples(names.size());
    for (int round = 0; round < rounds; ++round) {
        // Alternating the order evens out what one program leaves behind for the next.
        for (size_t k = 0; k < names.size(); ++k) {
            const size_t i = round % 2 ? names.size() - 1 - k : k;
            RunRound(argv[4 + 3 * i], argv[5 + 3 * i], list, winIni, windows, samples[i]);
        }
    }
    PrintTable(names, samples);
    return 0;
}
