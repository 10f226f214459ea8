// The main window's title: the program's name with the current list file's name, when there is
// one.
#pragma once

#include <string>

// A list file name longer than this is cut to it and followed by "...".
constexpr size_t MaxTitleFileNameLength = 24;

// With a file: "Marlix32 - " and currentListTitle (cut as above). Without: the plain title the
// main window is created with.
std::string WindowTitleText(bool hasFile, const char* currentListTitle);
