// The list file named on the command line.
#pragma once

#include <string>

// The path the command line names, or false when it names none: an empty line, a lone '"', or a
// path longer than the 259 characters a path may have. A line that starts with '"' loses its
// first and last character; any other line is taken whole, blanks included.
bool ListPathFromCommandLine(const char* commandLine, std::string& path);

// What the program is handed as its command line: the process's whole command line less the
// program's name and the blanks after it. The name ends at the first blank or control character
// outside double quotes; every byte above 127 (a path in the ANSI code page) belongs to it.
const char* CommandLineAfterProgramName(const char* commandLine);
