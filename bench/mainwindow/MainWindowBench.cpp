// The main window's figures: the summary of 200 and 1,000 employees built and painted, the
// program's start to its first painted frame, and how the window answers while a load runs.
// Run it with bench/mainwindow/run_window_bench.sh (it starts the demo server it needs).
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include <windows.h>

#include "SummaryFigures.h"

int wmain(int argc, wchar_t** argv)
{
    const wchar_t* server = _wgetenv(L"PELLWORTH_DEMO_LOAD");
    if (argc != 2 || !server) {
        std::printf("usage: PELLWORTH_DEMO_LOAD=URL bench_mainwindow.exe PELLWORTH_EXE\n");
        return 2;
    }
    for (int employees : { 200, 1000 }) {
        MeasureSummary(employees);  // warm: fonts, images and caches
        double seconds = MeasureSummary(employees);
        std::printf("RefreshSummary of %d employees x 31 days, built and painted: %.1f ms\n", employees,
                    seconds * 1000);
    }
    double startUp = MeasureStartUp(argv[1]);
    if (startUp < 0) {
        std::printf("window bench: the program did not start\n");
        return 1;
    }
    std::printf("program start to its first painted frame: %.0f ms\n", startUp * 1000);
    return MeasureResponsiveness(server) ? 0 : 1;
}
