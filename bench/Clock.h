#pragma once
// The benchmarks' one clock: seconds on the performance counter.
#include <windows.h>

namespace Bench {

inline double Seconds()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / frequency.QuadPart;
}

}  // namespace Bench
