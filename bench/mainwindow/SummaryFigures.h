#pragma once
// The three figures of the main window's benchmark, each measured on its own.

// RefreshSummary of employees x 31 days, in seconds: the rows' markup alone (missing items
// included), the call itself (the markup in the page), and the paint that lays it out.
struct SummaryTimes {
    double markup = 0, refresh = 0, paint = 0;
};
SummaryTimes MeasureSummary(int employees);
// From CreateProcess of the program to its window answering after its first paint; seconds.
double MeasureStartUp(const wchar_t* program);
// The program's own view and controller load a company from the demo server at `serverUrl`;
// prints how long the window took to answer while the load ran, and its longest task.
bool MeasureResponsiveness(const wchar_t* serverUrl);
