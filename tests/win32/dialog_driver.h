// Sees every dialog and message box the code under test opens (top-level "#32770" windows of this
// thread), records what it shows and answers it as the test asked. A dialog nobody expected is
// recorded and closed, so a test fails instead of hanging.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/driving.h"

struct SeenDialog {
    HWND window = nullptr;
    std::string caption;
    std::string text;                    // a message box's text (static control 0xFFFF)
    std::map<int, std::string> controls; // every child control's text by id
    std::string icon;                    // "hand", "exclamation", "asterisk", "question" or ""
    bool expected = true;
};

class DialogDriver {
  public:
    // Answers a dialog: does what the test needs with it and returns the id of the button to
    // click, or 0 when the handler closed it (or will close it) itself.
    using Handler = std::function<int(SeenDialog& dialog)>;

    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Queues the answer to the next dialog.
    void Then(Handler handler);
    // Queues a click on a button of the next dialog.
    void ThenClick(int buttonId);

    const std::vector<SeenDialog>& Seen() const { return seen_; }
    int UnexpectedCount() const;
    size_t Pending() const { return handlers_.size(); }

    // Clicks a button of a dialog the way a user does (BN_CLICKED from the button).
    static void Click(HWND dialog, int buttonId);
    // The same click, handled before this returns.
    static void ClickNow(HWND dialog, int buttonId);
    static std::string TextOf(HWND window);

  private:
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
    void Answer(HWND dialog);

    HHOOK hook_ = nullptr;
    std::deque<Handler> handlers_;
    std::vector<SeenDialog> seen_;
};
