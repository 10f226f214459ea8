// What the measuring tools share: samples reported as median and minimum, and the start of a
// program timed until it first waits for input.
#pragma once

#include <string>
#include <vector>

double Median(std::vector<double> samples);
double Minimum(const std::vector<double>& samples);

// From CreateProcess until the new program first waits for input with its window shown, in ms;
// the program is then closed. -1 when it did not start or never got idle.
double TimeProgramStart(const std::string& commandLine);
