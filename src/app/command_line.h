// The list file named on the command line.
#pragma once

#include <string>

// The path the command line names, or false when it names none: an empty line, a lone '"', or a
// path longer than the 259 characters a path may have. A line that starts with '"' loses its
// first and last character; any other line is taken whole, blanks included.
bool ListPathFromCommandLine(const char* commandLine, std::string& path);
