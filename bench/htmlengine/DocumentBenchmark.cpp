// Prints how long the summary table's heaviest operations take: setting the markup of
// 1,000 rows of seven cells, and selecting every row by an attribute selector. Run it under
// xvfb-run with the Wine emulator; it is not part of the test run.
#include "htmlengine/api/EngineDocument.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

const char kPage[] =
    "<html><head><style>"
    "tr.datarow[rowSelect=true] td { font-weight: bold }"
    "tbody#T input[type=checkbox] { on-change: { self.parent('tr')@rowSelect = self:value; host UpdateTotal(); } }"
    "span.employee { on-click: host ShowDetailedPreview(self@id); }"
    "td[colType=colBilledFlag] img { behavior: clickable }"
    ".tabs { behavior: tabs } .tbl { behavior: grid column-resizer }"
    "</style></head><body><table><tbody id=T></tbody></table></body></html>";

std::string Rows(int count)
{
    std::string html;
    for (int i = 0; i < count; ++i) {
        std::string n = std::to_string(i);
        html += "<tr class=datarow rowSelect=true employeeId=" + n + "><td><input type=checkbox id=u" + n +
                " checked></td><td><span class=employee>Employee " + n +
                "</span></td><td>8:00</td><td>7:30</td><td colType=colBilledFlag billed=0><img src=IDR_CHECK.png></td>"
                "<td colType=colConflictFlag>0</td><td>" +
                n + "</td></tr>";
    }
    return html;
}

BOOL CALLBACK Count(HELEMENT, LPVOID param)
{
    ++*static_cast<int*>(param);
    return FALSE;
}

BOOL CALLBACK First(HELEMENT he, LPVOID param)
{
    *static_cast<HELEMENT*>(param) = he;
    return TRUE;
}

// Wall time and this thread's processor time: on a busy machine the second is the fair one.
struct Stopwatch {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    double cpu = ThreadMilliseconds();

    static double ThreadMilliseconds()
    {
        FILETIME created, exited, kernel, user;
        GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
        auto ticks = [](const FILETIME& t) {
            return (double(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4;
        };
        return ticks(kernel) + ticks(user);
    }
    std::string Elapsed() const
    {
        char text[64];
        std::snprintf(text, sizeof text, "%.1f ms (processor %.1f ms)",
                      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall).count(),
                      ThreadMilliseconds() - cpu);
        return text;
    }
};

}  // namespace

int main()
{
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HTMLayoutLoadHtmlEx(hwnd, reinterpret_cast<const BYTE*>(kPage), sizeof kPage - 1, L"");
    HELEMENT root = nullptr, body = nullptr;
    HTMLayoutGetRootElement(hwnd, &root);
    HTMLayoutSelectElements(root, "tbody#T", First, &body);
    std::string rows = Rows(1000);
    for (int round = 1; round <= 8; ++round) {
        Stopwatch setting;
        HTMLayoutSetElementHtml(body, reinterpret_cast<const BYTE*>(rows.data()), DWORD(rows.size()), 0);
        std::string set = setting.Elapsed();
        Stopwatch selecting;
        int selected = 0;
        HTMLayoutSelectElements(root, "tr.datarow[rowSelect=\"true\"]", Count, &selected);
        std::string select = selecting.Elapsed();
        std::printf("round %d: set 1000 rows x 7 cells %s; select %d rows by attribute %s\n", round, set.c_str(),
                    selected, select.c_str());
    }
    DestroyWindow(hwnd);
    return 0;
}
