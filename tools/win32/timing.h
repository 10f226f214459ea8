// What the measuring tools share: a millisecond clock, samples reported as median and minimum,
// and the start of a program timed until it first waits for input.
#pragma once

#include <string>
#include <vector>

// Milliseconds since some fixed moment, from the performance counter.
double Now();

double Median(std::vector<double> samples);
double Minimum(const std::vector<double>& samples);

struct Figures {
    explicit Figures(const char* name) : what(name) {}
    const char* what;
    std::vector<double> samples;
};

// One line: the name, the median and minimum in ms, and the number of runs.
void Report(const Figures& figures);

// From CreateProcess until the new program first waits for input with its window shown, in ms;
// the program is then closed. -1 when it did not start or never got idle.
double TimeProgramStart(const std::string& commandLine);
