// The preview as a promise, through the real window: leave changed on both sides, leave the
// server no longer has and surplus QuickBooks entries, with removal of QuickBooks time off and
// then on. After each import QuickBooks holds what the preview showed, and a second import
// writes nothing.
#include <windows.h>

#include <map>

#include "core/CompanyConfig.h"
#include "tests/acceptance/AcceptanceTest.h"
#include "tools/demo-settings/DemoConfig.h"
#include "tools/programdriver/Waiting.h"
#include "tools/qbsim/Json.h"
#include "tools/scenario/SimulatedCompany.h"

using namespace scenario;
using QbSim::Json;

namespace {

// Jörg Müller: a demo user new in QuickBooks with a public holiday in the demo's period.
const wchar_t kEmployee[] = L"J\u00f6rg M\u00fcller";
const wchar_t kLeaveType[] = L"Public Holiday";
const wchar_t kHourlyRegular[] = L"80000008-1197423841";
const int kGoneLeaveMinutes = 480;

// Minutes by day of the month: the period is two weeks, so each day number is one date.
typedef std::map<int, int> MinutesByDay;

int CellMinutes(const std::wstring& cell)
{
    int hours = 0, minutes = 0;
    return swscanf(cell.c_str(), L"%d:%d", &hours, &minutes) == 2 ? hours * 60 + minutes : 0;
}

MinutesByDay PreviewMinutes(const std::vector<PreviewWeek>& weeks)
{
    MinutesByDay minutes;
    for (const PreviewWeek& week : weeks)
        for (const PreviewRow& row : week.rows)
            for (size_t day = 0; day < row.days.size(); ++day)
                if (CellMinutes(row.days[day]) > 0)
                    minutes[std::stoi(week.dayNumbers[day])] += CellMinutes(row.days[day]);
    return minutes;
}

int DayOfMonth(const std::wstring& date)
{
    return std::stoi(date.substr(8));
}

void AddRule(Quorvane::MappingCollection& rules, const wchar_t* source, const wchar_t* target, int state)
{
    boost::shared_ptr<Quorvane::Mapping> rule(new Quorvane::Mapping());
    rule->SetSource(source);
    rule->SetTarget(target, state);
    rules.Add(rule);
}

class PreviewPromise : public AcceptanceTest {
protected:
    // The demo's rules, with public holidays imported under the hourly wage item.
    void WriteSettings()
    {
        const Login login = DemoLogin();
        boost::shared_ptr<Quorvane::Config> config = demo::DemoConfig(login.url, login.user, login.password);
        config->SetImportLeaveType(true);
        AddRule(*config->GetLeaveTypeMappings(), L"3", kHourlyRegular, Quorvane::Mapping::Mapped);
        for (const wchar_t* other : { L"1", L"2", L"4" })
            AddRule(*config->GetLeaveTypeMappings(), other, L"", Quorvane::Mapping::DoNotImport);
        ASSERT_TRUE(Quorvane::SaveConfig(m_stage->CompanyName(), config));
    }

    // Behind the program's back: the holiday shortened in QuickBooks, a holiday the server does
    // not have, and a working entry twice. Returns the day of the added holiday.
    int ChangeQuickBooks()
    {
        Json company = ReadCompany(m_stage->CompanyFile());
        const std::wstring employee = SimulatedCompany(m_stage->CompanyFile()).ListId(L"Employees", kEmployee);
        std::vector<Json>& entries = company.Find(L"TimeEntries")->Items();
        int leave = -1, work = -1;
        std::map<std::wstring, bool> leaveDates;
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].GetPath(L"EntityRef.ListID").AsString() != employee)
                continue;
            const bool isLeave = entries[i].Get(L"Notes").AsString() == kLeaveType;
            (isLeave ? leave : work) = static_cast<int>(i);
            bool& hasLeave = leaveDates[entries[i].Get(L"TxnDate").AsString()];
            hasLeave = hasLeave || isLeave;
        }
        EXPECT_TRUE(leave >= 0 && work >= 0) << "the first import wrote no holiday or no working time";
        if (leave < 0 || work < 0)
            return -1;
        std::wstring freeDate;
        for (const auto& date : leaveDates)
            if (!date.second)
                freeDate = date.first;
        EXPECT_FALSE(freeDate.empty()) << "no working day without a holiday";
        Json gone = entries[leave];
        gone.Set(L"TxnID", L"PROMISE-GONE");
        gone.Set(L"TxnDate", freeDate);
        gone.Set(L"Duration", L"PT8H0M0S");
        Json surplus = entries[work];
        surplus.Set(L"TxnID", L"PROMISE-SURPLUS");
        entries[leave].Set(L"Duration", L"PT6H0M0S");
        entries[leave].Set(L"EditSequence", L"PROMISE-1");
        entries.push_back(gone);
        entries.push_back(surplus);
        WriteCompany(company);
        return DayOfMonth(freeDate);
    }

    // Atomically, as the simulator replaces it.
    void WriteCompany(const Json& company)
    {
        const std::wstring path = m_stage->CompanyFile();
        const std::wstring temporary = path + L".promise";
        const std::wstring text = company.Write();
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), NULL, 0, NULL, NULL);
        std::string bytes(size, '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], size, NULL, NULL);
        HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, NULL);
        CloseHandle(file);
        ASSERT_TRUE(MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    }

    MinutesByDay QuickBooksMinutes()
    {
        MinutesByDay minutes;
        for (const TimeEntry& entry : SimulatedCompany(m_stage->CompanyFile()).TimeEntries())
            if (entry.employee == kEmployee && entry.minutes > 0)
                minutes[DayOfMonth(entry.date)] += entry.minutes;
        return minutes;
    }

    size_t Writes() const
    {
        return Requests(L"TimeTrackingAdd").size() + Requests(L"TimeTrackingMod").size() + Requests(L"TxnDel").size();
    }

    // The employee's summary row as it reads now.
    std::wstring SummaryRowText(Bookkeeper& bookkeeper)
    {
        for (const std::wstring& row : bookkeeper.MainWindow().Texts(L"#TTTotalTableBody > tr"))
            if (row.find(kEmployee) != std::wstring::npos)
                return row;
        return std::wstring();
    }

    // A reload that shows the change made since the row read `before`: the reload the closed
    // import panel started may still be running when the Reload button is clicked.
    void ReloadUntilChanged(Bookkeeper& bookkeeper, const std::wstring& before)
    {
        bookkeeper.Reload();
        driver::WaitUntil(L"the summary to show the change", [&] { return SummaryRowText(bookkeeper) != before; });
        bookkeeper.WaitForSummary();
    }

    // The preview, the import, QuickBooks afterwards, and a second import that writes nothing.
    // A struck-through holiday shows the time the import deletes.
    void ImportAsPreviewed(Bookkeeper& bookkeeper, const std::wstring& before, int deletedDay)
    {
        ReloadUntilChanged(bookkeeper, before);
        MinutesByDay previewed = PreviewMinutes(bookkeeper.Preview(kEmployee));
        if (deletedDay > 0 && (previewed[deletedDay] -= kGoneLeaveMinutes) == 0)
            previewed.erase(deletedDay);
        bookkeeper.SelectOnly(kEmployee);
        bookkeeper.Import();
        EXPECT_EQ(previewed, QuickBooksMinutes());
        bookkeeper.CloseImportProgress();
        const size_t written = Writes();
        bookkeeper.SelectOnly(kEmployee);
        bookkeeper.Import();
        EXPECT_EQ(written, Writes()) << "a second import wrote again";
        bookkeeper.CloseImportProgress();
    }
};

}  // namespace

TEST_F(PreviewPromise, QuickBooksHoldsWhatThePreviewShowedWithRemovalOffThenOn)
{
    WriteSettings();
    Bookkeeper& bookkeeper = Start();
    bookkeeper.WaitForSummary();
    bookkeeper.SelectOnly(kEmployee);
    ASSERT_TRUE(bookkeeper.Import()) << "the first import did not succeed";
    bookkeeper.CloseImportProgress();
    std::wstring before = SummaryRowText(bookkeeper);
    const int goneDay = ChangeQuickBooks();
    ASSERT_GT(goneDay, 0);

    ImportAsPreviewed(bookkeeper, before, 0);
    // The settings, with the employee the first import created, are read again at every load.
    before = SummaryRowText(bookkeeper);
    boost::shared_ptr<Quorvane::Config> settings = SavedSettings();
    settings->SetCanRemoveExistingQBTimeTrack(true);
    ASSERT_TRUE(Quorvane::SaveConfig(m_stage->CompanyName(), settings));
    ImportAsPreviewed(bookkeeper, before, goneDay);
}
