// Importing the demo company as its bookkeeper does: preview, missing data, import.
#include <algorithm>
#include <map>

#include "tests/acceptance/AcceptanceTest.h"
#include "tools/programdriver/DriverError.h"
#include "tools/scenario/SimulatedCompany.h"
#include "tools/scenario/TextFile.h"

using namespace scenario;

namespace {

const wchar_t kNewEmployee[] = L"John Q Smith";

// "8:30" in minutes; 0 for an empty cell.
int ShownMinutes(const std::wstring& cell)
{
    int hours = 0, minutes = 0;
    return swscanf(cell.c_str(), L"%d:%d", &hours, &minutes) == 2 ? hours * 60 + minutes : 0;
}

// What an assignment of a trace line holds: TxnDate="2026-11-23" gives 2026-11-23.
std::wstring Assigned(const std::wstring& line, const std::wstring& path)
{
    size_t start = line.find(L" " + path + L"=");
    if (start == std::wstring::npos)
        return std::wstring();
    start += path.size() + 2;
    size_t end = line.find(L';', start);
    std::wstring value = line.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    value.erase(std::remove(value.begin(), value.end(), L'"'), value.end());
    return value;
}

// Minutes by day of the month: the period is two weeks, so each day number is one date.
typedef std::map<int, int> MinutesByDay;

MinutesByDay PreviewMinutes(const std::vector<PreviewWeek>& weeks)
{
    MinutesByDay minutes;
    for (const PreviewWeek& week : weeks)
        for (const PreviewRow& row : week.rows)
            for (size_t day = 0; day < row.days.size(); ++day)
                if (ShownMinutes(row.days[day]) > 0)
                    minutes[std::stoi(week.dayNumbers[day])] += ShownMinutes(row.days[day]);
    return minutes;
}

MinutesByDay WrittenMinutes(const std::vector<std::wstring>& adds)
{
    MinutesByDay minutes;
    for (const std::wstring& add : adds) {
        std::wstring date = Assigned(add, L"TxnDate");
        if (date.size() == 10)
            minutes[std::stoi(date.substr(8))] += DurationMinutes(Assigned(add, L"Duration"));
    }
    return minutes;
}

std::wstring OnlyImportLog(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*.txt").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return std::wstring();
    FindClose(search);
    std::wstring text;
    ReadUtf8File(folder + L"\\" + found.cFileName, 1024 * 1024, text);
    return text;
}

bool Holds(const std::vector<std::wstring>& names, const std::wstring& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

TEST_F(AcceptanceTest, ThePreviewShowsWhatTheImportThenWrites)
{
    WriteDemoSettings();
    Bookkeeper& bookkeeper = Start();
    bookkeeper.WaitForSummary();
    MinutesByDay previewed = PreviewMinutes(bookkeeper.Preview(kNewEmployee));
    ASSERT_FALSE(previewed.empty()) << "the preview shows no time";
    bookkeeper.SelectOnly(kNewEmployee);
    // The program's check that time tracking is on, made when it connects, adds nothing.
    std::vector<std::wstring> probes = Requests(L"TimeTrackingAdd");
    ASSERT_TRUE(bookkeeper.Import()) << "the import did not succeed";
    std::vector<std::wstring> adds = Requests(L"TimeTrackingAdd");
    adds.erase(adds.begin(), adds.begin() + probes.size());
    EXPECT_EQ(previewed, WrittenMinutes(adds));
}

TEST_F(AcceptanceTest, AMissingJobAndServiceItemAreCreatedWithTheirNamesAndParents)
{
    WriteDemoSettings();
    Bookkeeper& bookkeeper = Start();
    bookkeeper.WaitForSummary();
    std::wstring job, serviceItem;
    // The first of each that has a parent.
    auto pickFirst = [](std::wstring& picked, const MissingItem& item) {
        if (!picked.empty() || item.name.find(L':') == std::wstring::npos)
            return false;
        picked = item.name;
        return true;
    };
    bookkeeper.CreateMissingData([&](const MissingItem& item) {
        return (item.type == L"Customer:Job" && pickFirst(job, item)) ||
               (item.type == L"Service Item" && pickFirst(serviceItem, item));
    });
    ASSERT_FALSE(job.empty()) << "no job of a customer is missing";
    ASSERT_FALSE(serviceItem.empty()) << "no service item under another is missing";
    SimulatedCompany company(m_stage->CompanyFile());
    EXPECT_TRUE(Holds(company.CustomerJobs(), job)) << driver::Narrow(job);
    EXPECT_TRUE(Holds(company.ServiceItems(), serviceItem)) << driver::Narrow(serviceItem);
}

TEST_F(AcceptanceTest, ImportingEveryoneSucceedsIsLoggedAndLeavesNothingToChange)
{
    WriteDemoSettings();
    Bookkeeper& bookkeeper = Start();
    bookkeeper.WaitForSummary();
    std::vector<std::wstring> employees = bookkeeper.SummaryEmployees();
    bookkeeper.SelectAll();
    ASSERT_TRUE(bookkeeper.Import()) << "the import did not succeed";
    std::wstring log = OnlyImportLog(m_stage->ImportLogFolder());
    for (const std::wstring& employee : employees)
        EXPECT_NE(std::wstring::npos, log.find(employee)) << driver::Narrow(employee) << " is not in the log";
    bookkeeper.CloseImportProgress();
    driver::PageWindow& window = bookkeeper.MainWindow();
    int rows = window.Count(L"#TTTotalTableBody > tr");
    EXPECT_EQ(2 * rows, window.Count(L"#TTTotalTableBody td.notChange")) << "the summary still shows changes";

    size_t written = Requests(L"TimeTrackingAdd").size() + Requests(L"TimeTrackingMod").size();
    bookkeeper.SelectAll();
    ASSERT_TRUE(bookkeeper.Import()) << "the import did not succeed";
    EXPECT_EQ(written, Requests(L"TimeTrackingAdd").size() + Requests(L"TimeTrackingMod").size());
    EXPECT_TRUE(Requests(L"TxnDel").empty());
}
