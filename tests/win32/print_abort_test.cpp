// The job's abort procedure: the message pump while a job runs, until Cancel is pressed.
#include "print_fixture.h"

#include "print/print_job.h"
#include "print/print_state.h"
#include "resource.h"

namespace {

int markersSeen;

LRESULT CALLBACK MarkerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP)
        ++markersSeen;
    return DefWindowProcA(window, message, wParam, lParam);
}

bool MarkerWaiting(HWND window) {
    MSG message;
    return PeekMessageA(&message, window, WM_APP, WM_APP, PM_NOREMOVE) != FALSE;
}

TEST_F(PrintTest, AbortProcedurePumpsUntilCancelAndNoLonger) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MarkerProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "MarlixMarkerTest";
    RegisterClassA(&windowClass);
    HWND marker = CreateWindowExA(0, "MarlixMarkerTest", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    markersSeen = 0;

    dialogs.Then([](SeenDialog& seen) {
        EXPECT_EQ(seen.caption, "Printing");
        return 0;
    });
    {
        DialogCreations reading(nullptr, 30);
        Printing.PrintStopWindow = CreateDialogParamA(
            GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PRINT_STOP), nullptr, PrintStopDlg, 0);
    }
    ASSERT_NE(Printing.PrintStopWindow, nullptr);
    // While nothing is pressed it pumps every waiting message (here: the helper's look at the
    // dialog) and lets the job go on.
    EXPECT_TRUE(PrintAbort(nullptr, 0));
    EXPECT_EQ(dialogs.Pending(), 0u);

    // A click on Cancel, then a message queued behind it: pumping stops at the click.
    DialogDriver::Click(Printing.PrintStopWindow, IDCANCEL);
    PostMessageA(marker, WM_APP, 0, 0);
    EXPECT_FALSE(PrintAbort(nullptr, 0));
    EXPECT_TRUE(Printing.PrintAborted);
    EXPECT_TRUE(MarkerWaiting(marker));
    EXPECT_FALSE(PrintAbort(nullptr, 0));
    EXPECT_EQ(markersSeen, 0);

    EXPECT_EQ(SetKWPrintAbort(0), 0);
    EXPECT_TRUE(PrintAbort(nullptr, 0));
    EXPECT_EQ(markersSeen, 1);

    // The program's own loop must still see a quit message that arrives during a job.
    PostQuitMessage(7);
    EXPECT_TRUE(PrintAbort(nullptr, 0));
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);

    DestroyWindow(Printing.PrintStopWindow);
    DestroyWindow(marker);
}

} // namespace
