// The system's ANSI code page, as the text routines need it: every text the program reads or
// writes (ATM.INI, WIN.INI, list files, the list boxes' names) is in it.
#pragma once

#include "base/code_page.h"

// Asked of the system once, at the first call: its lead bytes (IsDBCSLeadByte) and how it
// lowers each single byte (CharLowerA).
const CodePage& SystemCodePage();

// The character set of fonts that draw text of the system's code page: names are drawn in it (a
// font of ANSI_CHARSET shows the bytes of any other code page as Western letters).
unsigned char SystemCharset();
