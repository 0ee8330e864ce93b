// Times the settings dialog over a company of 500 server users and 500 QuickBooks employees,
// every employee offered in every user's select: opening it to its first painted frame, saving
// every tab as "Save Settings" does, and one change of a mapping (save and refresh of all tabs).
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
#include "ui/dialogs/settings/SettingsDialog.h"
#include "ui/toolkit/Element.h"
#include "ui/toolkit/PageResources.h"

namespace {

const int Users = 500;
const int Runs = 5;

std::wstring Number(const wchar_t* prefix, int n) {
    wchar_t text[32];
    swprintf(text, 32, L"%ls%d", prefix, n);
    return text;
}

// A third of the users mapped, the rest undecided and new; everyone needs a payroll choice.
void FillCompany(TestCompany& company) {
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

class TimedDialog : public SettingsDialog {
public:
    explicit TimedDialog(const boost::shared_ptr<MainModel>& model) : SettingsDialog(0, model) {}
    ~TimedDialog() {
        if (hwnd && IsWindow(hwnd))
            DestroyWindow(hwnd);
    }
    // Loads the page, shows the window and paints it once; false when a step failed.
    bool Show(const unsigned char* page, UINT size) {
        html = page;
        html_size = size;
        if (!create())
            return false;
        ShowWindow(hwnd, SW_SHOW);
        return UpdateWindow(hwnd) != FALSE;
    }
    HWND Window() const { return hwnd; }
};

HELEMENT FindElement(HWND window, const char* selector) {
    return htmlayout::dom::element::root_element(window).find_first("%s", selector);
}

double Milliseconds(double since) {
    return 1000.0 * (Bench::Seconds() - since);
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    const unsigned char* page = 0;
    UINT size = 0;
    if (!LoadHtmlResource(GetModuleHandleW(0), MAKEINTRESOURCEW(134), &page, &size)) {
        std::printf("settings bench: page 134 is not among the resources\n");
        return 1;
    }
    std::vector<double> opening, saving, changing;
    for (int run = 0; run < Runs; ++run) {
        TestCompany company;
        FillCompany(company);
        double start = Bench::Seconds();
        TimedDialog dialog(company.model);
        if (!dialog.Show(page, size)) {
            std::printf("settings bench: the dialog window could not be shown (is there a display?)\n");
            return 1;
        }
        opening.push_back(Milliseconds(start));
        HELEMENT select = FindElement(dialog.Window(), "#mappingTable select");
        if (!select) {
            std::printf("settings bench: the mapping table has no rows\n");
            return 1;
        }
        start = Bench::Seconds();
        HTMLayoutTestClick(FindElement(dialog.Window(), "#Save"), 0);
        saving.push_back(Milliseconds(start));
        start = Bench::Seconds();
        HTMLayoutTestChooseOption(select, 2, 0);
        changing.push_back(Milliseconds(start));
    }
    std::printf("settings dialog, %d server users x %d QuickBooks employees, median of %d runs:\n", Users, Users,
                Runs);
    std::printf("  open to the first painted frame  %8.1f ms\n", Median(opening));
    std::printf("  save every tab (Save Settings)   %8.1f ms\n", Median(saving));
    std::printf("  change one mapping (save+refresh) %7.1f ms\n", Median(changing));
    return 0;
}
