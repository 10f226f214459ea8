// The printer choice: the system's print setup dialog, and the line that names the printer the
// next job will use.
#pragma once

#include <windows.h>

#include <string>

#include "base/exports.h"

MARLIX_EXPORT BOOL KWGetPrintSetup(HWND owner);

constexpr int PrinterLineSize = 200;
// "<device> on <port>" of the printer a job will use, cut to fit PrinterLineSize.
void FormatPrinterLine(char* buffer);
// The whole "device" entry of WIN.INI's [windows] section ("device,driver,port").
std::string ReadDeviceEntry();
