// Real print jobs under wine: a PostScript printer whose port is a file is chosen through the
// print setup dialog, and the jobs land in that file. Wine draws text glyph by glyph, so the
// output is checked by its document title and pages; the words are checked on a metafile.
#include "print_fixture.h"

#include <algorithm>
#include <sstream>

#include "app/main_window.h"
#include "print/print_choice.h"
#include "print/print_job.h"
#include "print/print_setup.h"
#include "resource.h"

namespace {

class PrintJob : public PrintTest {
  protected:
    static void SetUpTestSuite() { installed = FilePrinter::Install(&why); }
    static void TearDownTestSuite() { FilePrinter::Remove(); }

    void SetUp() override {
        PrintTest::SetUp();
        if (!installed)
            GTEST_SKIP() << "no PostScript printer: " << why;
        FilePrinter::DeleteOutput();
    }
    void TearDown() override {
        PrintTest::TearDown();
        FilePrinter::DeleteOutput();
    }

    // "Printer setup...": picks the file printer in the system's dialog and confirms.
    void ChooseFilePrinter() {
        dialogs.Then([](SeenDialog& seen) {
            HWND printers = GetDlgItem(seen.window, 0x470); // the printer name box
            EXPECT_NE(SendMessageA(printers, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(FilePrinter::Name())),
                      CB_ERR);
            SendMessageA(seen.window, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(printers));
            return IDOK;
        });
        EXPECT_TRUE(KWGetPrintSetup(mainWindow));
    }

    // Pages of a list of `count` lines on the file printer, from its own measure of the list
    // font (taken, as the job takes it, before any mapping mode).
    static int ExpectedPages(int count) {
        HDC dc = CreateDCA(nullptr, FilePrinter::Name(), nullptr, nullptr);
        LOGFONTA body = {};
        body.lfHeight = 16;
        body.lfWeight = FW_NORMAL;
        body.lfPitchAndFamily = FF_ROMAN;
        lstrcpyA(body.lfFaceName, "Times");
        HFONT font = CreateFontIndirectA(&body);
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, old);
        DeleteObject(font);
        DeleteDC(dc);
        const int perPage = 900 / (metrics.tmHeight + metrics.tmExternalLeading + 4);
        return (count + perPage - 1) / perPage;
    }

    static std::vector<std::string> Lines(const std::string& output, const std::string& start) {
        std::vector<std::string> lines;
        std::istringstream in(output);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.compare(0, start.size(), start) == 0)
                lines.push_back(line);
        }
        return lines;
    }

    // Runs the job with the chosen list; the "Printing" dialog is seen and left alone.
    void PrintWhileTheUserWaits() {
        dialogs.Then([](SeenDialog&) { return 0; });
        DialogCreations reading(mainWindow, 30);
        KWPrintPages(mainWindow);
    }

    bool ErrorShown() const {
        return std::any_of(dialogs.Seen().begin(), dialogs.Seen().end(),
                           [](const SeenDialog& seen) { return seen.caption == "Printer Error"; });
    }

    static bool installed;
    static std::string why;
};

bool PrintJob::installed = false;
std::string PrintJob::why;

TEST_F(PrintJob, SetupNamesTheChosenPrinterAndACancelledSetupKeepsIt) {
    device.Set("Elsewhere Printer,winspool,LPT3:");
    OpenMainWindow(5, 0);
    char line[PrinterLineSize];
    FormatPrinterLine(line);
    EXPECT_STREQ(line, "Elsewhere Printer on LPT3:");

    ChooseFilePrinter();
    const std::string chosen = std::string(FilePrinter::Name()) + " on " + FilePrinter::Port();
    FormatPrinterLine(line);
    EXPECT_EQ(line, chosen);

    dialogs.ThenClick(IDCANCEL);
    EXPECT_FALSE(KWGetPrintSetup(mainWindow));
    FormatPrinterLine(line);
    EXPECT_EQ(line, chosen);
    dialogs.ThenClick(IDCANCEL);
    RunPrintCommand(mainWindow, {App.AtmList, App.SelectedList, ""});
    EXPECT_EQ(dialogs.Seen().back().controls.at(IDC_PRINTER_LINE), chosen);
}

TEST_F(PrintJob, PrintsTheChosenListAsOneDocumentOfNumberedPages) {
    OpenMainWindow(100, 0);
    ChooseFilePrinter();
    bool ownerDisabled = false;
    HWND stopDialog = nullptr;
    dialogs.ThenClick(IDOK); // "Print": the AtmList is proposed
    dialogs.Then([&](SeenDialog& seen) {
        EXPECT_EQ(seen.caption, "Printing");
        EXPECT_EQ(seen.controls.at(IDC_PRINTING_TEXT),
                  "Marlix is now printing.\nPressing cancel stops printing.");
        EXPECT_EQ(seen.controls.at(IDCANCEL), "Cancel");
        ownerDisabled = !IsWindowEnabled(mainWindow);
        stopDialog = seen.window;
        return 0; // let it print
    });
    {
        // The user looks at the "Printing" dialog long enough for the helper to see it.
        DialogCreations reading(mainWindow, 30);
        RunPrintCommand(mainWindow, {App.AtmList, App.SelectedList, ""});
    }
    EXPECT_EQ(Printing.PrintListChoice, 1);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(mainWindow));
    EXPECT_FALSE(IsWindow(stopDialog));
    EXPECT_EQ(Printing.PrintStopWindow, nullptr);
    EXPECT_FALSE(ErrorShown());

    const std::string output = FilePrinter::ReadOutput();
    ASSERT_EQ(output.compare(0, 11, "%!PS-Adobe-"), 0) << output.substr(0, 80);
    EXPECT_EQ(Lines(output, "%%Title:"), std::vector<std::string>{"%%Title: Marlix Print"});
    const int pages = ExpectedPages(100);
    EXPECT_GE(pages, 2);
    EXPECT_EQ(Lines(output, "%%Page:").size(), static_cast<size_t>(pages));
    EXPECT_EQ(Lines(output, "%%Pages: ").back(), "%%Pages: " + std::to_string(pages));
    EXPECT_TRUE(Lines(output, "%cupsJobTicket: copies=").empty()); // one copy
}

TEST_F(PrintJob, CancelInThePrintingDialogStopsTheJobWithoutAMessage) {
    OpenMainWindow(100, 0);
    ChooseFilePrinter();
    const size_t beepsBefore = beeps.size();
    HWND stopDialog = nullptr;
    dialogs.ThenClick(IDOK);
    dialogs.Then([&](SeenDialog& seen) {
        stopDialog = seen.window;
        return IDCANCEL;
    });
    {
        DialogCreations reading(mainWindow, 30);
        RunPrintCommand(mainWindow, {App.AtmList, App.SelectedList, ""});
    }
    EXPECT_TRUE(Printing.PrintAborted);
    EXPECT_FALSE(IsWindow(stopDialog));
    EXPECT_TRUE(IsWindowEnabled(mainWindow));
    EXPECT_FALSE(ErrorShown());
    EXPECT_EQ(beeps.size(), beepsBefore);
    // Wine asks the abort procedure when the document starts: nothing reached the printer.
    EXPECT_EQ(Lines(FilePrinter::ReadOutput(), "%%Page:").size(), 0u);
}

TEST_F(PrintJob, CopiesKeptFromTheSetupReachThePrinter) {
    OpenMainWindow(5, 0);
    ChooseFilePrinter();
    {
        auto* mode = static_cast<DEVMODEA*>(GlobalLock(Printing.PrinterDevMode));
        ASSERT_NE(mode, nullptr);
        EXPECT_EQ(mode->dmCopies, 1); // written from the setup's count
        mode->dmCopies = 3;
        GlobalUnlock(Printing.PrinterDevMode);
    }
    SetKWPrnSel(1);
    PrintWhileTheUserWaits();
    // The kept device mode is unlocked again, ready for the next setup and the next job.
    EXPECT_EQ(GlobalFlags(Printing.PrinterDevMode) & GMEM_LOCKCOUNT, 0u);
    EXPECT_EQ(GlobalFlags(Printing.PrinterDevNames) & GMEM_LOCKCOUNT, 0u);
    const std::string output = FilePrinter::ReadOutput();
    // Wine's PostScript driver puts the copies count of the device mode into the job ticket.
    EXPECT_EQ(Lines(output, "%cupsJobTicket: copies="),
              std::vector<std::string>{"%cupsJobTicket: copies=3"});
}

TEST_F(PrintJob, WithoutAPrinterOnlyMessage122IsShown) {
    OpenMainWindow(5, 0);
    const size_t beepsBefore = beeps.size();
    SetKWPrnSel(1);
    // No printer chosen, and a "device" entry that is empty, incomplete, or names a printer
    // that does not exist.
    for (const char* entry : {"", "Lonely", "Apple LaserWriter,PSCRIPT",
                              "A,,LPT1:", "Nowhere Printer,winspool,LPT1:"}) {
        SCOPED_TRACE(entry);
        device.Set(entry);
        const size_t before = dialogs.Seen().size();
        dialogs.Then([&](SeenDialog& seen) {
            EXPECT_EQ(seen.caption, "Printer Error");
            EXPECT_EQ(seen.text, "No printer information from system. Cannot print.");
            EXPECT_EQ(seen.icon, "hand");
            return IDOK;
        });
        DialogCreations created(mainWindow);
        KWPrintPages(mainWindow);
        EXPECT_EQ(created.All().size(), 1u); // the message box, and no "Printing" dialog
        ASSERT_EQ(dialogs.Seen().size(), before + 1);
        EXPECT_TRUE(IsWindowEnabled(mainWindow));
    }
    EXPECT_EQ(beeps.size(), beepsBefore);
    EXPECT_EQ(FilePrinter::ReadOutput(), "");
}

TEST_F(PrintJob, NothingHappensBeforeAListWasChosen) {
    OpenMainWindow(5, 0);
    ChooseFilePrinter();
    const size_t before = dialogs.Seen().size();
    DialogCreations created(mainWindow);
    KWPrintPages(mainWindow);
    EXPECT_TRUE(created.All().empty());
    EXPECT_EQ(dialogs.Seen().size(), before);
    EXPECT_EQ(FilePrinter::ReadOutput(), "");
}

} // namespace
