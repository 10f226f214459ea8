#include "base/command_line.h"

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

const char* CommandLineAfterProgramName(const char* commandLine) {
    // Bytes compared unsigned: as signed chars, those above 127 would end the name.
    const auto* at = reinterpret_cast<const unsigned char*>(commandLine);
    if (at == nullptr)
        return nullptr;
    for (bool quoted = false; *at > ' ' || (*at != 0 && quoted); ++at) {
        if (*at == '"')
            quoted = !quoted;
    }
    while (*at != 0 && *at <= ' ')
        ++at;
    return reinterpret_cast<const char*>(at);
}
