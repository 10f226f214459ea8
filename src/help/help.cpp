#include "help/help.h"

#include <string>

#include "base/font_description.h"
#include "base/instance.h"
#include "base/language.h"
#include "base/shell_hooks.h"
#include "base/top_owner.h"
#include "base/window_class.h"
#include "resource.h"

HelpState Help;

namespace {

const char HelpClassName[] = "MXHelpClass";
constexpr int Margin = 8, LabelHeight = 20, FindHeight = 24, Gap = 6;
constexpr int HelpWidth = 640, HelpHeight = 460;

bool LoadBook() {
    if (Help.BookLanguage == Language.LanguageOffset)
        return true;
    DWORD size = 0;
    const char* text =
        LanguageResourceBytes(IDR_HELP_BOOK, IDR_HELP_BOOK_SPANISH, "HELPTEXT", size);
    if (!text)
        return false;
    Help.Book = ParseHelpBook(text, size);
    Help.BookLanguage = Language.LanguageOffset;
    return true;
}

// One character in upper case, by the ANSI code page's rules.
ULONG_PTR UpperAnsi(ULONG_PTR character) {
    return reinterpret_cast<ULONG_PTR>(CharUpperA(reinterpret_cast<LPSTR>(character & 0xFF)));
}

HWND Child(int id) {
    return GetDlgItem(Help.Window, id);
}

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

// Fills the topic list with the topics that hold the search text, keeping the shown topic
// selected when it is among them.
void ListTopics() {
    HWND list = Child(IDC_HELP_TOPICS);
    const std::string search = WindowText(Child(IDC_HELP_FIND));
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const HelpTopic& topic : Help.Book.topics) {
        if (!TopicMatches(topic, search))
            continue;
        LRESULT index =
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(topic.title.c_str()));
        SendMessageA(list, LB_SETITEMDATA, index, topic.id);
        if (topic.id == Help.ShownTopic)
            SendMessageA(list, LB_SETCURSEL, index, 0);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void ShowTopic(int id) {
    const HelpTopic* topic = FindHelpTopic(Help.Book, id);
    if (!topic)
        topic = FindHelpTopic(Help.Book, 0);
    if (!topic)
        return;
    Help.ShownTopic = topic->id;
    SetWindowTextA(Child(IDC_HELP_TEXT), topic->body.c_str());
    SetWindowTextA(Help.Window, (Help.Book.title + " - " + topic->title).c_str());
    HWND list = Child(IDC_HELP_TOPICS);
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    for (int i = 0; i < count; ++i)
        if (SendMessageA(list, LB_GETITEMDATA, i, 0) == topic->id)
            SendMessageA(list, LB_SETCURSEL, i, 0);
}

void LayOut(int width, int height) {
    int paneWidth = width / 3 < 220 ? width / 3 : 220;
    int y = Margin;
    MoveWindow(Child(IDC_HELP_FIND_LABEL), Margin, y, paneWidth, LabelHeight, TRUE);
    y += LabelHeight;
    MoveWindow(Child(IDC_HELP_FIND), Margin, y, paneWidth, FindHeight, TRUE);
    y += FindHeight + Gap;
    MoveWindow(Child(IDC_HELP_TOPICS), Margin, y, paneWidth, height - y - Margin, TRUE);
    int textLeft = Margin + paneWidth + Gap;
    MoveWindow(Child(IDC_HELP_TEXT), textLeft, Margin, width - textLeft - Margin,
               height - 2 * Margin, TRUE);
}

HWND CreateChild(HWND parent, const char* className, DWORD style, DWORD exStyle, int id,
                 HFONT font) {
    HWND child =
        CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                        reinterpret_cast<HMENU>(INT_PTR(id)), ProgramInstance, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

HFONT CreateTextFont() {
    const LOGFONTA font =
        FontDescription("Arial", -15, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS);
    return CreateFontIndirectA(&font);
}

// Keys of the help window, handled as a dialog's: Tab and Shift+Tab go from control to control,
// Alt with the Find label's mnemonic goes to the search box, Esc closes the window. True when the
// key was used here; others (Ctrl+C, Ctrl+Insert in the text) go on to the control.
bool HelpWindowKey(const MSG& message) {
    if (!Help.Window || !(message.hwnd == Help.Window || IsChild(Help.Window, message.hwnd)))
        return false;
    const bool control = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && !control && !alt) {
        const bool back = GetKeyState(VK_SHIFT) < 0;
        if (HWND next = GetNextDlgTabItem(Help.Window, GetFocus(), back))
            SetFocus(next);
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        PostMessageA(Help.Window, WM_CLOSE, 0, 0);
        return true;
    }
    if (message.message == WM_SYSCHAR) {
        const std::string& label = Help.Book.findLabel;
        const size_t mark = label.find('&');
        if (mark == std::string::npos || mark + 1 >= label.size())
            return false;
        if (UpperAnsi(message.wParam) != UpperAnsi(static_cast<unsigned char>(label[mark + 1])))
            return false;
        HWND find = Child(IDC_HELP_FIND);
        SetFocus(find);
        SendMessageA(find, EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

// The help window's keys are taken as they leave the queue, whichever loop takes them: the
// program's own, or that of the dialog whose Help button opened the window.
LRESULT CALLBACK HelpKeyHook(int code, WPARAM removal, LPARAM lParam) {
    MSG* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && HelpWindowKey(*message))
        message->message = WM_NULL;
    return CallNextHookEx(Help.KeyHook, code, removal, lParam);
}

void OnHelpCreate(HWND window) {
    Help.Window = window;
    Help.KeyHook = SetWindowsHookExA(WH_GETMESSAGE, HelpKeyHook, nullptr, GetCurrentThreadId());
    Help.TextFont = CreateTextFont();
    HFONT font =
        Help.TextFont ? Help.TextFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    CreateChild(window, "STATIC", SS_LEFT, 0, IDC_HELP_FIND_LABEL, font);
    CreateChild(window, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, IDC_HELP_FIND, font);
    CreateChild(window, "LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE, IDC_HELP_TOPICS, font);
    CreateChild(window, "EDIT",
                ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE, IDC_HELP_TEXT, font);
}

void OnHelpCommand(int id, int code) {
    if (id == IDC_HELP_FIND && code == EN_CHANGE) {
        ListTopics();
    } else if (id == IDC_HELP_TOPICS && (code == LBN_SELCHANGE || code == LBN_DBLCLK)) {
        HWND list = Child(IDC_HELP_TOPICS);
        LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
        if (index != LB_ERR)
            ShowTopic(static_cast<int>(SendMessageA(list, LB_GETITEMDATA, index, 0)));
    }
}

LRESULT CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnHelpCreate(window);
        return 0;
    case WM_SIZE:
        LayOut(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {360, 240};
        return 0;
    case WM_COMMAND:
        if (Help.Window == window)
            OnHelpCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_DESTROY:
        if (Help.TextFont)
            DeleteObject(Help.TextFont);
        Help.TextFont = nullptr;
        if (Help.Window == window) {
            Help.Window = nullptr;
            if (Help.KeyHook)
                UnhookWindowsHookEx(Help.KeyHook);
            Help.KeyHook = nullptr;
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterHelpClass() {
    WNDCLASSA existing;
    if (GetClassInfoA(ProgramInstance, HelpClassName, &existing))
        return true;
    return RegisterWindowClass(ProgramInstance, HelpClassName, HelpWindowProc,
                               CS_HREDRAW | CS_VREDRAW, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                               LoadIconA(ProgramInstance, MAKEINTRESOURCEA(IDI_MARLIX)));
}

// Beside the main window where the screen has room, else against the screen's right edge, so
// that the lists stay in sight as far as possible.
POINT HelpWindowPlace(HWND root) {
    RECT screen = {0, 0, 1024, 768}, beside = {0, 0, 0, 0};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    if (root)
        GetWindowRect(root, &beside);
    POINT place = {beside.right + Gap, beside.top > screen.top ? beside.top : screen.top};
    if (place.x + HelpWidth > screen.right)
        place.x = screen.right - HelpWidth > screen.left ? screen.right - HelpWidth : screen.left;
    if (place.y + HelpHeight > screen.bottom)
        place.y = screen.bottom - HelpHeight > screen.top ? screen.bottom - HelpHeight : screen.top;
    return place;
}

// The help window is created on first use. It belongs to the main window, so it stays above it
// and goes with it, and it outlives the dialog whose Help button opened it.
void ShowOwnHelp(HWND owner, int topic, const char* keyword) {
    if (!LoadBook())
        return;
    if (!Help.Window) {
        if (!RegisterHelpClass())
            return;
        HWND root = TopOwner(owner);
        const POINT place = HelpWindowPlace(root);
        if (!CreateWindowExA(0, HelpClassName, "", WS_OVERLAPPEDWINDOW, place.x, place.y, HelpWidth,
                             HelpHeight, root, nullptr, ProgramInstance, nullptr))
            return;
    }
    // The language may have changed since the window opened.
    SetWindowTextA(Child(IDC_HELP_FIND_LABEL), Help.Book.findLabel.c_str());
    Help.ShownTopic = topic;
    SetWindowTextA(Child(IDC_HELP_FIND), keyword ? keyword : ""); // lists the topics
    ListTopics();
    ShowTopic(topic);
    ShowWindow(Help.Window, IsIconic(Help.Window) ? SW_RESTORE : SW_SHOWNORMAL);
    SetForegroundWindow(Help.Window);
    SetFocus(Child(keyword ? IDC_HELP_FIND : IDC_HELP_TEXT));
}

} // namespace

void ShowHelpTopic(HWND owner, const char* file, UINT command, ULONG_PTR data) {
    if (CallWinHelp(owner, file, command, data))
        return;
    if (file && lstrcmpiA(file, "WINHELP.HLP") == 0)
        ShowOwnHelp(owner, UsingHelpTopic, nullptr);
    else if (command == HELP_CONTEXT)
        ShowOwnHelp(owner, static_cast<int>(data), nullptr);
    else if (command == HELP_PARTIALKEY)
        ShowOwnHelp(owner, 0, data ? reinterpret_cast<const char*>(data) : "");
    else
        ShowOwnHelp(owner, 0, nullptr);
}
