#pragma once
// The benchmarks' one clock, seconds on the performance counter, and the median they report.
#include <windows.h>

#include <algorithm>
#include <vector>

namespace Bench {

inline double Seconds()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / frequency.QuadPart;
}

// The middle of the values (the upper one of an even count).
inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace Bench
