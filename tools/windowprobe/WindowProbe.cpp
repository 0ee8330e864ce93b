// windowprobe: registers a window class, makes a window, shows it, waits for its first paint and
// destroys it. Exits 0 when all of that worked, otherwise 1 with one line saying which step
// failed (and Windows' error code where a call failed and gave one).
#include <windows.h>

#include <cstdio>

namespace {

const wchar_t kClassName[] = L"WindowProbe";
const DWORD kPaintWaitMs = 5000;

bool g_painted = false;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
        g_painted = true;
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int Fail(const char* step)
{
    std::fprintf(stderr, "windowprobe: %s\n", step);
    return 1;
}

// Wine's windowless driver refuses windows without setting an error code: none is shown then.
int FailedCall(const char* step)
{
    DWORD error = GetLastError();
    if (!error)
        return Fail(step);
    std::fprintf(stderr, "windowprobe: %s (error %lu)\n", step, error);
    return 1;
}

// Pumps the thread's messages until the window has painted or the wait is over.
void PumpUntilPainted()
{
    DWORD start = GetTickCount();
    while (!g_painted && GetTickCount() - start < kPaintWaitMs) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        if (!g_painted)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

}  // namespace

int main()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ProbeProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassW(&windowClass))
        return FailedCall("cannot register a window class");
    HWND hwnd = CreateWindowExW(0, kClassName, L"windowprobe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                instance, nullptr);
    if (!hwnd)
        return FailedCall("cannot create a window");
    ShowWindow(hwnd, SW_SHOWNORMAL);
    PumpUntilPainted();
    bool shown = IsWindowVisible(hwnd);
    if (!DestroyWindow(hwnd))
        return FailedCall("cannot destroy its window");
    if (!shown)
        return Fail("its window could not be shown");
    if (!g_painted)
        return Fail("its window was shown but never painted");
    return 0;
}
