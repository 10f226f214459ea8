// The printer choice: the system's print setup dialog, and the line that names the printer the
// next job will use.
#pragma once

#include <windows.h>

#include <string>

#include "base/exports.h"
#include "print/printer_device.h"

MARLIX_EXPORT BOOL KWGetPrintSetup(HWND owner);

constexpr int PrinterLineSize = 200;
// "<device> on <port>" of the printer a job will use, cut to fit PrinterLineSize.
void FormatPrinterLine(char* buffer);
// The printer a job will use: the kept names of the last confirmed setup, else the "device"
// entry. Throws std::bad_alloc when memory runs out.
DeviceEntry ChosenPrinter();
