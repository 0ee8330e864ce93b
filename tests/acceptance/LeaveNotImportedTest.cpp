// Leave of a type set to "do not import", in QuickBooks on a day the server has no leave, with
// removal of QuickBooks time on: the import does not ask about it, keeps it, and counts it as no
// working time in the summary and the log.
#include <windows.h>

#include <algorithm>

#include "core/CompanyConfig.h"
#include "core/FileContents.h"
#include "core/TextCodec.h"
#include "tests/acceptance/AcceptanceTest.h"
#include "tools/demo-settings/DemoConfig.h"
#include "tools/programdriver/Waiting.h"
#include "tools/qbsim/Json.h"
#include "tools/scenario/SimulatedCompany.h"
#include "tools/scenario/TextFile.h"

using namespace scenario;
using QbSim::Json;

namespace {

// Jörg Müller: a demo user new in QuickBooks, on the server with working time on most days
// and a public holiday on one.
const wchar_t kEmployee[] = L"J\u00f6rg M\u00fcller";
const wchar_t kLeaveType[] = L"Public Holiday";
const wchar_t kKeptTxnId[] = L"LEAVE-NOT-IMPORTED";
const int kNotBillable = 1;

class LeaveNotImported : public AcceptanceTest {
protected:
    // Leave time imported, every leave type "do not import", removal of QuickBooks time on.
    void WriteSettings()
    {
        const Login login = DemoLogin();
        boost::shared_ptr<Quorvane::Config> config = demo::DemoConfig(login.url, login.user, login.password);
        config->SetImportLeaveType(true);
        config->SetCanRemoveExistingQBTimeTrack(true);
        for (const wchar_t* leaveType : { L"1", L"2", L"3", L"4" }) {
            boost::shared_ptr<Quorvane::Mapping> rule(new Quorvane::Mapping());
            rule->SetSource(leaveType);
            rule->SetState(Quorvane::Mapping::DoNotImport);
            config->GetLeaveTypeMappings()->Add(rule);
        }
        ASSERT_TRUE(Quorvane::SaveConfig(m_stage->CompanyName(), config));
    }

    // Behind the program's back, a holiday on a day of the employee's working time, written as
    // the program writes leave: no customer:job, no service item, the type in the notes.
    // Returns its date.
    std::wstring AddHoliday()
    {
        Json company = ReadCompany(m_stage->CompanyFile());
        const std::wstring employee = SimulatedCompany(m_stage->CompanyFile()).ListId(L"Employees", kEmployee);
        std::vector<Json>& entries = company.Find(L"TimeEntries")->Items();
        std::wstring date;
        for (const Json& entry : entries) {
            if (entry.GetPath(L"EntityRef.ListID").AsString() != employee)
                continue;
            Json holiday = entry;
            holiday.Remove(L"CustomerRef");
            holiday.Remove(L"ItemServiceRef");
            holiday.Set(L"TxnID", kKeptTxnId);
            holiday.Set(L"Notes", kLeaveType);
            holiday.Set(L"Duration", L"PT8H0M0S");
            holiday.Set(L"BillableStatus", kNotBillable);
            date = holiday.Get(L"TxnDate").AsString();
            entries.push_back(holiday);
            break;
        }
        // Replaced whole, as the simulator replaces it; the journal of the old file no longer applies.
        Quorvane::WideToUtf8 bytes(company.Write());
        EXPECT_TRUE(Quorvane::ReplaceFileContents(m_stage->CompanyFile(), std::string(bytes.c_str(), bytes.size())));
        return date;
    }

    bool QuickBooksHoldsTheHoliday()
    {
        const Json company = ReadCompany(m_stage->CompanyFile());
        for (const Json& entry : company.Get(L"TimeEntries").Items())
            if (entry.Get(L"TxnID").AsString() == kKeptTxnId)
                return entry.Get(L"Duration").AsString() == L"PT8H0M0S";
        return false;
    }

    // Leave has no customer:job; with every leave type not imported, only a holiday kept in
    // QuickBooks gives such a row.
    static bool ShowsLeave(const std::vector<PreviewWeek>& weeks)
    {
        for (const PreviewWeek& week : weeks)
            for (const PreviewRow& row : week.rows)
                if (row.customerJob.empty() &&
                    std::any_of(row.days.begin(), row.days.end(), [](const std::wstring& day) { return !day.empty(); }))
                    return true;
        return false;
    }

    std::wstring SummaryRowText(Bookkeeper& bookkeeper)
    {
        for (const std::wstring& row : bookkeeper.MainWindow().Texts(L"#TTTotalTableBody > tr"))
            if (row.find(kEmployee) != std::wstring::npos)
                return row;
        return std::wstring();
    }

    // The employee's line in the summary of the import log with this counter.
    std::wstring LoggedTimes(const wchar_t* counter)
    {
        WIN32_FIND_DATAW found;
        const std::wstring folder = m_stage->ImportLogFolder() + L"\\";
        HANDLE search = FindFirstFileW((folder + L"*" + counter + L"*.txt").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return L"no log " + std::wstring(counter);
        FindClose(search);
        std::wstring text;
        ReadUtf8File(folder + found.cFileName, 1024 * 1024, text);
        const size_t line = text.find(L"\t" + std::wstring(kEmployee) + L": ");
        return line == std::wstring::npos ? text : text.substr(line, text.find(L'\r', line) - line);
    }
};

}  // namespace

TEST_F(LeaveNotImported, LeaveOfATypeNotImportedIsKeptOnADayTheServerHasNone)
{
    WriteSettings();
    Bookkeeper& bookkeeper = Start();
    bookkeeper.WaitForSummary();
    const std::wstring rowBeforeImport = SummaryRowText(bookkeeper);
    bookkeeper.SelectOnly(kEmployee);
    ASSERT_TRUE(bookkeeper.Import()) << "the first import did not succeed";
    bookkeeper.CloseImportProgress();
    driver::WaitUntil(L"the summary to show the import", [&] { return SummaryRowText(bookkeeper) != rowBeforeImport; });
    const std::wstring summaryRow = SummaryRowText(bookkeeper);
    ASSERT_FALSE(AddHoliday().empty()) << "the first import wrote no working time";
    ASSERT_TRUE(QuickBooksHoldsTheHoliday());

    // The preview shows the holiday once a load has read it; the summary was refreshed by that load.
    bookkeeper.Reload();
    driver::WaitUntil(L"the preview to show the holiday", [&] { return ShowsLeave(bookkeeper.Preview(kEmployee)); });
    // The holiday neither adds to the time QuickBooks holds before the import nor goes after it.
    EXPECT_EQ(summaryRow, SummaryRowText(bookkeeper));
    bookkeeper.SelectOnly(kEmployee);
    // Asked about time Quorvane lacks, the bookkeeper would keep it and removal would be off.
    EXPECT_TRUE(bookkeeper.Import()) << "the import ended with problems";
    EXPECT_TRUE(SavedSettings()->GetCanRemoveExistingQBTimeTrack()) << "the import asked about the holiday";
    EXPECT_TRUE(QuickBooksHoldsTheHoliday());
    EXPECT_TRUE(Requests(L"TxnDel").empty());
    // The second run's log counts the same working time as the first, and no leave.
    EXPECT_EQ(LoggedTimes(L"[1]"), LoggedTimes(L"[2]"));
    EXPECT_EQ(std::wstring::npos, LoggedTimes(L"[2]").find(L"Leave time"));
}
