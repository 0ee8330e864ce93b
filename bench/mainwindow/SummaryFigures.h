#pragma once
// The three figures of the main window's benchmark, each measured on its own.

// RefreshSummary of employees x 31 days, built and painted; seconds.
double MeasureSummary(int employees);
// From CreateProcess of the program to its window answering after its first paint; seconds.
double MeasureStartUp(const wchar_t* program);
// The program's own view and controller load a company from the demo server at `serverUrl`;
// prints the longest time the window took to answer while the load ran.
bool MeasureResponsiveness(const wchar_t* serverUrl);
