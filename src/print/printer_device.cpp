#include "print/printer_device.h"

DeviceEntry SplitDeviceEntry(const std::string& entry) {
    std::string parts[3];
    std::size_t start = 0;
    int present = 0;
    while (present < 3) {
        const std::size_t comma = entry.find(',', start);
        parts[present++] = entry.substr(start, comma == std::string::npos ? comma : comma - start);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    const bool complete =
        present == 3 && !parts[0].empty() && !parts[1].empty() && !parts[2].empty();
    return {parts[0], parts[1], parts[2], complete};
}

std::string PrinterLineText(const std::string& device, const std::string& port) {
    return device + " on " + port;
}
