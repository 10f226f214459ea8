// The printer named by the "device" entry of WIN.INI's [windows] section, and the printer line
// that the list-choice dialog shows.
#pragma once

#include <string>

// "device name,driver name,port" split at its commas; a part beyond the third is ignored.
// Missing parts are empty. Bytes are kept as they stand (no spaces are trimmed).
struct DeviceEntry {
    std::string device;
    std::string driver;
    std::string port;
    // All three parts present and not empty: only then can a printer context be created.
    bool complete;
};

DeviceEntry SplitDeviceEntry(const std::string& entry);

// "%s on %s" with the device name and the port.
std::string PrinterLineText(const std::string& device, const std::string& port);
