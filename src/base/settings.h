// The settings file "Marlix.ini", kept in the Windows directory by the private-profile functions
// (the bare file name), and the window geometry it stores.
#pragma once

#include <windows.h>

#include "base/geometry.h"

extern const char SettingsFile[]; // "Marlix.ini"

// A missing file or key gives the default.
int ReadSetting(const char* section, const char* key, int defaultValue);
// Writes "%ld" of the value; returns whether it was written.
bool WriteSettingNumber(const char* section, const char* key, long value);

WindowGeometry ReadWindowGeometry();
void WriteWindowGeometry(const RECT& outer);
