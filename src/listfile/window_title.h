// The main window's title: the program's name with the current list file's name, when there is
// one.
#pragma once

#include <string>

// The title of the main window without a list file: the one it is created with.
constexpr char PlainWindowTitle[] = "Marlix32  by Velquist";

// A list file name longer than this is cut to it and followed by "...".
constexpr size_t MaxTitleFileNameLength = 24;

// With a file: "Marlix32 - " and currentListTitle (cut as above). Without: PlainWindowTitle.
std::string WindowTitleText(bool hasFile, const char* currentListTitle);
