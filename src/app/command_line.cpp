#include "app/command_line.h"

#include <cstring>

bool ListPathFromCommandLine(const char* commandLine, std::string& path) {
    const size_t maxPath = 259;
    size_t length = commandLine ? std::strlen(commandLine) : 0;
    if (length == 0)
        return false;
    if (commandLine[0] == '"') {
        if (length < 2)
            return false;
        path.assign(commandLine + 1, length - 2);
    } else {
        path.assign(commandLine, length);
    }
    return !path.empty() && path.size() <= maxPath;
}
