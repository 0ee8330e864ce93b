// The program from its start to a window that has painted and answers.
#include "SummaryFigures.h"

#include <string>

#include "bench/Clock.h"

double MeasureStartUp(const wchar_t* program)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::wstring commandLine = std::wstring(L"\"") + program + L"\"";
    double start = Bench::Seconds();
    if (!CreateProcessW(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    double answered = -1;
    // The window is painted by UpdateWindow before its loop runs: once the loop answers, the
    // first frame is on the screen.
    for (int i = 0; i < 1000 && answered < 0; ++i) {
        HWND window = FindWindowW(L"WIN32", L"Quorvane Pellworth");
        DWORD_PTR result = 0;
        if (window && IsWindowVisible(window) &&
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result)) {
            answered = Bench::Seconds() - start;
            PostMessageW(window, WM_CLOSE, 0, 0);
        } else {
            Sleep(5);
        }
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return answered;
}
