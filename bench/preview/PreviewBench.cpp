// Times the preview of a month for a generated company whose QuickBooks side already holds what
// the server has (the state after an import), at three sizes, and prints the figures with the
// time per user, whose spread shows whether the build stays linear.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "app/PreviewBuild.h"
#include "bench/Clock.h"
#include "tests/app/TestCompany.h"

namespace {

const int EntriesPerDay = 4;
const int Runs = 5;

void NoAbort() {}

std::wstring Number(const wchar_t* prefix, int n)
{
    wchar_t text[32];
    swprintf(text, 32, L"%ls%d", prefix, n);
    return text;
}

void AddUser(TestCompany& company, int n)
{
    TestCompany::EmployeePtr user = company.AddServerUser(Number(L"", n), Number(L"First", n), L"Last");
    TestCompany::EmployeePtr employee = company.AddQuickBooksEmployee(Number(L"E", n), Number(L"First", n), L"Last");
    company.MapEmployee(user->GetId(), employee->GetId());
    company.MapPayroll(user->GetId(), L"P1");
    for (int day = 1; day <= 31; ++day) {
        for (int k = 0; k < EntriesPerDay; ++k) {
            const std::wstring customer = Number(L"Customer", k % 3);
            const std::wstring notes = Number(L"Work ", k);
            company.AddServerWork(user, day, 60 + k, customer, L"Project", notes, k % 2);
            company.AddQuickBooksEntry(employee, day, 60 + k, customer + L":Project", L"Labor", notes, k % 2,
                                       L"Hourly");
        }
    }
}

// The median of several builds over one company.
double TimePreview(int users)
{
    TestCompany company;
    company.AddPayrollItem(L"P1", L"Hourly");
    for (int n = 1; n <= users; ++n)
        AddUser(company, n);
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        double start = Bench::Seconds();
        BuildPreview(company.model, &NoAbort);
        times.push_back(1000.0 * (Bench::Seconds() - start));
    }
    std::sort(times.begin(), times.end());
    return times[Runs / 2];
}

}  // namespace

int main()
{
    const int sizes[] = { 100, 200, 400 };
    double times[3];
    for (int n = 0; n < 3; ++n)
        times[n] = TimePreview(sizes[n]);
    std::printf("preview, 31 days x %d entries on both sides, median of %d builds\n", EntriesPerDay, Runs);
    for (int n = 0; n < 3; ++n)
        std::printf("  %d users: %8.1f ms (%.1f us per user, %.2f times the 100 users)\n", sizes[n], times[n],
                    1000.0 * times[n] / sizes[n], times[n] / times[0]);
    return 0;
}
