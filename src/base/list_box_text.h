// The text of one item of a list box.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// The item's text, whatever its length; empty when the list box has no such item.
std::string ListBoxText(HWND listBox, LRESULT index);
// Copies the item's text into buffer (size bytes), allocating nothing: for window procedures.
// False when there is no such item or its text and the terminator do not fit.
bool ListBoxTextFits(HWND listBox, LRESULT index, char* buffer, size_t size);
