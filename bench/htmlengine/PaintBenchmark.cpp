// Prints how fast a page shaped like the main window, with a 1,000-row, 8-column summary
// table, loads, lays out, scrolls, answers a click and a typed character, each measured to
// the end of the repaint, and how much memory the engine takes for it. Needs a display: run
// it under xvfb-run with the Wine emulator; it is not part of the test run.
#include "htmlengine/api/EngineDocument.h"
#include "htmlengine/api/EngineTestHooks.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

const wchar_t kClassName[] = L"PaintBenchmarkWindow";

const char kHead[] =
    "<html><head><style>"
    "html { font: 12px 'Segoe UI', Tahoma, sans-serif; color: #1E2A33; background-color: #F3F4F6 }"
    "body { margin: 0 } #header { height: 72px; background-color: white; padding: 0 12px; display: flex;"
    " align-items: center; gap: 24px } h1 { font-size: 16px; font-weight: 600; margin: 0 }"
    "#toolbar { height: 48px; background-color: white; border-top: 1px solid #DCE0E4;"
    " border-bottom: 1px solid #DCE0E4; display: flex; align-items: center; gap: 8px; padding: 0 12px }"
    "#viewArea { position: absolute; left: 12px; right: 12px; top: 134px; bottom: 12px; overflow-y: auto;"
    " background-color: white; border: 1px solid #DCE0E4 }"
    "table { width: 100%; border-collapse: collapse } th { height: 40px; background-color: #F7F8FA; text-align: left }"
    "td { height: 28px; border-top: 1px solid #EDF0F2; padding: 0 8px } td.t { text-align: right; width: 116px }"
    "tr:nth-child(even) td { background-color: #FBFCFD } tr[rowSelect=true] td { background-color: #EEF5FB }"
    "a.name { color: #2B6A99 } .u { color: #A3A3A3 }"
    "</style></head><body><div id=header><h1>Quorvane Pellworth</h1><input id=search value='Ana'></div>"
    "<div id=toolbar><button>Settings</button><button>Import History</button><button>Reload</button>"
    "<button disabled>Import Selected</button></div><div id=viewArea><table id=T><tr><th></th><th>Employee</th>"
    "<th>select all | updated | none</th><th></th><th>Time in QB, Before Import</th><th></th><th></th>"
    "<th>After Import</th></tr>";

std::string Page(int rows)
{
    std::string html = kHead;
    for (int i = 0; i < rows; ++i) {
        std::string n = std::to_string(i);
        html += "<tr rowSelect=" + std::string(i % 3 ? "false" : "true") + "><td><input type=checkbox id=c" + n +
                (i % 3 ? "" : " checked") + "></td><td><a class=name href='#e" + n + "'>Employee " + n +
                "</a></td><td>updated</td><td></td><td class=t>" + std::to_string(i % 40) +
                ":00</td><td></td><td></td><td class='t u'>" + std::to_string(i % 40 + 1) + ":30</td></tr>";
    }
    return html + "</table></div></body></html>";
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    BOOL handled = FALSE;
    LRESULT result = HTMLayoutProcND(hwnd, msg, wParam, lParam, &handled);
    return handled ? result : DefWindowProcW(hwnd, msg, wParam, lParam);
}

[[noreturn]] void Fail(const char* why)
{
    std::fprintf(stderr, "bench_htmlengine_paint: %s\n", why);
    std::exit(1);
}

HWND CreateBenchWindow()
{
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;  // as the main window's: a resize redraws it whole
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    RECT frame = { 0, 0, 900, 700 };
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND hwnd = CreateWindowExW(0, kClassName, L"bench", WS_OVERLAPPEDWINDOW, 0, 0, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!hwnd)
        Fail("cannot create a window: it needs a display (run it under xvfb-run)");
    ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

double Milliseconds(const std::function<void()>& work)
{
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The median of `runs` measurements, each after the messages of the one before were handled.
double Median(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        Pump();
        times.push_back(Milliseconds(work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Repaint(HWND hwnd)
{
    UpdateWindow(hwnd);
    GdiFlush();
}

void Load(HWND hwnd, const std::string& page)
{
    if (!HTMLayoutLoadHtmlEx(hwnd, reinterpret_cast<const BYTE*>(page.data()), UINT(page.size()), L""))
        Fail("the engine did not load the page");
    InvalidateRect(hwnd, nullptr, FALSE);
    Repaint(hwnd);
}

BOOL CALLBACK First(HELEMENT he, LPVOID param)
{
    *static_cast<HELEMENT*>(param) = he;
    return TRUE;
}

HELEMENT Find(HWND hwnd, const char* selector)
{
    HELEMENT root = nullptr, found = nullptr;
    HTMLayoutGetRootElement(hwnd, &root);
    HTMLayoutSelectElements(root, selector, First, &found);
    if (!found)
        Fail("the page lacks an element the benchmark needs");
    return found;
}

UINT State(HWND hwnd, const char* selector)
{
    UINT state = 0;
    HTMLayoutGetElementState(Find(hwnd, selector), &state);
    return state;
}

void CALLBACK TakeText(const wchar_t* text, UINT length, LPVOID param)
{
    static_cast<std::wstring*>(param)->assign(text, length);
}

std::wstring ShownText(HWND hwnd, const char* selector)
{
    std::wstring text;
    HTMLayoutTestShownText(Find(hwnd, selector), TakeText, &text);
    return text;
}

POINT CenterOf(HWND hwnd, const char* selector)
{
    HELEMENT found = Find(hwnd, selector);
    RECT box = {};
    if (HTMLayoutGetElementLocation(found, &box, LOCATION_VIEW_BORDER_BOX) != ENGINE_OK || box.right <= box.left)
        Fail("layout gave an element of the page no place");
    return { (box.left + box.right) / 2, (box.top + box.bottom) / 2 };
}

void Click(HWND hwnd, POINT at)
{
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

size_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PagefileUsage;  // the private bytes: Wine leaves PrivateUsage 0
}

// The engine's private bytes for one more window showing the page.
double MegabytesForAPage(const std::string& page)
{
    size_t before = PrivateBytes();
    HWND window = CreateBenchWindow();
    Load(window, page);
    size_t after = PrivateBytes();
    DestroyWindow(window);
    return (after - before) / 1048576.0;
}

// The whole resize, and its two parts: SetWindowPos (Wine's window manager and window surface,
// and the engine's WM_SIZE, which only invalidates) and the relayout and repaint that follow.
struct ResizeTimes {
    double whole, setWindowPos, relayout;
};

ResizeTimes Resize(HWND hwnd)
{
    int width = 900;
    std::vector<double> moves, relayouts;
    double whole = Median(9, [&] {
        width = width == 900 ? 1000 : 900;
        moves.push_back(Milliseconds(
            [&] { SetWindowPos(hwnd, nullptr, 0, 0, width, 740, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); }));
        relayouts.push_back(Milliseconds([&] { Repaint(hwnd); }));
    });
    std::sort(moves.begin(), moves.end());
    std::sort(relayouts.begin(), relayouts.end());
    return { whole, moves[moves.size() / 2], relayouts[relayouts.size() / 2] };
}

double Wheel(HWND hwnd)
{
    POINT screen = CenterOf(hwnd, "#viewArea");
    ClientToScreen(hwnd, &screen);
    POINT rowBefore = CenterOf(hwnd, "#c20");
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -120), MAKELPARAM(screen.x, screen.y));
    if (CenterOf(hwnd, "#c20").y == rowBefore.y)
        Fail("the wheel did not scroll the table");
    int direction = -120;
    return Median(9, [&] {
        direction = -direction;
        SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, direction), MAKELPARAM(screen.x, screen.y));
        Repaint(hwnd);
    });
}

double CheckBoxClicks(HWND hwnd)
{
    POINT boxes[] = { CenterOf(hwnd, "#c8"), CenterOf(hwnd, "#c11") };  // by turns: no double clicks
    UINT stateBefore = State(hwnd, "#c8");
    int turn = 0;
    double time = Median(9, [&] {
        Click(hwnd, boxes[turn++ % 2]);
        Repaint(hwnd);
    });
    if (((State(hwnd, "#c8") ^ stateBefore) & STATE_CHECKED) == 0)
        Fail("the clicks did not toggle the check box");
    return time;
}

double Typing(HWND hwnd)
{
    Click(hwnd, CenterOf(hwnd, "#search"));
    std::wstring shown = ShownText(hwnd, "#search");
    double time = Median(9, [&] {
        SendMessageW(hwnd, WM_CHAR, L'a', 1);
        Repaint(hwnd);
    });
    if (ShownText(hwnd, "#search").size() != shown.size() + 9)
        Fail("typing did not reach the edit");
    return time;
}

}  // namespace

int main()
{
    HWND hwnd = CreateBenchWindow();
    std::string rows1000 = Page(1000), rows2000 = Page(2000);
    Load(hwnd, rows1000);  // warms fonts, pictures and caches
    double memory = MegabytesForAPage(rows1000);
    double load1000 = Median(9, [&] { Load(hwnd, rows1000); });
    double load2000 = Median(9, [&] { Load(hwnd, rows2000); });
    Load(hwnd, rows1000);
    ResizeTimes resize = Resize(hwnd);
    double repaint = Median(9, [&] {
        InvalidateRect(hwnd, nullptr, FALSE);
        Repaint(hwnd);
    });
    double wheel = Wheel(hwnd), check = CheckBoxClicks(hwnd), typed = Typing(hwnd);
    std::printf("1,000-row summary page, 900 x 700 (median, to the end of the repaint):\n");
    std::printf("  load to first painted frame   %7.1f ms  (bar 150)\n", load1000);
    std::printf("  relayout after a resize       %7.1f ms  (bar 40)\n", resize.whole);
    std::printf("    of which SetWindowPos       %7.1f ms, the relayout and repaint %.1f ms\n", resize.setWindowPos,
                resize.relayout);
    std::printf("  repaint, nothing changed      %7.1f ms\n", repaint);
    std::printf("  one wheel step                %7.1f ms  (bar 10)\n", wheel);
    std::printf("  a check-box click             %7.1f ms  (bar 10)\n", check);
    std::printf("  one typed character           %7.1f ms  (bar 5)\n", typed);
    std::printf("  2,000 rows take               %7.2f x 1,000 rows  (bar 2.2)\n", load2000 / load1000);
    std::printf("  engine memory for the page    %7.1f MB  (bar 40)\n", memory);
    DestroyWindow(hwnd);
    return 0;
}
