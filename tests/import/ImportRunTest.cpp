#include <gtest/gtest.h>
#include <algorithm>

#include "ImportHarness.h"
#include "app/import/ImportSnapshot.h"
#include "core/CompanyConfig.h"
#include "core/Config.h"

using namespace Quorvane;

namespace {

typedef std::vector<std::wstring> Lines;

const wchar_t* const kDeletedWarning =
    L"ShowImportFailed Some of existing time-track was deleted from QB Timesheet during the import. Please view "
    L"import log for details.";
const wchar_t* const kChangedWarning =
    L"ShowImportFailed The time-track for some employees was changed in QB during import. These changes were not "
    L"replaced with import. Please see log for details.";
const wchar_t* const kKeptWarning =
    L"ShowImportFailed Some of existing time-track was kept in QB Timesheet although Quorvane does not have it. "
    L"Please view import log for details.";
const wchar_t* const kBilledWarning =
    L"ShowImportFailed The time-track for some employees was not synchronized with Quorvane as it is billed. Please "
    L"see log for details.";

TestCompany::EmployeePtr User(TestCompany& company, const wchar_t* id)
{
    return company.model->GetServerEmployees()->FindById(id);
}

void AnnWorksTwoDays(TestCompany& company)
{
    company.AddServerWork(User(company, L"1"), 5, 60, L"Acme", L"Roof", L"fix", 0);
    company.AddServerWork(User(company, L"1"), 6, 90, L"Acme", L"Roof", L"fix", 0);
}

void BothWork(TestCompany& company)
{
    AnnWorksTwoDays(company);
    company.AddServerWork(User(company, L"2"), 5, 120, L"Acme", L"Roof", L"paint", 0);
}

void BothWorkTwoDays(TestCompany& company)
{
    BothWork(company);
    company.AddServerWork(User(company, L"2"), 6, 30, L"Acme", L"Roof", L"paint", 0);
}

// From the first employee's heading to the end: the header holds the time of the run.
Lines Body(const Lines& log)
{
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].find(L"Quorvane username") != std::wstring::npos)
            return Lines(log.begin() + i, log.end());
    return log;
}

}  // namespace

TEST(ImportRun, WritesEveryDifferenceAndLogsTheRun)
{
    ImportHarness harness;
    harness.qb.AddEntry(L"E1", 6, 30, L"Acme:Roof", L"Labor", L"fix", 0, L"P1");
    harness.qb.AddEntry(L"E2", 7, 45, L"Acme:Roof", L"Labor", L"gone", 0, L"P1");
    harness.server = &AnnWorksTwoDays;
    harness.Load();
    const Lines log = harness.Import();

    EXPECT_EQ(Lines({ L"add E1 2012-03-05 Acme:Roof Labor 'fix' 60", L"change T100 90", L"delete T101" }),
              harness.qb.Trace());
    EXPECT_EQ(
        Lines({ L"OnImportStarted", L"ResetImportProgress", L"SetImportedWorkingTime 150", L"SetImportedLeaveTime 0",
                L"SetImportComment Synchronizing with QuickBooks", L"ShowImportProgress", L"SetImportProgress 0/2",
                L"SetImportComment Importing data for Ann Archer", L"SetImportProgress 1/2",
                L"SetImportComment Importing data for Bob Baker", L"SetImportProgress 2/2", L"OnImportFinished",
                kDeletedWarning }),
        harness.ViewCalls());
    EXPECT_EQ(
        Lines({ L"Bob Baker (Quorvane username: Baker, Bob (Bob))", L"",
                L"    Warning: The following time entry was deleted as it is absent in Quorvane:",
                L"        Date: 2012-03-07", L"        Customer:Job: Acme:Roof", L"        Service Item: Labor",
                L"        Notes: gone", L"        Time: 0:45", L"", L"Summary", L"\tImport was finished successfully",
                L"", L"\tAnn Archer: OK  (Working time 2:30)", L"\tBob Baker: Warning  (Working time 0:00)", L"\t---",
                L"\tTotal imported:  Working time 2:30, Leave time 0:00" }),
        Body(log));
}

TEST(ImportRun, WarningsLeaveEntriesAloneAndTheLastOneIsShown)
{
    struct Case {
        const char* name;
        int billing;
        int failingStatus;
        const wchar_t* message;
        const wchar_t* finalText;
    };
    const Case cases[] = {
        { "billed entry", 2, 0, L"The following time entry was not synchronized with Quorvane as it is billed:",
          kBilledWarning },
        { "stale EditSequence", 0, 3200, L"Import did not update the following time entry as it was changed in QB.",
          kChangedWarning },
        { "entry gone from QuickBooks", 0, 3120,
          L"Import did not update the following time entry as it was changed in QB.", kChangedWarning },
        { "entry in use", 0, 500, L"Import did not update the following time entry as it was changed in QB.",
          kChangedWarning },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImportHarness harness;
        // A billable server total below a billed entry's time is a billed conflict.
        harness.qb.AddEntry(L"E1", 6, 180, L"Acme:Roof", L"Labor", L"fix", c.billing, L"P1");
        harness.server = [&c](TestCompany& company) {
            company.AddServerWork(User(company, L"1"), 6, 90, L"Acme", L"Roof", L"fix", c.billing == 2 ? 1 : 0);
            company.AddServerWork(User(company, L"2"), 5, 60, L"Acme", L"Roof", L"paint", 0);
        };
        harness.Load();
        if (c.failingStatus)
            harness.qb.FailWrite(1, c.failingStatus);
        const Lines log = harness.Import();

        EXPECT_EQ(1u, LinesContaining(log, c.message).size());
        EXPECT_EQ(1u, LinesContaining(log, L"Ann Archer: Warning").size());
        EXPECT_EQ(c.finalText, harness.ViewCalls().back());
        // The warning never stops the run: Bob's entry is still added.
        EXPECT_EQ(L"add E2 2012-03-05 Acme:Roof Labor 'paint' 60", harness.qb.Trace().back());
    }
}

TEST(ImportRun, ErrorsStopTheRunAndSkipTheEmployeesLeft)
{
    struct Case {
        const char* name;
        int status;
        const wchar_t* error;
        const wchar_t* logged;
    };
    const Case cases[] = {
        { "employee gone", 3120,
          L"ShowError Cannot import data for Ann Archer | The employee with name &#39;Ann Archer&#39; no longer exists "
          L"|  | Please review import parameters, make sure that nobody is modifying QuickBooks data, and restart the "
          L"import. | reload | 0",
          L"The employee with name 'Ann Archer' no longer exists" },
        { "customer gone", 3140,
          L"ShowError Cannot import data for Ann Archer | The customer:job with name &#39;Acme:Roof&#39; no longer "
          L"exists |  | Please review import parameters, make sure that nobody is modifying QuickBooks data, and "
          L"restart the import. | reload | 0",
          L"The customer:job with name 'Acme:Roof' no longer exists" },
        { "payroll item gone", 31201,
          L"ShowError Cannot import data for Ann Archer | The payroll with name &#39;Wages&#39; no longer exists |  | "
          L"Please review import parameters, make sure that nobody is modifying QuickBooks data, and restart the "
          L"import. | reload | 0",
          L"The payroll with name 'Wages' no longer exists" },
        { "other status", 3175,
          L"ShowError Cannot import data for Ann Archer | Unexpected error occurred while importing data to "
          L"QuickBooks | Error code: 3175, Object is in use |  |  | 0",
          L"Unexpected error occurred while importing data to QuickBooks Error code: 3175, Object is in use" },
        { "COM error", static_cast<int>(0x80040408),
          L"ShowError Cannot import data for Ann Archer | Unexpected error occurred while importing data to "
          L"QuickBooks | Error code: -2147220472 |  |  | 0",
          L"Unexpected error occurred while importing data to QuickBooks Error code: -2147220472" },
        // The program's own status is not QuickBooks's: its text stands alone.
        { "write not confirmed", 31202,
          L"ShowError Cannot import data for Ann Archer | Unexpected error occurred while importing data to "
          L"QuickBooks | QuickBooks did not confirm the change |  |  | 0",
          L"Unexpected error occurred while importing data to QuickBooks QuickBooks did not confirm the change" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImportHarness harness;
        harness.server = &BothWork;
        harness.Load();
        harness.qb.FailWrite(1, c.status);
        const Lines log = harness.Import();

        const Lines calls = harness.ViewCalls();
        ASSERT_LE(3u, calls.size());
        EXPECT_EQ(L"HideImportProgress", calls[calls.size() - 3]);
        EXPECT_EQ(c.error, calls[calls.size() - 2]);
        EXPECT_EQ(L"OnImportFinished", calls.back());
        EXPECT_EQ(1, harness.qb.WriteCount());
        EXPECT_EQ(1u, LinesContaining(log, c.logged).size());
        // The entry that stopped the run, so the bookkeeper can find it.
        EXPECT_EQ(1u, LinesContaining(log, L"        Date: 2012-03-05").size());
        EXPECT_EQ(1u, LinesContaining(log, L"        Customer:Job: Acme:Roof").size());
        EXPECT_EQ(1u, LinesContaining(log, L"        Time to be imported: 1:00").size());
        EXPECT_EQ(1u, LinesContaining(log, L"Ann Archer: Error").size());
        EXPECT_EQ(1u, LinesContaining(log, L"Bob Baker: Skipped").size());
        EXPECT_EQ(1u, LinesContaining(log, L"Import process was interrupted due to error").size());
    }
}

// Plain texts carry a name as typed; markup carries it escaped.
TEST(ImportRun, ANameIsPlainInTheCommentAndTheTitleAndEscapedInTheProblem)
{
    ImportHarness harness;
    harness.server = &AnnWorksTwoDays;
    harness.Load();
    harness.Company().model->GetQuickBooksEmployees()->FindById(L"E1")->SetLastName(L"O'Hara & Co");
    harness.qb.FailWrite(1, 3120);
    harness.Import();

    const Lines calls = harness.ViewCalls();
    EXPECT_EQ(1u, LinesContaining(calls, L"SetImportComment Importing data for Ann O'Hara & Co").size());
    EXPECT_EQ(1u, LinesContaining(calls, L"ShowError Cannot import data for Ann O'Hara & Co | The employee with name "
                                         L"&#39;Ann O&#39;Hara &amp; Co&#39; no longer exists")
                      .size());
}

TEST(ImportRun, OpenTimeEntryWindowsStopTheRunBeforeTheNextWrite)
{
    struct Case {
        const char* name;
        Lines titles;
        int fromWrite;
        int writes;
        const wchar_t* error;
    };
    const Case cases[] = {
        { "one window before the run",
          { L"Weekly Timesheet" },
          0,
          0,
          L"ShowError Window for Entering Time is Open in QB | Import has been interrupted as Quorvane Pellworth has "
          L"detected that the following window for entering time is open in QuickBooks:<br><ul><li>Weekly "
          L"Timesheet</li></ul> |  | Please close all windows for entering time in QuickBooks and restart the import. "
          L"| reload | 0" },
        { "two windows opened during the run",
          { L"Weekly Timesheet", L"Time/Enter Single Activity" },
          1,
          1,
          L"ShowError Windows for Entering Time are Open in QB | Import has been interrupted as Quorvane Pellworth "
          L"has detected that the following windows for entering time are open in QuickBooks:<br><ul><li>Weekly "
          L"Timesheet</li><li>Time/Enter Single Activity</li></ul> |  | Please close all windows for entering time "
          L"in QuickBooks and restart the import. | reload | 0" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImportHarness harness;
        harness.server = &BothWork;
        harness.openForms = c.titles;
        harness.formsFromWrite = c.fromWrite;
        harness.Load();
        const Lines log = harness.Import();

        const Lines calls = harness.ViewCalls();
        EXPECT_EQ(c.error, calls[calls.size() - 2]);
        EXPECT_EQ(L"OnImportFinished", calls.back());
        EXPECT_EQ(c.writes, harness.qb.WriteCount());
        EXPECT_EQ(1u, LinesContaining(log, L"Bob Baker: Skipped").size());
        EXPECT_EQ(1u, LinesContaining(log, L"Import process was interrupted due to error").size());
    }
}

TEST(ImportRun, QuickBooksChangesSinceThePreviewStopTheRunWithoutAWrite)
{
    struct Case {
        const char* name;
        void (*change)(FakeQuickBooks& qb);
    };
    const Case cases[] = {
        { "entry edited", [](FakeQuickBooks& qb) { qb.TouchEntry(L"T100"); } },
        { "entry added", [](FakeQuickBooks& qb) { qb.AddEntry(L"E1", 9, 15, L"", L"", L"new", 0, L""); } },
        { "entry deleted", [](FakeQuickBooks& qb) { qb.DeleteTimeTrack(L"T100"); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImportHarness harness;
        harness.qb.AddEntry(L"E1", 6, 30, L"Acme:Roof", L"Labor", L"fix", 0, L"P1");
        harness.server = &BothWork;
        harness.Load();
        c.change(harness.qb);
        const int writesBefore = harness.qb.WriteCount();
        const Lines log = harness.Import();

        EXPECT_EQ(writesBefore, harness.qb.WriteCount());
        const Lines calls = harness.ViewCalls();
        EXPECT_EQ(L"ShowError Time-Track was changed in QuickBooks | Time-track of 1 employee(s) has been changed in "
                  L"QuickBooks and does not match the previewed data. |  | <ol><li>Review the import log to find "
                  L"employees whose data has been changed</li><li>Close this message and review the updated data to "
                  L"import</li><li>Make sure that nobody is modifying QuickBooks data and restart the import</li></ol> "
                  L"| reload | 2",
                  calls[calls.size() - 2]);
        EXPECT_EQ(1u, LinesContaining(log, L"Ann Archer: Error").size());
        EXPECT_EQ(1u, LinesContaining(log, L"Bob Baker: Skipped").size());
    }
}

TEST(ImportRun, MissingItemsAreCreatedWhenAllowedAndTheirFailureStopsTheRun)
{
    struct Case {
        const char* name;
        int autoCreation;
        const wchar_t* customer;
        int refusal;
        const wchar_t* error;
    };
    const Case cases[] = {
        { "created", Config::CreateJobs, L"Acme", 0, 0 },
        { "auto-creation off", 0, L"Acme", 0,
          L"ShowError Cannot import data for Ann Archer | Cannot create job \"Acme:Deck\" | Automatic creation of this "
          L"kind of item is turned off in the settings. | Try to create the specified item manually in QuickBooks and "
          L"then hit 'Reload' on main Pellworth window |  | 0" },
        { "name too long", Config::CreateCustomers | Config::CreateJobs,
          L"Acme Roofing and Gutter Cleaning Company Ltd", 0,
          L"ShowError Cannot import data for Ann Archer | Cannot create customer \"Acme Roofing and Gutter Cleaning "
          L"Company Ltd\" | Name length exceeds 41 character limit. Please reduce the Quorvane customer/job name in "
          L"Quorvane and reload data | Try to create the specified item manually in QuickBooks and then hit 'Reload' "
          L"on main Pellworth window |  | 0" },
        { "refused by QuickBooks", Config::CreateJobs, L"Acme", 3100,
          L"ShowError Cannot import data for Ann Archer | Cannot create job \"Acme:Deck\" | There is existing job item "
          L"with the same name | You may resolve this issue the following ways:<br>1. Rename the job item<br>2. Rename "
          L"the billing type on Quorvane<br><br>After that you need to hit 'Reload' on main Pellworth window and "
          L"repeat missing items creation |  | 0" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImportHarness harness;
        harness.server = [&c](TestCompany& company) {
            company.config->SetAutoCreationFlags(c.autoCreation);
            company.AddServerWork(User(company, L"1"), 5, 60, c.customer, L"Deck", L"build", 0);
            company.AddServerWork(User(company, L"2"), 5, 60, L"Acme", L"Roof", L"paint", 0);
        };
        if (c.refusal)
            harness.qb.FailCreate(L"Acme:Deck", c.refusal);
        harness.Load();
        const Lines log = harness.Import();

        const Lines calls = harness.ViewCalls();
        if (!c.error) {
            EXPECT_TRUE(harness.qb.CheckCustomerJobExist(L"Acme:Deck"));
            EXPECT_EQ(2, harness.qb.WriteCount());
            EXPECT_EQ(L"ShowImportSucceeded", calls.back());
            continue;
        }
        EXPECT_EQ(c.error, calls[calls.size() - 2]);
        EXPECT_EQ(0, harness.qb.WriteCount());
        EXPECT_EQ(1u, LinesContaining(log, L"Ann Archer: Error").size());
        EXPECT_EQ(1u, LinesContaining(log, L"Bob Baker: Skipped").size());
    }
}

// The panel gets the name escaped into markup, the log as it stands.
TEST(ImportRun, TheLogNamesAnItemThatCouldNotBeCreatedAsItIs)
{
    ImportHarness harness;
    harness.server = [](TestCompany& company) {
        company.config->SetAutoCreationFlags(Config::CreateJobs);
        company.AddServerWork(User(company, L"1"), 5, 60, L"Smith & Sons", L"Deck", L"build", 0);
    };
    harness.Load();
    const Lines log = harness.Import();

    EXPECT_EQ(1u, LinesContaining(log, L"Cannot create customer \"Smith & Sons\"").size());
    EXPECT_EQ(0u, LinesContaining(log, L"&amp;").size());
}

TEST(ImportRun, AsksAboutEntriesTheServerNoLongerHasBeforeWriting)
{
    ImportHarness harness;
    harness.qb.AddEntry(L"E2", 7, 45, L"Acme:Roof", L"Labor", L"gone", 2, L"P1");
    harness.qb.AddEntry(L"E2", 8, 30, L"Acme:Roof", L"Labor", L"gone too", 0, L"P1");
    harness.server = &AnnWorksTwoDays;
    harness.Load();

    EXPECT_TRUE(harness.Import(true).empty());
    EXPECT_EQ(Lines({ L"OnImportStarted", L"ShowAbsentTimeTrack billed", L"OnImportFinished" }), harness.ViewCalls());
    EXPECT_EQ(0, harness.qb.WriteCount());

    // "ProcessWithDeletion" with the choice to keep them: nothing is deleted, and the log says so.
    harness.Company().config->SetCanRemoveExistingQBTimeTrack(false);
    const Lines log = harness.Import(false);
    EXPECT_EQ(Lines({ L"add E1 2012-03-05 Acme:Roof Labor 'fix' 60", L"add E1 2012-03-06 Acme:Roof Labor 'fix' 90" }),
              harness.qb.Trace());
    EXPECT_EQ(1u, LinesContaining(log, L"was kept in QB although Quorvane does not have it").size());
    EXPECT_EQ(1u, LinesContaining(log, L"Bob Baker: Warning").size());
    // The kept entry comes after the billed one: the last warning is the one shown.
    EXPECT_EQ(kKeptWarning, harness.ViewCalls().back());
}

TEST(ImportRun, AStopActsOnlyBetweenEmployees)
{
    // Asked for during Ann: her entries are all written and her step counted; Bob is skipped.
    ImportHarness harness;
    harness.server = &BothWork;
    harness.stopAfterWrites = 1;
    harness.Load();
    const Lines log = harness.Import();
    EXPECT_EQ(2, harness.qb.WriteCount());
    EXPECT_EQ(1u, LinesContaining(log, L"Import process was interrupted by user").size());
    EXPECT_EQ(1u, LinesContaining(log, L"Ann Archer: OK  (Working time 2:30)").size());
    EXPECT_EQ(1u, LinesContaining(log, L"Bob Baker: Skipped").size());
    const Lines calls = harness.ViewCalls();
    EXPECT_EQ(L"OnImportFinished", calls[calls.size() - 2]);
    EXPECT_EQ(L"ShowImportSucceeded", calls.back());
    EXPECT_TRUE(std::find(calls.begin(), calls.end(), L"SetImportProgress 1/2") != calls.end());

    // Asked for during the last employee: nothing is left to stop, so the run finished.
    ImportHarness late;
    late.server = &BothWorkTwoDays;
    late.stopAfterWrites = 3;
    late.Load();
    const Lines finished = late.Import();
    EXPECT_EQ(4, late.qb.WriteCount());
    EXPECT_EQ(1u, LinesContaining(finished, L"Import was finished successfully").size());
}

TEST(ImportRun, FailuresBeforeTheFirstEmployeeAreReportedAndEndTheRun)
{
    ImportHarness closed;
    closed.server = &BothWork;
    closed.Load();
    closed.qb.SetFirstDayOfWeek(static_cast<int>(0x8004041C));
    EXPECT_TRUE(closed.Import().empty());
    EXPECT_EQ(Lines({ L"OnImportStarted",
                      L"ShowError Cannot connect to QuickBooks | Pellworth cannot connect to QuickBooks |  |  | "
                      L"reload | 0",
                      L"OnImportFinished" }),
              closed.ViewCalls());

    ImportHarness broken;
    broken.server = &BothWork;
    broken.Load();
    broken.Company().config->SetServiceItemGroup(false);
    broken.Company().config->SetNameConvention(7);
    broken.Import();
    const Lines calls = broken.ViewCalls();
    EXPECT_EQ(L"ShowError Cannot import data | Unexpected error occurred while importing data to QuickBooks |  |  | "
              L"reload | 0",
              calls[calls.size() - 2]);
    EXPECT_EQ(L"OnImportFinished", calls.back());
    EXPECT_EQ(0, broken.qb.WriteCount());
}

TEST(ImportRun, AFailureInsideOneEmployeeIsLoggedAndTheRunGoesOn)
{
    ImportHarness harness;
    harness.server = &BothWork;
    harness.Load();
    // Ann's payroll item was deleted from the list the preview was built with.
    harness.Company().config->GetPayrollTypeMappings()->GetBySource(L"1")->SetTarget(L"P9", Mapping::Mapped);
    const Lines log = harness.Import();

    EXPECT_EQ(Lines({ L"add E2 2012-03-05 Acme:Roof Labor 'paint' 120" }), harness.qb.Trace());
    EXPECT_EQ(1u, LinesContaining(log, L"ERROR: Cannot import data for Ann Archer").size());
    EXPECT_EQ(1u, LinesContaining(log, L"Ann Archer: Error").size());
    EXPECT_EQ(L"ShowImportFailed The time-track for some employees was not imported because of an unexpected error. "
              L"Please see log for details.",
              harness.ViewCalls().back());
}

TEST(ImportRun, ANewEmployeeWithANamePostfixGetsTheServiceItemItsEntriesUse)
{
    ImportHarness harness;
    harness.server = [](TestCompany& company) {
        company.config->SetServiceItemGroup(false);
        company.config->SetNamePostfixes({ { L"1", L" (2)" } });
        company.config->SetAutoCreationFlags(Config::CreateEmployees | Config::CreateServiceItems);
        company.config->GetEmployeeMappings()->GetBySource(L"1")->SetState(Mapping::NotMapped);
        company.AddServerWork(User(company, L"1"), 5, 60, L"Acme", L"Roof", L"fix", 0);
    };
    harness.Load();
    harness.Import();

    EXPECT_EQ(Lines({ L"create employee Ann Archer (2) payroll 'P1'", L"create service item Archer (2), Ann account A1",
                      L"add E100 2012-03-05 Acme:Roof Archer (2), Ann 'fix' 60" }),
              harness.qb.Trace());
    EXPECT_EQ(L"ShowImportSucceeded", harness.ViewCalls().back());
}

TEST(ImportRun, ARefusedPaycheckSettingIsReportedAndTheTimeStillImported)
{
    ImportHarness harness;
    harness.qb.AddEmployee(L"E1", L"Ann", L"Archer", 0);
    harness.qb.FailTimeDataFlag(3200);
    harness.server = &AnnWorksTwoDays;
    harness.Load();
    const Lines log = harness.Import();

    EXPECT_EQ(Lines({ L"use-time-data E1 2", L"add E1 2012-03-05 Acme:Roof Labor 'fix' 60",
                      L"add E1 2012-03-06 Acme:Roof Labor 'fix' 90" }),
              harness.qb.Trace());
    EXPECT_EQ(1u, LinesContaining(log, L"QuickBooks did not switch off the use of time data to create paychecks "
                                       L"for Ann Archer:")
                      .size());
    EXPECT_EQ(1u, LinesContaining(log, L"Error code: 3200").size());
    EXPECT_EQ(L"ShowImportFailed QuickBooks did not switch off the use of time data to create paychecks for some "
              L"employees. Please see log for details.",
              harness.ViewCalls().back());
}

// The switch changes the employee in QuickBooks: a run that follows on the same data, stopped
// before its entries here, sends the switch again with the employee's new EditSequence, and
// QuickBooks takes it.
TEST(ImportRun, APaycheckSettingSwitchedOnceIsSentAgainWithTheNewEditSequence)
{
    ImportHarness harness;
    harness.qb.AddEmployee(L"E1", L"Ann", L"Archer", 0);
    harness.server = &AnnWorksTwoDays;
    harness.openForms = Lines(1, L"Time Tracker");
    harness.formsFromWrite = 0;
    harness.Load();
    harness.Import();
    EXPECT_EQ(Lines({ L"use-time-data E1 2" }), harness.qb.Trace());

    harness.openForms.clear();
    harness.qb.ClearTrace();
    harness.Import();
    EXPECT_EQ(Lines({ L"use-time-data E1 2", L"add E1 2012-03-05 Acme:Roof Labor 'fix' 60",
                      L"add E1 2012-03-06 Acme:Roof Labor 'fix' 90" }),
              harness.qb.Trace());
    EXPECT_EQ(L"ShowImportSucceeded", harness.ViewCalls().back());
}

TEST(ImportRun, AUserNotToImportIsSkippedWhateverTheSelection)
{
    ImportHarness harness;
    harness.server = &BothWork;
    harness.Load();
    harness.Company().config->GetEmployeeMappings()->GetBySource(L"1")->SetState(Mapping::DoNotImport);
    harness.Import();
    EXPECT_EQ(Lines({ L"add E2 2012-03-05 Acme:Roof Labor 'paint' 120" }), harness.qb.Trace());
}

// Settings saved while a run goes on stay as saved; the run adds only the rules of the
// employees it created.
TEST(ImportSnapshot, ARunGivesBackOnlyTheRulesOfEmployeesItCreated)
{
    ImportHarness harness;
    harness.Load();
    MainModel& model = *harness.Company().model;
    model.SetCompanyInformation(L"Snapshot Co");
    const ImportSnapshot snapshot = TakeImportSnapshot(harness.Company().model);
    boost::shared_ptr<Config> saved(new Config(*model.GetConfig()));
    saved->SetTaskNameDescription(true);
    model.SetConfig(saved);
    snapshot.config->GetEmployeeMappings()->GetBySource(L"1")->SetTarget(L"E-NEW", Mapping::Mapped);
    snapshot.config->SetNameConvention(2);

    KeepCreatedEmployeeRules(snapshot, L"1");
    const boost::shared_ptr<Config> merged = model.GetConfig();
    EXPECT_TRUE(merged->GetTaskNameDescription());
    EXPECT_EQ(Config::DefaultNameConvention, merged->GetNameConvention());
    EXPECT_EQ(L"E-NEW", merged->GetEmployeeMappings()->GetBySource(L"1")->GetTarget());
    EXPECT_EQ(L"E2", merged->GetEmployeeMappings()->GetBySource(L"2")->GetTarget());
    boost::shared_ptr<Config> stored(new Config());
    ASSERT_TRUE(LoadConfig(L"Snapshot Co", stored));
    EXPECT_TRUE(stored->GetTaskNameDescription());
    EXPECT_EQ(L"E-NEW", stored->GetEmployeeMappings()->GetBySource(L"1")->GetTarget());
}
