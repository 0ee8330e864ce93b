// What a bookkeeper meets when the server or QuickBooks misbehaves, seen through the real
// window: the program says what happened, keeps running, and a later try converges.
#include <algorithm>

#include "core/CompanyConfig.h"
#include "tests/acceptance/AcceptanceTest.h"
#include "tests/acceptance/FaultsSupport.h"
#include "tools/programdriver/DriverError.h"
#include "tools/programdriver/TopWindows.h"
#include "tools/qbsim/QuickBooksWindows.h"

using namespace faults;

namespace {

size_t CountOf(const std::vector<std::wstring>& lines, const std::wstring& line)
{
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

// Each case starts from the settings the demo leaves.
class Faults : public AcceptanceTest {
protected:
    void SetUp() override
    {
        AcceptanceTest::SetUp();
        WriteDemoSettings();
    }

    // With these simulator faults (QBSIM_FAULTS), until the summary.
    driver::PageWindow& StartAtSummary(const std::wstring& simulatorFaults = L"[]")
    {
        Start({ { L"QBSIM_FAULTS", simulatorFaults } }).WaitForSummary();
        return m_bookkeeper->MainWindow();
    }

    // The entries the program added; the load's probe of time tracking (an add for the
    // employee "0") is none of them.
    std::vector<std::wstring> EntryAdds() const
    {
        std::vector<std::wstring> adds = Requests(L"TimeTrackingAdd");
        adds.erase(std::remove_if(adds.begin(), adds.end(),
                                  [](const std::wstring& add) { return Contains(add, L"EntityRef.ListID=\"0\""); }),
                   adds.end());
        return adds;
    }

    size_t EntryWrites() const
    {
        return EntryAdds().size() + Requests(L"TimeTrackingMod").size() + Requests(L"TxnDel").size();
    }

    std::vector<std::wstring> Logs() const { return ImportLogs(m_stage->ImportLogFolder()); }
};

}  // namespace

// The server goes away after the login, while the program reads its data; a load's server
// failures are shown on the login panel.
TEST_F(Faults, ServerStoppingDuringLoadLeavesTheProgramReadyToLoadAgain)
{
    driver::PageWindow& window = StartAtSummary();
    m_server.SetKnobs(L"{\"methods\": {\"QBService_v1.getUserTimeTrack\": {\"mode\": \"close\"},"
                      L" \"QBService_v1.getAllLeaveTypes\": {\"mode\": \"close\"}}}");
    window.Click(L"#ReloadData");
    window.WaitShown(L"#bodydialog");
    EXPECT_EQ(L"Can not connect to Quorvane", window.Text(L"#LoginDialog_ErrorCaption"));
    EXPECT_TRUE(m_program->Process().Running());

    m_server.Reset();
    window.Click(L"#loginDialog_Connect");
    window.WaitHidden(L"#bodydialog");
    m_bookkeeper->WaitForSummary();
}

// QuickBooks refuses the fourth entry of the run (the load's probe is the first add it sees).
TEST_F(Faults, WriteRefusedMidImportIsReportedAndARerunWritesEachEntryOnce)
{
    driver::PageWindow& window =
        StartAtSummary(L"[{\"stage\": \"Response\", \"request\": \"TimeTrackingAdd\", \"skip\": 4, \"status\": 3180,"
                       L" \"message\": \"The time entry could not be saved: another user is editing it.\"}]");
    m_bookkeeper->SelectAll();
    window.Click(L"#import");

    EXPECT_EQ(0u, WaitForErrorPanel(window).find(L"Cannot import data for "));
    EXPECT_TRUE(Contains(window.Text(L"#idErrorDialogReasonText"), L"Error code: 3180"));
    const std::vector<std::wstring> firstRun = EntryAdds();
    ASSERT_EQ(4u, firstRun.size());
    const std::wstring refused = firstRun.back();
    const std::vector<std::wstring> logs = Logs();
    ASSERT_EQ(1u, logs.size());
    const std::wstring log = ReadLog(logs[0]);
    EXPECT_TRUE(Contains(log, L"ERROR: Cannot import data for "));
    EXPECT_TRUE(Contains(log, L"Error code: 3180"));
    EXPECT_TRUE(Contains(log, L"Date: " + SentValue(refused, L"TxnDate")));
    EXPECT_TRUE(Contains(log, L"Service Item: " + SentValue(refused, L"ItemServiceRef.FullName")));

    // Importing the same preview again is refused with the advice to reload, which closing does.
    CloseErrorPanel(window);
    window.Click(L"#import");
    EXPECT_EQ(L"Cannot import data", WaitForErrorPanel(window));
    CloseErrorPanel(window);
    m_bookkeeper->WaitForSummary();
    m_bookkeeper->SelectAll();
    m_bookkeeper->Import();
    const std::vector<std::wstring> all = EntryAdds();
    const std::vector<std::wstring> rerun(all.begin() + firstRun.size(), all.end());
    for (size_t i = 0; i + 1 < firstRun.size(); ++i)
        EXPECT_EQ(0u, CountOf(rerun, firstRun[i])) << "written again: " << driver::Narrow(firstRun[i]);
    EXPECT_EQ(1u, CountOf(rerun, refused)) << driver::Narrow(refused);
}

// John Q Smith's time goes to Ana Lind in QuickBooks, whose entries Quorvane does not have:
// the import would delete them, and the bookkeeper bills one of them after the preview.
TEST_F(Faults, EntryBilledAfterThePreviewIsLeftAloneAndReported)
{
    boost::shared_ptr<Quorvane::Config> config = SavedSettings();
    config->GetEmployeeMappings()->GetBySource(L"7")->SetTarget(kAnaLind, Quorvane::Mapping::Mapped);
    config->GetPayrollTypeMappings()->GetBySource(L"7")->SetTarget(kAnaLindWages, Quorvane::Mapping::Mapped);
    ASSERT_TRUE(Quorvane::SaveConfig(m_stage->CompanyName(), config));
    const std::wstring& company = m_stage->CompanyFile();
    EditCompany(company, L"TimeEntries", kAnaLindEntry,
                L"{\"TxnDate\": \"" + config->GetPeriod().GetStart().ToString() + L"\"}");
    EditCompany(company, L"TimeEntries", kAnaLindOtherEntry,
                L"{\"TxnDate\": \"" + config->GetPeriod().GetEnd().ToString() + L"\"}");
    driver::PageWindow& window = StartAtSummary();
    EditCompany(company, L"TimeEntries", kAnaLindEntry, L"{\"BillableStatus\": 2}");
    m_bookkeeper->SelectAll();
    window.Click(L"#import");
    window.WaitShown(L"#absentTimeTrackBody");
    window.Click(L"#idDeleteTimeTrackCheckBox");
    window.Click(L"#idBtnProcessWithDeletion");

    EXPECT_EQ(L"Time-Track was changed in QuickBooks", WaitForErrorPanel(window));
    EXPECT_EQ(0u, EntryWrites());

    CloseErrorPanel(window);
    m_bookkeeper->WaitForSummary();
    m_bookkeeper->SelectAll();
    window.Click(L"#import");
    window.WaitShown(L"#absentTimeTrackBody");
    EXPECT_TRUE(window.Shown(L"#idConflictFlag"));
    window.Click(L"#idDeleteTimeTrackCheckBox");
    window.Click(L"#idBtnProcessWithDeletion");
    window.WaitShown(L"#idCompletedWithErrorState", 60000);
    EXPECT_EQ(2, CompanyRecord(company, L"TimeEntries", L"TxnID", kAnaLindEntry).Get(L"BillableStatus").AsInt());
    const std::vector<std::wstring> deletes = Requests(L"TxnDel");
    EXPECT_EQ(1u, std::count_if(deletes.begin(), deletes.end(),
                                [](const std::wstring& line) { return Contains(line, kAnaLindOtherEntry); }));
    for (const std::wstring& write : Requests(L"TxnDel"))
        EXPECT_FALSE(Contains(write, kAnaLindEntry)) << driver::Narrow(write);
    EXPECT_TRUE(Requests(L"TimeTrackingMod").empty());
    const std::vector<std::wstring> logs = Logs();
    ASSERT_EQ(2u, logs.size());
    const std::wstring log = ReadLog(logs[0]) + ReadLog(logs[1]);
    EXPECT_TRUE(Contains(log, L"ERROR: Time-Track was changed in QuickBooks"));
    EXPECT_TRUE(Contains(log, L"The following time entry was not synchronized with Quorvane as it is billed:"));
}

TEST_F(Faults, OpenTimeEntryWindowInQuickBooksStopsTheImportBeforeAnyWrite)
{
    driver::PageWindow& window = StartAtSummary();
    QbSim::QuickBooksWindows quickBooks(m_stage->CompanyName() + L" - QuickBooks", { L"Weekly Timesheet" });
    ASSERT_TRUE(quickBooks.IsOpen());
    m_bookkeeper->SelectAll();
    window.Click(L"#import");

    EXPECT_EQ(L"Window for Entering Time is Open in QB", WaitForErrorPanel(window));
    EXPECT_TRUE(Contains(window.Text(L"#idErrorDialogProblemText"), L"Weekly Timesheet"));
    EXPECT_EQ(0u, EntryWrites());
}

// The bookkeeper closes the window while the import waits for QuickBooks: first goes back to
// the import, then stops it.
TEST_F(Faults, ClosingDuringImportAsksAndStopImportAndExitEndsTheProgram)
{
    driver::PageWindow& window = StartAtSummary();
    m_bookkeeper->SelectAll();
    BusyQuickBooks busy(m_stage->CompanyFile());
    window.Click(L"#import");
    window.WaitState(L"#import", L"disabled", true);
    const auto askToClose = [&] {
        PostMessageW(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the title bar's close box
        return m_program->NativeDialog(driver::kProgramTitle);
    };
    HWND question = askToClose();
    EXPECT_TRUE(Contains(driver::ChildTexts(question), L"The import is in progress. Would you like to interrupt it?"));
    m_program->ClickButton(question, L"Back to import");
    m_program->WaitClosed(driver::kDialogClass, driver::kProgramTitle);
    EXPECT_TRUE(window.HasState(L"#import", L"disabled"));

    m_program->ClickButton(askToClose(), L"Stop import and exit");
    m_program->WaitClosed(driver::kDialogClass, driver::kProgramTitle);
    EXPECT_TRUE(m_program->Process().Running());  // until the import has stopped
    busy.Release();

    ASSERT_TRUE(m_program->Process().WaitForExit(30000));
    EXPECT_EQ(0u, m_program->Process().ExitCode());
    EXPECT_EQ(0u, EntryWrites());
    const std::vector<std::wstring> logs = Logs();
    ASSERT_EQ(1u, logs.size());
    EXPECT_TRUE(Contains(ReadLog(logs[0]), L"Import process was interrupted by user"));
}
