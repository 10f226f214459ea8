// The printer choice: the system's print setup dialog, and the printer line that names the
// printer the next job will use.
#include "print/print_setup.h"

#include <vector>

#include "base/late_libraries.h"
#include "print/global_lock.h"
#include "print/print_state.h"

PrintState Printing;

void ReleasePrinterChoice() {
    if (Printing.PrinterDevMode)
        GlobalFree(Printing.PrinterDevMode);
    if (Printing.PrinterDevNames)
        GlobalFree(Printing.PrinterDevNames);
    Printing = PrintState();
}

static_assert(sizeof(void*) != 4 || sizeof(PRINTDLGA) == 66,
              "the print setup record of the 32-bit program is 66 bytes");

BOOL KWGetPrintSetup(HWND owner) {
    PRINTDLGA setup = {};
    setup.lStructSize = sizeof setup;
    setup.hwndOwner = owner;
    setup.hDevMode = Printing.PrinterDevMode;
    setup.hDevNames = Printing.PrinterDevNames;
    setup.Flags = PD_PRINTSETUP | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE;
    setup.nFromPage = setup.nToPage = setup.nMinPage = setup.nMaxPage = 1;
    setup.nCopies = 1;
    const BOOL confirmed = LatePrintDlg(&setup);
    // The dialog may have replaced the handles it was given, even when it was cancelled.
    Printing.PrinterDevMode = setup.hDevMode;
    Printing.PrinterDevNames = setup.hDevNames;
    if (!confirmed)
        return FALSE;
    if (GlobalLocked<DEVMODEA> mode{Printing.PrinterDevMode})
        mode->dmCopies = static_cast<short>(setup.nCopies);
    return TRUE;
}

namespace {

// The whole "device" entry of WIN.INI's [windows] section ("device,driver,port").
std::string ReadDeviceEntry() {
    // Read whole: a long printer name must not lose the driver and port that follow it.
    std::vector<char> entry(64);
    for (;;) {
        const DWORD length = GetProfileStringA("windows", "device", "", entry.data(),
                                               static_cast<DWORD>(entry.size()));
        if (length + 1 < entry.size() || entry.size() >= 32768)
            return std::string(entry.data(), length);
        entry.resize(entry.size() * 4);
    }
}

} // namespace

DeviceEntry ChosenPrinter() {
    if (const GlobalLocked<DEVNAMES> names{Printing.PrinterDevNames})
        return {names.TextAt(names->wDeviceOffset), names.TextAt(names->wDriverOffset),
                names.TextAt(names->wOutputOffset), true};
    return SplitDeviceEntry(ReadDeviceEntry());
}

void FormatPrinterLine(char* buffer) {
    buffer[0] = '\0';
    try {
        const DeviceEntry printer = ChosenPrinter();
        lstrcpynA(buffer, PrinterLineText(printer.device, printer.port).c_str(), PrinterLineSize);
    } catch (const std::exception&) {
        buffer[0] = '\0'; // no memory for the line: the dialog shows none
    }
}
