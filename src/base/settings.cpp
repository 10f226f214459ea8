#include "base/settings.h"

#include <cstring>

const char SettingsFile[] = "Marlix.ini";

int ReadSetting(const char* section, const char* key, int defaultValue) {
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, SettingsFile));
}

bool WriteSettingNumber(const char* section, const char* key, long value) {
    char text[24]; // wsprintfA, not the C runtime's printf, which needs a newer processor
    wsprintfA(text, "%ld", value);
    // Some settings are written at every start: one that already holds the value is left alone.
    char stored[sizeof text] = "";
    GetPrivateProfileStringA(section, key, "", stored, sizeof stored, SettingsFile);
    if (std::strcmp(stored, text) == 0)
        return true;
    return WritePrivateProfileStringA(section, key, text, SettingsFile) != FALSE;
}

WindowGeometry ReadWindowGeometry() {
    WindowGeometry stored;
    stored.width = ReadSetting("Window", "LastWidth", DefaultGeometry.width);
    stored.height = ReadSetting("Window", "LastHeight", DefaultGeometry.height);
    stored.left = ReadSetting("Window", "LastLeft", DefaultGeometry.left);
    stored.top = ReadSetting("Window", "LastTop", DefaultGeometry.top);
    return AcceptGeometry(stored);
}

void WriteWindowGeometry(const RECT& outer) {
    WriteSettingNumber("Window", "LastWidth", outer.right - outer.left);
    WriteSettingNumber("Window", "LastHeight", outer.bottom - outer.top);
    WriteSettingNumber("Window", "LastLeft", outer.left);
    WriteSettingNumber("Window", "LastTop", outer.top);
}
