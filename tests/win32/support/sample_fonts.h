// A catalogue to test and time against: fonts of real family names in four styles, each with
// its own file names.
#pragma once

#include <string>
#include <vector>

// "name=C:\PSFONTS\PFM\xxx.PFM,C:\PSFONTS\xxx.PFB" lines, as atm.ini's [Fonts] section holds
// them; past the ninth family's fourth style the names repeat with a number.
std::vector<std::string> SampleFontLines(int count);
// An atm.ini whose [Fonts] section holds these lines (CR LF).
std::string AtmIniText(const std::vector<std::string>& fontLines);
