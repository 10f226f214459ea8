#include "dialog_driver.h"

namespace {
DialogDriver* activeDriver;
const UINT_PTR AnswerTimer = 0x4D58;

std::string IconName(HWND dialog) {
    // The icon's static control: id 20 on Windows, 1088 under wine.
    HWND iconControl = GetDlgItem(dialog, 0x14);
    if (!iconControl)
        iconControl = GetDlgItem(dialog, 0x440);
    if (!iconControl)
        return "";
    HICON icon = reinterpret_cast<HICON>(SendMessageA(iconControl, STM_GETICON, 0, 0));
    const struct {
        LPCSTR id;
        const char* name;
    } icons[] = {{IDI_HAND, "hand"},
                 {IDI_EXCLAMATION, "exclamation"},
                 {IDI_ASTERISK, "asterisk"},
                 {IDI_QUESTION, "question"}};
    for (const auto& known : icons)
        if (icon && icon == LoadIconA(nullptr, known.id))
            return known.name;
    return "";
}

BOOL CALLBACK RecordChild(HWND child, LPARAM param) {
    auto* dialog = reinterpret_cast<SeenDialog*>(param);
    int id = GetDlgCtrlID(child);
    dialog->controls[id] = DialogDriver::TextOf(child);
    if (id == 0xFFFF)
        dialog->text = dialog->controls[id];
    return TRUE;
}
} // namespace

DialogDriver::DialogDriver() {
    activeDriver = this;
    hook_ = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
}

DialogDriver::~DialogDriver() {
    UnhookWindowsHookEx(hook_);
    activeDriver = nullptr;
}

void DialogDriver::Then(Handler handler) {
    handlers_.push_back(std::move(handler));
}

void DialogDriver::ThenClick(int buttonId) {
    Then([buttonId](SeenDialog&) { return buttonId; });
}

int DialogDriver::UnexpectedCount() const {
    int count = 0;
    for (const SeenDialog& dialog : seen_)
        count += dialog.expected ? 0 : 1;
    return count;
}

void DialogDriver::Click(HWND dialog, int buttonId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

void DialogDriver::ClickNow(HWND dialog, int buttonId) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

std::string DialogDriver::TextOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

LRESULT CALLBACK DialogDriver::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && activeDriver) {
        HWND window = reinterpret_cast<HWND>(wParam);
        auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        char className[16] = "";
        GetClassNameA(window, className, sizeof className);
        if (lstrcmpA(className, "#32770") == 0 && !(create->lpcs->style & WS_CHILD))
            SetTimer(window, AnswerTimer, 10, OnTimer);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogDriver::OnTimer(HWND window, UINT, UINT_PTR id, DWORD) {
    // Wait until the dialog is up (visible), as a user would.
    if (!IsWindowVisible(window))
        return;
    KillTimer(window, id);
    if (activeDriver)
        activeDriver->Answer(window);
}

void DialogDriver::Answer(HWND dialog) {
    SeenDialog seen;
    seen.window = dialog;
    seen.caption = TextOf(dialog);
    EnumChildWindows(dialog, RecordChild, reinterpret_cast<LPARAM>(&seen));
    seen.icon = IconName(dialog);
    int button;
    if (handlers_.empty()) {
        seen.expected = false;
        button = GetDlgItem(dialog, IDCANCEL) ? IDCANCEL : IDOK;
    } else {
        Handler handler = std::move(handlers_.front());
        handlers_.pop_front();
        button = handler(seen);
    }
    seen_.push_back(seen);
    if (button)
        Click(dialog, button);
}
