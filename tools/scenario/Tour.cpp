// The demo's tour (scripts/demo.sh without a display): the real program, started afresh in
// the demo's prefix, taken through a bookkeeper's first morning with real input: the login,
// the settings, a preview, the missing data, the import. A picture of every step goes to
// the pictures folder; what the simulated company holds afterwards is printed.
//     tour.exe PELLWORTH_EXE COMPANY_TEMPLATE STAGE_FOLDER PICTURES_FOLDER SERVER_URL
#include <windows.h>

#include <cstdio>
#include <exception>
#include <map>
#include <set>

#include "core/KnownFolders.h"
#include "tools/programdriver/DriverError.h"
#include "tools/programdriver/WindowShot.h"
#include "tools/scenario/Bookkeeper.h"
#include "tools/scenario/DemoChoices.h"
#include "tools/scenario/SimulatedCompany.h"
#include "tools/scenario/Stage.h"

using namespace scenario;

namespace {

// A new state is painted within a few frames of showing.
const DWORD kPaintMs = 300;
const wchar_t kPreviewedEmployee[] = L"Chloë Lefèvre-Coeur";

class Pictures {
public:
    explicit Pictures(const std::wstring& folder) : m_folder(folder) { Quorvane::CreateFolderTree(folder); }

    void Take(const std::wstring& state, HWND window)
    {
        driver::Pause(kPaintMs);
        wchar_t number[8];
        swprintf(number, 8, L"%02d-", ++m_count);
        std::wstring path = m_folder + L"\\" + number + state + L".png";
        driver::SaveWindowShot(window, path);
        std::printf("tour: %s\n", driver::Narrow(path).c_str());
    }

private:
    std::wstring m_folder;
    int m_count = 0;
};

void PrintList(const char* heading, const std::vector<std::wstring>& names)
{
    std::printf("%s (%u):\n", heading, static_cast<unsigned>(names.size()));
    for (const std::wstring& name : names)
        std::printf("  %s\n", driver::Narrow(name).c_str());
}

std::wstring EntryKey(const TimeEntry& entry)
{
    return entry.date + L" " + entry.employee + L" " + entry.customerJob + L" " + entry.serviceItem + L" " +
           std::to_wstring(entry.minutes);
}

std::wstring Hours(int minutes)
{
    wchar_t text[16];
    swprintf(text, 16, L"%d:%02d", minutes / 60, minutes % 60);
    return text;
}

// The entries the import added (those the template did not hold), by employee.
void PrintImportedEntries(const SimulatedCompany& before, const SimulatedCompany& after)
{
    std::multiset<std::wstring> old;
    for (const TimeEntry& entry : before.TimeEntries())
        old.insert(EntryKey(entry));
    std::map<std::wstring, std::pair<int, int>> byEmployee;  // entries, minutes
    int count = 0;
    for (const TimeEntry& entry : after.TimeEntries()) {
        auto found = old.find(EntryKey(entry));
        if (found != old.end()) {
            old.erase(found);
            continue;
        }
        ++count;
        byEmployee[entry.employee].first += 1;
        byEmployee[entry.employee].second += entry.minutes;
    }
    std::printf("Time entries imported (%d):\n", count);
    for (const auto& employee : byEmployee)
        std::printf("  %s: %d entries, %s hours\n", driver::Narrow(employee.first).c_str(), employee.second.first,
                    driver::Narrow(Hours(employee.second.second)).c_str());
}

bool Everything(const MissingItem&)
{
    return true;
}

void Walk(driver::Program& program, Pictures& pictures, const std::wstring& url, DWORD started)
{
    Bookkeeper bookkeeper(program, [&](const std::wstring& state, HWND window) { pictures.Take(state, window); });
    DWORD shown = GetTickCount() - started;
    bookkeeper.LogIn({ url, L"JSmith", L"secret" }, L"guess");
    bookkeeper.WaitForMappingProblems();
    bookkeeper.ChangeSettings(FirstSetUp());
    bookkeeper.WaitForSummary();
    pictures.Take(L"main-summary", bookkeeper.MainWindow().Handle());
    bookkeeper.Preview(kPreviewedEmployee);
    bookkeeper.CreateMissingData(&Everything);
    // The summary shows what was missing until it is loaded again.
    bookkeeper.Reload();
    bookkeeper.SelectAll();
    DWORD importStarted = GetTickCount();
    bool succeeded = bookkeeper.Import();
    DWORD imported = GetTickCount() - importStarted;
    std::printf("tour: the import %s\n", succeeded ? "succeeded" : "ended with problems: see its log");
    bookkeeper.CloseImportProgress();
    std::printf("tour: the main window shown and answering %lu ms after the start\n", shown);
    std::printf(
        "tour: from pressing Import to the end of the progress: %lu ms (the question and pictures on the way)\n",
        imported);
}

void PrintCompany(const Stage& stage, const std::wstring& companyTemplate)
{
    std::printf("\nThe simulated QuickBooks company \"%s\" now holds:\n", driver::Narrow(stage.CompanyName()).c_str());
    SimulatedCompany company(stage.CompanyFile());
    PrintList("Employees", company.Employees());
    PrintList("Customers:Jobs", company.CustomerJobs());
    PrintList("Service items", company.ServiceItems());
    PrintImportedEntries(SimulatedCompany(companyTemplate), company);
}

void ShowWhatFailed(driver::Program& program, const std::wstring& folder)
{
    for (const auto& saved : driver::SaveShownWindowShots(program.Process().Id(), folder + L"\\failure"))
        std::fprintf(stderr, "tour: the window \"%s\" as it was: %s\n", driver::Narrow(saved.first).c_str(),
                     driver::Narrow(saved.second).c_str());
}

void RunTour(wchar_t** argv)
{
    Stage stage(argv[3], argv[2]);
    Pictures pictures(argv[4]);
    DWORD started = GetTickCount();
    driver::Program program(argv[1], stage.ProgramEnvironment());
    try {
        Walk(program, pictures, argv[5], started);
    } catch (const std::exception&) {
        ShowWhatFailed(program, argv[4]);
        throw;
    }
    PrintCompany(stage, argv[2]);
}
}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: tour.exe PELLWORTH_EXE COMPANY_TEMPLATE STAGE_FOLDER PICTURES_FOLDER SERVER_URL\n");
        return 2;
    }
    try {
        RunTour(argv);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "tour: %s\n", failure.what());
        return 1;
    }
    return 0;
}
