// Times the settings dialog over a company of 500 server users and 500 QuickBooks employees,
// every employee offered in every user's select: opening it to its first painted frame, saving
// every tab as "Save Settings" does, a row's select taking the focus (it then offers every
// employee), and one change of a mapping there (save and refresh of all tabs).
// Run under Xvfb: the dialog is a real window.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "bench/Clock.h"
#include "core/Mapping.h"
#include "htmlengine/api/EngineTestHooks.h"
#include "tests/app/TestCompany.h"
#include "tests/settings/HostedSettingsDialog.h"
#include "ui/toolkit/Element.h"

namespace {

const int Users = 500;
const int Runs = 5;

std::wstring Number(const wchar_t* prefix, int n)
{
    wchar_t text[32];
    swprintf(text, 32, L"%ls%d", prefix, n);
    return text;
}

// A third of the users mapped, the rest undecided and new; everyone needs a payroll choice.
void FillCompany(TestCompany& company)
{
    company.AddPayrollItem(L"P1", L"Hourly");
    company.AddPayrollItem(L"P2", L"Overtime");
    company.AddLeaveType(L"1", L"Vacation");
    company.MapLeaveType(L"1", L"P1");
    for (int n = 1; n <= Users; ++n) {
        company.AddServerUser(Number(L"", n), Number(L"First", n), Number(L"Last", n));
        company.AddQuickBooksEmployee(Number(L"E", n), Number(L"Given", n), Number(L"Family", n));
        company.MapEmployee(Number(L"", n), n % 3 == 0 ? Number(L"E", n) : L"",
                            n % 3 == 0 ? Quorvane::Mapping::Mapped : Quorvane::Mapping::NotMapped);
        company.MapPayroll(Number(L"", n), L"", Quorvane::Mapping::NotMapped);
    }
}

htmlayout::dom::element FindElement(HWND window, const char* selector)
{
    return htmlayout::dom::element::root_element(window).find_first("%s", selector);
}

double Milliseconds(double since)
{
    return 1000.0 * (Bench::Seconds() - since);
}

}  // namespace

int main()
{
    std::vector<double> opening, saving, listing, changing;
    for (int run = 0; run < Runs; ++run) {
        TestCompany company;
        FillCompany(company);
        double start = Bench::Seconds();
        HostedSettingsDialog dialog(company.model);
        dialog.SetInitialTab(3);  // the employee mapping
        if (!dialog.Open(true) || !UpdateWindow(dialog.Window())) {
            std::printf("settings bench: the dialog could not be shown (page 134 missing, or no display?)\n");
            return 1;
        }
        opening.push_back(Milliseconds(start));
        const htmlayout::dom::element select = FindElement(dialog.Window(), "#mappingTable select");
        if (!select.is_valid()) {
            std::printf("settings bench: the mapping table has no rows\n");
            return 1;
        }
        start = Bench::Seconds();
        HTMLayoutTestClick(FindElement(dialog.Window(), "#Save"), 0);
        saving.push_back(Milliseconds(start));
        start = Bench::Seconds();
        HTMLayoutTestSetFocus(dialog.Window(), select);
        listing.push_back(Milliseconds(start));
        start = Bench::Seconds();
        HTMLayoutTestChooseOption(select, 2, 0);
        changing.push_back(Milliseconds(start));
    }
    std::printf("settings dialog, %d server users x %d QuickBooks employees, median of %d runs:\n", Users, Users, Runs);
    std::printf("  open to the first painted frame  %8.1f ms\n", Bench::Median(opening));
    std::printf("  save every tab (Save Settings)   %8.1f ms\n", Bench::Median(saving));
    std::printf("  first use of a row's select      %8.1f ms\n", Bench::Median(listing));
    std::printf("  change one mapping (save+refresh) %7.1f ms\n", Bench::Median(changing));
    return 0;
}
