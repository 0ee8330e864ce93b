// Leave on both sides, surplus QuickBooks entries and QuickBooks's warnings: the import leaves
// QuickBooks as the preview showed it, the log tells it, and a reload shows nothing left to do.
#include <gtest/gtest.h>

#include "ImportHarness.h"
#include "app/Resolvers.h"
#include "core/Config.h"
#include "core/EmployeeDiff.h"

using namespace Quorvane;

namespace {

typedef std::vector<std::wstring> Lines;

// Vacation (id 10) is mapped to the payroll item PV; Sabbatical is a type the server no longer lists.
struct LeaveCompany {
    explicit LeaveCompany(ImportHarness& harness) : harness(harness)
    {
        harness.qb.AddPayrollItem(L"PV", L"Vacation Pay");
    }

    // Ann's leave on the server, of the given type, on March 5.
    void ServerLeave(const wchar_t* leaveType, int minutes)
    {
        const std::wstring type = leaveType;
        harness.server = [type, minutes, this](TestCompany& company) {
            company.AddLeaveType(L"10", L"Vacation");
            company.MapLeaveType(L"10", L"PV");
            company.config->SetCanRemoveExistingQBTimeTrack(removal);
            if (minutes)
                company.AddServerLeave(company.model->GetServerEmployees()->FindById(L"1"), 5, minutes, type);
        };
    }

    // Leave that the program wrote into QuickBooks earlier: the type in the notes, no names.
    std::wstring QuickBooksLeave(const wchar_t* leaveType, int minutes)
    {
        return harness.qb.AddEntry(L"E1", 5, minutes, L"", L"", leaveType, 0, L"PV");
    }

    int QuickBooksMinutes() const
    {
        int minutes = 0;
        for (const FakeQuickBooks::Entry& entry : harness.qb.Entries())
            minutes += entry.minutes;
        return minutes;
    }

    // A reload shows nothing left to do, and an import then writes nothing.
    void ExpectInStep()
    {
        harness.Load();
        if (removal) {  // kept entries stay different from the server
            EXPECT_EQ(0, harness.PendingChanges());
        }
        harness.qb.ClearTrace();
        harness.Import();
        EXPECT_TRUE(harness.qb.Trace().empty()) << ::testing::PrintToString(harness.qb.Trace());
    }

    ImportHarness& harness;
    bool removal = true;
};

}  // namespace

TEST(ImportAsPreviewed, LeaveChangedOnBothSidesIsChangedAndCountedAsLeave)
{
    ImportHarness harness;
    LeaveCompany leave(harness);
    leave.QuickBooksLeave(L"Vacation", 480);
    leave.ServerLeave(L"Vacation", 240);
    harness.Load();
    const Lines log = harness.Import();

    EXPECT_EQ(Lines({ L"change T100 240" }), harness.qb.Trace());
    EXPECT_EQ(1u, LinesContaining(log, L"\tAnn Archer: OK  (Working time 0:00, Leave time 4:00)").size());
    EXPECT_EQ(1u, LinesContaining(harness.ViewCalls(), L"SetImportedLeaveTime 240").size());
    leave.ExpectInStep();
}

TEST(ImportAsPreviewed, LeaveGoneFromTheServerIsDeletedOrKeptAsTheSettingsSay)
{
    for (const bool removal : { true, false }) {
        SCOPED_TRACE(removal ? "removal on" : "removal off");
        ImportHarness harness;
        LeaveCompany leave(harness);
        leave.removal = removal;
        leave.QuickBooksLeave(L"Vacation", 480);
        leave.ServerLeave(L"Vacation", 0);
        harness.Load();
        const Lines log = harness.Import();

        EXPECT_EQ(removal ? 0 : 480, leave.QuickBooksMinutes());
        EXPECT_EQ(1u, LinesContaining(log, removal ? L"was deleted as it is absent in Quorvane"
                                                   : L"was kept in QB although Quorvane does not have it")
                          .size());
        // Kept leave is the employee's leave, and a warning.
        EXPECT_EQ(1u, LinesContaining(log, removal ? L"Ann Archer: Warning  (Working time 0:00)"
                                                   : L"Ann Archer: Warning  (Working time 0:00, Leave time 8:00)")
                          .size());
        leave.ExpectInStep();
    }
}

TEST(ImportAsPreviewed, SurplusEntriesKeptWithRemovalOffCountAsKept)
{
    ImportHarness harness;
    harness.qb.AddEntry(L"E1", 5, 60, L"Acme:Roof", L"Labor", L"fix", 0, L"P1");
    harness.qb.AddEntry(L"E1", 5, 60, L"Acme:Roof", L"Labor", L"fix", 0, L"P1");
    harness.server = [](TestCompany& company) {
        company.config->SetCanRemoveExistingQBTimeTrack(false);
        company.AddServerWork(company.model->GetServerEmployees()->FindById(L"1"), 5, 60, L"Acme", L"Roof", L"fix", 0);
    };
    harness.Load();
    const Lines log = harness.Import();

    EXPECT_TRUE(harness.qb.Trace().empty());
    EXPECT_EQ(2u, harness.qb.Entries().size());
    // Both hours stay in QuickBooks, and the log and the end panel count both.
    EXPECT_EQ(1u, LinesContaining(log, L"Ann Archer: Warning  (Working time 2:00)").size());
    EXPECT_EQ(1u, LinesContaining(harness.ViewCalls(), L"SetImportedWorkingTime 120").size());
}

TEST(ImportAsPreviewed, LeaveOfATypeTheServerNoLongerListsIsNeitherAbsentNorWorkingTime)
{
    ImportHarness harness;
    LeaveCompany leave(harness);
    leave.QuickBooksLeave(L"Sabbatical", 480);
    leave.ServerLeave(L"Sabbatical", 240);
    TestCompany& company = harness.Load();

    const boost::shared_ptr<TimeTrackDiffCollection> diffs =
        company.model->GetEmployeeDiffs()->FindByEmployeeId(L"1")->GetTimeTrackDiffs();
    ASSERT_EQ(1u, diffs->Count());
    const TimeTrackDiff& kept = **diffs->begin();
    EXPECT_FALSE(kept.IsAbsentOnServer());
    EXPECT_TRUE(kept.GetQuickBooksSide()->IsLeave());
    EXPECT_EQ(480, kept.GetImportSide()->GetMinutes());
    EXPECT_EQ(0u, CollectTimeTrackDiffs(*company.model, *diffs)->Count());

    const Lines log = harness.Import(true);
    EXPECT_TRUE(LinesContaining(harness.ViewCalls(), L"ShowAbsentTimeTrack").empty());
    EXPECT_TRUE(harness.qb.Trace().empty());
    EXPECT_EQ(1u, LinesContaining(log, L"Ann Archer: OK  (Working time 0:00)").size());
}

// Unpaid (id 11) is not to be imported. With no leave of it on the server that day, its entry is
// still leave: neither offered for deletion nor deleted, and counted as no working time.
TEST(ImportAsPreviewed, LeaveOfATypeNotImportedIsKeptWhenTheServerHasNoneThatDay)
{
    for (const bool removal : { true, false }) {
        SCOPED_TRACE(removal ? "removal on" : "removal off");
        ImportHarness harness;
        LeaveCompany leave(harness);
        leave.removal = removal;
        leave.QuickBooksLeave(L"Unpaid", 480);
        leave.ServerLeave(L"Vacation", 0);
        const ImportHarness::ServerSide vacation = harness.server;
        harness.server = [vacation](TestCompany& company) {
            vacation(company);
            company.AddLeaveType(L"11", L"Unpaid");
            company.MapLeaveType(L"11", L"", Mapping::DoNotImport);
        };
        harness.Load();
        const Lines log = harness.Import(true);

        EXPECT_TRUE(LinesContaining(harness.ViewCalls(), L"ShowAbsentTimeTrack").empty());
        EXPECT_TRUE(harness.qb.Trace().empty()) << ::testing::PrintToString(harness.qb.Trace());
        EXPECT_EQ(1u, LinesContaining(log, L"Ann Archer: OK  (Working time 0:00)").size());
        EXPECT_EQ(1u, LinesContaining(harness.ViewCalls(), L"SetImportedWorkingTime 0").size());
    }
}

TEST(ImportAsPreviewed, AQuickBooksWarningIsLoggedAndEndsTheRunWithWarnings)
{
    ImportHarness harness;
    harness.server = [](TestCompany& company) {
        company.AddServerWork(company.model->GetServerEmployees()->FindById(L"1"), 5, 60, L"Acme", L"Roof", L"fix", 0);
    };
    harness.Load();
    harness.qb.WarnAtWrite(1, L"The notes were cut to 4095 characters.");
    const Lines log = harness.Import();

    EXPECT_EQ(1u, harness.qb.Entries().size());
    EXPECT_EQ(1u, LinesContaining(log, L"QuickBooks accepted the following time entry with a warning:").size());
    EXPECT_EQ(1u, LinesContaining(log, L"QuickBooks: The notes were cut to 4095 characters.").size());
    EXPECT_EQ(1u, LinesContaining(log, L"Ann Archer: Warning  (Working time 1:00)").size());
    EXPECT_EQ(L"ShowImportFailed QuickBooks accepted some of the changes with warnings. Please see log for details.",
              harness.ViewCalls().back());
}

TEST(ImportAsPreviewed, BillableOrBilledLeaveStaysApartAndTheServersLeaveIsAdded)
{
    for (const int billing : { 1, 2 }) {
        SCOPED_TRACE(billing == 1 ? "billable" : "billed");
        ImportHarness harness;
        LeaveCompany leave(harness);
        harness.qb.AddEntry(L"E1", 5, 120, L"", L"", L"Vacation", billing, L"PV");
        leave.ServerLeave(L"Vacation", 240);
        TestCompany& company = harness.Load();

        // Every QuickBooks entry of the day is in the preview, so the import's check finds no change.
        EXPECT_EQ(billing == 2 ? "- > 240 leave\n120 > 120 conflict absent\n" : "- > 240 leave\n120 > 120 absent\n",
                  DescribeDiffs(*company.model->GetEmployeeDiffs()->FindByEmployeeId(L"1")->GetTimeTrackDiffs()));
        harness.Import();
        EXPECT_EQ(L"add E1 2012-03-05   'Vacation' 240", harness.qb.Trace().front());
    }
}
