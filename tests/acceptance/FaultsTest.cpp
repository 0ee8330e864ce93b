// What a bookkeeper meets when the server or QuickBooks misbehaves, seen through the real
// window: the program says what happened, keeps running, and a later try converges.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/acceptance/FaultsFixture.h"
#include "tools/programdriver/DriverError.h"
#include "tools/programdriver/TopWindows.h"
#include "tools/qbsim/QuickBooksWindows.h"

namespace faults {

namespace {

size_t CountOf(const std::vector<std::wstring>& lines, const std::wstring& line)
{
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

bool Contains(const std::wstring& text, const std::wstring& part)
{
    return text.find(part) != std::wstring::npos;
}

const QbSim::Json& EntryOf(const QbSim::Json& company, const std::wstring& txnId)
{
    for (const QbSim::Json& entry : company.Get(L"TimeEntries").Items())
        if (entry.Get(L"TxnID").AsString() == txnId)
            return entry;
    throw driver::DriverError(L"QuickBooks no longer has the time entry " + txnId);
}

// The value of one field in a trace line: TxnDate="2026-11-17" gives 2026-11-17.
std::wstring SentValue(const std::wstring& line, const std::wstring& field)
{
    const std::wstring start = field + L"=\"";
    const size_t at = line.find(start);
    if (at == std::wstring::npos)
        return L"(" + field + L" not sent)";
    const size_t from = at + start.size();
    return line.substr(from, line.find(L'"', from) - from);
}

}  // namespace

// The server goes away after the login, while the program reads its data.
TEST_F(BookkeeperRun, ServerStoppingDuringLoadLeavesTheProgramReadyToLoadAgain)
{
    driver::PageWindow window = StartAtSummary();
    m_server.SetKnobs(L"{\"methods\": {\"QBService_v1.getUserTimeTrack\": {\"mode\": \"close\"},"
                      L" \"QBService_v1.getAllLeaveTypes\": {\"mode\": \"close\"}}}");
    window.Click(L"#ReloadData");
    window.WaitShown(L"#bodydialog");
    EXPECT_EQ(L"Can not connect to Quorvane", window.Text(L"#LoginDialog_ErrorCaption"));
    EXPECT_TRUE(Running().Process().Running());

    m_server.Reset();
    window.Click(L"#loginDialog_Connect");
    window.WaitHidden(L"#bodydialog");
    window.WaitShown(L"#TTSummary", 60000);
}

// QuickBooks refuses the fourth entry of the run (the load's probe is the first add it sees).
TEST_F(BookkeeperRun, WriteRefusedMidImportIsReportedAndARerunWritesEachEntryOnce)
{
    driver::PageWindow window = StartAtSummary(
        L"[{\"stage\": \"Response\", \"request\": \"TimeTrackingAdd\", \"skip\": 4, \"status\": 3180,"
        L" \"message\": \"The time entry could not be saved: another user is editing it.\"}]");
    SelectAllEmployees(window);
    window.Click(L"#import");

    EXPECT_EQ(0u, WaitErrorPanel(window).find(L"Cannot import data for "));
    EXPECT_TRUE(Contains(window.Text(L"#idErrorDialogReasonText"), L"Error code: 3180"));
    const std::vector<std::wstring> firstRun = TimeEntryWrites();
    ASSERT_EQ(4u, firstRun.size());
    const std::wstring refused = firstRun.back();
    const std::vector<std::wstring> logs = ImportLogs();
    ASSERT_EQ(1u, logs.size());
    const std::wstring log = ReadText(logs[0]);
    EXPECT_TRUE(Contains(log, L"ERROR: Cannot import data for "));
    EXPECT_TRUE(Contains(log, L"Error code: 3180"));
    EXPECT_TRUE(Contains(log, L"Date: " + SentValue(refused, L"TxnDate")));
    EXPECT_TRUE(Contains(log, L"Service Item: " + SentValue(refused, L"ItemServiceRef.FullName")));

    CloseErrorPanel(window);
    Reload(window);
    SelectAllEmployees(window);
    window.Click(L"#import");
    window.WaitShown(L"#idCompletedSuccessfullyState", 60000);
    const std::vector<std::wstring> all = TimeEntryWrites();
    const std::vector<std::wstring> rerun(all.begin() + firstRun.size(), all.end());
    for (size_t i = 0; i + 1 < firstRun.size(); ++i)
        EXPECT_EQ(0u, CountOf(rerun, firstRun[i])) << "written again: " << driver::Narrow(firstRun[i]);
    EXPECT_EQ(1u, CountOf(rerun, refused)) << driver::Narrow(refused);
}

// John Q Smith's time goes to Ana Lind in QuickBooks, whose entries Quorvane does not have: the
// import would delete them, and the bookkeeper bills one of them after the preview.
TEST_F(BookkeeperRun, EntryBilledAfterThePreviewIsLeftAloneAndReported)
{
    const std::wstring billed = L"80000042-1197423841";
    ChangeSettings([](Quorvane::Config& config) {
        config.GetEmployeeMappings()->GetBySource(L"7")->SetTarget(L"8000001F-1197423841", Quorvane::Mapping::Mapped);
        config.GetPayrollTypeMappings()->GetBySource(L"7")->SetTarget(L"80000008-1197423841", Quorvane::Mapping::Mapped);
    });
    driver::PageWindow window = StartAtSummary();
    BillEntry(billed);
    SelectAllEmployees(window);
    window.Click(L"#import");
    window.WaitShown(L"#absentTimeTrackBody", 60000);
    window.Click(L"#idDeleteTimeTrackCheckBox");
    window.Click(L"#idBtnProcessWithDeletion");

    EXPECT_EQ(L"Time-Track was changed in QuickBooks", WaitErrorPanel(window));
    EXPECT_TRUE(TimeEntryWrites().empty());

    CloseErrorPanel(window);
    window.WaitShown(L"#TTSummary", 60000);
    SelectAllEmployees(window);
    window.Click(L"#import");
    window.WaitShown(L"#absentTimeTrackBody", 60000);
    EXPECT_TRUE(window.Shown(L"#idConflictFlag"));
    window.Click(L"#idDeleteTimeTrackCheckBox");
    window.Click(L"#idBtnProcessWithDeletion");
    window.WaitShown(L"#idCompletedWithErrorState", 60000);
    EXPECT_EQ(2, EntryOf(Company(), billed).Get(L"BillableStatus").AsInt());
    size_t deletes = 0;
    for (const std::wstring& write : TimeEntryWrites()) {
        deletes += Contains(write, L" TxnDel:");
        EXPECT_FALSE(Contains(write, billed)) << driver::Narrow(write);
    }
    EXPECT_EQ(9u, deletes);  // Ana Lind's other entries of the two weeks
    const std::vector<std::wstring> logs = ImportLogs();
    ASSERT_EQ(2u, logs.size());
    const std::wstring log = ReadText(logs[0]) + ReadText(logs[1]);
    EXPECT_TRUE(Contains(log, L"ERROR: Time-Track was changed in QuickBooks"));
    EXPECT_TRUE(Contains(log, L"The following time entry was not synchronized with Quorvane as it is billed:"));
}

TEST_F(BookkeeperRun, OpenTimeEntryWindowInQuickBooksStopsTheImportBeforeAnyWrite)
{
    driver::PageWindow window = StartAtSummary();
    QbSim::QuickBooksWindows quickBooks(std::wstring(kCompanyName) + L" - QuickBooks", {L"Weekly Timesheet"});
    ASSERT_TRUE(quickBooks.IsOpen());
    SelectAllEmployees(window);
    window.Click(L"#import");

    EXPECT_EQ(L"Window for Entering Time is Open in QB", WaitErrorPanel(window));
    EXPECT_TRUE(Contains(window.Text(L"#idErrorDialogProblemText"), L"Weekly Timesheet"));
    EXPECT_TRUE(TimeEntryWrites().empty());
}

// The bookkeeper closes the window while the import waits for QuickBooks.
TEST_F(BookkeeperRun, ClosingDuringImportAsksAndStopImportAndExitEndsTheProgram)
{
    driver::PageWindow window = StartAtSummary();
    SelectAllEmployees(window);
    HeldCompany busy(CompanyFile());
    window.Click(L"#import");
    window.WaitState(L"#import", L"disabled", true);
    PostMessageW(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the title bar's close box

    HWND question = Running().NativeDialog(L"Quorvane Pellworth");
    EXPECT_TRUE(Contains(driver::ChildTexts(question), L"The import is in progress. Would you like to interrupt it?"));
    Running().ClickButton(question, L"Stop import and exit");
    Running().WaitClosed(driver::kDialogClass, L"Quorvane Pellworth");
    EXPECT_TRUE(Running().Process().Running());  // until the import has stopped
    busy.Release();

    ASSERT_TRUE(Running().Process().WaitForExit(30000));
    EXPECT_EQ(0u, Running().Process().ExitCode());
    EXPECT_TRUE(TimeEntryWrites().empty());
    const std::vector<std::wstring> logs = ImportLogs();
    ASSERT_EQ(1u, logs.size());
    EXPECT_TRUE(Contains(ReadText(logs[0]), L"Import process was interrupted by user"));
}

}  // namespace faults
