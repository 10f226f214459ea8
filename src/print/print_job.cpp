// The print job: a context for the chosen printer, the "Printing" dialog that can stop it, and
// the document "Marlix Print" with the pages of the chosen list.
#include "print/print_job.h"

#include <exception>

#include "base/instance.h"
#include "base/language.h"
#include "print/global_lock.h"
#include "print/print_setup.h"
#include "print/print_state.h"
#include "resource.h"

namespace {

// A context for the chosen printer with the kept device mode, or none.
HDC CreatePrinterDC() {
    try {
        // The kept device mode carries the copies count and the other settings of the setup.
        const GlobalLocked<DEVMODEA> mode(Printing.PrinterDevMode);
        const DeviceEntry printer = ChosenPrinter();
        if (!printer.complete)
            return nullptr;
        return CreateDCA(printer.driver.c_str(), printer.device.c_str(), nullptr, mode.get());
    } catch (const std::exception&) {
        return nullptr;
    }
}

void PrinterError(HWND owner, UINT textId) {
    KWStrTbMsgBox(owner, textId, IDS_PRINTER_ERROR_CAPTION, MB_ICONERROR);
}

// Starts the document and prints the pages; messages for what went wrong.
void RunDocument(HWND owner, HDC dc) {
    if (SetAbortProc(dc, PrintAbort) == SP_ERROR) {
        PrinterError(owner, IDS_NO_PRINTER_INFO);
        return;
    }
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = "Marlix Print";
    if (StartDocA(dc, &document) <= 0) {
        AbortDoc(dc);
        // The system asks the abort procedure while it starts the document too: a Cancel
        // pressed by then is the user's choice, not a printer failure.
        if (!Printing.PrintAborted)
            PrinterError(owner, IDS_NO_PRINTER_INFO);
        return;
    }
    try {
        PrintListPages(dc, ListOfChoice(Printing.PrintListChoice), Printing.Source.listTitle);
    } catch (const std::exception&) { // no memory for the list's texts
        AbortDoc(dc);
        KWStrTbMsgBox(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION, MB_ICONERROR);
        return;
    }
    EndDoc(dc); // also after a Cancel: the system has dropped the job by then
}

} // namespace

void KWPrintPages(HWND owner) {
    if (Printing.PrintListChoice == 0)
        return;
    HDC dc = CreatePrinterDC();
    if (!dc) {
        PrinterError(owner, IDS_CANNOT_PRINT);
        return;
    }
    EnableWindow(owner, FALSE);
    Printing.PrintStopWindow = CreateDialogParamA(ProgramInstance, MAKEINTRESOURCEA(IDD_PRINT_STOP),
                                                  owner, PrintStopDlg, 0);
    Printing.PrintAborted = false;
    RunDocument(owner, dc);
    if (Printing.PrintStopWindow)
        DestroyWindow(Printing.PrintStopWindow);
    Printing.PrintStopWindow = nullptr;
    EnableWindow(owner, TRUE);
    SetFocus(owner);
    DeleteDC(dc);
}
