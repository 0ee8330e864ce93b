// The main window's figures: the summary of 200 and 1,000 employees built and painted, the
// program's start to its first painted frame, and how the window answers while a load runs.
// Run it with bench/mainwindow/run_window_bench.sh (it starts the demo server it needs).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include <windows.h>

#include "SummaryFigures.h"
#include "bench/Clock.h"

namespace {

double MedianMilliseconds(const std::vector<double>& seconds)
{
    return Bench::Median(seconds) * 1000;
}

// The median of several runs of each phase, after a run that warms fonts, images and caches.
void PrintSummaryFigures(int employees)
{
    const int kRuns = 5;
    MeasureSummary(employees);
    std::vector<double> markup, refresh, paint, total;
    for (int run = 0; run < kRuns; ++run) {
        SummaryTimes times = MeasureSummary(employees);
        markup.push_back(times.markup);
        refresh.push_back(times.refresh);
        paint.push_back(times.paint);
        total.push_back(times.refresh + times.paint);
    }
    std::printf("RefreshSummary of %d employees x 31 days, built and painted: %.1f ms (median of %d)\n", employees,
                MedianMilliseconds(total), kRuns);
    std::printf("  of which the call %.1f ms and the paint %.1f ms; the rows' markup alone, missing items "
                "included: %.1f ms\n",
                MedianMilliseconds(refresh), MedianMilliseconds(paint), MedianMilliseconds(markup));
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const wchar_t* server = _wgetenv(L"PELLWORTH_DEMO_LOAD");
    if (argc != 2 || !server) {
        std::printf("usage: PELLWORTH_DEMO_LOAD=URL bench_mainwindow.exe PELLWORTH_EXE\n");
        return 2;
    }
    for (int employees : { 200, 1000 })
        PrintSummaryFigures(employees);
    double startUp = MeasureStartUp(argv[1]);
    if (startUp < 0) {
        std::printf("window bench: the program did not start\n");
        return 1;
    }
    std::printf("program start to its first painted frame: %.0f ms\n", startUp * 1000);
    return MeasureResponsiveness(server) ? 0 : 1;
}
